#include "grid/stringgrid/ExGrid.h"

#include "grid/foundation/Bands.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/ExStringGridCheck.h"
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/FocusHelper.h"
#include "grid/foundation/GridFocusWindow.h"
#include "grid/foundation/HTMLPicture.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/PictureContainer.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/SortIndexList.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/stringgrid/BackGround.h"
#include "grid/stringgrid/BalloonSettings.h"
#include "grid/stringgrid/BaseGridRowMover.h"
#include "grid/stringgrid/CellGraphic.h"
#include "grid/stringgrid/CellNode.h"
#include "grid/stringgrid/ColumnSize.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/DragDropSettings.h"
#include "grid/stringgrid/DragScrollOptions.h"
#include "grid/stringgrid/DropCheckList.h"
#include "grid/stringgrid/DropList.h"
#include "grid/stringgrid/Filter.h"
#include "grid/stringgrid/FilterDropDown.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/FooterPanel.h"
#include "grid/stringgrid/GridChangeNotifier.h"
#include "grid/stringgrid/GridProgressAppearance.h"
#include "grid/stringgrid/GridStrings.h"
#include "grid/stringgrid/Grouping.h"
#include "grid/stringgrid/HTMLHintWindow.h"
#include "grid/stringgrid/HTMLSettings.h"
#include "grid/stringgrid/HiddenColumnSet.h"
#include "grid/stringgrid/HiddenRowStore.h"
#include "grid/stringgrid/PrintPass.h"
#include "grid/stringgrid/PrintSettings.h"
#include "grid/stringgrid/SearchPanel.h"
#include "grid/stringgrid/ShowModified.h"
#include "grid/stringgrid/SizeWhileTyping.h"
#include "grid/stringgrid/SortSettings.h"
#include "platform/core/StringList.h"
#include "platform/ui/Application.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Font.h"
#include "platform/ui/HintMonitor.h"
#include "platform/ui/Menus.h"
#include "platform/ui/Screen.h"
#include "platform/ui/WindowTimer.h"

#include <algorithm>

TExStringGrid::TExStringGrid(TComponent* AOwner) : TBaseGrid(AOwner) {
    // First, as every count and mapping asks them.
    FHiddenColumns = std::make_unique<THiddenColumnSet>();
    FRowMover = std::make_unique<TBaseGridRowMover>(*this);
    FGridItems = std::make_unique<THiddenRowStore>(*FRowMover);
    // Controls live inside cells.
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    CreateOwnedObjects();
    SetRowCount(10);
    SetBounds(Left(), Top(), 400, 250);
    FFilter = std::make_unique<TFilter>();
    SetAutoSize(false);
    ApplyDefaults();
    FBalloonSettings = std::make_unique<TBalloonSettings>();
    FBalloonSettings->OnEnableChange = [this](TObject*) {
        if (Loading())
            return;
        if (FBalloonSettings->Enable())
            StartBalloons();
        else
            EndBalloons();
    };
    FShowModified = std::make_unique<TShowModified>();
    FShowModified->OnChange = [this](TObject*) { RepaintCol(0); };
    CreateLateOwnedObjects();
    if (!Designing())
        FHintMonitor = new THintMonitor(this);
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    GridLinkCursor = crHandPoint;
}

