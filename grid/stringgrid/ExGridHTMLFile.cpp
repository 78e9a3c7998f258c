// HTML files: the table with the header and footer files around it, in UTF-8 that says so.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridLinkOpener.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "grid/stringgrid/XhtmlMarkup.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/TextFile.h"

namespace {

constexpr std::string_view HtmlUtf8Mark = "\xEF\xBB\xBF";
// A reader that honours the declared character set shows every character as it is.
constexpr std::string_view CharsetLine =
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n";

std::string FileLines(const std::string& FileName) {
    if (FileName.empty())
        return {};
    std::string text = ReadTextFile(FileName);
    if (!text.empty() && text.back() != '\n')
        text += "\r\n";
    return text;
}

std::string ForwardSlashes(std::string path) {
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}

} // namespace

void TExStringGrid::WriteHTMLFile(const std::string& FileName, bool Append, bool Unicode,
                                  bool Show) {
    std::string text;
    if (Append && FileExists(FileName)) {
        try {
            text = FileLines(FileName);
        } catch (const Exception&) {
            // An unreadable file is replaced by the new table.
        }
    }
    const std::string dir = ForwardSlashes(ExtractFilePath(FileName));
    if (FHTMLSettings->XHTML) {
        // One XML document: the header and footer go inside it, and an append adds the table to
        // the document the file holds instead of starting a second one.
        const std::string part = FileLines(FHTMLSettings->HeaderFile) +
                                 XhtmlDocumentPart(SaveToHTMLString(dir)) +
                                 FileLines(FHTMLSettings->FooterFile);
        text = text.empty() ? XhtmlDocument(part) : AddToXhtmlDocument(text, part);
    } else {
        if (text.empty())
            text += CharsetLine;
        text += FileLines(FHTMLSettings->HeaderFile);
        text += SaveToHTMLString(dir);
        text += FileLines(FHTMLSettings->FooterFile);
    }
    WriteFileAtomic(FileName, Unicode ? std::string(HtmlUtf8Mark) + text : text);
    if (Show || FHTMLSettings->AutoPreview)
        GridLinkOpener()(FileName);
}

void TExStringGrid::SaveToHTML(const std::string& FileName, bool Show, bool Unicode) {
    WriteHTMLFile(FileName, false, Unicode, Show);
}

void TExStringGrid::AppendToHTML(const std::string& FileName, bool Show, bool Unicode) {
    WriteHTMLFile(FileName, true, Unicode, Show);
}
