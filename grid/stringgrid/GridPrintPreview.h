#pragma once

#include "platform/ui/Form.h"

#include <memory>

class TBitmap;
class TExStringGrid;
class TLabel;
class TPanel;
class TScrollBox;
class TSpeedButton;
class TPrintPreviewPage;

// A window showing the printed pages of a grid one at a time, as the grid draws them for its
// preview: stepping through the pages, zooming, and printing what is shown.
class TGridPrintPreview : public TForm {
public:
    // The page takes the size of the printer's printable area in the grid's orientation.
    TGridPrintPreview(TComponent* AOwner, TExStringGrid* Grid);
    ~TGridPrintPreview() override;

    // The page size in screen pixels; the pages are laid out again.
    void SetPageSize(int Width, int Height);
    int PageWidth() const { return FPageWidth; }
    int PageHeight() const { return FPageHeight; }

    // Counts the pages again and draws the current one (after the grid changed).
    void UpdatePreview();
    int PageCount() const { return FPageCount; }
    // 1-based; kept within 1..PageCount.
    int Page() const { return FPage; }
    void SetPage(int Value);
    void FirstPage() { SetPage(1); }
    void PriorPage() { SetPage(FPage - 1); }
    void NextPage() { SetPage(FPage + 1); }
    void LastPage() { SetPage(FPageCount); }

    // In percent, kept within 10..400; ZoomIn and ZoomOut go to the next step of the scale.
    int Zoom() const { return FZoom; }
    void SetZoom(int Percent);
    void ZoomIn();
    void ZoomOut();
    // The zoom at which the whole page fits the view.
    void ZoomToFit();

    // The current page as drawn, at 100 %.
    const TBitmap& PageBitmap() const { return *FPageBitmap; }
    // "Page 2 of 5".
    std::string PageText() const;

    TSpeedButton* FirstButton() const { return FFirst; }
    TSpeedButton* PriorButton() const { return FPrior; }
    TSpeedButton* NextButton() const { return FNext; }
    TSpeedButton* LastButton() const { return FLast; }
    TSpeedButton* ZoomInButton() const { return FZoomIn; }
    TSpeedButton* ZoomOutButton() const { return FZoomOut; }
    TSpeedButton* PrintButton() const { return FPrint; }

private:
    void DrawPage();
    void UpdateControls();
    void PreviewKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
    // Toolbar controls from Left on; Left moves past them.
    TSpeedButton* AddButton(const std::string& Caption, int& Left, TNotifyEvent OnClick);
    TLabel* AddLabel(int& Left, int Width);

    TExStringGrid* FGrid;
    int FPageWidth = 0;
    int FPageHeight = 0;
    int FPageCount = 1;
    int FPage = 1;
    int FZoom = 100;
    std::unique_ptr<TBitmap> FPageBitmap;
    TPanel* FToolBar = nullptr;
    TScrollBox* FView = nullptr;
    TPrintPreviewPage* FPageView = nullptr;
    TLabel* FPageLabel = nullptr;
    TLabel* FZoomLabel = nullptr;
    TSpeedButton* FFirst = nullptr;
    TSpeedButton* FPrior = nullptr;
    TSpeedButton* FNext = nullptr;
    TSpeedButton* FLast = nullptr;
    TSpeedButton* FZoomOut = nullptr;
    TSpeedButton* FZoomIn = nullptr;
    TSpeedButton* FPrint = nullptr;
};