// The first table of owned objects, up to the sync grid, in the order the grid creates them.
void TExStringGrid::CreateOwnedObjects() {
    FFooterPanel = new TFooterPanel(this);
    FFooterPanel->SetAlign(alBottom);
    FFooterPanel->SetHeight(0);
    FFooterPanel->SetBorderWidth(0);
    FSearchPanel = new TSearchPanel(this);
    FSearchPanel->SetAlign(alBottom);
    FSearchPanel->SetHeight(0);
    FSearchPanel->SetBorderWidth(0);
    cf = std::make_unique<TFont>();
    FFocusHelper = std::make_unique<TFocusHelper>(this);
    const bool initDesign = Designing() && Owner() &&
                            !Owner()->ComponentState().Contains(csReading) &&
                            !Owner()->ComponentState().Contains(csLoading);
    FSearchFooter = std::make_unique<TSearchFooter>(this, initDesign);
    FSearchFooter->OnChange = [this](TObject*) { UpdateSearchPanel(); };
    FFloatingFooter = std::make_unique<TFloatingFooter>(this);
    FPrintSettings = std::make_unique<TPrintSettings>();
    FHTMLSettings = std::make_unique<THTMLSettings>();
    FSortSettings = std::make_unique<TSortSettings>(this);
    FDragDropSettings = std::make_unique<TDragDropSettings>(this);
    FDragScrollOptions = std::make_unique<TDragScrollOptions>();
    FControlLook = std::make_unique<TControlLook>(this);
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->OnChange = [this](TObject* Sender) { NavigationChanged(Sender); };
    FColumnSize = std::make_unique<TColumnSize>();
    // A stretch switched on before the grid has a parent waits for the first resize.
    FColumnSize->OnStretchChanged = [this] {
        if (Parent())
            ApplyColumnStretch(FColumnSize->StretchColumn);
    };
    FCellNode = std::make_unique<TCellNode>(this);
    FBands = std::make_unique<TBands>();
    FBands->OnChange = [this](TObject*) { Invalidate(); };
    FSizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    FMouseActions = std::make_unique<TMouseActions>(this);
    FMouseActions->OnChange = [this](TObject* Sender) { MouseActionsChanged(Sender); };
    FMouseActions->OnIsDesigning = [this](TObject* Sender, bool& IsDesigning) {
        IsDesignTime(Sender, IsDesigning);
    };
    FMouseActions->OnInvalidate = [this](TObject* Sender) { InvalidateGrid(Sender); };
    FMouseActions->OnDisableEdit = [this](TObject* Sender) { DisableEditing(Sender); };
    FGrouping = std::make_unique<TGrouping>();
    FColumnHeaders = std::make_unique<TGridStrings>();
    FColumnHeaders->OnChange = [this](TObject*) {
        ColumnHeadersChanged();
        ShowColumnHeaders();
    };
    FImageCache = std::make_unique<THTMLPictureCache>();
    FOrigColSizes = std::make_unique<TIntList>(-1, -1);
    FFixedFont = std::make_unique<TFont>();
    FFixedFont->SetName("Tahoma");
    FFixedFont->SetStyle(TFontStyles{fsBold});
    FFixedFont->OnChange = [this](TObject*) { Invalidate(); };
    FActiveCellFont = std::make_unique<TFont>();
    if (Designing())
        FActiveCellFont->SetName("Tahoma");
    FActiveCellFont->SetStyle(TFontStyles{fsBold});
    FActiveCellFont->OnChange = [this](TObject*) { Invalidate(); };
    FRowHeaders = std::make_unique<TGridStrings>();
    FRowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
    FSortList = std::make_unique<TStringList>();
    FLookupItems = std::make_unique<TStringList>();
    FSortIndexes = std::make_unique<TSortIndexList>();
    for (auto* list : {&FSortRowXRef, &FUnSortRowXRef, &FMergedColumns, &FSelectedCells,
                       &FSelectedRows, &FModifiedRows, &FEnabledRows})
        *list = std::make_unique<TIntList>(0, 0);
    FRowIndicator = std::make_unique<TBitmap>();
    FBackGround = std::make_unique<TBackGround>();
    FBackGround->OnChange = [this](TObject*) { Invalidate(); };
    FControlList = std::make_unique<TControlList>();
    FProgressAppearance = std::make_unique<TGridProgressAppearance>();
    FProgressAppearance->OnChange = [this](TObject*) { Invalidate(); };
    FSyncGrid = std::make_unique<TSyncGrid>(this);
}

