#pragma once

#include "grid/foundation/GridEvents.h"
#include "grid/stringgrid/CellGraphicAlign.h"
#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Object.h"
#include "platform/ui/Types.h"

#include <cstdint>
#include <string>
#include <variant>

class TExStringGrid;
class TStringList;

enum TStretchMode { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };

// Radio group selection, expanded state or node value, by kind.
using TCellVariant = std::variant<std::monostate, bool, int, double, std::string>;

// The one graphic object a cell may carry (check box, image, progress bar, ...), kept in the
// cell's properties; CellType says which fields mean what. The base grid frees a graphic of
// this class together with the cell's properties.
//
// A graphic owns the balloon list of its check box or radio button, the index list of its
// images and the balloon text of a balloon, and whatever it created itself (CellCreated); every
// other object it refers to stays its caller's. Turning a graphic into another kind frees what
// the old kind owned, so a reused graphic never leaks it.
class TCellGraphic : public TObject {
public:
    TCellGraphic() = default;
    ~TCellGraphic() override;

    TCellType CellType = ctNone;
    TObject* CellBitmap = nullptr;
    TObject* CellIcon = nullptr;
    TCellVAlign CellVAlign = vaTop;
    TCellHAlign CellHAlign = haLeft;
    int32_t CellIndex = 0;
    bool CellTransparent = false;
    bool CellCreated = false;
    bool CellBoolean = false;
    int32_t CellAngle = 0;
    double CellValue = 0;
    int32_t CellErrFrom = 0;
    int32_t CellErrLen = 0;
    std::string CellText;
    TCellVariant CellVar;
    TCheckBoxState CellCheckBoxState = cbUnchecked;
    // The item list of a radio group (the list classes are no TObject, so it has its own slot).
    TStringList* CellStrings = nullptr;

    // Copies the plain fields; never the referenced objects, CellVar or CellCheckBoxState.
    void Assign(const TCellGraphic& Source);

    void SetBitmap(TObject* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void SetIcon(TObject* aicon, TCellHAlign hal, TCellVAlign val);
    void SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val);
    void SetDataImage(int idx, TCellHAlign hal, TCellVAlign val);
    // The graphic owns the new list; dir 0 lays the images out horizontally.
    void SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                       TImageChangeEvent Notifier);
    void SetPicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                    TCellHAlign hal, TCellVAlign val);
    void SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                        TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val);
    void SetButton(int bw, int bh, const std::string& caption, TCellHAlign hal, TCellVAlign val);
    void SetBitButton(int bw, int bh, const std::string& caption, TObject* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    // Brought into 0..360 (360 stays 360, -90 becomes 270).
    void SetAngle(int16_t AAngle);
    void SetInterfacedCell(TObject* AObject);

    // Size of a picture or file picture shown in cw x rh by the stretch mode; other kinds give
    // Current back. Halves round to even.
    TPoint GetPictureSize(int cw, int rh, bool hastext, TPoint Current = TPoint{0, 0}) const;

    // The packed size of a button.
    int ButtonWidth() const { return CellIndex & 0xFFFF; }
    int ButtonHeight() const { return (CellIndex >> 16) & 0xFFFF; }
    // Whether a balloon list hangs on this check box or radio button.
    bool HasBalloonList() const;

private:
    // Frees what the current kind owns and forgets it.
    void ReleaseOwned();
    void SetKind(TCellType Kind, TCellHAlign hal, TCellVAlign val);
};

// cbChecked for true, cbUnchecked for false.
inline TCheckBoxState BoolToCheckBoxState(bool bChecked) {
    return bChecked ? cbChecked : cbUnchecked;
}

// Whether the cell's graphic is drawn from its data (data check and image boxes, row boxes).
bool IsDataGraphicCell(TExStringGrid* Grid, int ACol, int ARow);
// The space key on a radio group cell: selects the next item (after the last, the first) and
// writes it as the cell text. Always false.
bool CycleRadioSelection(TExStringGrid* Grid, int ACol, int ARow, bool Event);
