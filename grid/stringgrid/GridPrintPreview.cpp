#include "grid/stringgrid/GridPrintPreview.h"

#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/PrintSettings.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/core/Exception.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Printer.h"
#include "platform/ui/ScrollBox.h"
#include "platform/ui/SpeedButton.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<int, 9> ZoomSteps{10, 25, 50, 75, 100, 150, 200, 300, 400};
constexpr int PageMargin = 12;
constexpr TColor DeskColor = 0x808080;
// A4 at 96 pixels per inch, for when no printer can be asked.
constexpr int A4Width = 794;
constexpr int A4Height = 1123;

} // namespace

// The current page on the grey desk, at the preview's zoom.
class TPrintPreviewPage : public TCustomControl {
public:
    TPrintPreviewPage(TComponent* AOwner, const TGridPrintPreview& Preview)
        : TCustomControl(AOwner), FPreview(Preview) {
        SetColor(DeskColor);
    }
    TRect PageRect() const {
        const int width = FPreview.PageWidth() * FPreview.Zoom() / 100;
        const int height = FPreview.PageHeight() * FPreview.Zoom() / 100;
        const int left = std::max(PageMargin, (ClientWidth() - width) / 2);
        return TRect{left, PageMargin, left + width, PageMargin + height};
    }

protected:
    void Paint() override {
        const TRect page = PageRect();
        Canvas()->Brush()->SetColor(clBlack);
        Canvas()->FillRect(TRect{page.Left + 3, page.Top + 3, page.Right + 3, page.Bottom + 3});
        Canvas()->StretchDraw(page, &FPreview.PageBitmap());
        Canvas()->Pen()->SetColor(clBlack);
        Canvas()->Brush()->SetStyle(bsClear);
        Canvas()->Rectangle(TRect{page.Left - 1, page.Top - 1, page.Right + 1, page.Bottom + 1});
        Canvas()->Brush()->SetStyle(bsSolid);
    }

private:
    const TGridPrintPreview& FPreview;
};

TGridPrintPreview::TGridPrintPreview(TComponent* AOwner, TExStringGrid* Grid)
    : TForm(AOwner), FGrid(Grid), FPageBitmap(std::make_unique<TBitmap>()) {
    SetCaption("Print preview");
    SetBounds(0, 0, 700, 800);
    SetPosition(poScreenCenter);
    SetKeyPreview(true);
    OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) {
        PreviewKeyDown(Sender, Key, Shift);
    };

    FToolBar = new TPanel(this);
    FToolBar->SetParent(this);
    FToolBar->SetAlign(alTop);
    FToolBar->SetHeight(32);
    int left = 4;
    FFirst = AddButton("|<", left, [this](TObject*) { FirstPage(); });
    FPrior = AddButton("<", left, [this](TObject*) { PriorPage(); });
    FPageLabel = AddLabel(left, 110);
    FNext = AddButton(">", left, [this](TObject*) { NextPage(); });
    FLast = AddButton(">|", left, [this](TObject*) { LastPage(); });
    left += 12;
    FZoomOut = AddButton("-", left, [this](TObject*) { ZoomOut(); });
    FZoomLabel = AddLabel(left, 44);
    FZoomIn = AddButton("+", left, [this](TObject*) { ZoomIn(); });
    left += 12;
    FPrint = AddButton("Print", left, [this](TObject*) { FGrid->Print(); });
    FPrint->SetWidth(56);

    FView = new TScrollBox(this);
    FView->SetParent(this);
    FView->SetAlign(alClient);
    FView->SetColor(DeskColor);
    FPageView = new TPrintPreviewPage(this, *this);
    FPageView->SetParent(FView);

    int width = A4Width;
    int height = A4Height;
    // The printer's page as the grid would print it; without a printer, A4.
    try {
        TPrinter* printer = Printer();
        if (!FGrid->PrintSettings()->UseDefaultOrientation)
            printer->Orientation = FGrid->PrintSettings()->Orientation;
        width = printer->PageWidth();
        height = printer->PageHeight();
    } catch (const Exception&) {
        if (FGrid->PrintSettings()->Orientation == poLandscape)
            std::swap(width, height);
    }
    SetPageSize(width, height);
}

TGridPrintPreview::~TGridPrintPreview() = default;

