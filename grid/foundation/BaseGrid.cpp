#include "grid/foundation/BaseGrid.h"

#include "grid/foundation/ExGridUndoRedo.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Font.h"

#include <memory>
#include <set>
#include <utility>
#include <vector>

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner) {
    // The base grid draws every cell and line itself.
    TStringGrid::SetDefaultDrawing(false);
    TStringGrid::SetGridLineWidth(0);
}

TBaseGrid::~TBaseGrid() {
    FDestroying = true;
    // An undo component the grid does not own outlives it: it must not keep pointing here.
    SetUndoRedo(nullptr);
    FreeAllCellProperties();
    // Properties of cells outside the counts (shrunk grids, hidden columns) go too, once each.
    std::set<TCellProperties*> rest;
    ForEachObject([&](int, int, TObject* object) {
        if (auto* props = dynamic_cast<TCellProperties*>(object))
            rest.insert(props);
    });
    for (TCellProperties* props : rest)
        DeleteProperties(props);
}

// --- cell access -------------------------------------------------------------------------------

TCellProperties* TBaseGrid::PropertiesOf(int c, int r) const {
    return dynamic_cast<TCellProperties*>(GetGridObject(c, r));
}

bool TBaseGrid::HasCellProperties(int c, int r) const {
    // Most cells hold no object: their slot is read before the counts are asked.
    return GetGridObject(c, r) && c >= 0 && c < TotalColCount() && r >= 0 && r < RowCount() &&
           PropertiesOf(c, r);
}

std::string TBaseGrid::GetCellEx(int c, int r) const {
    if (HasCellProperties(c, r)) {
        const TPoint base = PropertiesOf(c, r)->GetBaseCell(c, r);
        c = base.X;
        r = base.Y;
    }
    std::string text = TStringGrid::Cells(c, r);
    if (r < FNormalRowCount) {
        GetDisplText(c, r, text);
        if (OnGetDisplWideText)
            GetDisplWideText(c, r, text);
    }
    return text;
}

void TBaseGrid::SetCellEx(int c, int r, const std::string& Value) {
    // Most cells have no object at all; the slot is read inline before anything is called.
    if (GetGridObject(c, r) && HasCellProperties(c, r)) {
        const TPoint base = PropertiesOf(c, r)->GetBaseCell(c, r);
        TStringGrid::SetCells(base.X, base.Y, Value);
        CellTextChanged(base.X, base.Y);
        if (Parent())
            RepaintCell(c, r);
    } else {
        TStringGrid::SetCells(c, r, Value);
    }
    if (FHideLastRow && r == RowCount() - 1)
        LastRowChanged();
}

void TBaseGrid::SetGridObject(int c, int r, TObject* Value) {
    TStringGrid::SetObjects(c, r, Value);
}

