#pragma once

#include "grid/foundation/IntList.h"
#include "platform/ui/Object.h"

#include <memory>
#include <string>

// Settings of the HTML export.
class THTMLSettings : public TObject {
public:
    // Copies everything but the column widths and ExportImages.
    void Assign(const TObject* Source) {
        const auto* source = dynamic_cast<const THTMLSettings*>(Source);
        if (!source)
            return;
        BorderSize = source->BorderSize;
        CellSpacing = source->CellSpacing;
        CellPadding = source->CellPadding;
        Width = source->Width;
        SaveColor = source->SaveColor;
        SaveFonts = source->SaveFonts;
        XHTML = source->XHTML;
        ConvertSpecialChars = source->ConvertSpecialChars;
        NonBreakingText = source->NonBreakingText;
        AutoPreview = source->AutoPreview;
        HeaderFile = source->HeaderFile;
        FooterFile = source->FooterFile;
        PrefixTag = source->PrefixTag;
        SuffixTag = source->SuffixTag;
        TableStyle = source->TableStyle;
        Summary = source->Summary;
    }

    TIntList* ColWidths() const { return FColWidths.get(); }

    int BorderSize = 1;
    int CellSpacing = 0;
    int CellPadding = 0;
    int Width = 100; // percent
    bool SaveColor = true;
    bool SaveFonts = true;
    bool ExportImages = true;
    bool XHTML = false;
    bool ConvertSpecialChars = false;
    bool NonBreakingText = false;
    bool AutoPreview = false;
    std::string HeaderFile;
    std::string FooterFile;
    std::string PrefixTag;
    std::string SuffixTag;
    std::string TableStyle;
    std::string Summary;

private:
    std::unique_ptr<TIntList> FColWidths = std::make_unique<TIntList>(-1, -1);
};
