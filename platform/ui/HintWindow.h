#pragma once

#include "platform/ui/Control.h"

#include <functional>
#include <memory>
#include <string>

class THintWindow;

// Makes the hint window a control asks for (nullptr: a plain THintWindow).
using THintWindowClass = std::function<std::unique_ptr<THintWindow>(TComponent* AOwner)>;

// What a hint shows and where; a control changes it in its CM_HINTSHOW handler (LParam points
// to it; a non-zero Result shows no hint). Positions are in screen coordinates, CursorRect and
// CursorPos in the control's client coordinates.
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass;
    TPoint HintPos;
    int HintMaxWidth = 0;
    TColor HintColor = clInfoBk;
    // While the mouse stays inside, the hint stays; leaving it asks again.
    TRect CursorRect;
    TPoint CursorPos;
    std::string HintStr;
    // Handed to ActivateHintData and CalcHintRect.
    TObject* HintData = nullptr;
};

// The rectangle of the monitor nearest to P.
TRect MonitorRectNear(TPoint P);

// A top-most hint window that never takes the focus. It paints its text on Color (clInfoBk)
// with a thin frame; subclasses measure and paint differently.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);
    ~THintWindow() override;

    // Shows AHint in the window at R (screen coordinates), moved inside the nearest monitor.
    virtual void ActivateHint(TRect R, const std::string& AHint);
    // As ActivateHint; subclasses take what they need of AData first.
    virtual void ActivateHintData(TRect R, const std::string& AHint, TObject* AData);
    // (0, 0, width, height) the hint needs, its text wrapped at MaxWidth (0: no limit).
    virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint, TObject* AData);
    // Hides the window.
    void ReleaseHandle();
    void SetVisible(bool value) override;
    void SetText(const std::string& value) override;

protected:
    void Paint() override;
    // R moved so that its right and bottom edges end Gap pixels inside the monitor nearest its
    // top-left corner, and its left and top edges do not leave it.
    static TRect KeepOnMonitor(TRect R, int Gap);
    // Places the window at R and shows it on top without activating it.
    void ShowAt(const TRect& R);
};
