#include "grid/stringgrid/PrintSettings.h"

TPrintSettings::TPrintSettings()
    : FTitleLines(std::make_unique<TStringList>()), FFont(std::make_unique<TFont>()),
      FFixedFont(std::make_unique<TFont>()), FHeaderFont(std::make_unique<TFont>()),
      FFooterFont(std::make_unique<TFont>()) {}

TPrintSettings::~TPrintSettings() = default;

void TPrintSettings::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TPrintSettings*>(Source);
    if (!source || source == this)
        return;
    const bool fixedCellsAlways = FixedCellsAlways;
    Time = source->Time;
    Date = source->Date;
    PageNr = source->PageNr;
    Title = source->Title;
    DateFormat = source->DateFormat;
    PageNumSep = source->PageNumSep;
    PagePrefix = source->PagePrefix;
    PageSuffix = source->PageSuffix;
    PageNumberOffset = source->PageNumberOffset;
    MaxPagesOffset = source->MaxPagesOffset;
    TitleText = source->TitleText;
    *FTitleLines = *source->FTitleLines;
    FFont->Assign(*source->FFont);
    FFixedFont->Assign(*source->FFixedFont);
    FHeaderFont->Assign(*source->FHeaderFont);
    FFooterFont->Assign(*source->FFooterFont);
    UseDisplayFont = source->UseDisplayFont;
    Borders = source->Borders;
    BorderStyle = source->BorderStyle;
    BorderColor = source->BorderColor;
    Centered = source->Centered;
    RepeatFixedRows = source->RepeatFixedRows;
    RepeatFixedCols = source->RepeatFixedCols;
    FooterSize = source->FooterSize;
    HeaderSize = source->HeaderSize;
    LeftSize = source->LeftSize;
    RightSize = source->RightSize;
    ColumnSpacing = source->ColumnSpacing;
    RowSpacing = source->RowSpacing;
    TitleSpacing = source->TitleSpacing;
    Orientation = source->Orientation;
    UseDefaultOrientation = source->UseDefaultOrientation;
    FixedHeight = source->FixedHeight;
    UseFixedHeight = source->UseFixedHeight;
    FixedWidth = source->FixedWidth;
    UseFixedWidth = source->UseFixedWidth;
    FitToPage = source->FitToPage;
    NoAutoSize = source->NoAutoSize;
    NoAutoSizeRow = source->NoAutoSizeRow;
    PrintGraphics = source->PrintGraphics;
    JobName = source->JobName;
    FixedCellsAlways = fixedCellsAlways;
}
