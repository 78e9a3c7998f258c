// The header and footer of a printed page (time, date, page number, title) and the text
// geometry shared by paper and screen: rotated text placement, lines in a row, longest line of
// a column.
#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/ExUtil.h"
#include "grid/foundation/SpinDateTimeText.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/PrintPass.h"
#include "grid/stringgrid/PrintSettings.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/Utf8.h"
#include "platform/ui/Canvas.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace {
bool IsLeft(TPrintPosition Position) {
    return Position == ppTopLeft || Position == ppBottomLeft;
}
bool IsTopPosition(TPrintPosition Position) {
    return Position == ppTopLeft || Position == ppTopRight || Position == ppTopCenter;
}
} // namespace

std::string TExStringGrid::JoinWithBlank(const std::string& A, const std::string& B) {
    if (A.empty())
        return B;
    if (B.empty())
        return A;
    return A + " " + B;
}

bool TExStringGrid::PrintTitleIsHtml() {
    const TPrintSettings& settings = *FPrintSettings;
    return settings.TitleText.empty() && settings.TitleLines()->Count() > 0 &&
           GetTextKind(settings.TitleLines()->Text(), true) == tkHTML;
}

std::string TExStringGrid::PageNumberText() {
    if (!FPrintPass)
        return std::string();
    const TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    std::string text;
    if (pass.MultipleStrips) {
        text = std::to_string(pass.PageInStrip + 1) + "-" + std::to_string(pass.StripNumber);
        PrintGetPageNum(pass.PageInStrip + 1, pass.StripNumber, text);
        return text;
    }
    text = std::to_string(pass.PageIndex + settings.PageNumberOffset + 1);
    // A fast print does not count its pages first: the total is unknown then.
    const bool totalKnown = FPrintPageNum > 1 && FPrintPageNum != INT_MAX;
    if (!settings.PageNumSep.empty() && totalKnown)
        text += settings.PageNumSep + std::to_string(FPrintPageNum + settings.MaxPagesOffset);
    PrintGetPageNum(pass.PageIndex + 1, pass.StripNumber, text);
    return text;
}

// The HTML title's height on paper: measured in canvas pixels (1/96 inch), so 254 / 96 of them.
int TExStringGrid::PrintHtmlTitleHeight() {
    const TPrintPass& pass = *FPrintPass;
    TCanvas* canvas = pass.Canvas;
    canvas->Font()->Assign(*FPrintSettings->HeaderFont());
    const TRect room{pass.X(FPrintSettings->LeftSize), 0, pass.X(pass.PageWidth), 65535};
    const TSize size = RenderHTMLText(canvas, FPrintSettings->TitleLines()->Text(), room, nullptr,
                                      PictureContainer, false, this);
    return TPrintPass::ToPaper(size.cy);
}

int TExStringGrid::PrintHeaderFooter() {
    TPrintPass& pass = *FPrintPass;
    const TPrintSettings& settings = *FPrintSettings;
    const bool htmlTitle = PrintTitleIsHtml();
    // Measured in every mode, so that counting lays out the pages as drawing does.
    const int titleHeight = htmlTitle ? PrintHtmlTitleHeight() : 0;
    if (!pass.Drawing() || !PrintPageInRange())
        return titleHeight;

    std::string texts[ppBottomCenter + 1];
    auto put = [&](TPrintPosition position, const std::string& item) {
        if (position == ppNone)
            return;
        std::string& text = texts[position];
        text = IsLeft(position) ? JoinWithBlank(item, text) : JoinWithBlank(text, item);
    };
    const TDateTime now = SpinDateTimeText::Now();
    TFormatSettings format = CurrentFormatSettings();
    put(settings.Time, SpinDateTimeText::FormatTime(now, "hh:nn", format));
    format.ShortDateFormat = settings.DateFormat;
    put(settings.Date, SpinDateTimeText::FormatDate(now, format));
    if (settings.PageNr != ppNone)
        put(settings.PageNr, JoinWithBlank(JoinWithBlank(settings.PagePrefix, PageNumberText()),
                                           settings.PageSuffix));
    const TStringList& lines = *settings.TitleLines();
    if (!settings.TitleText.empty())
        put(settings.Title, settings.TitleText);
    else if (!htmlTitle && lines.Count() > 0)
        put(settings.Title, lines[0]);

    TCanvas* canvas = pass.Canvas;
    canvas->SaveState();
    canvas->Brush()->SetStyle(bsClear);
    auto placeX = [&](TPrintPosition position, const std::string& text) {
        const int width = TPrintPass::ToPaper(canvas->TextWidth(text));
        if (IsLeft(position))
            return settings.LeftSize;
        if (position == ppTopRight || position == ppBottomRight)
            return pass.PageWidth - width - settings.RightSize - 20;
        return (pass.PageWidth - width) / 2;
    };
    auto out = [&](TPrintPosition position, int y, const std::string& text) {
        if (!text.empty())
            canvas->TextOut(pass.X(placeX(position, text)), pass.Y(y), text);
    };
    const bool extraLines = settings.TitleText.empty() && !htmlTitle && lines.Count() > 1;

    canvas->Font()->Assign(*settings.HeaderFont());
    const int headerY = -settings.HeaderSize;
    for (TPrintPosition position : {ppTopLeft, ppTopRight, ppTopCenter})
        out(position, headerY, texts[position]);
    if (extraLines && IsTopPosition(settings.Title))
        for (int i = 1; i < lines.Count(); ++i)
            out(settings.Title, headerY - i * pass.HeaderLineHeight, lines[i]);
    if (htmlTitle && IsTopPosition(settings.Title))
        RenderHTMLText(
            canvas, lines.Text(),
            pass.ToCanvas(settings.LeftSize, headerY, pass.PageWidth, headerY - titleHeight),
            nullptr, PictureContainer, true, this);

    canvas->Font()->Assign(*settings.FooterFont());
    const int footerY =
        pass.PageHeight + pass.FooterLineHeight + pass.LineGap + settings.FooterSize;
    for (TPrintPosition position : {ppBottomLeft, ppBottomRight, ppBottomCenter})
        out(position, footerY, texts[position]);
    if (extraLines && settings.Title != ppNone && !IsTopPosition(settings.Title))
        for (int i = 1; i < lines.Count(); ++i)
            out(settings.Title, footerY + i * pass.FooterLineHeight, lines[i]);
    if (htmlTitle && settings.Title != ppNone && !IsTopPosition(settings.Title)) {
        canvas->Font()->Assign(*settings.HeaderFont());
        RenderHTMLText(canvas, lines.Text(),
                       pass.ToCanvas(settings.LeftSize,
                                     pass.PageHeight + settings.FooterSize + titleHeight,
                                     pass.PageWidth, pass.PageHeight + settings.FooterSize),
                       nullptr, PictureContainer, true, this);
    }
    canvas->RestoreState();
    return titleHeight;
}

