#pragma once

#include "platform/ui/Control.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The icons of a balloon's title, with the framework's numbers.
constexpr int TTI_NONE = 0;
constexpr int TTI_INFO = 1;
constexpr int TTI_WARNING = 2;
constexpr int TTI_ERROR = 3;

// Where the parts of a balloon lie. Window is in screen coordinates, the rest in the window's.
struct TBalloonLayout {
    TRect Window;
    TRect Body;
    // The stem's base corners on the body's edge and its tip (the point shown).
    std::vector<TPoint> Stem;
    bool StemUp = true;
    TRect Icon;
    TRect Title;
    TRect Text;
};

// Lays a balloon out with its stem tip at Tip: below the point (stem up) when it fits on the
// monitor Area, else above it; moved sideways to stay on Area while the stem keeps pointing at
// Tip. Empty sizes leave their part out.
TBalloonLayout LayoutBalloon(TPoint Tip, TSize TitleSize, bool HasIcon, TSize TextSize,
                             const TRect& Area);

// A balloon tip of one control (the tool, which owns it): when the mouse rests on the tool for
// InitialDelay milliseconds, OnGetText gives the text for the mouse position and the balloon
// shows it with its title and icon, its stem pointing at the mouse; an empty text shows nothing.
// It goes after AutoPopDelay, when the mouse leaves the tool, a button, key or the wheel is used,
// or Pop is called; the next rest shows it again after ReshowDelay. A top-most shaped window that
// never takes the focus. Without a tool it shows only through Popup.
class TBalloonWindow : public TCustomControl {
public:
    explicit TBalloonWindow(TWinControl* Tool);
    ~TBalloonWindow() override;

    TWinControl* Tool() const { return FTool; }

    // Milliseconds; a negative value restores the platform's delay.
    int InitialDelay() const { return FInitialDelay; }
    void SetInitialDelay(int value);
    int ReshowDelay() const { return FReshowDelay; }
    void SetReshowDelay(int value);
    int AutoPopDelay() const { return FAutoPopDelay; }
    void SetAutoPopDelay(int value);
    static constexpr int DefaultInitialDelay = 500;
    static constexpr int DefaultReshowDelay = 100;
    static constexpr int DefaultAutoPopDelay = 5000;

    // The text wraps at this width (0: no limit).
    int MaxTipWidth() const { return FMaxTipWidth; }
    void SetMaxTipWidth(int value) { FMaxTipWidth = value < 0 ? 0 : value; }
    TColor TipTextColor() const { return FTipTextColor; }
    void SetTipTextColor(TColor value);
    TColor TipBkColor() const { return FTipBkColor; }
    void SetTipBkColor(TColor value);
    // Icons outside TTI_NONE..TTI_ERROR become TTI_NONE.
    void SetTitle(int Icon, const std::string& Title);
    const std::string& Title() const { return FTitle; }
    int TitleIcon() const { return FTitleIcon; }
    // 255 is opaque.
    uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(uint8_t value);

    // Asks OnGetText for the mouse at ScreenPoint and shows the balloon there at once; false (and
    // hidden) for an empty text.
    bool Popup(TPoint ScreenPoint);
    // Hides the balloon.
    void Pop();
    // The part of the tool (client coordinates) the balloon shown belongs to: leaving it hides
    // the balloon, and the next one comes after ReshowDelay. Popup sets it to the whole tool
    // before asking OnGetText, which may narrow it (to a cell, say).
    const TRect& TrackRect() const { return FTrackRect; }
    void SetTrackRect(const TRect& value) { FTrackRect = value; }
    bool Active() const { return Visible(); }
    // The text shown, and where the parts lie.
    const std::string& TipText() const { return FTipText; }
    const TBalloonLayout& Layout() const { return FLayout; }

    void SetVisible(bool value) override;

    std::function<void(TBalloonWindow* Sender, TPoint ScreenPoint, std::string& Text)> OnGetText;

protected:
    void Paint() override;

private:
    struct Impl;
    void DrawIcon(const TRect& R);

    TWinControl* FTool;
    int FInitialDelay = DefaultInitialDelay;
    int FReshowDelay = DefaultReshowDelay;
    int FAutoPopDelay = DefaultAutoPopDelay;
    int FMaxTipWidth = 0;
    TColor FTipTextColor = clInfoText;
    TColor FTipBkColor = clInfoBk;
    std::string FTitle;
    int FTitleIcon = TTI_NONE;
    uint8_t FAlpha = 255;
    std::string FTipText;
    TRect FTrackRect;
    TBalloonLayout FLayout;
    std::unique_ptr<Impl> FImpl;
};
