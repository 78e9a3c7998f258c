// HTML files: the table with the header and footer files around it, in UTF-8 that says so, or
// in the character set of the page it is appended to.
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/GridLinkOpener.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "grid/stringgrid/HtmlPageCharset.h"
#include "grid/stringgrid/XhtmlMarkup.h"
#include "platform/core/CodePage.h"
#include "platform/core/Exception.h"
#include "platform/core/Files.h"
#include "platform/core/TextFile.h"

namespace {

constexpr std::string_view HtmlUtf8Mark = "\xEF\xBB\xBF";
// A reader that honours the declared character set shows every character as it is.
constexpr std::string_view CharsetLine =
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n";

std::string WithClosingLineEnd(std::string text) {
    if (!text.empty() && text.back() != '\n')
        text += "\r\n";
    return text;
}

std::string FileLines(const std::string& FileName) {
    if (FileName.empty())
        return {};
    return WithClosingLineEnd(ReadTextFile(FileName));
}

// A page being appended to, read as a browser reads it: a byte-order mark first, then the
// character set the page declares, then the platform's text rule.
struct TAppendedPage {
    std::string Text;    // UTF-8
    std::string Charset; // a declared character set other than UTF-8 that the program can write
};

TAppendedPage ReadAppendedPage(const std::string& FileName) {
    const std::string bytes = ReadFileBytes(FileName);
    const bool marked = TextEncodingOf(bytes) == TTextEncoding::Utf8Bom ||
                        TextEncodingOf(bytes) == TTextEncoding::Utf16LE;
    const auto declared = marked ? std::nullopt : FindHtmlPageCharset(bytes);
    if (!declared || IsUtf8EncodingName(declared->Name))
        return {WithClosingLineEnd(DecodeText(bytes)), {}};
    if (IsKnownEncoding(declared->Name))
        return {WithClosingLineEnd(EncodingToUtf8(bytes, declared->Name)), declared->Name};
    // A character set the program cannot write: the page becomes UTF-8 and says so.
    return {WithClosingLineEnd(RedeclareHtmlPageCharset(DecodeText(bytes), "utf-8")), {}};
}

// Characters the page's character set lacks are written as references, which HTML reads
// anywhere in text.
std::string InPageCharset(std::string_view utf8, const std::string& charset) {
    return Utf8ToEncoding(utf8, charset, [](char32_t c) {
        return "&#" + std::to_string(static_cast<uint32_t>(c)) + ";";
    });
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
    std::string pageCharset;
    if (Append && FileExists(FileName)) {
        try {
            TAppendedPage page = ReadAppendedPage(FileName);
            text = std::move(page.Text);
            pageCharset = std::move(page.Charset);
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
    // A page in another character set stays in it, unless Unicode is asked for: then the page
    // becomes UTF-8 and its declaration says so.
    if (!pageCharset.empty() && !Unicode)
        text = InPageCharset(text, pageCharset);
    else if (!pageCharset.empty())
        text = RedeclareHtmlPageCharset(text, "utf-8");
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
