#pragma once

#include "platform/core/StringList.h"
#include "platform/ui/Object.h"

#include <memory>
#include <string>

class TCanvas;

enum TPrinterOrientation { poPortrait, poLandscape };
enum TPaperSize { psA4, psA3, psA5, psLetter, psLegal };

// The printer of the print system (CUPS), or a PDF file when OutputFileName is set. Its canvas
// draws in screen pixels (1/96 inch) whatever the device's resolution, so that what is drawn for
// the screen prints at the same size on paper: PageWidth, PageHeight and PixelsPerInch are in
// those units. Settings apply to the next document.
class TPrinter : public TObject {
public:
    TPrinter();
    ~TPrinter() override;

    // The canvas of the page being printed; it draws only between BeginDoc and EndDoc.
    TCanvas* Canvas() const { return FCanvas.get(); }

    // The names of the installed printers; read again on each call.
    TStringList Printers() const;
    // An index into Printers; -1 is the system's default printer.
    int PrinterIndex() const { return FPrinterIndex; }
    void SetPrinterIndex(int index);
    std::string PrinterName() const;

    // A file name turns the output into a PDF file of that name; empty prints on the printer.
    std::string OutputFileName;
    TPrinterOrientation Orientation = poPortrait;
    TPaperSize PaperSize = psA4;
    // The document's name in the spooler and the PDF title.
    std::string Title;

    // Starts a document and its first page. Throws Exception when no printer or file can be
    // opened.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Ends the document unprinted; a PDF file begun is removed.
    void Abort();
    bool Printing() const { return FPrinting; }
    bool Aborted() const { return FAborted; }
    // The 1-based number of the page being printed.
    int PageNumber() const { return FPageNumber; }

    // The printable area of the page in canvas units.
    int PageWidth() const;
    int PageHeight() const;
    static constexpr int PixelsPerInch = 96;
    // The device's own resolution (dots per inch).
    int DeviceResolution() const;
    // The angle landscape pages are turned by (90 or 270).
    int LandscapeAngle() const { return 90; }

private:
    struct Impl;
    std::unique_ptr<Impl> FImpl;
    std::unique_ptr<TCanvas> FCanvas;
    int FPrinterIndex = -1;
    bool FPrinting = false;
    bool FAborted = false;
    int FPageNumber = 0;
};

// The application's printer.
TPrinter* Printer();