TSpeedButton* TGridPrintPreview::AddButton(const std::string& Caption, int& Left,
                                           TNotifyEvent OnClick) {
    auto* button = new TSpeedButton(this);
    button->SetParent(FToolBar);
    button->SetBounds(Left, 4, 28, 24);
    button->SetCaption(Caption);
    button->SetFlat(true);
    button->OnClick = std::move(OnClick);
    Left += 30;
    return button;
}

TLabel* TGridPrintPreview::AddLabel(int& Left, int Width) {
    auto* label = new TLabel(this);
    label->SetParent(FToolBar);
    label->SetBounds(Left + 4, 9, Width, 16);
    Left += Width + 8;
    return label;
}

void TGridPrintPreview::SetPageSize(int Width, int Height) {
    FPageWidth = std::max(1, Width);
    FPageHeight = std::max(1, Height);
    UpdatePreview();
}

void TGridPrintPreview::UpdatePreview() {
    {
        // The page count needs the whole layout, even when the grid prints fast.
        TScopedValue<bool> counting(FGrid->FastPrint, false);
        DrawPage();
        FPageCount = std::max(1, FGrid->PrintNrOfPages());
    }
    if (FPage > FPageCount) {
        FPage = FPageCount;
        DrawPage();
    }
    UpdateControls();
}

void TGridPrintPreview::SetPage(int Value) {
    Value = std::clamp(Value, 1, FPageCount);
    if (Value == FPage)
        return;
    FPage = Value;
    DrawPage();
    UpdateControls();
}

void TGridPrintPreview::SetZoom(int Percent) {
    FZoom = std::clamp(Percent, ZoomSteps.front(), ZoomSteps.back());
    UpdateControls();
}

void TGridPrintPreview::ZoomIn() {
    const auto next = std::upper_bound(ZoomSteps.begin(), ZoomSteps.end(), FZoom);
    SetZoom(next == ZoomSteps.end() ? ZoomSteps.back() : *next);
}

void TGridPrintPreview::ZoomOut() {
    const auto next = std::lower_bound(ZoomSteps.begin(), ZoomSteps.end(), FZoom);
    SetZoom(next == ZoomSteps.begin() ? ZoomSteps.front() : *(next - 1));
}

void TGridPrintPreview::ZoomToFit() {
    const int width = std::max(1, FView->ClientWidth() - 2 * PageMargin);
    const int height = std::max(1, FView->ClientHeight() - 2 * PageMargin);
    SetZoom(std::min(width * 100 / FPageWidth, height * 100 / FPageHeight));
}

std::string TGridPrintPreview::PageText() const {
    return "Page " + std::to_string(FPage) + " of " + std::to_string(FPageCount);
}

void TGridPrintPreview::DrawPage() {
    FPageBitmap = std::make_unique<TBitmap>(FPageWidth, FPageHeight);
    FGrid->SetPreviewPage(FPage);
    FGrid->PrintPreview(FPageBitmap->Canvas(), TRect{0, 0, FPageWidth, FPageHeight});
    if (FPageView)
        FPageView->Invalidate();
}

void TGridPrintPreview::UpdateControls() {
    FPageLabel->SetCaption(PageText());
    FZoomLabel->SetCaption(std::to_string(FZoom) + " %");
    FFirst->SetEnabled(FPage > 1);
    FPrior->SetEnabled(FPage > 1);
    FNext->SetEnabled(FPage < FPageCount);
    FLast->SetEnabled(FPage < FPageCount);
    FZoomOut->SetEnabled(FZoom > ZoomSteps.front());
    FZoomIn->SetEnabled(FZoom < ZoomSteps.back());
    FPageView->SetBounds(0, 0,
                         std::max(FView->ClientWidth(), FPageWidth * FZoom / 100 + 2 * PageMargin),
                         FPageHeight * FZoom / 100 + 2 * PageMargin);
    FPageView->Invalidate();
}

void TGridPrintPreview::PreviewKeyDown(TObject*, WORD& Key, TShiftState) {
    switch (Key) {
    case VK_PRIOR:
        PriorPage();
        break;
    case VK_NEXT:
        NextPage();
        break;
    case VK_HOME:
        FirstPage();
        break;
    case VK_END:
        LastPage();
        break;
    case VK_ADD:
    case VK_OEM_PLUS:
        ZoomIn();
        break;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        ZoomOut();
        break;
    case VK_ESCAPE:
        Close();
        break;
    default:
        return;
    }
    Key = 0;
}
