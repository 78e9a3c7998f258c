#include "grid/foundation/ESGDropTarget.h"

#include "grid/foundation/EnumFormats.h"

TESGDropTarget::TESGDropTarget() = default;

HRESULT TESGDropTarget::DragEnter(const TDragDataObject& data, TDragKeyState keyState, TPoint,
                                  TDropEffect& effect) {
    TEnumFormats formats(&data);
    FDropFormats = {};
    if (formats.HasText())
        FDropFormats << dfText;
    if (formats.HasFile())
        FDropFormats << dfFile;
    if (formats.HasRTF())
        FDropFormats << dfRTF;
    if (formats.HasCol())
        FDropFormats << dfCol;
    if (formats.HasURL())
        FDropFormats << dfURL;
    if (formats.HasGridCells())
        FDropFormats << dfGridCells;

    FOk = (FDropFormats.Contains(dfText) && FAcceptText) ||
          (FDropFormats.Contains(dfFile) && FAcceptFiles) ||
          (FDropFormats.Contains(dfRTF) && DropRTFEnabled() && FAcceptText) ||
          (FDropFormats.Contains(dfCol) && FAcceptCols) ||
          (FDropFormats.Contains(dfURL) && FAcceptURLs) || FDropFormats.Contains(dfGridCells);
    effect = FOk ? ChooseDropEffect(keyState, effect) : DROPEFFECT_NONE;
    DragMouseEnter();
    return S_OK;
}

HRESULT TESGDropTarget::DragOver(TDragKeyState keyState, TPoint pt, TDropEffect& effect) {
    effect = FOk ? ChooseDropEffect(keyState, effect) : DROPEFFECT_NONE;
    bool allow = effect != DROPEFFECT_NONE;
    DragMouseMove(pt, allow, FDropFormats);
    if (!allow)
        effect = DROPEFFECT_NONE;
    return S_OK;
}

HRESULT TESGDropTarget::DragLeave() {
    DragMouseLeave();
    return S_OK;
}

HRESULT TESGDropTarget::Drop(const TDragDataObject& data, TDragKeyState keyState, TPoint pt,
                             TDropEffect& effect) {
    if (!FOk) {
        effect = DROPEFFECT_NONE;
        return S_OK;
    }
    effect = DropContents(data, pt) ? ChooseDropEffect(keyState, effect) : DROPEFFECT_NONE;
    return S_OK;
}

bool TESGDropTarget::DropContents(const TDragDataObject& data, TPoint pt) {
    TEnumFormats formats(&data);
    // A block that cannot be read counts as not offered: the next format is taken instead.
    const int col = formats.HasCol() ? formats.Col() : -1;
    if (col >= 0) {
        DropCol(pt, col);
        return true;
    }
    bool dropped = false;
    std::optional<std::string> cells =
        formats.HasGridCells() ? formats.Stream() : std::optional<std::string>();
    if (cells) {
        DropStream(pt, std::move(*cells));
        dropped = true;
    } else if (formats.HasRTF() && DropRTFEnabled()) {
        DropRTF(pt, formats.RTF());
        dropped = true;
    } else if (formats.HasText()) {
        DropText(pt, formats.Text());
        dropped = true;
    }
    if (formats.HasFile() && formats.ReadFiles()) {
        DropFiles(pt, formats.Files());
        dropped = true;
    }
    if (formats.HasURL()) {
        DropURL(pt, formats.Text());
        dropped = true;
    }
    return dropped;
}

void RegisterDropTarget(TControl* control, std::shared_ptr<TESGDropTarget> target) {
    TDropTargetEvents events;
    events.OnDragEnter = [target](const TDragDataObject& data, TDragKeyState keyState, TPoint pt,
                                  TDropEffect& effect) {
        target->DragEnter(data, keyState, pt, effect);
    };
    events.OnDragOver = [target](TDragKeyState keyState, TPoint pt, TDropEffect& effect) {
        target->DragOver(keyState, pt, effect);
    };
    events.OnDragLeave = [target] { target->DragLeave(); };
    events.OnDrop = [target](const TDragDataObject& data, TDragKeyState keyState, TPoint pt,
                             TDropEffect& effect) { target->Drop(data, keyState, pt, effect); };
    RegisterDragDrop(control, std::move(events));
}