void TBaseGrid::GetDisplText(int ACol, int ARow, std::string& Value) const {
    if (OnGetDisplText)
        OnGetDisplText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

// Text is UTF-8 throughout, so the wide hook sees the same text as the plain one.
void TBaseGrid::GetDisplWideText(int ACol, int ARow, std::string& Value) const {
    if (OnGetDisplWideText)
        OnGetDisplWideText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

// --- cell properties ---------------------------------------------------------------------------

TCellProperties* TBaseGrid::GetCellProperties(int c, int r) {
    if (TCellProperties* props = PropertiesOf(c, r))
        return props;
    return CreateCellProperties(c, r);
}

TCellProperties* TBaseGrid::CreateCellProperties(int c, int r) {
    auto owned = std::make_unique<TCellProperties>(this, c, r);
    TStringGrid::SetObjects(c, r, owned.get()); // refuses bad coordinates before anything leaks
    // From here the slot owns it: a defaults hook that throws leaves a plain object behind, not
    // a dangling one.
    TCellProperties* props = owned.release();
    TFont font;
    font.Assign(*Font());
    TBrush brush;
    brush.SetColor(Color());
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetDefaultCellProperties(c, r, &font, &brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww,
                             gd);
    props->FCalcType = acNONE;
    props->FAlignment = ha;
    props->FVAlignment = va;
    props->FWordWrap = ww;
    props->FFontName = font.Name();
    props->FFontSize = font.Size();
    props->FFontStyle = font.Style();
    props->FFontColor = font.Color();
    props->FBrushColor = brush.Color();
    props->FBrushColorTo = colorTo;
    props->FGradientDirection = gd;
    return props;
}

void TBaseGrid::GetDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush,
                                         TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD) {
    AFont->Assign(*Font());
    ABrush->SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value) {
    TCellProperties* old = PropertiesOf(c, r);
    TStringGrid::SetObjects(c, r, Value);
    if (old != Value)
        delete old;
}

uintptr_t TBaseGrid::GetObjectEx(int c, int r) const {
    const TCellProperties* props = PropertiesOf(c, r);
    return props ? props->CellObject() : 0;
}

void TBaseGrid::SetObjectEx(int c, int r, uintptr_t Value) {
    GetCellProperties(c, r)->SetCellObject(Value);
}

TObject* TBaseGrid::GetGraphicObjectEx(int c, int r) const {
    const TCellProperties* props = PropertiesOf(c, r);
    return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int c, int r, TObject* Value) {
    if (FDestroying)
        return;
    GetCellProperties(c, r)->SetGraphicObject(Value);
}

TObject* TBaseGrid::PropertiesGraphic(const TCellProperties* AProps) const {
    return AProps ? AProps->GraphicObject() : nullptr;
}

// --- detaching and freeing ---------------------------------------------------------------------

void TBaseGrid::ResetColumn(int ACol) {
    for (int row = 0; row < RowCount(); ++row) {
        SetGridObject(ACol, row, nullptr);
        SetCellEx(ACol, row, "");
    }
}

void TBaseGrid::ResetRow(int ARow) {
    for (int col = 0; col < ColCount(); ++col) {
        SetGridObject(col, ARow, nullptr);
        SetCellEx(col, ARow, "");
    }
}

void TBaseGrid::ResetCell(int ACol, int ARow) {
    SetCellEx(ACol, ARow, "");
    SetGridObject(ACol, ARow, nullptr);
}

void TBaseGrid::FreeCellPropertiesRange(int FromCol, int FromRow, int ToCol, int ToRow) {
    if (!FHasCellProps)
        return;
    FreePropertiesIn(FromCol, FromRow, ToCol, ToRow);
}

// Frees the properties (and the grid's own TCellGraphic objects) of the cells of a range.
void TBaseGrid::FreePropertiesIn(int FromCol, int FromRow, int ToCol, int ToRow) {
    // Walk the cells that hold objects, not the whole range: most cells have none.
    std::vector<std::pair<int, int>> cells;
    ForEachObject([&](int c, int r, TObject*) {
        if (c >= FromCol && c <= ToCol && r >= FromRow && r <= ToRow)
            cells.emplace_back(c, r);
    });
    for (auto [c, r] : cells) {
        TCellProperties* props = PropertiesOf(c, r);
        if (!props)
            continue;
        DeleteProperties(props);
        SetGridObject(c, r, nullptr);
    }
}

// Other graphic objects belong to whoever attached them.
void TBaseGrid::DeleteProperties(TCellProperties* props) {
    TObject* graphic = props->GraphicObject();
    if (graphic && graphic->ClassName() == "TCellGraphic")
        delete graphic;
    delete props;
}

// Cells leaving the grid take their properties along; nobody could reach them any more.
void TBaseGrid::DroppingCells(const TGridRect& Range) {
    FreePropertiesIn(Range.Left, Range.Top, Range.Right, Range.Bottom);
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow) {
    TCellProperties* props = PropertiesOf(ACol, ARow);
    if (!props)
        return;
    delete props;
    SetGridObject(ACol, ARow, nullptr);
}

void TBaseGrid::FreeAllCellProperties() {
    FreeCellPropertiesRange(0, 0, ColCount() - 1, RowCount() - 1);
}

// --- editor text and notifications -------------------------------------------------------------

std::string TBaseGrid::GetEditorText(int ACol, int ARow) {
    return TObjStringGrid::GetEditorText(ACol, ARow);
}

void TBaseGrid::SetEditorText(int ACol, int ARow, const std::string& Value) {
    TObjStringGrid::SetEditorText(ACol, ARow, Value);
}

void TBaseGrid::HandleScaleChange(int M, int D) {
    TObjStringGrid::HandleScaleChange(M, D);
}

void TBaseGrid::Notification(TComponent* component, bool removing) {
    TObjStringGrid::Notification(component, removing);
    if (removing && component == FUndoRedo)
        FUndoRedo = nullptr;
}

// One component per grid and one grid per component; TExGridUndoRedo::SetGrid keeps the other
// side of the link.
void TBaseGrid::SetUndoRedo(TExGridUndoRedo* Value) {
    if (FUndoRedo == Value)
        return;
    TExGridUndoRedo* old = FUndoRedo;
    FUndoRedo = Value;
    if (old != nullptr && old->Grid() == this)
        old->SetGrid(nullptr);
    if (Value != nullptr)
        Value->SetGrid(this);
}

// --- property writes ---------------------------------------------------------------------------

void TBaseGrid::SetDefaultDrawing(bool Value) {
    FDefaultDrawing = Value;
    TStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = Value;
    TStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
    FGridFixedLineColor = Value;
    Invalidate();
}

namespace {
// Stores a look setting and repaints only when it changed.
template <typename T> bool Change(T& field, T value) {
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) {
    if (Change(FSelectionStyle, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value) {
    if (Change(FActiveRowShow, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value) {
    if (Change(FActiveRowColor, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor Value) {
    if (Change(FActiveRowColorTo, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor Value) {
    if (Change(FActiveRowMirrorColor, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) {
    if (Change(FActiveRowMirrorColorTo, Value))
        Invalidate();
}
