#include "grid/dropdown/ExGridDropDownGrid.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownListMeasure.h"
#include "grid/dropdown/ExCustomGridDropDown.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Keys.h"

#include <algorithm>

namespace GridDropDown {

namespace {
constexpr int FixedColumnPadding = 4;
// The grid wants arrow keys and Tab for itself.
constexpr LRESULT WantArrowsAndTab = 3;
} // namespace

TExColGrid::TExColGrid(TComponent* AOwner) : TExStringGrid(AOwner), TDropDownListGrid(this) {
    SetFixedRowAlways(true);
    SetFixedRows(1);
    SetFixedCols(0);
    TGridOptions options = Options();
    options >> goHorzLine >> goRangeSelect >> goRowSelect;
    options << goRowSelect << goHorzLine;
    SetOptions(options);
    FOldRow = Row();
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetOwnGridLineWidth(int Value) {
    FGridLineWidth = Value;
    SetGridLineWidth(0);
    Invalidate();
}

int TExColGrid::ItemOfRow(int Row) const {
    if (Row < 0 || Row >= RowCount())
        return Row;
    return static_cast<int>(static_cast<intptr_t>(GetObjectEx(0, Row)));
}

void TExColGrid::LoadFromDropDown(TCustomExGridDropDown* D) {
    if (!D)
        return;
    AttachDropDown(D);
    FColumns->Assign(D->Columns());
    const int columns = FColumns->Count();
    if (ColCount() < columns)
        SetColCount(columns);
    if (D->UseItems())
        SetRowCount(D->Items()->Count() + 1);
    for (int i = 0; i < columns; ++i)
        SetColWidths(i, FColumns->GetItem(i)->Width());
    AssignListLook(*D);
    SetHoverRow(D->HoverRow());
    SetHoverRowColor(D->HoverRowColor());
    SetHoverRowColorTo(D->HoverRowColorTo());
    FImages = D->Images();
    SetDefaultRowHeight(D->DropDownRowHeight());
    SetRowHeights(0, D->HeaderHeight());
    TGridOptions options = Options();
    const auto setOption = [&options](TGridOption Option, bool On) {
        if (On)
            options << Option;
        else
            options >> Option;
    };
    setOption(goColSizing, D->ColumnSizing());
    setOption(goColMoving, D->ColumnMoving());
    setOption(goRowSizing, D->RowSizing());
    setOption(goRowMoving, D->RowMoving());
    SetOptions(options);
    if (D->AutoSizeColumns()) {
        if (D->UseItems())
            ApplyColumnAutoSize();
        else
            TExStringGrid::AutoSizeColumns(true, FixedColumnPadding);
    }
    UpdateRowHeights();
}

void TExColGrid::LoadFromItems() {
    if (!FExDropDown)
        return;
    const TDropDownColumns& columns = *FExDropDown->Columns();
    const TDropDownItems& items = *FExDropDown->Items();
    if (ColCount() != columns.Count())
        SetColCount(columns.Count());
    constexpr auto headerObject = static_cast<uintptr_t>(-1);
    for (int i = 0; i < columns.Count(); ++i) {
        SetCells(i, 0, columns.GetItem(i)->Header());
        SetObjectEx(i, 0, headerObject);
    }
    if (items.Count() > 0)
        SetRowCount(FixedRows() + items.Count());
    for (int k = 0; k < items.Count(); ++k) {
        const TDropDownItem& item = *items.GetItem(k);
        for (int i = 0; i < columns.Count(); ++i)
            SetCells(i, k + 1, item.TextAt(i));
        SetObjectEx(0, k + 1, static_cast<uintptr_t>(k));
    }
}

TCanvas* TExColGrid::MeasureCanvas() const {
    if (!FExDropDown || !FExDropDown->DropDownForm())
        return nullptr;
    TDropDownForm* form = FExDropDown->DropDownForm();
    // Measuring is only meaningful while the grid sits in its popup.
    if (Parent() != form->ClientArea() && Parent() != form)
        return nullptr;
    return Canvas();
}

void TExColGrid::AutoSizeColumn(int Index) {
    if (Index < 0 || Index >= FColumns->Count() || !FColumns->GetItem(Index)->AutoSize() ||
        !FExDropDown)
        return;
    TCanvas* canvas = MeasureCanvas();
    if (!canvas)
        return;
    TDropDownColumn& column = *FColumns->GetItem(Index);
    canvas->Font()->Assign(*column.Font());
    const TDropDownItems& items = *FExDropDown->Items();
    int widest = 0;
    for (int r = 1; r < RowCount() && r - 1 < items.Count(); ++r) {
        std::string text;
        int image = -1;
        DropDownList::ItemCell(*items.GetItem(r - 1), &column, Index, text, image);
        widest = std::max(widest, DropDownList::ItemCellWidth(*canvas, text, image, FImages));
    }
    column.SetWidth(widest);
    SetColWidths(Index, widest);
}

void TExColGrid::ApplyColumnAutoSize() {
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->GetItem(i)->AutoSize())
            AutoSizeColumn(i);
}

void TExColGrid::UpdateRowHeights() {
    if (!FExDropDown)
        return;
    TCanvas* canvas = MeasureCanvas();
    if (!DropDownList::AnyColumnWraps(*FColumns) || !canvas)
        return;
    const TDropDownItems& items = *FExDropDown->Items();
    for (int r = FixedRows(); r < RowCount(); ++r) {
        // Rows need not be items without UseItems: such rows keep their height.
        const int item = FExDropDown->UseItems() ? ItemOfRow(r) : -1;
        if (item < 0 || item >= items.Count())
            continue;
        int height = DropDownList::WrappedRowMinHeight;
        for (int i = 0; i < FColumns->Count(); ++i) {
            const TDropDownColumn& column = *FColumns->GetItem(i);
            if (!column.Wordwrap())
                continue;
            std::string text;
            int image = -1;
            DropDownList::ItemCell(*items.GetItem(item), &column, i, text, image);
            height = std::max(height, DropDownList::WrappedItemCellHeight(
                                          *canvas, column, text, image, FImages, ColWidths(i)));
        }
        SetRowHeights(r, height);
    }
}

int TExColGrid::RequiredWidth() {
    return DropDownList::ListRequiredWidth(*this);
}

void TExColGrid::DoSelect() {
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

void TExColGrid::HandleWindowMessage(TMessage& Message) {
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_TAB &&
        !(FExDropDown && FExDropDown->TabLeavesEveryPopupList()))
        return;
    // The string grid keeps Enter for itself (editing, moving on); here it chooses the row.
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_RETURN &&
        !KeyDataToShiftState(Message.LParam).Contains(ssAlt) && !EditMode) {
        FConfirmSelection = true;
        Message.Result = 1;
        DoSelect();
        return;
    }
    if (Message.Msg == WM_CHAR && Message.WParam == VK_RETURN) {
        Message.Result = 1;
        return;
    }
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = WantArrowsAndTab;
        return;
    }
    // The string grid moves its current row on the wheel itself: that row is a highlight only.
    if (Message.Msg == WM_MOUSEWHEEL) {
        StepByWheel([&] {
            TExStringGrid::HandleWindowMessage(Message);
            return true;
        });
        return;
    }
    TExStringGrid::HandleWindowMessage(Message);
}

void TExColGrid::HandleKeyDown(WORD& Key, TShiftState Shift) {
    FConfirmSelection = true;
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        // The drop-down closes its popup on these.
        if (FExDropDown)
            FExDropDown->Perform(WM_KEYDOWN, Key, 0);
        return;
    }
    TExStringGrid::HandleKeyDown(Key, Shift);
}

void TExColGrid::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FConfirmSelection = true;
    FOldRow = Row();
    TExStringGrid::HandleMouseDown(Button, Shift, X, Y);
}

void TExColGrid::HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStringGrid::HandleMouseUp(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (IsDataRow(cell.Y) && !HasCheckBox(cell.X, cell.Y))
        DoSelect();
}

bool TExColGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos) {
    return StepByWheel([&] { return TExStringGrid::HandleWheelDown(Shift, MousePos); });
}

bool TExColGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos) {
    return StepByWheel([&] { return TExStringGrid::HandleWheelUp(Shift, MousePos); });
}

void TExColGrid::Notification(TComponent* AComponent, bool removing) {
    TExStringGrid::Notification(AComponent, removing);
    if (removing && FImages && AComponent == FImages)
        FImages = nullptr;
}

} // namespace GridDropDown
