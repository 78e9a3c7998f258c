// Clicks on links and HTML controls in cells, and the mouse moving over anchors.
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/CellAnchor.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridLinkOpener.h"
#include "platform/core/Text.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Font.h"
#include "platform/ui/ImgList.h"

// The width of a vertical scroll bar, which covers the right of a cell that holds one.
constexpr int CellScrollBarWidth = 17;

bool TExStringGrid::AnchorAt(int ACol, int ARow, int X, int Y, TAnchorHit& Hit) {
    // A control ID the caller fills in asks for that element wherever it lies.
    const std::string askedControlID = Hit.ControlID;
    Hit = TAnchorHit{};
    Hit.ControlID = askedControlID;
    const int realCol = DisplToRealCol(ACol);
    const std::string text = Cells(realCol, ARow);
    if (GetTextKind(text, EnableHTML) != tkHTML) {
        if (URLShow() && IsURL(text))
            Hit.Anchor = text;
        return !Hit.Anchor.empty();
    }
    TRect r = CellRect(ACol, ARow);
    int scrolled = 0;
    if (HasScrollBar(realCol, ARow)) {
        scrolled = std::max(0, GetScrollPosition(ACol, ARow));
        r.Right -= CellScrollBarWidth;
    }
    r.Right -= FXYOffset.X;
    r.Left += FXYOffset.X + 1;
    r.Top += FXYOffset.Y + 1;
    r.Bottom += scrolled;
    if (HasCheckBox(realCol, ARow))
        r.Left += FControlLook->CheckSize();
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(ACol < FixedCols() || ARow < FixedRows() ? *FixedFont()
                                                                    : *GetCellFont(realCol, ARow));
    std::string stripped, focusAnchor, title;
    int xSize = 0, ySize = 0, links = 0;
    TRect hoverRect;
    // A right-to-left cell shows its mark-up unmirrored where the cell shows: the point is
    // tested there.
    if (UseRightToLeftAlignment()) {
        r = TRect{Width() - r.Right, r.Top, Width() - r.Left, r.Bottom};
        X = Width() - 1 - X;
    }
    const bool hit = RenderHTML(
        canvas, text, r, dynamic_cast<const TImageList*>(GetGridImageList(ACol, ARow)), X,
        Y + scrolled, -1, -1, 1, true, false, false, false, false, false, !EnhTextSize, false, 1.0,
        URLColor(), clNone, clNone, clGray, Hit.Anchor, stripped, focusAnchor, title, xSize, ySize,
        links, Hit.LinkIndex, hoverRect, Hit.ControlRect, Hit.ControlID, Hit.ControlValue,
        Hit.ControlType, ImageCache(), PictureContainer, this, BiDiMode());
    Hit.Title = title;
    if (!hit) {
        Hit.Anchor.clear();
        Hit.ControlID.clear();
    }
    return hit;
}

bool TExStringGrid::PressOnLink(int ACol, int ARow, int ACol0, int ARow0, int X, int Y) {
    const int realCol = DisplToRealCol(ACol);
    std::string text = Cells(realCol, ARow);
    const bool html = GetTextKind(text, EnableHTML) == tkHTML;
    if (!URLShow() && !html)
        return false;
    TAnchorHit hit;
    AnchorAt(ACol, ARow, X, Y, hit);
    if (hit.Anchor.empty() && hit.ControlID.empty()) {
        if (!html || UpperPos("<CONTROL", text) == 0)
            return false;
        // A cell of controls pressed beside them selects the cell and edits nothing.
        FireEvent(OnClickCell, this, ARow0, ACol0);
        HideInplaceEdit();
        SetSelection(TGridRect{ACol, ARow, ACol, ARow});
        return true;
    }
    bool autoHandle = true;
    bool editable =
        (Options().Contains(goEditing) || FEditDisable) && !ReadOnly(DisplToRealCol(ACol0), ARow0);
    if (!hit.ControlID.empty()) {
        CanEditCell(ACol0, ARow0, editable);
        if (editable) {
            ClickHTMLControl(ACol, ARow, realCol, hit);
            autoHandle = false;
        }
    }
    if (autoHandle && !hit.Anchor.empty())
        FireEvent(OnAnchorClick, this, ARow, ACol, hit.Anchor, autoHandle);
    if (autoHandle && !hit.Anchor.empty())
        OpenAnchor(hit.Anchor);
    return true;
}

