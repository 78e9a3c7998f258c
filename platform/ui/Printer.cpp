#include "platform/ui/Printer.h"

#include "platform/core/Exception.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/internal/CanvasAccess.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

struct TPrinter::Impl {
    std::unique_ptr<QPrinter> Device;
    std::unique_ptr<QPainter> Painter;

    // The printer as the settings ask, without opening it.
    void Configure(const TPrinter& printer) {
        Device = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!printer.OutputFileName.empty()) {
            Device->setOutputFormat(QPrinter::PdfFormat);
            Device->setOutputFileName(QString::fromStdString(printer.OutputFileName));
        } else if (printer.FPrinterIndex >= 0) {
            Device->setPrinterName(QString::fromStdString(printer.PrinterName()));
        }
        static const QPageSize::PageSizeId sizes[] = {QPageSize::A4, QPageSize::A3, QPageSize::A5,
                                                      QPageSize::Letter, QPageSize::Legal};
        Device->setPageSize(QPageSize(sizes[printer.PaperSize]));
        Device->setPageOrientation(printer.Orientation == poLandscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
        Device->setDocName(QString::fromStdString(printer.Title));
        Device->setCreator(QStringLiteral("Velmaro"));
    }

    QRect PaintRect() const { return Device->pageLayout().paintRectPixels(Device->resolution()); }

    // Canvas units are 1/96 inch on every device.
    void ScaleToCanvasUnits() {
        const double factor = double(Device->resolution()) / TPrinter::PixelsPerInch;
        Painter->resetTransform();
        Painter->scale(factor, factor);
    }
};

TPrinter::TPrinter() : FImpl(std::make_unique<Impl>()), FCanvas(std::make_unique<TCanvas>()) {}

TPrinter::~TPrinter() {
    if (FPrinting)
        Abort();
}

TStringList TPrinter::Printers() const {
    TStringList names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.Add(name.toStdString());
    return names;
}

void TPrinter::SetPrinterIndex(int index) {
    if (FPrinting)
        throw Exception("Printing in progress");
    if (index < -1 || index >= Printers().Count())
        throw Exception("Printer selected is not valid");
    FPrinterIndex = index;
}

std::string TPrinter::PrinterName() const {
    if (FPrinterIndex < 0)
        return QPrinterInfo::defaultPrinterName().toStdString();
    const TStringList names = Printers();
    return FPrinterIndex < names.Count() ? names[FPrinterIndex] : std::string();
}

void TPrinter::BeginDoc() {
    if (FPrinting)
        throw Exception("Printing in progress");
    FImpl->Configure(*this);
    if (OutputFileName.empty() && PrinterName().empty())
        throw Exception("There is no default printer currently selected");
    FImpl->Painter = std::make_unique<QPainter>();
    if (!FImpl->Painter->begin(FImpl->Device.get())) {
        FImpl->Painter.reset();
        throw Exception(OutputFileName.empty() ? "Printer '" + PrinterName() + "' cannot print"
                                               : "Cannot create file \"" + OutputFileName + "\"");
    }
    FImpl->ScaleToCanvasUnits();
    FPrinting = true;
    FAborted = false;
    FPageNumber = 1;
    TCanvasAccess::BeginPaint(*FCanvas, FImpl->Painter.get(),
                              QRegion(0, 0, PageWidth(), PageHeight()));
}

void TPrinter::NewPage() {
    if (!FPrinting)
        throw Exception("Printing not in progress");
    FImpl->Device->newPage();
    FImpl->ScaleToCanvasUnits();
    ++FPageNumber;
    // The page's pen, brush and font carry over; its clip starts whole again.
    TCanvasAccess::BeginPaint(*FCanvas, FImpl->Painter.get(),
                              QRegion(0, 0, PageWidth(), PageHeight()));
}

void TPrinter::EndDoc() {
    if (!FPrinting)
        throw Exception("Printing not in progress");
    TCanvasAccess::EndPaint(*FCanvas);
    FImpl->Painter->end();
    FImpl->Painter.reset();
    FPrinting = false;
    FPageNumber = 0;
}

void TPrinter::Abort() {
    if (!FPrinting)
        return;
    TCanvasAccess::EndPaint(*FCanvas);
    // A spooled job is cancelled; a PDF file is written whole by end(), so it is removed after.
    FImpl->Device->abort();
    FImpl->Painter->end();
    FImpl->Painter.reset();
    if (!OutputFileName.empty())
        QFile::remove(QString::fromStdString(OutputFileName));
    FPrinting = false;
    FAborted = true;
    FPageNumber = 0;
}

int TPrinter::PageWidth() const {
    if (!FPrinting)
        FImpl->Configure(*this);
    return FImpl->PaintRect().width() * PixelsPerInch / FImpl->Device->resolution();
}

int TPrinter::PageHeight() const {
    if (!FPrinting)
        FImpl->Configure(*this);
    return FImpl->PaintRect().height() * PixelsPerInch / FImpl->Device->resolution();
}

int TPrinter::DeviceResolution() const {
    if (!FPrinting)
        FImpl->Configure(*this);
    return FImpl->Device->resolution();
}

TPrinter* Printer() {
    // Never destroyed: the print system must not be torn down after the application is.
    static TPrinter* printer = new TPrinter;
    return printer;
}
