#include "grid/dropdown/ExMultiColumnDropDownColGrid.h"

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/DropDownListMeasure.h"
#include "grid/dropdown/ExMultiColumnDropDown.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Screen.h"

#include <algorithm>

namespace MultiColumnDropDown {

namespace {
constexpr int HeaderGradientSteps = 80;
constexpr int ColGridImageGap = 4;
constexpr TColor UnownedSelectionColor = 0xFF000002;

unsigned AlignmentFlags(TAlignment Alignment) {
    switch (Alignment) {
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}
} // namespace

TExColGrid::TExColGrid(TComponent* AOwner) : TStringGrid(AOwner), TDropDownListGrid(this) {
    SetFixedRows(1);
    SetFixedCols(0);
    TGridOptions options = Options();
    options >> goRangeSelect;
    options >> goDrawFocusSelected;
    options << goRowSelect;
    options << goHorzLine;
    SetOptions(options);
    SetDefaultDrawing(false);
    SetGridLineWidth(0);
    FGridLineWidth = 1;
    FOldRow = Row();
}

TExColGrid::~TExColGrid() = default;

void TExColGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TExColGrid::Notification(TComponent* component, bool removing) {
    TStringGrid::Notification(component, removing);
    if (removing && component == FImages && !ComponentState().Contains(csDestroying))
        FImages = nullptr;
}

bool TExColGrid::InPopup() const {
    return FExDropDown && FExDropDown->DropDownForm() && Parent() &&
           Parent() == FExDropDown->DropDownForm()->ClientArea();
}

TRect TExColGrid::CellBounds(int ACol, int ARow) const {
    const TRect r = CellRect(ACol, ARow);
    return Bounds(r.Left, r.Top, ColWidths(ACol), RowHeights(ARow));
}

void TExColGrid::LoadFromDropDown(TExMultiColumnDropDown* D) {
    if (!D)
        return;
    AttachDropDown(D);
    FColumns->Assign(D->Columns());
    const int items = D->Items()->Count();
    SetColCount(std::max(FColumns->Count(), 1));
    SetRowCount(items + 1);
    if (RowCount() > 1) {
        SetFixedRows(1);
        SetRow(1);
        SetRowCount(items + 1);
    }
    for (int i = 0; i < FColumns->Count(); ++i)
        SetColWidths(i, FColumns->GetItem(i)->Width());
    AssignListLook(*D);
    FImages = D->Images();
    SetDefaultRowHeight(D->DropDownRowHeight());
    SetRowHeights(0, FHeaderHeight);
    TGridOptions options = Options();
    if (D->ColumnSizing())
        options << goColSizing;
    else
        options >> goColSizing;
    SetOptions(options);
    ApplyColumnAutoSize();
    UpdateRowHeights();
}

void TExColGrid::ItemCell(int Column, int ARow, std::string& Text, int& ImageIndex) const {
    Text.clear();
    ImageIndex = -1;
    if (!FExDropDown || ARow < 1 || ARow - 1 >= FExDropDown->Items()->Count())
        return;
    DropDownList::ItemCell(*FExDropDown->Items()->GetItem(ARow - 1),
                           Column < FColumns->Count() ? FColumns->GetItem(Column) : nullptr, Column,
                           Text, ImageIndex);
}

void TExColGrid::ApplyColumnAutoSize() {
    for (int i = 0; i < FColumns->Count(); ++i)
        if (FColumns->GetItem(i)->AutoSize())
            AutoSizeColumn(i);
}

void TExColGrid::AutoSizeColumn(int Index) {
    if (Index < 0 || Index >= FColumns->Count() || !FColumns->GetItem(Index)->AutoSize() ||
        !InPopup())
        return;
    TDropDownColumn& column = *FColumns->GetItem(Index);
    TCanvas canvas;
    canvas.Font()->Assign(*column.Font());
    int widest = 0;
    for (int row = 1; row < RowCount(); ++row) {
        std::string text;
        int image = -1;
        ItemCell(Index, row, text, image);
        widest = std::max(widest, DropDownList::ItemCellWidth(canvas, text, image, FImages));
    }
    column.SetWidth(widest);
    // The drop-down's own column too: its widths are what the list is later sized from.
    if (Index < FExDropDown->Columns()->Count())
        FExDropDown->Columns()->GetItem(Index)->SetWidth(widest);
    SetColWidths(Index, widest);
}

void TExColGrid::UpdateRowHeights() {
    if (!DropDownList::AnyColumnWraps(*FColumns) || !InPopup())
        return;
    TCanvas canvas;
    for (int row = 1; row < RowCount(); ++row) {
        int height = DropDownList::WrappedRowMinHeight;
        for (int col = 0; col < FColumns->Count(); ++col) {
            const TDropDownColumn& column = *FColumns->GetItem(col);
            if (!column.Wordwrap())
                continue;
            std::string text;
            int image = -1;
            ItemCell(col, row, text, image);
            height = std::max(height, DropDownList::WrappedItemCellHeight(
                                          canvas, column, text, image, FImages, ColWidths(col)));
        }
        SetRowHeights(row, height);
    }
}

int TExColGrid::RequiredWidth() const {
    // The list draws no border of its own (border style none).
    return DropDownList::ListRequiredWidth(*this);
}

// --- drawing -------------------------------------------------------------------------------------

void TExColGrid::DrawGridCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
    TCanvas* canvas = Canvas();
    if (FExDropDown && FExDropDown->OnDropDownDrawItem) {
        FExDropDown->OnDropDownDrawItem(FExDropDown, ACol, ARow, canvas, ARect);
        return;
    }
    const int first = FixedCols();
    const int last = ColCount() - 1;
    const uint8_t position = ACol == first && ACol == last ? 0
                             : ACol == first               ? 1
                             : ACol == last                ? 2
                                                           : 3;
    TRect r = CellBounds(ACol, ARow);
    int image = -1;
    std::string text = ARow >= 0 ? Cells(ACol, ARow) : std::string();
    TColor back = Color();
    TAlignment alignment = taLeftJustify;
    bool wrap = false;
    bool ellipsis = false;
    if (ACol < FColumns->Count() && ACol >= FixedCols()) {
        const TDropDownColumn& column = *FColumns->GetItem(ACol);
        back = column.Color();
        alignment = column.Alignment();
        wrap = column.Wordwrap();
        ellipsis = column.Ellipsis();
        canvas->Font()->Assign(*column.Font());
        if (FExDropDown && ARow > 0 && ARow - 1 < FExDropDown->Items()->Count()) {
            const TDropDownItem& item = *FExDropDown->Items()->GetItem(ARow - 1);
            if (column.ColumnType() == ctImage)
                image = item.ImageIndex();
            if (item.HasTextAt(ACol))
                text = item.TextAt(ACol);
        }
    } else {
        canvas->Font()->Assign(*FHeaderFont);
    }
    if (FExDropDown && FExDropDown->OnDropDownGetItemText)
        FExDropDown->OnDropDownGetItemText(FExDropDown, ACol, ARow, text);

