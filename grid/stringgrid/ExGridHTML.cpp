// The HTML table export: one TD per base cell with a CSS class per distinct cell style.
#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtil.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "grid/stringgrid/XhtmlMarkup.h"
#include "platform/core/Text.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

constexpr TColor NoExportColor = 0x7FFFFFFF;
constexpr char HtmlQuote = '"';

std::string Quoted(std::string_view value) {
    return HtmlQuote + EncodeEntities(value, false) + HtmlQuote;
}

std::string Lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Every line break, whatever its kind, shows as a break in the table.
std::string BreaksToTags(std::string_view text, std::string_view breakTag) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += breakTag;
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] == '\n') {
            out += breakTag;
        } else {
            out += text[i];
        }
    }
    return out;
}

// HTML drops blanks at the start and end of a line and merges runs of them; those are written as
// non-breaking spaces, which HTML readers take back as blanks, so the text keeps every blank.
std::string KeepBlanks(std::string_view text) {
    auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != ' ') {
            out += text[i];
            continue;
        }
        const bool afterWord = i > 0 && text[i - 1] != ' ' && !isBreak(text[i - 1]);
        const bool beforeText = i + 1 < text.size() && !isBreak(text[i + 1]);
        if (afterWord && beforeText)
            out += ' ';
        else
            out += "&nbsp;";
    }
    return out;
}

// The spelling of the mark-up: HTML as it always was, or XHTML, which is XML and so needs
// lower-case names, valued attributes, closed empty elements and no entities beyond XML's own.
struct THTMLSpelling {
    bool XHTML = false;

    std::string Name(std::string_view name) const {
        return XHTML ? Lowered(std::string(name)) : std::string(name);
    }
    std::string_view Break() const { return XHTML ? "<br/>" : "<br>"; }
    std::string_view Space() const { return XHTML ? "&#160;" : "&nbsp;"; }
    std::string_view NoWrap() const { return XHTML ? " nowrap=\"nowrap\"" : " nowrap"; }
    std::string Spaces(std::string_view text) const {
        return XHTML ? ReplaceAll(text, " ", Space()) : SpacesToNbsp(text);
    }
    // Cell mark-up, images and anchors become XML as well.
    std::string Content(std::string content) const {
        return XHTML ? WellFormedXhtml(content) : content;
    }
};

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// The style classes of one export: equal declarations (ignoring case) share a class.
class TStyleClasses {
public:
    int IndexOf(const std::string& declarations) {
        const std::string key = Lowered(declarations);
        for (size_t i = 0; i < FKeys.size(); ++i)
            if (FKeys[i] == key)
                return static_cast<int>(i);
        FKeys.push_back(key);
        FDeclarations.push_back(declarations);
        return static_cast<int>(FKeys.size()) - 1;
    }
    std::string StyleBlock() const {
        std::string block = "<style>\r\n";
        for (size_t i = 0; i < FDeclarations.size(); ++i)
            block += ".c" + std::to_string(i) + " {" + FDeclarations[i] + "}\r\n";
        return block + "</style>\r\n";
    }

private:
    std::vector<std::string> FKeys;
    std::vector<std::string> FDeclarations;
};

} // namespace

std::string TExStringGrid::MakeHTMLAnchors(const std::string& Text) const {
    if (!URLShow() || Text.find("</") != std::string::npos)
        return Text;
    std::string label;
    const size_t mailto = Text.find("mailto:");
    const size_t scheme = Text.find("://");
    if (mailto != std::string::npos)
        label = Text.substr(mailto + 7);
    else if (scheme != std::string::npos)
        label = URLFull ? Text : Text.substr(scheme + 3, 255);
    else
        return Text;
    // The link is an attribute value: always quoted, its quotes and ampersands escaped; the
    // label is text.
    return "<a href=" + Quoted(Text) + ">" + EncodeEntities(label, false) + "</a>";
}

std::string TExStringGrid::CellStyleToCSS(TFont* AFont, TBrush* ABrush, TAlignment HA,
                                          TVAlignment VA) {
    std::vector<std::string> parts;
    const bool saveColor = FHTMLSettings->SaveColor;
    if (ABrush->Color() != NoExportColor && ABrush->Color() != clNone && saveColor)
        parts.push_back("background-color: #" + ColorToHex(ABrush->Color()));
    if (AFont->Color() != NoExportColor && AFont->Color() != clNone && saveColor)
        parts.push_back("color: #" + ColorToHex(AFont->Color()));
    parts.push_back("font-size:" + std::to_string(AFont->Size()) + "pt");
    if (AFont->Style().Contains(fsItalic))
        parts.push_back("font-style: italic");
    if (AFont->Style().Contains(fsBold))
        parts.push_back("font-weight: bold");
    parts.push_back("font-family: " + AFont->Name());
    if (HA == taRightJustify)
        parts.push_back("text-align: right");
    else if (HA == taCenter)
        parts.push_back("text-align: center");
    parts.push_back(VA == vtaTop      ? "vertical-align: top"
                    : VA == vtaCenter ? "vertical-align: middle"
                                      : "vertical-align: bottom");
    std::string css;
    for (const std::string& part : parts)
        css += (css.empty() ? "" : ";") + part;
    return css;
}

