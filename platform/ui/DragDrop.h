#pragma once

#include "platform/ui/Clipboard.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class TControl;

// Dragging data between windows and programs. A drag carries a data object: format names with
// the bytes of each, in the byte layouts the formats define (see DragBlocks.h for the standard
// ones). Between programs the formats travel as MIME types; inside the program the data object
// arrives as it was given.

using HRESULT = int32_t;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT DRAGDROP_S_DROP = 0x00040100;
constexpr HRESULT DRAGDROP_S_CANCEL = 0x00040101;
constexpr HRESULT DRAGDROP_S_USEDEFAULTCURSORS = 0x00040102;
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT DV_E_FORMATETC = static_cast<HRESULT>(0x80040064u);
constexpr HRESULT OLE_E_ADVISENOTSUPPORTED = static_cast<HRESULT>(0x80040003u);

using TDropEffect = uint32_t;
constexpr TDropEffect DROPEFFECT_NONE = 0;
constexpr TDropEffect DROPEFFECT_COPY = 1;
constexpr TDropEffect DROPEFFECT_MOVE = 2;
constexpr TDropEffect DROPEFFECT_LINK = 4;

// Key state of a drag: the mouse messages' MK_ flags of the buttons and keys held, and Alt.
using TDragKeyState = uint32_t;
constexpr TDragKeyState MK_ALT = 0x20;

constexpr TClipboardFormat CF_HDROP = 15;

// Names of the standard drag formats; every other name is a named format of its own.
namespace DragFormat {
// Single-byte text in the ANSI code page, ended by NUL.
inline constexpr const char* Text = "Text";
// UTF-16 text (little-endian), ended by a NUL unit.
inline constexpr const char* UnicodeText = "UnicodeText";
// A file list: the file-drop structure followed by the names.
inline constexpr const char* FileDrop = "FileDrop";
// A link: its text in the ANSI code page, ended by NUL.
inline constexpr const char* URL = "UniformResourceLocator";
} // namespace DragFormat

// The format number of a name: the standard ones keep theirs (1, 13, 15), named formats get the
// clipboard's registered number.
TClipboardFormat DragFormatNumber(const std::string& name);

// The data a drag carries: format name -> bytes, in the order the formats were set.
class TDragDataObject {
public:
    // Replaces the bytes of a format already held, keeping its place.
    void SetData(const std::string& format, std::string bytes);
    bool HasFormat(const std::string& format) const;
    // The bytes of the format; nullptr when it is not offered.
    const std::string* Data(const std::string& format) const;
    std::vector<std::string> Formats() const;
    bool Empty() const { return FFormats.empty(); }
    bool operator==(const TDragDataObject&) const = default;

private:
    std::vector<std::pair<std::string, std::string>> FFormats;
};

// What a registered drop target is asked while a drag is over its control. The effect starts as
// the effects the source allows; the target leaves in it the effect a drop would have
// (DROPEFFECT_NONE: refused). Points are in screen coordinates.
struct TDropTargetEvents {
    std::function<void(const TDragDataObject& data, TDragKeyState keyState, TPoint point,
                       TDropEffect& effect)>
        OnDragEnter;
    std::function<void(TDragKeyState keyState, TPoint point, TDropEffect& effect)> OnDragOver;
    std::function<void()> OnDragLeave;
    std::function<void(const TDragDataObject& data, TDragKeyState keyState, TPoint point,
                       TDropEffect& effect)>
        OnDrop;
};

// Makes the control accept drags; a second registration replaces the first. The events live as
// long as the control or until revoked.
void RegisterDragDrop(TControl* control, TDropTargetEvents events);
void RevokeDragDrop(TControl* control);
bool IsDragDropRegistered(const TControl* control);

// What the source of a drag is told while the drag runs.
struct TDragSourceEvents {
    // Answers S_OK to go on, DRAGDROP_S_DROP to drop or DRAGDROP_S_CANCEL to cancel.
    std::function<HRESULT(bool escapePressed, TDragKeyState keyState)> OnQueryContinueDrag;
    // The effect a drop would have where the mouse is now.
    std::function<HRESULT(TDropEffect effect)> OnGiveFeedback;
};

// Runs the modal drag of the data. Answers DRAGDROP_S_DROP with the effect the target chose, or
// DRAGDROP_S_CANCEL with DROPEFFECT_NONE. When the drag ends the source is told the last effect
// and asked once more, with the mouse button released, so it sees the end of every drag.
HRESULT DoDragDrop(const TDragDataObject& data, const TDragSourceEvents& source,
                   TDropEffect allowedEffects, TDropEffect& effect);

// Lets tests run drags without a person. While the application's test seam is active, a drag
// never waits for the mouse: it runs OnDragStart, which answers the effect of the drop
// (DROPEFFECT_NONE: nothing took it); unscripted, the drag is cancelled at once.
struct TDragDropTestSeam {
    std::function<TDropEffect(const TDragDataObject& data, TDropEffect allowedEffects)> OnDragStart;
    // Drags started since the last Reset, with the data they carried.
    std::vector<TDragDataObject> Started;
    void Reset() {
        OnDragStart = nullptr;
        Started.clear();
    }
};
TDragDropTestSeam& DragDropTestSeam();

// Synthesised drags for tests: each call builds the platform's own drag event for a drag that
// carries `data` and sends it to the control's widget, so it reaches the registered target the
// way a real drag does: a drag starts with DragEnter, and as in a real drag a Drop reaches only a
// target that did not refuse the last enter or move (a refusing one is left instead, as when a
// real drag is cancelled). Points are in the control's client area.
// Each answers the effect the target chose (DROPEFFECT_NONE when it refused, or when no target
// is registered).
namespace DragDropSimulation {
TDropEffect DragEnter(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                      TPoint point, TDropEffect allowedEffects);
TDropEffect DragOver(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                     TPoint point, TDropEffect allowedEffects);
void DragLeave(TControl* control);
TDropEffect Drop(TControl* control, const TDragDataObject& data, TDragKeyState keyState,
                 TPoint point, TDropEffect allowedEffects);
} // namespace DragDropSimulation