void TExStringGrid::PlaceRotatedText(TRect& Rect, int Angle, const std::string& Text, TAlignment HA,
                                     TVAlignment VA) {
    const TSize extent = Canvas()->TextExtent(Text);
    InflateRect(Rect, -2, -2);
    const double a = Angle * std::numbers::pi / 180.0;
    auto r = [](double v) { return std::abs(static_cast<int>(std::lrint(v))); };
    RotatedTextOrigin(Rect, HA, VA, Angle, r(std::cos(a) * extent.cx), r(std::sin(a) * extent.cy),
                      r(std::sin(a) * extent.cx), r(std::cos(a) * extent.cy));
}

void TExStringGrid::RotatedTextOrigin(TRect& Rect, TAlignment HA, TVAlignment VA, int Angle, int D,
                                      int C, int B, int A) {
    const int quadrant = Angle <= 90 ? 1 : Angle <= 180 ? 2 : Angle > 270 ? 4 : 3;
    int& left = Rect.Left;
    const int right = Rect.Right;
    switch (quadrant) {
    case 1:
        if (HA == taRightJustify)
            left = right - D - C;
        else if (HA == taCenter)
            left += (right - left - C - D) / 2;
        break;
    case 2:
        if (HA == taLeftJustify)
            left += D;
        else if (HA == taRightJustify)
            left = right - C;
        else
            left = right - (C + right - left - D) / 2;
        break;
    case 3:
        if (HA == taLeftJustify)
            left += C + D;
        else if (HA == taRightJustify)
            left = right;
        else
            left = right - (right - left - C - D) / 2;
        break;
    default:
        if (HA == taLeftJustify)
            left += C;
        else if (HA == taRightJustify)
            left = right - D;
        else
            left += (C + right - left - D) / 2;
        break;
    }
    int& top = Rect.Top;
    const int bottom = Rect.Bottom;
    const int e = (B + top + A - bottom) / 2;
    const int up[] = {0, B, A + B, A, 0};  // the top of the box for vtaTop, by quadrant
    const int low[] = {0, A, 0, B, A + B}; // room left under the start for vtaBottom
    if (VA == vtaTop)
        top += up[quadrant];
    else if (VA == vtaCenter)
        top = top + up[quadrant] - e;
    else
        top = bottom - low[quadrant];
}

int TExStringGrid::MaxLinesInRow(int ARow) {
    if (!Multilinecells || ColCount() == 0)
        return 1;
    int lines = 1;
    for (int col = 0; col < ColCount(); ++col)
        lines = std::max(lines, CountLines(Cells(DisplToRealCol(col), ARow), true));
    return lines;
}

int TExStringGrid::MaxColumnTextLength(int ACol) {
    int longest = 0;
    for (int row = 0; row < RowCount(); ++row) {
        std::string text = Cells(ACol, row);
        SaveCell(ACol, row, text);
        std::string rest = text;
        do {
            std::string line;
            if (Multilinecells)
                ExtractFirstLine(rest, true, line);
            else
                std::swap(line, rest);
            longest = std::max(longest, static_cast<int>(Utf8ToUtf32(line).size()));
        } while (Multilinecells && !rest.empty());
    }
    return longest;
}
