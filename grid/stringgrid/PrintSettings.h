#pragma once

#include "platform/core/StringList.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/Object.h"
#include "platform/ui/Printer.h"

#include <memory>
#include <string>

enum TPrintPosition {
    ppNone,
    ppTopLeft,
    ppTopRight,
    ppTopCenter,
    ppBottomLeft,
    ppBottomRight,
    ppBottomCenter
};
enum TPrintBorders {
    pbNoborder,
    pbSingle,
    pbDouble,
    pbVertical,
    pbHorizontal,
    pbAround,
    pbAroundVertical,
    pbAroundHorizontal,
    pbCustom
};
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

// Settings of printing and the print preview. Sizes are in 0.1 mm.
class TPrintSettings : public TObject {
public:
    TPrintSettings();
    ~TPrintSettings() override;
    // Copies every setting except FixedCellsAlways; fonts and title lines by value.
    void Assign(const TObject* Source);

    TPrintPosition Time = ppNone;
    TPrintPosition Date = ppNone;
    TPrintPosition PageNr = ppNone;
    TPrintPosition Title = ppNone;
    std::string DateFormat = "dd/mm/yyyy";
    std::string PageNumSep = "/";
    std::string PagePrefix;
    std::string PageSuffix;
    int PageNumberOffset = 0;
    int MaxPagesOffset = 0;
    std::string TitleText;
    TStringList* TitleLines() const { return FTitleLines.get(); }
    void SetTitleLines(const TStringList& Value) { *FTitleLines = Value; }

    TFont* Font() const { return FFont.get(); }
    TFont* FixedFont() const { return FFixedFont.get(); }
    TFont* HeaderFont() const { return FHeaderFont.get(); }
    TFont* FooterFont() const { return FFooterFont.get(); }
    void SetFont(const TFont& Value) { FFont->Assign(Value); }
    void SetFixedFont(const TFont& Value) { FFixedFont->Assign(Value); }
    void SetHeaderFont(const TFont& Value) { FHeaderFont->Assign(Value); }
    void SetFooterFont(const TFont& Value) { FFooterFont->Assign(Value); }
    // Cells print with the grid's fonts instead of Font and FixedFont.
    bool UseDisplayFont = true;

    TPrintBorders Borders = pbSingle;
    TPenStyle BorderStyle = psSolid;
    TColor BorderColor = clBlack;
    bool Centered = true;
    bool RepeatFixedRows = false;
    bool RepeatFixedCols = false;
    int FooterSize = 0;
    int HeaderSize = 0;
    int LeftSize = 0;
    int RightSize = 0;
    int ColumnSpacing = 0;
    int RowSpacing = 0;
    int TitleSpacing = 0;
    TPrinterOrientation Orientation = poPortrait;
    // Off: the grid sets the printer's orientation to Orientation.
    bool UseDefaultOrientation = false;
    int FixedHeight = 0;
    bool UseFixedHeight = false;
    int FixedWidth = 0;
    bool UseFixedWidth = false;
    TFitToPage FitToPage = fpNever;
    // Column widths from the screen instead of measured texts; row heights from the screen.
    bool NoAutoSize = false;
    bool NoAutoSizeRow = false;
    bool PrintGraphics = false;
    std::string JobName;
    // Fixed rows and columns print also when only the selection prints.
    bool FixedCellsAlways = false;

private:
    std::unique_ptr<TStringList> FTitleLines;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TFont> FFixedFont;
    std::unique_ptr<TFont> FHeaderFont;
    std::unique_ptr<TFont> FFooterFont;
};
