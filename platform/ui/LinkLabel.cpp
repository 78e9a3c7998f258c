#include "platform/ui/LinkLabel.h"

#include "platform/core/Text.h"
#include "platform/ui/Canvas.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct TTag {
    enum TKind { NotAnchor, Open, Close } Kind = NotAnchor;
    size_t End = 0; // one past the '>'
    std::string Href;
    std::string Id;
};

// Reads name=value pairs; bare names without a value are skipped.
void ReadAttributes(std::string_view text, TTag& tag) {
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        const size_t nameStart = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != '=')
            ++i;
        const std::string_view name = text.substr(nameStart, i - nameStart);
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i >= text.size() || text[i] != '=')
            continue;
        ++i;
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        std::string value;
        if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
            const char quote = text[i++];
            const size_t end = std::min(text.find(quote, i), text.size());
            value = text.substr(i, end - i);
            i = end + 1;
        } else {
            const size_t start = i;
            while (i < text.size() && !IsBlank(text[i]))
                ++i;
            value = text.substr(start, i - start);
        }
        if (SameText(name, "href"))
            tag.Href = value;
        else if (SameText(name, "id"))
            tag.Id = value;
    }
}

// The tag starting at text[start] == '<'; its end is the first '>' outside quotes.
TTag ReadTag(std::string_view text, size_t start) {
    TTag tag;
    char quote = 0;
    size_t end = start + 1;
    for (; end < text.size(); ++end) {
        const char c = text[end];
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            break;
        }
    }
    if (end >= text.size())
        return tag;
    tag.End = end + 1;
    const std::string_view inner = text.substr(start + 1, end - start - 1);
    if (SameText(TrimRight(inner), "/a")) {
        tag.Kind = TTag::Close;
    } else if (!inner.empty() && (inner[0] == 'a' || inner[0] == 'A') &&
               (inner.size() == 1 || IsBlank(inner[1]))) {
        tag.Kind = TTag::Open;
        ReadAttributes(inner.substr(1), tag);
    }
    return tag;
}

} // namespace

std::vector<TLinkRun> ParseLinkMarkup(std::string_view caption) {
    std::vector<TLinkRun> runs;
    TLinkRun current;
    auto flush = [&] {
        if (!current.Text.empty())
            runs.push_back(current);
        current.Text.clear();
    };
    size_t i = 0;
    while (i < caption.size()) {
        if (caption[i] == '<') {
            TTag tag = ReadTag(caption, i);
            if (tag.Kind != TTag::NotAnchor) {
                flush();
                current = TLinkRun{};
                if (tag.Kind == TTag::Open) {
                    current.IsLink = true;
                    current.LinkType = tag.Href.empty() ? sltID : sltURL;
                    current.Link = tag.Href.empty() ? tag.Id : tag.Href;
                }
                i = tag.End;
                continue;
            }
        }
        current.Text += caption[i++];
    }
    flush();
    return runs;
}

TLinkLabel::TLinkLabel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetParentColor(true);
    SetBounds(0, 0, 53, 17);
}

void TLinkLabel::SetAutoSize(bool value) {
    FAutoSize = value;
    AdjustBounds();
}

void TLinkLabel::SetText(const std::string& value) {
    TCustomControl::SetText(value);
    FRuns = ParseLinkMarkup(value);
    FPressedLink = -1;
    SetHotLink(-1);
    AdjustBounds();
    Invalidate();
}

void TLinkLabel::WndProc(TMessage& Message) {
    TCustomControl::WndProc(Message);
    if (Message.Msg == CM_FONTCHANGED) {
        AdjustBounds();
        Invalidate();
    }
}

std::vector<int> TLinkLabel::RunEdges() const {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    std::vector<int> edges{0};
    for (const TLinkRun& run : FRuns)
        edges.push_back(edges.back() + canvas->TextWidth(run.Text));
    return edges;
}

int TLinkLabel::LinkAt(TPoint p) const {
    if (!ClientRect().Contains(p))
        return -1;
    const std::vector<int> edges = RunEdges();
    for (size_t i = 0; i < FRuns.size(); ++i)
        if (FRuns[i].IsLink && p.X >= edges[i] && p.X < edges[i + 1])
            return static_cast<int>(i);
    return -1;
}

void TLinkLabel::AdjustBounds() {
    if (!FAutoSize)
        return;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(*Font());
    SetBounds(Left(), Top(), RunEdges().back(), canvas->TextHeight("Ag"));
}

void TLinkLabel::Paint() {
    TCanvas* canvas = Canvas();
    const std::vector<int> edges = RunEdges();
    canvas->Brush()->SetStyle(bsClear);
    for (size_t i = 0; i < FRuns.size(); ++i) {
        const TLinkRun& run = FRuns[i];
        canvas->Font()->Assign(*Font());
        if (run.IsLink) {
            canvas->Font()->SetColor(Enabled() ? clHotLight : clGrayText);
            canvas->Font()->SetStyle(Font()->Style() << fsUnderline);
        } else if (!Enabled()) {
            canvas->Font()->SetColor(clGrayText);
        }
        canvas->TextOut(edges[i], 0, run.Text);
    }
}

void TLinkLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft)
        FPressedLink = LinkAt(Point(X, Y));
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TLinkLabel::MouseMove(TShiftState Shift, int X, int Y) {
    SetHotLink(LinkAt(Point(X, Y)));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TLinkLabel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const int pressed = FPressedLink;
    FPressedLink = -1;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    // A link fires when the button is pressed and released on it.
    if (Button == mbLeft && pressed >= 0 && LinkAt(Point(X, Y)) == pressed)
        DoOnLinkClick(FRuns[static_cast<size_t>(pressed)].Link,
                      FRuns[static_cast<size_t>(pressed)].LinkType);
}

void TLinkLabel::MouseLeave() {
    SetHotLink(-1);
    TCustomControl::MouseLeave();
}

void TLinkLabel::SetHotLink(int run) {
    if ((run >= 0) == (FHotLink >= 0)) {
        FHotLink = run;
        return;
    }
    if (run >= 0) {
        FCursorOutsideLinks = Cursor();
        SetCursor(crHandPoint);
    } else {
        SetCursor(FCursorOutsideLinks);
    }
    FHotLink = run;
}

void TLinkLabel::DoOnLinkClick(const std::string& link, TSysLinkType linkType) {
    if (OnLinkClick)
        OnLinkClick(this, link, linkType);
}