// The rest of the first table, from the notifier list to the filter value list.
void TExStringGrid::CreateLateOwnedObjects() {
    FColumnOrder = std::make_unique<TIntList>(0, 0);
    FCellGraphic = std::make_unique<TCellGraphic>();
    FIgnoreColumns = std::make_unique<TIntList>(-1, -1);
    FFilterDropDown = std::make_unique<TFilterDropDown>();
    FFilterDropDown->OnChange = [this](TObject*) { Invalidate(); }; // the filter buttons' glyphs
    FDropList = new TDropList(this);
    FDropCheckList = new TDropCheckList(this);
    for (TDropListBase* list : {static_cast<TDropListBase*>(FDropList),
                                static_cast<TDropListBase*>(FDropCheckList)}) {
        list->SetParent(this);
        list->SetBounds(0, 0, 0, 0);
        list->SetVisible(false);
        list->OnCancel = [this](TObject*) { FilterListClosedWithoutChoice(); };
    }
    FDropList->OnSelect = [this](TObject*) { FilterSelect(FDropList->ItemIndex()); };
    FDropCheckList->OnSelect = [this](TObject*) {
        FilterCheckMarks.assign(static_cast<size_t>(FDropCheckList->Count()), false);
        for (int i = 0; i < FDropCheckList->Count(); ++i)
            FilterCheckMarks[static_cast<size_t>(i)] = FDropCheckList->Checked(i);
        FilterCheck();
    };
    FFilterList = std::make_unique<TStringList>();
    FFilterList->SetSorted(true);
}

void TExStringGrid::ApplyDefaults() {
    SetDefaultRowHeight(22);
    FFixedRowHeight = DefaultRowHeight();
    FLook = glXP;
    FULKGradientFrom = clWhite;
    FULKGradientTo = ColorToRGB(clBtnFace);
    FULKGradientMirrorFrom = clNone;
    FULKGradientMirrorTo = clNone;
    FIsWinXP = IsWinXPOrLater();
    FIsWin7 = IsVistaOrLater(); // the platform answers as a current desktop
    FIsComCtl6 = IsComCtl6();
    FBorderColor = FIsWinXP ? TColor{0xB99D7F} : TColor{0x808080};
    ScrollType = ssNormal;
    ScrollColor = clNone;
    ScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
    FIsWinVista = IsVistaOrLater();
}

TExStringGrid::~TExStringGrid() {
    FDestroying = true;
    if (FocusWindowGrid == this)
        FocusWindowGrid = nullptr;
    EndBalloons();
    if (FColumnSize->Save)
        SaveColSizes();
    ClearTextOnly = false;
    SaveHiddenCells = false;
    UnHideColumnsAll();
    ReturnObjectsKeptOutsideTheStore();
    FreeOwnedObjects();
    TBaseGrid::SetCursor(FOldCursor);
}

// Properties of rows cut off by a smaller RowCount go back to the cell store past every row in
// use, where the base grid frees every properties object it holds. Hidden rows are not shown:
// the row store frees their objects itself.
void TExStringGrid::ReturnObjectsKeptOutsideTheStore() {
    const int first = std::max(RowCount(), FCutOffFirst);
    FCutOffCells.ForEachObject([&](int c, int k, void* object) {
        SetGridObject(c, first + k, static_cast<TObject*>(object));
    });
    FCutOffCells.Clear();
    FCutOffRows = 0;
}

