#include "grid/dropdown/DropDownForm.h"

#include "grid/dropdown/ExCustomDropDown.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "platform/ui/Canvas.h"
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
        if (border > 0) {
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

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        if (Button == mbLeft && FForm->IsSizeCorner({X, Y}))
            FForm->BeginSizing(ClientToScreen({X, Y}));
        TCustomControl::MouseDown(Button, Shift, X, Y);
    }

    void MouseMove(TShiftState Shift, int X, int Y) override {
        if (FForm->Sizing())
            FForm->SizeTo(ClientToScreen({X, Y}));
        SetCursor(FForm->IsSizeCorner({X, Y}) || FForm->Sizing() ? crSizeNWSE : crDefault);
        TCustomControl::MouseMove(Shift, X, Y);
    }

    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        if (Button == mbLeft && FForm->Sizing()) {
            FForm->SizeTo(ClientToScreen({X, Y}));
            FForm->EndSizing();
        }
        TCustomControl::MouseUp(Button, Shift, X, Y);
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

void TDropDownForm::InitializeAndUpdate() {
    // The header and footer strips are controls of their own, placed here once they exist; the
    // drop-down already keeps their room free above and below its control.
    if (FExDropDown)
        FClient->Realign();
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

bool TDropDownForm::IsSizeCorner(TPoint ClientPoint) const {
    return FSizeable && ClientPoint.X > Width() - 10 && ClientPoint.Y > Height() - 10;
}

void TDropDownForm::BeginSizing(TPoint ScreenPoint) {
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
