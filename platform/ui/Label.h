#pragma once

#include "platform/ui/Control.h"

#include <string>

// A text on its parent. With AutoSize (the default) the label takes the size of its text
// whenever text or font change (a right-aligned label keeps its right edge); with WordWrap it
// keeps its width and grows in height. A '&' underlines the next character unless
// ShowAccelChar is off. A transparent label shows its parent through and still takes clicks.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool value);

    void SetText(const std::string& value) override;
    void WndProc(TMessage& Message) override;

protected:
    void Paint() override;
    // Resizes the label to its text when AutoSize is on.
    void AdjustBounds();

private:
    // The framework's DrawText of the caption with the label's font and state.
    void DoDrawText(TRect& r, unsigned flags);
    unsigned TextFlags() const;

    bool FAutoSize = true;
    bool FWordWrap = false;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FTransparent = false;
    bool FShowAccelChar = true;
};
