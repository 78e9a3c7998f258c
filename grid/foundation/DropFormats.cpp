#include "grid/foundation/DropFormats.h"

#include <atomic>

namespace {

std::atomic<bool> RTFEnabled = false;

} // namespace

TClipboardFormat CF_RTF() {
    static const TClipboardFormat format = DragFormatNumber(CFSTR_RTF);
    return format;
}

TClipboardFormat CF_GRIDCOLUMN() {
    static const TClipboardFormat format = DragFormatNumber(CFSTR_GRIDCOLUMN);
    return format;
}

TClipboardFormat CF_GRIDCELLS() {
    static const TClipboardFormat format = DragFormatNumber(CFSTR_GRIDCELLS);
    return format;
}

TClipboardFormat CF_URL() {
    static const TClipboardFormat format = DragFormatNumber(CFSTR_URL);
    return format;
}

std::string DropFormatName(TClipboardFormat format) {
    for (const char* name : {DragFormat::Text, DragFormat::UnicodeText, DragFormat::FileDrop,
                             CFSTR_RTF, CFSTR_GRIDCOLUMN, CFSTR_GRIDCELLS, CFSTR_URL})
        if (DragFormatNumber(name) == format)
            return name;
    return {};
}

void SetDropRTFEnabled(bool Value) {
    RTFEnabled = Value;
}

bool DropRTFEnabled() {
    return RTFEnabled;
}

TDropEffect ChooseDropEffect(TDragKeyState keyState, TDropEffect allowedEffects) {
    if (keyState & MK_CONTROL)
        return DROPEFFECT_COPY;
    return (allowedEffects & DROPEFFECT_MOVE) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
}
