#pragma once

#include "grid/stringgrid/ExGridTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>
#include <string>
#include <string_view>

class TBitmap;
class TExStringGrid;

enum TSortBlankPosition { blFirst, blLast };
enum TIndexSortKey { ikShift, ikCtrl };

// How the grid sorts and shows its sort state: the sort column and direction, the comparison
// options, the header indicator and the header-click behaviour.
class TSortSettings : public TObject {
public:
    explicit TSortSettings(TExStringGrid* AOwner = nullptr);
    ~TSortSettings() override;

    // Copies every setting except SortOnVirtualCells and IgnoreCase; other sources are ignored.
    void Assign(const TObject* Source);
    // "u<column>" or "d<column>", or "i;" and the sort index text while IndexShow is on.
    std::string SaveToString() const;
    // Turns Show on and sorts as the text says. Throws Exception for a text of one character.
    void LoadFromString(std::string_view Value);
    // No sort column and no sort index any more.
    void Remove();
    void ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }

    TExStringGrid* Grid() const { return FGrid; }
    bool Show() const { return FShow; }
    void SetShow(bool Value);
    bool IndexShow() const { return FIndexShow; }
    void SetIndexShow(bool Value) { FIndexShow = Value; }
    int Row() const { return FRow; }
    // Only a fixed row (or the row just below them) can carry the sort indicator.
    void SetRow(int Value);
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { SetHeaderColour(FHeaderColor, Value); }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { SetHeaderColour(FHeaderColorTo, Value); }
    TColor HeaderMirrorColor() const { return FHeaderMirrorColor; }
    void SetHeaderMirrorColor(TColor Value) { SetHeaderColour(FHeaderMirrorColor, Value); }
    TColor HeaderMirrorColorTo() const { return FHeaderMirrorColorTo; }
    void SetHeaderMirrorColorTo(TColor Value) { SetHeaderColour(FHeaderMirrorColorTo, Value); }
    TBitmap* UpGlyph() const { return FUpGlyph.get(); }
    void SetUpGlyph(const TBitmap* Value);
    TBitmap* DownGlyph() const { return FDownGlyph.get(); }
    void SetDownGlyph(const TBitmap* Value);
    TBitmap* IndexUpGlyph() const { return FIndexUpGlyph.get(); }
    void SetIndexUpGlyph(const TBitmap* Value);
    TBitmap* IndexDownGlyph() const { return FIndexDownGlyph.get(); }
    void SetIndexDownGlyph(const TBitmap* Value);

    bool Full = true;
    bool SingleColumn = false;
    bool IgnoreBlanks = false;
    TSortBlankPosition BlankPos = blFirst;
    bool AutoFormat = true;
    TSortDirection Direction = sdAscending;
    bool NormalCellsOnly = false;
    bool FixedCols = false;
    int Column = -1;
    bool AutoColumnMerge = false;
    TColor IndexColor = clYellow;
    TSortDirection InitSortDirection = sdAscending;
    bool UndoSort = false;
    bool AutoSortForGrouping = true;
    bool SortOnVirtualCells = true;
    bool IgnoreCase = false;
    TIndexSortKey IndexSortKey = ikShift;

private:
    void SetHeaderColour(TColor& Field, TColor Value);
    void RepaintHeaderRow();

    TExStringGrid* FGrid;
    bool FShow = false;
    bool FIndexShow = false;
    int FRow = 0;
    TColor FHeaderColor = clNone;
    TColor FHeaderColorTo = clNone;
    TColor FHeaderMirrorColor = clNone;
    TColor FHeaderMirrorColorTo = clNone;
    std::unique_ptr<TBitmap> FUpGlyph;
    std::unique_ptr<TBitmap> FDownGlyph;
    std::unique_ptr<TBitmap> FIndexUpGlyph;
    std::unique_ptr<TBitmap> FIndexDownGlyph;
};
