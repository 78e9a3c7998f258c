// Printing and print preview: the public operations and the drivers that set up a pass on the
// printer or on a preview canvas around the page driver (ExGridPrintPages.cpp).
#include "grid/stringgrid/ExGrid.h"

#include "grid/stringgrid/PrintPass.h"
#include "grid/stringgrid/PrintSettings.h"
#include "grid/stringgrid/ScopedValue.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Printer.h"

#include <climits>
#include <cmath>

namespace {
TGridRect WholeGrid(const TExStringGrid& Grid) {
    return TGridRect{0, 0, Grid.ColCount() - 1, Grid.RowCount() - 1};
}
} // namespace

void TExStringGrid::Print() {
    RunPrint(WholeGrid(*this), false);
}
void TExStringGrid::PrintSelection() {
    RunPrint(Selection(), false);
}
void TExStringGrid::PrintRect(const TGridRect& Gridrect) {
    RunPrint(Gridrect, false);
}
// Which rows and columns count as selected is up to the selection mode (IsRowPrinted).
void TExStringGrid::PrintSelectedRows() {
    RunPrint(WholeGrid(*this), true);
}
void TExStringGrid::PrintSelectedCols() {
    RunPrint(WholeGrid(*this), true);
}

void TExStringGrid::PrintPreview(TCanvas* Canvas, const TRect& Displayrect) {
    RunPrintPreview(Canvas, Displayrect, false, WholeGrid(*this));
}
void TExStringGrid::PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect,
                                     const TGridRect& Gridrect) {
    RunPrintPreview(Canvas, Displayrect, false, Gridrect);
}
void TExStringGrid::PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect) {
    RunPrintPreview(Canvas, Displayrect, false, Selection());
}
void TExStringGrid::PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect) {
    RunPrintPreview(Canvas, Displayrect, true, WholeGrid(*this));
}
void TExStringGrid::PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect) {
    RunPrintPreview(Canvas, Displayrect, true, WholeGrid(*this));
}

void TExStringGrid::PrintDraw(TCanvas* Canvas, const TRect& DrawRect) {
    PrintDrawRect(Canvas, DrawRect, WholeGrid(*this));
}

void TExStringGrid::PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect,
                                  const TGridRect& Gridrect) {
    FPrintPass = std::make_unique<TPrintPass>();
    FPrintPass->Rect = Gridrect;
    FPrintPass->PageRect = DrawRect;
    FPrintPageFrom = FPrintPageTo = FPrintPageNum = 1;
    PrintPages(Canvas, ppmDrawPreview, 1, false);
}

void TExStringGrid::RunPrint(const TGridRect& Gridrect, bool SelectedOnly) {
    ExportNotification(esExportStart, -1);
    TPrinter* printer = Printer();
    FPrintPass = std::make_unique<TPrintPass>();
    FPrintPass->Rect = Gridrect;
    if (!FPrintSettings->UseDefaultOrientation)
        printer->Orientation = FPrintSettings->Orientation;
    printer->Title = FPrintSettings->JobName;
    printer->BeginDoc();
    try {
        FPrintPass->PageRect = printer->Canvas()->ClipRect();
        const int pages =
            FastPrint ? INT_MAX : PrintPages(printer->Canvas(), ppmCountPrint, 0, SelectedOnly);
        int fromPage = 1, toPage = pages;
        FPrintPageNum = pages;
        if (OnPrintStart) {
            printer->Abort();
            OnPrintStart(this, pages, fromPage, toPage);
            if (fromPage == 0 || toPage == 0 || toPage < fromPage) {
                ExportNotification(esExportDone, -1);
                return;
            }
            printer->BeginDoc();
        }
        FPrintPageFrom = fromPage;
        FPrintPageTo = toPage;
        FPrintPageNum = toPage;
        FPrintPass->PageRect = printer->Canvas()->ClipRect();
        PrintPages(printer->Canvas(), ppmPrint, toPage, SelectedOnly);
        printer->EndDoc();
    } catch (...) {
        if (printer->Printing())
            printer->EndDoc();
        ExportNotification(esExportDone, -1);
        throw;
    }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::RunPrintPreview(TCanvas* Canvas, const TRect& Displayrect, bool SelectedOnly,
                                    const TGridRect& Gridrect) {
    ExportNotification(esExportStart, -1);
    FPrintPass = std::make_unique<TPrintPass>();
    FPrintPass->Rect = Gridrect;
    FPrintPass->PageRect = Displayrect;
    FPrintPass->Previewing = true;
    try {
        // The count pass draws nothing, whatever the range.
        const int pages = FastPrint ? 1 : PrintPages(Canvas, ppmCountPreview, 0, SelectedOnly);
        FPrintPageNum = pages;
        int fromPage = 1, toPage = pages;
        FireEvent(OnPrintStart, this, pages, fromPage, toPage);
        if (fromPage > 0 && toPage > 0 && toPage >= fromPage) {
            // The pages shown are those PreviewPage chose unless the handler chose others.
            const bool handlerChose = fromPage != 1 || toPage != pages;
            FPrintPageFrom = handlerChose ? fromPage : FPreviewPage;
            FPrintPageTo = handlerChose ? toPage : FPreviewPage;
            FPrintPass->PageRect = Displayrect;
            PrintPages(Canvas, ppmDrawPreview, pages, SelectedOnly);
        }
    } catch (...) {
        FPrintPass->Previewing = false;
        ExportNotification(esExportDone, -1);
        throw;
    }
    FPrintPass->Previewing = false;
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::SetPreviewPage(int Value) {
    FPreviewPage = Value;
    FPrintPageFrom = Value;
    FPrintPageTo = Value;
}

int TExStringGrid::MapFontHeight(int PointSize) const {
    return -static_cast<int>(std::lrint(PointSize * 254.0 / 72.0 * FPrintFontScale));
}

int TExStringGrid::MapFontSize(int Height) const {
    return static_cast<int>(std::lrint(Height * 72.0 / 254.0));
}

namespace {
int LayoutEntry(const std::vector<int>* Entries, int ACol) {
    // The arrays hold at least 512 columns and grow with wider grids.
    const int size = std::max(512, Entries ? static_cast<int>(Entries->size()) : 0);
    if (ACol < 0 || ACol >= size)
        throw ROvoVariRodev("Columns is not in valid range");
    return Entries && ACol < static_cast<int>(Entries->size()) ? (*Entries)[ACol] : 0;
}
} // namespace

int TExStringGrid::GetPrintColWidth(int ACol) const {
    return LayoutEntry(FPrintPass ? &FPrintPass->ColWidths : nullptr, ACol);
}

int TExStringGrid::GetPrintColOffset(int ACol) const {
    return LayoutEntry(FPrintPass ? &FPrintPass->ColPositions : nullptr, ACol);
}

TRect TExStringGrid::PrintPageRect() const {
    return FPrintPass ? TRect{0, 0, FPrintPass->PageWidth, FPrintPass->PageHeight} : TRect{};
}
int TExStringGrid::PrintPageWidth() const {
    return FPrintPass ? FPrintPass->StripWidth : 0;
}
int TExStringGrid::PrintColStart() const {
    return FPrintPass ? FPrintPass->ColStart : 0;
}
int TExStringGrid::PrintColEnd() const {
    return FPrintPass ? FPrintPass->ColEnd : 0;
}
