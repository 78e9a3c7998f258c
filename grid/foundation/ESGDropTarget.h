#pragma once

#include "grid/foundation/DropFormats.h"
#include "platform/core/StringList.h"

#include <memory>
#include <string>

class TControl;

// A drop target for grid data: decides on entering whether the drag can be dropped, answers the
// effect as the keys held ask, and hands what is dropped to the operations below, which a grid
// overrides to say what a drop does. Points are screen coordinates.
class TESGDropTarget {
public:
    TESGDropTarget();
    virtual ~TESGDropTarget() = default;

    // Text, files and links are accepted from the start, columns not; cells always are.
    bool AcceptText() const { return FAcceptText; }
    void SetAcceptText(bool value) { FAcceptText = value; }
    bool AcceptFiles() const { return FAcceptFiles; }
    void SetAcceptFiles(bool value) { FAcceptFiles = value; }
    bool AcceptCols() const { return FAcceptCols; }
    void SetAcceptCols(bool value) { FAcceptCols = value; }
    bool AcceptURLs() const { return FAcceptURLs; }
    void SetAcceptURLs(bool value) { FAcceptURLs = value; }
    // The formats the drag over the target offers.
    TDropFormats DropFormats() const { return FDropFormats; }

    // What the platform calls while a drag is over the target; each leaves the effect of a drop
    // in `effect`, which comes in as the effects the source allows.
    HRESULT DragEnter(const TDragDataObject& data, TDragKeyState keyState, TPoint pt,
                      TDropEffect& effect);
    HRESULT DragOver(TDragKeyState keyState, TPoint pt, TDropEffect& effect);
    HRESULT DragLeave();
    HRESULT Drop(const TDragDataObject& data, TDragKeyState keyState, TPoint pt,
                 TDropEffect& effect);

protected:
    virtual void DropText(TPoint pt, const std::string& s) {}
    // The receiver owns the cell stream.
    virtual void DropStream(TPoint pt, std::string cellStream) {}
    virtual void DropCol(TPoint pt, int Col) {}
    virtual void DropRTF(TPoint pt, const std::string& s) {}
    virtual void DropFiles(TPoint pt, const TStringList& files) {}
    virtual void DropURL(TPoint pt, const std::string& s) {}
    // Clearing Allow refuses the drop at this point.
    virtual void DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats) {}
    virtual void DragMouseEnter() {}
    virtual void DragMouseLeave() {}

private:
    // Hands the parts of the drop to the operations; false when it held nothing to drop.
    bool DropContents(const TDragDataObject& data, TPoint pt);

    bool FOk = false;
    bool FAcceptText = true;
    bool FAcceptFiles = true;
    bool FAcceptCols = false;
    bool FAcceptURLs = true;
    TDropFormats FDropFormats;
};

// Makes the control take drags through the target, which lives as long as the registration.
void RegisterDropTarget(TControl* control, std::shared_ptr<TESGDropTarget> target);