void TExStringGrid::FreeOwnedObjects() {
    cf.reset();
    FFocusHelper.reset();
    FIgnoreColumns.reset();
    FProgressAppearance.reset();
    FFloatingFooter.reset();
    FCellGraphic.reset();
    FControlList.reset();
    for (auto* list : {&FSortRowXRef, &FUnSortRowXRef, &FMergedColumns, &FSelectedCells,
                       &FSelectedRows, &FModifiedRows, &FEnabledRows})
        list->reset();
    FNotifierList.clear();
    FPrintSettings.reset();
    FHTMLSettings.reset();
    FSortSettings.reset();
    FDragDropSettings.reset();
    FDragScrollOptions.reset();
    FControlLook.reset();
    FNavigation.reset();
    FColumnSize.reset();
    FColumnOrder.reset();
    FCellNode.reset();
    FBands.reset();
    FSizeWhileTyping.reset();
    FImageCache.reset();
    FMouseActions.reset();
    FColumnHeaders.reset();
    FGrouping.reset();
    FFixedFont.reset();
    FActiveCellFont.reset();
    FRowHeaders.reset();
    FLookupItems.reset();
    FRowSelect.clear();
    FColSelect.clear();
    FSortIndexes.reset();
    FRowIndicator.reset();
    FBackGround.reset();
    delete FFooterPanel;
    FFooterPanel = nullptr;
    delete FSearchPanel;
    FSearchPanel = nullptr;
    FSearchFooter.reset();
    FBalloonSettings.reset();
    FShowModified.reset();
    FOrigColSizes.reset();
    FFilterDropDown.reset();
    delete FDropList;
    FDropList = nullptr;
    delete FDropCheckList;
    FDropCheckList = nullptr;
    FFilterList.reset();
    FSyncGrid.reset();
    FSortList.reset();
    FGridItems.reset(); // before the mover it frees through
    FRowMover.reset();
    FFilter.reset();
}

// --- life cycle --------------------------------------------------------------------------------

void TExStringGrid::SetParent(TWinControl* AParent) {
    TBaseGrid::SetParent(AParent);
    if (AParent && !Destroying())
        CreateWnd();
}

// The footer and search panels under the cells lay out their columns and controls in the
// grid's direction.
void TExStringGrid::BiDiModeChanged() {
    SetMirroredLayout(FFooterPanel, UseRightToLeftAlignment());
    SetMirroredLayout(FSearchPanel, UseRightToLeftAlignment());
}

void TExStringGrid::CreateWnd() {
    if (Destroying() || !Parent())
        return;
    if (!Designing() && FBalloonSettings->Enable())
        StartBalloons();
    FFooterPanel->SetParent(this);
    FFooterPanel->SetVisible(FFloatingFooter->Visible);
    FSearchPanel->SetParent(this);
    FSearchPanel->SetVisible(FSearchFooter->Visible());
    FSearchPanel->SetHeight(FSearchFooter->Visible() ? 32 : 0);
    if (FColumnSize->Save)
        RestoreSavedColSizes();
    FGridTimerID = static_cast<int>(::SetTimer(this, GridTimerIdentifier, GridTimerInterval));
    if (Designing() && !FLoaded && !Loading())
        Font()->SetName("Tahoma");
    wheelmsg = WM_MOUSEWHEEL;
    wheelscrl = 3;
    wheelpan = false;
}

void TExStringGrid::Loaded() {
    FOldCursor = Cursor();
    ShowColumnHeaders();
    ShowRowHeaders();
    if (FLook == glULK) {
        // Streamed as a field: the setter applies its colours only when the look changes.
        FLook = glCustom;
        SetLook(glULK);
    }
    if (FAutoSize)
        AutoSizeColumns(false, 4);
    if (FColumnSize->Save)
        RestoreSavedColSizes();
    FFixedRowsMin = FixedRows();
    FFixedColsMin = FixedCols();
    MinRowHeight = DefaultRowHeight();
    MinColWidth = 10;
    FMaxRowCount = RowCount();
    FLoaded = true;
    if (Options().Contains(goAlwaysShowEditor)) {
        FNavigation->AlwaysEdit = true;
        SetOptions(Options() - TGridOptions{goAlwaysShowEditor});
    }
    if (!Designing() && !FIsWinXP && FControlLook->ControlStyle() == csTheme)
        FControlLook->SetControlStyle(csClassic);
    FSearchFooter->SetAutoThemeAdapt(FAutoThemeAdapt);
    UpdateSearchPanel();
    UpdateScrollBarsAlways(false);
    if (FAutoThemeAdapt && !Designing())
        AdaptToOfficeTheme();
    InitOrigColSizes();
    SetColumnOrder();
    if (FBalloonSettings->Enable())
        StartBalloons();
    ApplyVCLStyleColors();
}

