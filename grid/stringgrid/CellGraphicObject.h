#pragma once

#include "platform/ui/Types.h"

class TCanvas;
class TExStringGrid;

// An object that draws a cell itself (AddInterfacedCell). It stays the caller's: the grid only
// refers to it. Derive from TObject as well, since the grid holds it as one.
class ICellGraphicObject {
public:
    virtual ~ICellGraphicObject() = default;
    virtual void Draw(TCanvas* Canvas, const TRect& R, int ACol, int ARow, bool Selected,
                      TExStringGrid* Grid) = 0;
    // The room it wants; 0 for either takes the whole cell.
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
    // True: drawn before the cell text, which then stands over it.
    virtual bool DrawnUnderText() = 0;
};
