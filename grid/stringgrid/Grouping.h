#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <string>

// Appearance of group header and summary rows.
class TGrouping : public TObject {
public:
    // The line colours and widths and Summary are not copied.
    void Assign(const TObject* Source) {
        if (const auto* source = dynamic_cast<const TGrouping*>(Source)) {
            GroupCountFormat = source->GroupCountFormat;
            HeaderColor = source->HeaderColor;
            HeaderColorTo = source->HeaderColorTo;
            HeaderTextColor = source->HeaderTextColor;
            HeaderUnderline = source->HeaderUnderline;
            MergeHeader = source->MergeHeader;
            MergeSummary = source->MergeSummary;
            ShowGroupCount = source->ShowGroupCount;
            SummaryColor = source->SummaryColor;
            SummaryColorTo = source->SummaryColorTo;
            SummaryTextColor = source->SummaryTextColor;
            SummaryLine = source->SummaryLine;
            AutoCheckGroup = source->AutoCheckGroup;
            AutoSelectGroup = source->AutoSelectGroup;
        }
    }

    bool MergeHeader = false;
    bool MergeSummary = false;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlue;
    int HeaderLineWidth = 2;
    bool Summary = false;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlue;
    int SummaryLineWidth = 2;
    bool ShowGroupCount = false;
    std::string GroupCountFormat;
    bool AutoSelectGroup = false;
    bool AutoCheckGroup = false;
};
