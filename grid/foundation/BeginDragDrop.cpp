#include "grid/foundation/BeginDragDrop.h"

#include "grid/foundation/SourceDataObject.h"

namespace {

HRESULT RunDrag(TESGDropSource& dropSource, const TSourceDataObject& data,
                TDropEffect allowedEffects, TDropEffect& effect) {
    HRESULT result =
        DoDragDrop(data.ToDragDataObject(), dropSource.Events(), allowedEffects, effect);
    return dropSource.NoAccept() ? DRAGDROP_S_CANCEL : result;
}

} // namespace

HRESULT BeginTextDragDrop(TESGDropSource& dropSource, const std::string& text,
                          const std::string& rtf, TDropEffect& effect, TDropEffect allowedEffects,
                          const std::string* cellStream) {
    return RunDrag(dropSource, TSourceDataObject(text, rtf, -1, cellStream), allowedEffects,
                   effect);
}

HRESULT BeginColumnDragDrop(TESGDropSource& dropSource, int column, TDropEffect allowedEffects,
                            TDropEffect& effect) {
    return RunDrag(dropSource, TSourceDataObject("", "", column, nullptr), allowedEffects, effect);
}
