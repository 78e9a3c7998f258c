#include "grid/dropdown/DropDownForm.h"

#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/dropdown/FooterPanel.h"
#include "grid/dropdown/HeaderPanel.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/FooterAppearance.h"
#include "grid/stringgrid/HeaderAppearance.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Keys.h"
#include "platform/ui/Messages.h"
#include "platform/ui/OwnedPopup.h"

#include <algorithm>
#include <chrono>

uint64_t DropDownTickCount() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// The popup inside its border: paints background and border and offers the size corner. It is
// the parent of the hosted control and the bars, so they keep clear of the border.
class TDropDownFormClient : public TCustomControl {
public:
    explicit TDropDownFormClient(TDropDownForm* Form) : TCustomControl(Form), FForm(Form) {
        SetParent(Form);
        SetAlign(alClient);
        SetControlStyle(ControlStyle() << csOpaque);
    }

protected:
    int BorderWidth() const {
        const TExCustomDropDown* edit = FForm->ExDropDown();
        return edit ? std::max(edit->DropDownBorderWidth(), 0) : 0;
    }

    void AlignControls(TControl* control, TRect& rect) override {
        const int border = BorderWidth();
        rect =
            Rect(rect.Left + border, rect.Top + border, rect.Right - border, rect.Bottom - border);
        TCustomControl::AlignControls(control, rect);
    }

    void Paint() override {
        TCanvas* canvas = Canvas();
        const TExCustomDropDown* edit = FForm->ExDropDown();
        canvas->Brush()->SetColor(clWindow);
        canvas->FillRect(ClientRect());
        if (!edit)
            return;
        const int border = BorderWidth();
        const TRect inner = Rect(border, border, Width() - border, Height() - border);
        if (edit->DropDownColor() != clNone && edit->DropDownColorTo() != clNone) {
            DrawGradientBands(canvas, edit->DropDownColor(), edit->DropDownColorTo(), 80, inner,
                              edit->DropDownGradient() == gdHorizontal);
        } else if (edit->DropDownColor() != clNone) {
            canvas->Brush()->SetColor(edit->DropDownColor());
            canvas->FillRect(inner);
        }
        // No border colour: the border's room stays, painted in the background.
        if (border > 0 && edit->DropDownBorderColor() != clNone) {
            // A pen of the border's width is centred on its line: move it in by half the width.
            const int half = border / 2;
            canvas->Pen()->SetColor(edit->DropDownBorderColor());
            canvas->Pen()->SetWidth(border);
            canvas->Brush()->SetStyle(bsClear);
            canvas->Rectangle(half, half, Width() - (border - half) + 1,
                              Height() - (border - half) + 1);
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Pen()->SetWidth(1);
        }
    }

private:
    TDropDownForm* FForm;
};

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner) {
    SetBorderStyle(bsNone);
    FClient = new TDropDownFormClient(this);
}

TDropDownForm::~TDropDownForm() = default;

TWinControl* TDropDownForm::ClientArea() const {
    return FClient;
}

namespace {
// Makes the bar at the first opening that shows it and refreshes it at every later one; a bar
// once made stays, hidden when its appearance says so.
template <class TBar, class TAppearance>
void UpdateBar(TBar*& Bar, TDropDownForm* Form, TWinControl* Parent, TExCustomDropDown* DropDown,
               const TAppearance& Appearance, TAlign Align) {
    if (!Bar && !Appearance.Visible())
        return;
    if (!Bar) {
        Bar = new TBar(Form);
        Bar->SetParent(Parent);
        Bar->SetHeight(Appearance.Height());
        Bar->SetAlign(Align);
    }
    Bar->SetExDropDown(DropDown);
    Bar->BuildButtons();
    Bar->SetVisible(Appearance.Visible());
}
} // namespace

void TDropDownForm::InitializeAndUpdate() {
    if (!FExDropDown)
        return;
    UpdateBar(FHeader, this, FClient, FExDropDown, *FExDropDown->DropDownHeader(), alTop);
    if (FHeader) {
        FHeader->OnDrawBackGround = FExDropDown->OnDrawHeader;
        FHeader->OnGetText = FExDropDown->OnGetHeaderText;
    }
    UpdateBar(FFooter, this, FClient, FExDropDown, *FExDropDown->DropDownFooter(), alBottom);
    if (FFooter) {
        FFooter->OnDrawBackGround = FExDropDown->OnDrawFooter;
        FFooter->OnGetText = FExDropDown->OnGetFooterText;
    }
    FClient->Realign();
}

int TDropDownForm::BarsWidth() const {
    const int header = FHeader ? FHeader->ContentWidth() : 0;
    const int footer = FFooter ? FFooter->ContentWidth() : 0;
    // The bars sit inside the popup's border.
    const int border = FExDropDown ? std::max(FExDropDown->DropDownBorderWidth(), 0) : 0;
    return std::max(header, footer) + 2 * border;
}

void TDropDownForm::WndProc(TMessage& Message) {
    // Tab does not step among the popup's controls: it leaves the drop-down, from its edit.
    if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_TAB && GetKeyState(VK_MENU) >= 0 &&
        GetKeyState(VK_CONTROL) >= 0 && FExDropDown && FExDropDown->LeavePopupByTab()) {
        Message.Result = 1;
        return;
    }
    TForm::WndProc(Message);
}

void TDropDownForm::DeActivated() {
    if (FBlockActivate || !Visible())
        return;
    FSizing = false;
    FDeActivate = DropDownTickCount();
    if (FExDropDown)
        FExDropDown->HideDropDown(FCancelOnDeActivate);
    else
        Hide();
}

void TDropDownForm::BeginSizing(TPoint ScreenPoint) {
    if (!FSizeable)
        return;
    FSizing = true;
    FSizingFrom = ScreenPoint;
    FSizingStart = {Width(), Height()};
}

void TDropDownForm::SizeTo(TPoint ScreenPoint) {
    if (!FSizing)
        return;
    // The same smallest size the drop-down gives the popup when it opens.
    const int width = std::max(FSizingStart.cx + ScreenPoint.X - FSizingFrom.X, 80);
    const int height = std::max(FSizingStart.cy + ScreenPoint.Y - FSizingFrom.Y, 50);
    if (width == Width() && height == Height())
        return;
    SetBounds(Left(), Top(), width, height);
    if (OnSizing)
        OnSizing(this);
}
