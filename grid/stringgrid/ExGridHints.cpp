// Hints and balloons: the hint of the cell under the mouse (comment, anchor title, the cell's
// own text, the application's text) and the balloon tips with their per-cell titles and icons.
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/BalloonSettings.h"
#include "grid/stringgrid/BalloonTip.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/HTMLHintWindow.h"
#include "grid/stringgrid/RtfCellText.h"
#include "platform/core/CodePage.h"
#include "platform/core/RtfText.h"
#include "platform/ui/BalloonWindow.h"
#include "platform/ui/Font.h"
#include "platform/ui/HintMonitor.h"
#include "platform/ui/HintWindow.h"
#include "platform/ui/ImgList.h"

namespace {
// Below the cell, a little apart from the pointer.
constexpr int HintGapBelowCell = 6;
// An anchor's title stands beside the pointer.
constexpr TPoint AnchorHintOffset{8, -16};

bool CarriesBalloonList(const TCellGraphic& Graphic) {
    return Graphic.CellType == ctCheckBox || Graphic.CellType == ctDataCheckBox ||
           Graphic.CellType == ctRadioButton;
}
} // namespace

// --- per-cell balloons ---------------------------------------------------------------------------

void TExStringGrid::AddBalloon(int ACol, int ARow, const std::string& Title,
                               const std::string& Text, TBalloonIcon Icon) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && CarriesBalloonList(*graphic)) {
        if (graphic->HasBalloonList())
            delete graphic->CellBitmap;
        graphic->CellBitmap = new TBalloonList(Title, Text);
        graphic->CellAngle = 1;
    } else if (!graphic || graphic->CellType == ctNone || graphic->CellType == ctBalloon) {
        graphic = CreateCellGraphic(ACol, ARow);
        if (!graphic)
            return;
        if (graphic->CellType == ctBalloon)
            delete graphic->CellBitmap;
        graphic->CellType = ctBalloon;
        graphic->CellBitmap = new TBalloonList(Title, Text);
        graphic->CellAngle = 0;
    } else {
        return;
    }
    graphic->CellIndex = Icon;
}

