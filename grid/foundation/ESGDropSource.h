#pragma once

#include "grid/foundation/DropFormats.h"

// The source side of a grid drag: Esc cancels, releasing the left button drops. A grid overrides
// the three operations to follow the drag.
class TESGDropSource {
public:
    virtual ~TESGDropSource() = default;

    // S_OK to go on, DRAGDROP_S_CANCEL on Esc, DRAGDROP_S_DROP once the left button is up.
    HRESULT QueryContinueDrag(bool escapePressed, TDragKeyState keyState);
    HRESULT GiveFeedback(TDropEffect effect);
    // The last feedback showed that no target would take the drop.
    bool NoAccept() const { return FNoAccept; }

    // What the platform's drag tells the source.
    TDragSourceEvents Events();

protected:
    // The drag ends: Esc pressed or the mouse button released.
    virtual void DragDropEnded() {}
    virtual void CurrentEffect(TDropEffect dwEffect) {}
    // Called on every continue query.
    virtual void QueryDrag() {}

private:
    bool FNoAccept = false;
};
