#include "platform/ui/Screen.h"

#include "platform/ui/Application.h"
#include "platform/ui/Form.h"
#include "platform/ui/internal/CanvasAccess.h"
#include "platform/ui/internal/NativeHost.h"
#include "platform/ui/internal/QtConvert.h"

#include <QApplication>
#include <QCursor>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>

namespace {
TScreen TheScreen;

QRect ScreenGeometry(bool available) {
    Application->Initialize();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QRect(0, 0, 1024, 768);
    return available ? screen->availableGeometry() : screen->geometry();
}
} // namespace

TScreen* Screen = &TheScreen;

void TScreen::SetCursor(TCursor cursor) {
    if (cursor == FCursor)
        return;
    Application->Initialize();
    if (FCursor != crDefault)
        QApplication::restoreOverrideCursor();
    FCursor = cursor;
    if (cursor != crDefault)
        QApplication::setOverrideCursor(QtConvert::ToQCursor(cursor));
}

void TScreen::SetCursorImage(TCursor cursor, const TBitmap& image, TPoint hotSpot) {
    Application->Initialize();
    const QPixmap picture = QPixmap::fromImage(TBitmapAccess::DrawableImage(image));
    QtConvert::RegisterCursor(cursor, QCursor(picture, hotSpot.X, hotSpot.Y));
}

int TScreen::Width() const {
    return ScreenGeometry(false).width();
}

int TScreen::Height() const {
    return ScreenGeometry(false).height();
}

TRect TScreen::WorkAreaRect() const {
    return QtConvert::FromQRect(ScreenGeometry(true));
}

TForm* TScreen::ActiveForm() const {
    return dynamic_cast<TForm*>(NativeHost::ControlOf(QApplication::activeWindow()));
}

int GetSystemMetrics(int index) {
    Application->Initialize();
    switch (index) {
    case SM_CXSCREEN:
        return Screen->Width();
    case SM_CYSCREEN:
        return Screen->Height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
        return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    default:
        return 0;
    }
}

unsigned GetDoubleClickTime() {
    Application->Initialize();
    return static_cast<unsigned>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}
