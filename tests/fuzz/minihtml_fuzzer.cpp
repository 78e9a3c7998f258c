// Arbitrary mark-up through the string routines and the renderer: nothing may read out of
// bounds or loop without end, and what a hit test reports lies in range.
#include "grid/foundation/EsgHTMLE.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    static const bool started = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        Application->Initialize();
        // The platform goes before the program's static objects do; bitmaps made after this
        // line go before it.
        std::atexit([] { Application->Finalize(); });
        return true;
    }();
    (void)started;
    if (Size > 4096)
        return 0;
    std::string text(reinterpret_cast<const char*>(Data), Size);
    // The first two bytes choose the point tested.
    int x = Size > 0 ? Data[0] : 0;
    int y = Size > 1 ? Data[1] % 64 : 0;

    (void)StripHTML(text);
    (void)DecodeEntities(text, true);
    (void)EncodeEntities(text, true);
    (void)HighlightText(text, "a", "hi", false);
    (void)UnhighlightText(text, "hi");
    std::string edited = ClearRadioControls(text);
    (void)NextEditControlID(edited, "");
    (void)GetControlMaxLen(edited, "x");
    SetControlValue(edited, "x", "<&\">");

    static TBitmap bitmap(200, 64);
    const TRect area{0, 0, 200, 64};
    std::string anchor, strip, focus, title, id, value, type;
    int xSize = 0, ySize = 0, links = 0, mouseLink = 0;
    TRect hover, control;
    for (int mode = 0; mode < 3; ++mode) {
        bool hitTest = mode == 1, measure = mode == 2;
        bool found =
            RenderHTML(bitmap.Canvas(), text, area, nullptr, x, y, 0, 1, 1, hitTest, measure, false,
                       false, true, true, mode != 2, false, 0.0, clBlue, clNone, clNone, clGray,
                       anchor, strip, focus, title, xSize, ySize, links, mouseLink, hover, control,
                       id, value, type, nullptr, nullptr, nullptr, 0);
        if (xSize < 0 || ySize < 0 || links < 0 || mouseLink < -1 || mouseLink > links)
            std::abort();
        // A control reported by a hit test lies inside the layout's width.
        if (found && hitTest && !(control == TRect{}) &&
            (control.Left < area.Left || control.Right < control.Left))
            std::abort();
    }
    return 0;
}