void TExStringGrid::RemoveBalloon(int ACol, int ARow) {
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (graphic && graphic->HasBalloonList()) {
        delete graphic->CellBitmap;
        graphic->CellBitmap = nullptr;
        graphic->CellAngle = 0;
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExStringGrid::IsBalloon(int ACol, int ARow, std::string& Title, std::string& Text,
                              TBalloonIcon& Icon) {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || !(graphic->CellType == ctBalloon || graphic->HasBalloonList()))
        return false;
    if (const auto* list = dynamic_cast<const TBalloonList*>(graphic->CellBitmap)) {
        Title = list->Title;
        Text = list->Text;
    }
    Icon = static_cast<TBalloonIcon>(graphic->CellIndex);
    return true;
}

// --- balloon tips --------------------------------------------------------------------------------

void TExStringGrid::StartBalloons() {
    if (FBalloonWindow || Designing())
        return;
    FBalloonWindow = FBalloonSettings->CreateBalloonWindow(this);
    if (FBalloonWindow)
        FBalloonWindow->OnGetText = [this](TBalloonWindow*, TPoint ScreenPoint, std::string& Text) {
            Text = BalloonTextAt(ScreenPoint);
        };
}

void TExStringGrid::EndBalloons() {
    if (!FBalloonWindow)
        return;
    TBalloonWindow* window = FBalloonWindow;
    FBalloonWindow = nullptr;
    FBalloonSettings->ReleaseBalloonWindow(window);
}

std::string TExStringGrid::BalloonTextAt(TPoint ScreenPoint) {
    const TPoint p = ScreenToClient(ScreenPoint);
    int col = -1;
    int row = -1;
    MouseToCell(p.X, p.Y, col, row);
    TBalloonTip tip;
    int realCol = -1;
    if (col >= 0 && row >= 0) {
        const TPoint base = BaseCell(col, row);
        col = base.X;
        row = base.Y;
        realCol = RealColIndex(col);
        const std::string text = Cells(realCol, row);
        switch (GetTextKind(text, EnableHTML)) {
        case tkHTML:
            tip.Text = StripHTML(text);
            break;
        case tkRTF:
            tip.Text = RtfPlainText(RtfCellRuns(text));
            break;
        case tkPackedWide:
            tip.Text = Utf16ToUtf8(UnpackWideText(text));
            break;
        default:
            tip.Text = text;
            break;
        }
        tip.Text = BalloonCellText(tip.Text);
        IsBalloon(realCol, row, tip.Title, tip.Text, tip.Icon);
        if (FBalloonWindow)
            FBalloonWindow->SetTrackRect(CellRect(col, row));
    }
    int icon = tip.Icon;
    FireEvent(OnCellBalloon, this, realCol, row, tip.Title, tip.Text, icon);
    tip.Icon = static_cast<TBalloonIcon>(icon);
    FLastBalloonCell = TPoint{col, row};
    if (!FBalloonWindow)
        return tip.Text;
    return PrepareBalloon(FBalloonWindow, *FBalloonSettings, tip);
}

// --- hints ---------------------------------------------------------------------------------------

std::string TExStringGrid::CellHintText(int RealCol, int ARow) const {
    const std::string text = Cells(RealCol, ARow);
    if (GetTextKind(text, EnableHTML) == tkPackedWide)
        return Utf16ToUtf8(UnpackWideText(text));
    return HTMLHint ? text : StrippedCells(RealCol, ARow);
}

void TExStringGrid::BuildCellHint(THintInfo& Info) {
    if (FControlLook->HintMaxWidth > 0)
        Info.HintMaxWidth = FControlLook->HintMaxWidth;
    HintFontName = Font()->Name();
    Info.HintColor = HintColor;
    int col = -1;
    int row = -1;
    MouseToCell(Info.CursorPos.X, Info.CursorPos.Y, col, row);
    if (col < 0 || row < 0)
        return;
    const TPoint base = BaseCell(col, row);
    col = base.X;
    row = base.Y;
    FLastHintCell = base;
    const TRect r = CellRect(col, row);
    // Moving on to another cell asks for its hint.
    Info.CursorRect = r;
    const int realCol = RealColIndex(col);
    TPoint pos{Info.CursorPos.X, r.Bottom + HintGapBelowCell};

    std::string comment;
    if (IsComment(realCol, row, comment)) {
        Info.HintStr = comment;
        pos = TPoint{r.Right, r.Top};
    }
    const std::string text = Cells(realCol, row);
    if (AnchorHint && GetTextKind(text, EnableHTML) == tkHTML) {
        TAnchorHit hit;
        if (AnchorAt(col, row, Info.CursorPos.X, Info.CursorPos.Y, hit) && !hit.Anchor.empty()) {
            std::string anchor = hit.Title.empty() ? hit.Anchor : hit.Title;
            FireEvent(OnAnchorHint, this, row, realCol, anchor);
            FLastAnchorHint = anchor;
            Info.HintStr = anchor;
            pos = TPoint{Info.CursorPos.X + AnchorHintOffset.X,
                         Info.CursorPos.Y + AnchorHintOffset.Y};
        }
    }
    const bool footerRow = row >= RowCount() - FFixedFooters;
    const bool fixed =
        row < FixedRows() || col < FixedCols() || col >= ColCount() - FFixedRightCols || footerRow;
    if (HintShowCells && !fixed) {
        pos.Y = r.Top;
        Info.HintStr = CellHintText(realCol, row);
    }
    if (HintShowLargeText) {
        const TPoint size = GetCellTextSize(realCol, row);
        if (size.X > r.Width() || size.Y > r.Height()) {
            if (HintShowLargeTextPos == hpCell)
                pos = TPoint{r.Left, r.Top};
            const int kind = GetTextKind(text, EnableHTML);
            Info.HintStr = kind == tkPackedWide || HTMLHint || kind != tkHTML
                               ? text
                               : StrippedCells(realCol, row);
        }
    }
    // The floating footer's last row has hints of its own.
    if (!(FFloatingFooter->Visible && row == RowCount() - 1)) {
        std::u16string wide;
        GridHint(col, row, Info.HintStr, wide);
    }
    const int kind = GetTextKind(Info.HintStr, EnableHTML);
    if ((kind == tkHTML || kind == tkPackedWide) && UseInternalHintClass) {
        if (!FHintData)
            FHintData = std::make_unique<THTMLHintData>();
        FHintData->Images = dynamic_cast<const TImageList*>(GridImages);
        FHintData->PictureContainer = PictureContainer;
        FHintData->FontName = HintFontName;
        Info.HintWindowClass = [](TComponent* AOwner) {
            return std::make_unique<THTMLHintWindow>(AOwner);
        };
        Info.HintData = FHintData.get();
    }
    Info.HintPos = ClientToScreen(pos);
}

void TExStringGrid::CancelCellHint(TPoint ClientPos) {
    if (FHintMonitor == nullptr)
        return;
    FHintMonitor->HideHint();
    FHintMonitor->MouseMovedTo(ClientPos);
}

void TExStringGrid::HandleHintShow(TMessage& Message) {
    if (auto* info = reinterpret_cast<THintInfo*>(Message.LParam))
        BuildCellHint(*info);
    Message.Result = 0;
}