void TExStringGrid::Assign(TObject* Source) {
    auto* source = dynamic_cast<TExStringGrid*>(Source);
    if (!source || source == this)
        return;
    SetFont(source->Font());
    FActiveCellColor = source->FActiveCellColor;
    FActiveCellColorTo = source->FActiveCellColorTo;
    FActiveCellFont->Assign(*source->FActiveCellFont);
    FActiveCellShow = source->FActiveCellShow;
    SetActiveRowShow(source->ActiveRowShow());
    SetAlign(source->Align());
    FFilterDropDown->Assign(source->FFilterDropDown.get());
    AnchorHint = source->AnchorHint;
    AutoNumAlign = source->AutoNumAlign;
    FAutoSize = source->FAutoSize;
    FAutoThemeAdapt = source->FAutoThemeAdapt;
    AutoFilterUpdate = source->AutoFilterUpdate;
    FMouseActions->Assign(source->FMouseActions.get());
    FNavigation->Assign(source->FNavigation.get());
    FGrouping->Assign(source->FGrouping.get());
    FSearchFooter->Assign(source->FSearchFooter.get());
    FPrintSettings->Assign(source->FPrintSettings.get());
    FFilter->Assign(source->FFilter.get());
    FHTMLSettings->Assign(source->FHTMLSettings.get());
    FBands->Assign(source->FBands.get());
    FCellNode->Assign(source->FCellNode.get());
    FSortSettings->Assign(source->FSortSettings.get());
    FDragScrollOptions->Assign(source->FDragScrollOptions.get());
    FDragDropSettings->Assign(source->FDragDropSettings.get());
    FProgressAppearance->Assign(source->FProgressAppearance.get());
    FColumnSize->Assign(source->FColumnSize.get());
    FSyncGrid->Assign(source->FSyncGrid.get());
    FFocusHelper->Assign(source->FFocusHelper.get());
    FFixedRowAlways = source->FFixedRowAlways;
    SetColCount(source->ColCount());
    SetRowCount(source->RowCount());
    SetFixedRows(source->FixedRows());
    SetFixedCols(source->FixedCols());
    SetDefaultColWidth(source->DefaultColWidth());
    SetDefaultRowHeight(source->DefaultRowHeight());
    SetFixedRowHeight(source->FixedRowHeight());
    SetFixedColWidth(source->FixedColWidth());
    InvalidEntryIcon = source->InvalidEntryIcon;
    SetOptions(source->Options());
    for (int c = 0; c < ColCount(); ++c)
        SetColWidths(c, source->ColWidths(c));
    FColumnHeaders->Assign(*source->FColumnHeaders);
    for (int r = 0; r < RowCount(); ++r)
        SetRowHeights(r, source->RowHeights(r));
    FScrollProportional = source->FScrollProportional;
    ScrollSynch = source->ScrollSynch;
    ScrollWidth = source->ScrollWidth;
    ScrollHints = source->ScrollHints;
    FScrollBarAlways = source->FScrollBarAlways;
    // Through the setters: a flat source's bars are set up here as well.
    SetScrollBars(source->ScrollBars());
    SetScrollColor(source->ScrollColor);
    SetScrollType(source->ScrollType);
    SetScrollWidth(source->ScrollWidth);
    AssignCells(source);
}

void TExStringGrid::Notification(TComponent* AComponent, bool removing) {
    if (removing) {
        if (AComponent == GridImages)
            GridImages = nullptr;
        if (AComponent == PictureContainer)
            PictureContainer = nullptr;
        if (AComponent == CellChecker)
            CellChecker = nullptr;
        if (static_cast<TObject*>(FixedDropDownMenu) == static_cast<TObject*>(AComponent))
            FixedDropDownMenu = nullptr;
        if (!Destroying() && FSyncGrid &&
            static_cast<TObject*>(FSyncGrid->Grid()) == static_cast<TObject*>(AComponent))
            FSyncGrid->SetGrid(nullptr);
    }
    TBaseGrid::Notification(AComponent, removing);
}

void TExStringGrid::Invalidate() {
    if (FEditChange) {
        FEditChange = false;
        return;
    }
    TBaseGrid::Invalidate();
}

