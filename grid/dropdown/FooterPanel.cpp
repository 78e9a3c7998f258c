#include "grid/dropdown/FooterPanel.h"

#include "grid/dropdown/DropDownBarHost.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/FlatButton.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Screen.h"

namespace {

constexpr int GripAreaWidth = 12;

} // namespace

TExFooter::TExFooter(TComponent* AOwner)
    : TDropDownBar(AOwner), FAppearance(std::make_unique<TFooterAppearance>(AOwner)) {
    SetControlStyle(
        TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks});
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
}

TExFooter::~TExFooter() {
    FAppearance->OnChange = nullptr;
}

void TExFooter::SetAppearance(const TFooterAppearance& Value) {
    FAppearance->Assign(&Value);
    AppearanceChanged();
}

TButtonCollectionBase* TExFooter::Buttons() const {
    if (!ExDropDown() || !ExDropDown()->DropDownFooter())
        return nullptr;
    return ExDropDown()->DropDownFooter()->Buttons();
}

bool TExFooter::SizeGripVisible() const {
    return FAppearance->SizeGrip() && ExDropDown() && ExDropDown()->DropDownSizeable();
}

TRect TExFooter::GetButtonArea() const {
    TRect r = ClientRect();
    InflateRect(r, -2, -2);
    if (SizeGripVisible())
        r.Right -= GripAreaWidth;
    return r;
}

TDropDownStripAppearance& TExFooter::StripAppearance() const {
    return *FAppearance;
}

void TExFooter::CopyAppearanceFrom(TDropDownBarHost& DropDown) {
    FAppearance->Assign(DropDown.DropDownFooter());
}

const THeaderButton* TExFooter::ButtonItem(int Index) const {
    return ExDropDown()->DropDownFooter()->Buttons()->GetItem(Index);
}

void TExFooter::PrepareButton(TExButton* Button, const THeaderButton& Item) {
    Button->SetExDropDown(ExDropDown());
    Button->SetModalResult(static_cast<const TFooterButton&>(Item).ModalResult());
}

void TExFooter::FireButtonClick(int ButtonIndex) {
    ExDropDown()->DropDownFooterButtonClick(ButtonIndex);
}

void TExFooter::DrawBorderLines(const TRect& R, bool WholeFrame) {
    Line(R.Left, R.Top, R.Right, R.Top);
    if (!WholeFrame)
        return;
    Line(R.Left, R.Top, R.Left, R.Bottom);
    Line(R.Left, R.Bottom, R.Right, R.Bottom);
    Line(R.Right, R.Bottom, R.Right, R.Top);
}

TRect TExFooter::InnerEdgeRect(const TRect& R) const {
    return Rect(R.Left, R.Top + FAppearance->BorderWidth(), R.Right, R.Bottom);
}

void TExFooter::PaintExtras(const TRect& R) {
    if (!SizeGripVisible())
        return;
    const int border = FAppearance->BorderWidth();
    DrawSizeGrip(Rect(R.Right - border - 16, 1, R.Right - border - 1, R.Bottom));
}

void TExFooter::DrawSizeGrip(const TRect& G) {
    // Six dots in a triangle pointing at the corner: light ones, then dark ones a pixel up and
    // left of them.
    static constexpr TPoint dots[6] = {{5, 2}, {9, 2}, {13, 2}, {13, 6}, {13, 10}, {9, 6}};
    TCanvas* canvas = Canvas();
    const auto drawDots = [&](TColor colour, int shift) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(colour);
        canvas->Pen()->SetColor(colour);
        for (const TPoint& d : dots) {
            const int x = G.Left + d.X - shift;
            const int y = G.Bottom - d.Y - shift;
            canvas->Rectangle(x, y - 2, x + 2, y);
        }
    };
    drawDots(MixColors(clWhite, clWhite, 50), 0);
    drawDots(MixColors(FAppearance->BorderColor(), clWhite, 100), 1);
}

bool TExFooter::InGripCorner(int X, int Y) const {
    return SizeGripVisible() && X > Width() - GripAreaWidth && Y > Height() - 15;
}

void TExFooter::RestoreCursor() {
    if (Screen->Cursor() != FOldCursor)
        Screen->SetCursor(FOldCursor);
}

TDropDownForm* TExFooter::Popup() const {
    for (TWinControl* parent = Parent(); parent; parent = parent->Parent())
        if (auto* popup = dynamic_cast<TDropDownForm*>(parent))
            return popup;
    return nullptr;
}

void TExFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDropDownBar::MouseDown(Button, Shift, X, Y);
    // The popup follows the pointer from its bottom-right corner until the button goes up.
    if (Button == mbLeft && Popup() && InGripCorner(X, Y))
        Popup()->BeginSizing(ClientToScreen({X, Y}));
}

void TExFooter::MouseMove(TShiftState Shift, int X, int Y) {
    TDropDownBar::MouseMove(Shift, X, Y);
    if (Sizing()) {
        Popup()->SizeTo(ClientToScreen({X, Y}));
        return;
    }
    if (InGripCorner(X, Y)) {
        if (Screen->Cursor() != crSizeNWSE)
            Screen->SetCursor(crSizeNWSE);
    } else {
        RestoreCursor();
    }
}

void TExFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TDropDownBar::MouseUp(Button, Shift, X, Y);
    if (Sizing()) {
        Popup()->SizeTo(ClientToScreen({X, Y}));
        Popup()->EndSizing();
    }
    RestoreCursor();
}

bool TExFooter::Sizing() const {
    return Popup() && Popup()->Sizing();
}

void TExFooter::MouseEnter() {
    TDropDownBar::MouseEnter();
    if (Screen->Cursor() != crSizeNWSE)
        FOldCursor = Screen->Cursor();
}

void TExFooter::MouseLeave() {
    TDropDownBar::MouseLeave();
    if (!Sizing())
        RestoreCursor();
}