    const bool fixed = AState.Contains(gdFixed);
    const bool selected = !fixed && AState.Contains(gdSelected);
    if (fixed) {
        text.clear();
        if (FExDropDown && ACol < FColumns->Count()) {
            image = -1;
            text = FColumns->GetItem(ACol)->Header();
        }
    }
    DrawCellBackground(r, fixed, selected, ACol, back, position);
    DrawCellLines(r, fixed);

    r = Rect(r.Left + FGridLineWidth, r.Top + FGridLineWidth, r.Right - FGridLineWidth,
             r.Bottom - FGridLineWidth);
    TImageList* images = FExDropDown ? FExDropDown->Images() : nullptr;
    int textLeft = r.Left + 2;
    if (images && image >= 0) {
        const int top =
            images->Height() < r.Height() ? r.Top + (r.Height() - images->Height()) / 2 : r.Top;
        images->Draw(canvas, r.Left + 2, top, image);
        textLeft = r.Left + images->Width() + ColGridImageGap;
    }
    if (text.empty())
        return;
    canvas->Brush()->SetStyle(bsClear);
    if (selected && FExDropDown)
        canvas->Font()->SetColor(FExDropDown->SelectionTextColor());
    if (fixed)
        canvas->Font()->Assign(*FHeaderFont);
    TRect textRect = Rect(textLeft, r.Top, r.Right, r.Bottom);
    unsigned flags = DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER | AlignmentFlags(alignment);
    flags |= wrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    if (ellipsis)
        flags |= DT_END_ELLIPSIS;
    canvas->DrawText(text, textRect, flags);
}

void TExColGrid::DrawCellBackground(const TRect& R, bool Fixed, bool Selected, int ACol,
                                    TColor BackColor, uint8_t Position) {
    TCanvas* canvas = Canvas();
    if (Fixed) {
        if (FHeaderColor == clNone || FHeaderColorTo == clNone) {
            if (FHeaderColor != clNone) {
                canvas->Brush()->SetColor(FHeaderColor);
                canvas->FillRect(R);
            }
        } else if (FExDropDown) {
            FExDropDown->DrawGradientRect(canvas, FHeaderColor, FHeaderColorTo, HeaderGradientSteps,
                                          R, gdVertical);
        } else {
            DrawGradientBands(canvas, FHeaderColor, FHeaderColorTo, HeaderGradientSteps, R, false);
        }
        return;
    }
    if (Selected) {
        if (FExDropDown) {
            FExDropDown->DrawSelectionBackground(canvas, R, BackColor, Position);
        } else {
            canvas->Brush()->SetColor(UnownedSelectionColor);
            canvas->FillRect(R);
        }
        return;
    }
    canvas->Brush()->SetColor(BackColor);
    canvas->Pen()->SetColor(BackColor);
    canvas->Pen()->SetWidth(1);
    canvas->Rectangle(R);
}

void TExColGrid::DrawCellLines(const TRect& R, bool Fixed) {
    TCanvas* canvas = Canvas();
    int h = 1;
    if (Fixed) {
        canvas->Pen()->SetColor(FFixedLineColor);
        canvas->Pen()->SetWidth(1);
    } else {
        if (FGridLineWidth > 0)
            canvas->Pen()->SetColor(FLineColor);
        canvas->Pen()->SetWidth(FGridLineWidth);
        h = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    if (options.Contains(Fixed ? goFixedHorzLine : goHorzLine)) {
        canvas->MoveTo(R.Left - h + 1, R.Bottom - h);
        canvas->LineTo(R.Right - h + 1, R.Bottom - h);
    }
    if (options.Contains(Fixed ? goFixedVertLine : goVertLine)) {
        canvas->MoveTo(R.Right - h, R.Bottom - h);
        canvas->LineTo(R.Right - h, R.Top - h);
    }
}

// --- input ---------------------------------------------------------------------------------------

void TExColGrid::DoSelect() {
    FireEvent(OnSelect, static_cast<TObject*>(this));
}

void TExColGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FConfirmSelection = true;
    FOldRow = Row();
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TExColGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TStringGrid::MouseUp(Button, Shift, X, Y);
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (row >= FixedRows() && row < RowCount())
        DoSelect();
}

void TExColGrid::KeyDown(WORD& Key, TShiftState Shift) {
    FConfirmSelection = true;
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        // The drop-down closes its popup on these.
        if (FExDropDown)
            FExDropDown->Perform(WM_KEYDOWN, Key);
        return;
    }
    // The string grid's own steps, with Enter noted between them: the grid's navigation takes
    // Enter for itself, the handlers before it may clear it.
    TCustomControl::KeyDown(Key, Shift);
    const bool enter = Key == VK_RETURN;
    if (Key != 0)
        HandleKeyDown(Key, Shift);
    if (enter)
        DoSelect();
}

void TExColGrid::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        // Arrows and Tab; Enter and Escape too, which choose and cancel here rather than act on
        // the popup as dialog keys, and the characters of the search.
        Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        return;
    }
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_TAB &&
        !(FExDropDown && FExDropDown->TabLeavesEveryPopupList()))
        return;
    TStringGrid::WndProc(Message);
}

bool TExColGrid::HandleWheelDown(TShiftState Shift, TPoint MousePos) {
    return StepByWheel([&] { return TStringGrid::HandleWheelDown(Shift, MousePos); });
}

bool TExColGrid::HandleWheelUp(TShiftState Shift, TPoint MousePos) {
    return StepByWheel([&] { return TStringGrid::HandleWheelUp(Shift, MousePos); });
}

} // namespace MultiColumnDropDown
