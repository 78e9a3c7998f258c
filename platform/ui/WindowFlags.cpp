#include "platform/ui/internal/WindowFlags.h"

Qt::WindowFlags WindowFlagsFor(TFormBorderStyle borderStyle, TBorderIcons borderIcons,
                               TFormStyle formStyle) {
    Qt::WindowFlags flags;
    switch (borderStyle) {
    case bsNone:
        flags = Qt::Window | Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool;
        break;
    case bsSingle:
    case bsSizeable:
        flags = Qt::Window;
        break;
    }
    if (borderStyle != bsNone) {
        // Without the customize hint the window manager adds every button it knows.
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons.Contains(biSystemMenu)) {
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
            const bool framedWindow = borderStyle == bsSingle || borderStyle == bsSizeable;
            const bool minimise = framedWindow && borderIcons.Contains(biMinimize);
            const bool maximise = borderStyle == bsSizeable && borderIcons.Contains(biMaximize);
            if (minimise)
                flags |= Qt::WindowMinimizeButtonHint;
            if (maximise)
                flags |= Qt::WindowMaximizeButtonHint;
            // Help shares its place with minimise and maximise.
            if (borderIcons.Contains(biHelp) && !minimise && !maximise &&
                borderStyle != bsToolWindow && borderStyle != bsSizeToolWin)
                flags |= Qt::WindowContextHelpButtonHint;
        }
    }
    if (formStyle == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}
