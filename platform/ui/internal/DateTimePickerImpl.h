#pragma once

// The date-time picker's native widgets, shared by its .cpp files.

#include "platform/ui/DateTimePicker.h"

class QCheckBox;
class QDateTimeEdit;
class QObject;
class QToolButton;
class QWidget;

struct TDateTimePicker::Impl {
    QWidget* Box = nullptr;
    QWidget* Overlay = nullptr;
    QCheckBox* Check = nullptr;
    QDateTimeEdit* Edit = nullptr;
    QToolButton* Button = nullptr;
    QObject* PopupWatch = nullptr;
    // Set while the program writes the native widgets, whose signals then report nothing.
    bool Showing = false;
};
