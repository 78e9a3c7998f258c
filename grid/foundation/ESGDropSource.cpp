#include "grid/foundation/ESGDropSource.h"

HRESULT TESGDropSource::QueryContinueDrag(bool escapePressed, TDragKeyState keyState) {
    HRESULT result = S_OK;
    if (escapePressed) {
        DragDropEnded();
        result = DRAGDROP_S_CANCEL;
    } else if (!(keyState & MK_LBUTTON)) {
        DragDropEnded();
        result = DRAGDROP_S_DROP;
    }
    QueryDrag();
    return result;
}

HRESULT TESGDropSource::GiveFeedback(TDropEffect effect) {
    FNoAccept = effect == DROPEFFECT_NONE;
    CurrentEffect(effect);
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

TDragSourceEvents TESGDropSource::Events() {
    TDragSourceEvents events;
    events.OnQueryContinueDrag = [this](bool escapePressed, TDragKeyState keyState) {
        return QueryContinueDrag(escapePressed, keyState);
    };
    events.OnGiveFeedback = [this](TDropEffect effect) { return GiveFeedback(effect); };
    return events;
}
