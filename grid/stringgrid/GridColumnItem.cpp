#include "grid/stringgrid/GridColumnItem.h"

#include "grid/stringgrid/ExCGrid.h"
#include "grid/stringgrid/GridColumnCollection.h"

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Collection) : FCollection(Collection) {
    FBorderPen.SetColor(clSilver);
    PrintBorderPen.SetColor(clBlack);
    // Only an item inside a grid's collection starts from the grid's look and reports changes.
    if (TExColumnGrid* grid = Grid()) {
        FColor = grid->Color();
        FFont.Assign(*grid->Font());
        FHeaderFont.Assign(*grid->Font());
        PrintFont.Assign(*grid->Font());
    }
    if (FCollection) {
        FFont.OnChange = [this](TObject*) { Changed(); };
        FHeaderFont.OnChange = [this](TObject*) { Changed(); };
    }
}

TGridColumnItem::~TGridColumnItem() = default;

TExColumnGrid* TGridColumnItem::Grid() const {
    return FCollection ? FCollection->GetOwner() : nullptr;
}

int TGridColumnItem::Index() const {
    return FCollection ? FCollection->IndexOf(this) : -1;
}

std::string TGridColumnItem::DisplayName() const {
    const std::string index = std::to_string(Index());
    return Name.empty() ? "Column " + index : "Col " + index + ": " + Name;
}

void TGridColumnItem::Changed() {
    if (FCollection)
        FCollection->Update();
}

void TGridColumnItem::InvalidateGrid() {
    if (TExColumnGrid* grid = Grid())
        grid->Invalidate();
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
    FAlignment = Value;
    InvalidateGrid();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
    FBorders = Value;
    Changed();
}

void TGridColumnItem::SetBorderPen(const TPen& Value) {
    FBorderPen.Assign(Value);
    Changed();
}

void TGridColumnItem::SetColor(TColor Value) {
    FColor = Value;
    Changed();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
    if (Value == FEditor)
        return;
    // Check boxes appear or vanish with a data check-box column.
    const bool checkBoxes = FEditor == edDataCheckBox || Value == edDataCheckBox;
    FEditor = Value;
    if (checkBoxes)
        InvalidateGrid();
}

void TGridColumnItem::SetFilter(const TStringList& Value) {
    FFilter = Value;
    InvalidateGrid();
}

void TGridColumnItem::SetFixed(bool Value) {
    FFixed = Value;
    Changed();
}

void TGridColumnItem::SetFloatFormat(const std::string& Value) {
    FFloatFormat = Value;
    InvalidateGrid();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
    FHeaderAlignment = Value;
    InvalidateGrid();
}

void TGridColumnItem::SetPassword(bool Value) {
    FPassword = Value;
    Changed();
}

void TGridColumnItem::SetShowBands(bool Value) {
    FShowBands = Value;
    Changed();
}

void TGridColumnItem::SetHeader(const std::string& Value) {
    FHeader = Value;
    TExColumnGrid* grid = Grid();
    if (!grid)
        return;
    if (grid->FixedRows() > 0 && !grid->FColMoving) {
        // An item added ahead of its column has no cell yet.
        if (Index() < grid->TotalColCount())
            grid->SetCells(Index(), 0, Value);
        FCollection->Update();
    }
    grid->RebuildHeaderList();
}

int TGridColumnItem::Width() const {
    TExColumnGrid* grid = Grid();
    if (!grid)
        return 0;
    return Index() < grid->TotalColCount() ? grid->AllColWidths(Index()) : FWidth;
}