void TExStringGrid::Resize() {
    TBaseGrid::Resize();
    if (FBackGround && FBackGround->IsGradient() && FBackGround->ColorTo() != clNone)
        Invalidate();
    UpdateScrollBarsAlways(false);
    CellControlsUpdate(false);
    if (Designing())
        Invalidate();
}

// --- header lists ------------------------------------------------------------------------------

void TExStringGrid::SetColumnHeaders(const TStringList& Value) {
    FColumnHeaders->Assign(Value);
    if (FixedRows() > 0)
        ClearColumnHeaders();
    ShowColumnHeaders();
}

void TExStringGrid::SetRowHeaders(const TStringList& Value) {
    FRowHeaders->Assign(Value);
    if (Designing() && FixedCols() > 0)
        ClearRowHeaders();
    ShowRowHeaders();
}

void TExStringGrid::ShowColumnHeaders() {
    if (FixedRows() <= 0 || !FColumnHeaders)
        return;
    const int count = std::min(FColumnHeaders->Count(), TotalColCount());
    for (int i = 0; i < count; ++i)
        SetCellEx(i, 0, UnescapeNewLines((*FColumnHeaders)[i]));
}

void TExStringGrid::ClearColumnHeaders() {
    for (int i = 0; i < ColCount(); ++i)
        SetCellEx(i, 0, "");
}

void TExStringGrid::ShowRowHeaders() {
    if (FixedCols() <= 0 || !FRowHeaders)
        return;
    const int count = std::min(FRowHeaders->Count(), RowCount());
    for (int i = 0; i < count; ++i)
        SetCellEx(0, i, UnescapeNewLines((*FRowHeaders)[i]));
}

void TExStringGrid::ClearRowHeaders() {
    for (int i = 0; i < RowCount(); ++i)
        SetCellEx(0, i, "");
}

// --- notifiers, version, fonts -----------------------------------------------------------------

void TExStringGrid::RegisterNotifier(TGridChangeNotifier* Item) {
    if (Item && std::find(FNotifierList.begin(), FNotifierList.end(), Item) == FNotifierList.end())
        FNotifierList.push_back(Item);
}

void TExStringGrid::UnRegisterNotifier(TGridChangeNotifier* ANotifier) {
    std::erase(FNotifierList, ANotifier);
}

uint32_t TExStringGrid::GetVersionNr() {
    return 0x06020103;
}

std::string TExStringGrid::Version() const {
    const uint32_t nr = const_cast<TExStringGrid*>(this)->GetVersionNr();
    return std::to_string((nr >> 24) & 0xFF) + "." + std::to_string((nr >> 16) & 0xFF) + "." +
           std::to_string((nr >> 8) & 0xFF) + "." + std::to_string(nr & 0xFF);
}

std::string TExStringGrid::GetVersionString() {
    return Version() + " Sep, 2012";
}

TFont* TExStringGrid::GetCellFont(int ACol, int ARow) {
    const TCellProperties* props = ExistingProperties(ACol, ARow);
    if (!props)
        return Font();
    cf->SetName(props->FontName());
    cf->SetSize(props->FontSize());
    cf->SetStyle(props->FontStyle());
    cf->SetColor(props->FontColor());
    return cf.get();
}

// Copies every stored text of the source's real columns and rows.
void TExStringGrid::AssignCells(TObject* Source) {
    auto* source = dynamic_cast<TExStringGrid*>(Source);
    if (!source || source == this)
        return;
    for (int r = 0; r < source->RowCount(); ++r)
        for (int c = 0; c < source->TotalColCount(); ++c)
            SetGridCell(c, r, source->GetGridCell(c, r));
    BulkCellsChanged();
}

// The grid comes up with the widths it has when the saved ones cannot be read; the error goes
// to the application's error report (OnException, or a message) instead of ending the start.
void TExStringGrid::RestoreSavedColSizes() {
    try {
        LoadColSizes();
    } catch (const std::exception&) {
        if (!Application)
            throw;
        Application->HandleException(this);
    }
}