std::string TExStringGrid::SaveToHTMLString(const std::string& dir) {
    const THTMLSettings& settings = *FHTMLSettings;
    const THTMLSpelling spell{settings.XHTML};
    std::vector<std::string> lines;
    std::string table =
        "<" + spell.Name("TABLE BORDER") + "=\"" + std::to_string(settings.BorderSize) + "\" " +
        spell.Name("CELLSPACING") + "=\"" + std::to_string(settings.CellSpacing) + "\" " +
        spell.Name("CELLPADDING") + "=\"" + std::to_string(settings.CellPadding) + "\" ";
    if (!settings.Summary.empty())
        table += spell.Name("SUMMARY") + "=" + Quoted(settings.Summary) + " ";
    if (!settings.TableStyle.empty())
        table += " " + settings.TableStyle + " ";
    table += " " + spell.Name("WIDTH") + "=\"" + std::to_string(settings.Width) + "%\">";
    lines.push_back(table);

    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int c0 = SaveStartCol();
    const int lastCol = ColCount() - 1 + hidden;
    int firstRow = SaveStartRow();
    const bool header = FixedRows() > 0 && (SaveFixedCells || SaveFixedRows);
    TStyleClasses classes;
    int imageNumber = 1;
    auto realOf = [&](int c) { return SaveHiddenCells ? c : RealColIndex(c); };
    auto colWidth = [&](int index) -> std::string {
        TIntList* widths = settings.ColWidths();
        if (index < 0 || index >= widths->Count())
            return {};
        return " width=\"" + std::to_string(widths->Items(index)) + "\"";
    };
    // Plain text is escaped; a mark-up cell keeps its mark-up.
    auto cellHTML = [&](const std::string& text, bool isHeader) {
        if (GetTextKind(text, true) == tkHTML)
            return MakeHTMLAnchors(BreaksToTags(text, spell.Break()));
        const std::string anchored = MakeHTMLAnchors(text);
        if (anchored != text)
            return BreaksToTags(anchored, spell.Break());
        std::string html =
            EncodeEntities(text, !isHeader && settings.ConvertSpecialChars && !settings.XHTML);
        // An XML reader takes every blank as written, and U+00A0 would read as another character.
        if (!settings.XHTML)
            html = KeepBlanks(html);
        if (!isHeader && settings.NonBreakingText)
            html = spell.Spaces(html);
        return BreaksToTags(html, spell.Break());
    };
    auto writeRow = [&](int r, bool isHeader) {
        lines.push_back("<" + spell.Name("TR") + ">");
        for (int c = c0; c <= lastCol; ++c) {
            const int real = realOf(c);
            if (!IsBaseCell(real, r))
                continue;
            std::string text;
            SaveCell(real, r, text);
            text = cellHTML(text, isHeader);
            if (IsBlank(text))
                text = spell.Space();
            TFont font;
            TBrush brush;
            font.SetColor(NoExportColor);
            font.SetStyle({});
            brush.SetColor(NoExportColor);
            TGridDrawState state;
            TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
            TAlignment ha = taLeftJustify;
            TVAlignment va = vtaTop;
            bool wordWrap = false;
            TCellGradientDirection gradient = GradientVertical;
            GetVisualProperties(real, r, state, true, false, false, &brush, colorTo, mirror,
                                mirrorTo, &font, ha, va, wordWrap, gradient);
            bool fixedCell = false;
            IsFixedCell(real, r, fixedCell);
            if (fixedCell || r < FixedRows() || c < FixedCols())
                brush.SetColor(FixedColor());
            std::string cell =
                "<" + spell.Name("TD") + " class=\"c" +
                std::to_string(classes.IndexOf(CellStyleToCSS(&font, &brush, ha, va))) + "\"";
            const TPoint span = IsMergedCell(real, r) ? CellSpan(real, r) : TPoint{0, 0};
            if (span.X > 0)
                cell += " " + spell.Name("COLSPAN") + "=\"" + std::to_string(span.X + 1) + "\"";
            if (span.Y > 0)
                cell += " " + spell.Name("ROWSPAN") + "=\"" + std::to_string(span.Y + 1) + "\"";
            if (!wordWrap)
                cell += spell.NoWrap();
            if (isHeader)
                cell += colWidth(c);
            else if (!header)
                cell += colWidth(c - c0);
            cell += ">" + spell.Content(HTMLCellContent(real, r, text, dir, imageNumber)) + "</td>";
            lines.push_back(cell);
        }
        lines.push_back("</" + spell.Name("TR") + ">");
    };
    if (header) {
        writeRow(0, true);
        firstRow = std::max(firstRow, 1);
    }
    ExportNotification(esExportStart, firstRow);
    for (int r = firstRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        writeRow(r, false);
    }
    ExportNotification(esExportDone, -1);
    lines.push_back("</" + spell.Name("TABLE") + ">");
    if (!settings.SuffixTag.empty())
        lines.push_back(settings.SuffixTag);

    std::string html = settings.PrefixTag + classes.StyleBlock();
    for (const std::string& line : lines)
        html += line + "\r\n";
    return settings.XHTML ? XhtmlDocument(html) : html;
}