// Buttons are held down until the release; check boxes and radio buttons change the cell text;
// edit and combo elements get their editor over them.
void TExStringGrid::ClickHTMLControl(int ACol, int ARow, int RealCol, const TAnchorHit& Hit) {
    // An element still being edited is stored first, so the text read below already holds it.
    if (FCtrlEditing)
        CommitCellControlEditor(this);
    std::string text = Cells(RealCol, ARow);
    std::string value = Hit.ControlValue;
    const std::string type = UpperCase(Hit.ControlType);
    if (type == "BUTTON") {
        FCtrlXY = TPoint{RealCol, ARow};
        FCtrlDown = true;
        RepaintCell(ACol, ARow);
    } else if (type == "CHECK") {
        value = UpperCase(value) == "TRUE" ? "FALSE" : "TRUE";
        SetControlValue(text, Hit.ControlID, value);
        SetCells(RealCol, ARow, text);
    } else if (type == "RADIO") {
        text = ClearRadioControls(text);
        value = "TRUE";
        SetControlValue(text, Hit.ControlID, value);
        SetCells(RealCol, ARow, text);
    }
    FireEvent(OnControlClick, this, ARow, ACol, Hit.ControlID, Hit.ControlType, value);
    ShowCellControlEditor(text, Hit.ControlType, Hit.ControlID, value, Hit.ControlRect, ACol,
                          RealCol, ARow);
}

void TExStringGrid::OpenAnchor(const std::string& Anchor) {
    TPoint cell;
    switch (ClassifyCellAnchor(Anchor, cell)) {
    case TCellAnchorTarget::Cell:
        // A reference outside the normal cells goes nowhere.
        if (cell.X >= FixedCols() && cell.X < ColCount() && cell.Y >= FixedRows() &&
            cell.Y < RowCount()) {
            SetRow(cell.Y);
            SetCol(cell.X);
            ScrollInView(cell.X, cell.Y);
        }
        break;
    case TCellAnchorTarget::WebLink:
        if (const TGridLinkOpener& opener = GridLinkOpener()) {
            const TOpenLinkResult opened = opener(Anchor);
            if (!opened)
                MessageDlg(OpenLinkFailureText(Anchor, opened), mtError, {mbOK});
        }
        break;
    case TCellAnchorTarget::None:
        break;
    }
}

void TExStringGrid::HoverLinks(int ACol, int ARow, int X, int Y, bool& CursorSet) {
    if (ACol < 0 || ARow < 0)
        return;
    const int realCol = DisplToRealCol(ACol);
    const std::string text = Cells(realCol, ARow);
    if (GetTextKind(text, EnableHTML) != tkHTML) {
        if (URLShow() && IsURL(text)) {
            TBaseGrid::SetCursor(crHandPoint);
            CursorSet = true;
        }
        if (URLUnderlineOnHover && (FHoverlink != -1 || FHoverCell.X >= 0)) {
            const TPoint old = FHoverCell;
            FHoverlink = -1;
            FHoverCell = TPoint{-1, -1};
            if (old.X >= 0 && old.Y >= 0)
                RepaintCell(old.X, old.Y);
        }
        LeaveAnchor(ACol, ARow);
        return;
    }
    TAnchorHit hit;
    AnchorAt(ACol, ARow, X, Y, hit);
    if (URLUnderlineOnHover) {
        const bool otherCell = FHoverCell.X != ACol || FHoverCell.Y != ARow;
        if (otherCell && FHoverCell.X >= 0 && FHoverCell.Y >= 0)
            RepaintCell(FHoverCell.X, FHoverCell.Y);
        if (otherCell || FHoverlink != hit.LinkIndex) {
            FHoverCell = TPoint{ACol, ARow};
            FHoverlink = hit.LinkIndex;
            RepaintCell(ACol, ARow);
        }
    }
    if (hit.Anchor.empty()) {
        LeaveAnchor(ACol, ARow);
        return;
    }
    std::string hint = hit.Title;
    if (hint.empty())
        FireEvent(OnAnchorHint, this, ARow, ACol, hint);
    if (!FLastAnchorHint.empty() && hint != FLastAnchorHint && hit.Anchor != FAnchor) {
        FLastAnchorHint = hint;
        CancelCellHint(TPoint{X, Y});
    }
    TBaseGrid::SetCursor(crHandPoint);
    CursorSet = true;
    if (hit.Anchor != FAnchor) {
        FireEvent(OnAnchorEnter, this, ARow, ACol, hit.Anchor);
        FAnchor = hit.Anchor;
    }
}

void TExStringGrid::LeaveAnchor(int ACol, int ARow) {
    if (FAnchor.empty())
        return;
    const std::string left = FAnchor;
    FAnchor.clear();
    FireEvent(OnAnchorExit, this, ARow, ACol, left);
}
