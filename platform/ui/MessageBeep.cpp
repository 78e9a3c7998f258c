#include "platform/ui/MessageBeep.h"

#include <QApplication>

namespace {
int beepCount = 0;
}

void MessageBeep(unsigned) {
    ++beepCount;
    QApplication::beep();
}

int MessageBeepCount() {
    return beepCount;
}