void TGridColumnItem::SetWidth(int Value) {
    FWidth = Value;
    if (TExColumnGrid* grid = Grid(); grid && Index() < grid->TotalColCount())
        grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::Assign(const TObject* Source) {
    if (const auto* source = dynamic_cast<const TGridColumnItem*>(Source))
        CopyFrom(*source, false);
}

void TGridColumnItem::AssignVisuals(const TObject* Source) {
    if (const auto* source = dynamic_cast<const TGridColumnItem*>(Source))
        CopyFrom(*source, true);
}

void TGridColumnItem::CopyFrom(const TGridColumnItem& Source, bool VisualsOnly) {
    if (&Source == this)
        return;
    AutoMinSize = Source.AutoMinSize;
    AutoMaxSize = Source.AutoMaxSize;
    FAlignment = Source.FAlignment;
    FBorders = Source.FBorders;
    FBorderPen.Assign(Source.FBorderPen);
    CheckFalse = Source.CheckFalse;
    CheckTrue = Source.CheckTrue;
    ColumnPopup = Source.ColumnPopup;
    EditLength = Source.EditLength;
    EditLink = Source.EditLink;
    EditMask = Source.EditMask;
    FEditor = Source.FEditor;
    FFilter = Source.FFilter;
    FilterCaseSensitive = Source.FilterCaseSensitive;
    FFixed = Source.FFixed;
    FFloatFormat = Source.FFloatFormat;
    FHeaderAlignment = Source.FHeaderAlignment;
    MinSize = Source.MinSize;
    MaxSize = Source.MaxSize;
    FPassword = Source.FPassword;
    PrintBorders = Source.PrintBorders;
    PrintBorderPen.Assign(Source.PrintBorderPen);
    PrintColor = Source.PrintColor;
    PrintFont.Assign(Source.PrintFont);
    ReadOnly = Source.ReadOnly;
    FShowBands = Source.FShowBands;
    SortStyle = Source.SortStyle;
    SortPrefix = Source.SortPrefix;
    SortSuffix = Source.SortSuffix;
    SpinMax = Source.SpinMax;
    SpinMin = Source.SpinMin;
    SpinStep = Source.SpinStep;
    FWidth = Source.FWidth;
    DefIdx = Source.DefIdx;
    if (VisualsOnly) {
        if (TExColumnGrid* grid = Grid()) {
            FColor = grid->Color();
            FFont.Assign(*grid->Font());
        }
        return;
    }
    FColor = Source.FColor;
    FFont.Assign(Source.FFont);
    FComboItems = Source.FComboItems;
    DropDownCount = Source.DropDownCount;
    FHeaderFont.Assign(Source.FHeaderFont);
    FHeader = Source.FHeader;
    Name = Source.Name;
    Tag = Source.Tag;
}

std::string TGridColumnItem::Rows(int i) const {
    TExColumnGrid* grid = Grid();
    return grid ? grid->Cells(Index(), i) : std::string();
}

void TGridColumnItem::SetRows(int i, const std::string& Value) {
    if (TExColumnGrid* grid = Grid())
        grid->SetCells(Index(), i, Value);
}

int TGridColumnItem::Ints(int i) const {
    TExColumnGrid* grid = Grid();
    return grid ? grid->Ints(Index(), i) : 0;
}

void TGridColumnItem::SetInts(int i, int Value) {
    if (TExColumnGrid* grid = Grid())
        grid->SetInts(Index(), i, Value);
}

double TGridColumnItem::Floats(int i) const {
    TExColumnGrid* grid = Grid();
    return grid ? grid->Floats(Index(), i) : 0;
}

void TGridColumnItem::SetFloats(int i, double Value) {
    if (TExColumnGrid* grid = Grid())
        grid->SetFloats(Index(), i, Value);
}

TDateTime TGridColumnItem::Dates(int i) const {
    TExColumnGrid* grid = Grid();
    return grid ? grid->Dates(Index(), i) : 0;
}

void TGridColumnItem::SetDates(int i, TDateTime Value) {
    if (TExColumnGrid* grid = Grid())
        grid->SetDates(Index(), i, Value);
}

TDateTime TGridColumnItem::Times(int i) const {
    TExColumnGrid* grid = Grid();
    return grid ? grid->Times(Index(), i) : 0;
}

void TGridColumnItem::SetTimes(int i, TDateTime Value) {
    if (TExColumnGrid* grid = Grid())
        grid->SetTimes(Index(), i, Value);
}
