#pragma once

#include "platform/ui/Control.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

enum TSysLinkType { sltURL, sltID };
using TSysLinkEvent =
    std::function<void(TObject* Sender, const std::string& Link, TSysLinkType LinkType)>;

// One run of a link label's caption: plain text, or the visible text of a link.
struct TLinkRun {
    std::string Text;
    bool IsLink = false;
    // The href of the link (sltURL), else its id (sltID).
    std::string Link;
    TSysLinkType LinkType = sltURL;
    bool operator==(const TLinkRun&) const = default;
};

// Splits a caption with <a href="...">text</a> (or <a id="...">) into runs. Tag and attribute
// names ignore letter case; values may be quoted with " or ' or left bare. A tag that is not an
// anchor, or that is never closed with '>', stays as plain text; an anchor left open runs to
// the end.
std::vector<TLinkRun> ParseLinkMarkup(std::string_view caption);

// A one-line text with links written as anchors in its caption. Clicking a link's text fires
// OnLinkClick with the link's target; the pointer shows a hand over a link.
class TLinkLabel : public TCustomControl {
public:
    explicit TLinkLabel(TComponent* AOwner);

    // Sizes the control to its text whenever the caption or the font changes.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    void SetText(const std::string& value) override;
    void WndProc(TMessage& Message) override;

    const std::vector<TLinkRun>& Runs() const { return FRuns; }
    // The run under a point of the client area when it is a link, else -1.
    int LinkAt(TPoint p) const;

    TSysLinkEvent OnLinkClick;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    virtual void DoOnLinkClick(const std::string& link, TSysLinkType linkType);

private:
    // The x where each run starts, and one more entry for the end of the text.
    std::vector<int> RunEdges() const;
    void AdjustBounds();
    void SetHotLink(int run);

    std::vector<TLinkRun> FRuns;
    bool FAutoSize = true;
    int FPressedLink = -1;
    int FHotLink = -1;
    TCursor FCursorOutsideLinks = crDefault;
};
