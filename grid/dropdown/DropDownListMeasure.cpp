#include "grid/dropdown/DropDownListMeasure.h"

#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Screen.h"
#include "platform/ui/StringGridControl.h"

#include <algorithm>

namespace DropDownList {

namespace {
constexpr int TextPadding = 6;
constexpr int ListImageGap = 4;
constexpr int MeasureWidth = 1000;
constexpr int MeasureHeight = 500;
} // namespace

void ItemCell(const TDropDownItem& Item, const TDropDownColumn* Column, int Index,
              std::string& Text, int& ImageIndex) {
    Text.clear();
    ImageIndex = -1;
    if (!Item.HasTextAt(Index))
        return;
    Text = Item.TextAt(Index);
    if (Column && Column->ColumnType() == ctImage)
        ImageIndex = Item.ImageIndex();
}

int ItemCellWidth(TCanvas& Canvas, const std::string& Text, int ImageIndex,
                  const TImageList* Images) {
    int width = ImageIndex >= 0 && Images ? Images->Width() + ListImageGap : 0;
    if (!Text.empty()) {
        TRect r{0, 0, MeasureWidth, MeasureHeight};
        Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        width += r.Width() + TextPadding;
    }
    return width;
}

int WrappedItemCellHeight(TCanvas& Canvas, const TDropDownColumn& Column, const std::string& Text,
                          int ImageIndex, const TImageList* Images, int Width) {
    int needed = ImageIndex >= 0 && Images ? Images->Height() + TextPadding : 0;
    if (!Text.empty()) {
        Canvas.Font()->Assign(*Column.Font());
        TRect r{0, 0, Width, MeasureHeight};
        Canvas.DrawText(Text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        needed = std::max(needed, r.Height() + TextPadding);
    }
    return needed;
}

bool AnyColumnWraps(const TDropDownColumns& Columns) {
    for (int i = 0; i < Columns.Count(); ++i)
        if (Columns.GetItem(i)->Wordwrap())
            return true;
    return false;
}

int ListRequiredWidth(const TStringGrid& Grid) {
    int width = 0;
    for (int i = 0; i < Grid.ColCount(); ++i)
        width += Grid.ColWidths(i);
    if (Grid.VisibleRowCount() + Grid.FixedRows() != Grid.RowCount())
        width += GetSystemMetrics(SM_CXVSCROLL);
    return width;
}

} // namespace DropDownList
