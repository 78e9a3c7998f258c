// The search footer: the panel under the cells that searches as the user types.
#include "grid/foundation/ExUtil.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/stringgrid/ControlLook.h"
#include "grid/stringgrid/ExGrid.h"
#include "grid/stringgrid/FloatingFooter.h"
#include "grid/stringgrid/SearchPanel.h"
#include "platform/ui/Font.h"

#include <functional>

namespace {

constexpr TPoint NoFooterCell{-1, -1};
constexpr int FooterHeight = 32;

// The letter after the "&" of a caption ("&&" shows an ampersand), upper-cased; 0 for none.
char32_t AcceleratorOf(std::string_view Caption) {
    for (size_t at = Caption.find('&'); at != std::string_view::npos && at + 1 < Caption.size();
         at = Caption.find('&', at + 2)) {
        if (Caption[at + 1] != '&') {
            const std::u32string rest = Utf8ToCodePoints(Caption.substr(at + 1));
            return rest.empty() ? 0 : UpperChar(rest[0]);
        }
    }
    return 0;
}

} // namespace

void TExStringGrid::UpdateSearchPanel() {
    if (Loading() || !FSearchPanel || !FSearchFooter)
        return;
    TSearchPanel* panel = FSearchPanel;
    const TSearchFooter* footer = FSearchFooter.get();
    const bool closing = panel->HighlightDown() && panel->Visible() && !footer->Visible();
    if (closing || footer->AlwaysHighLight)
        UnHilightInGrid(false);

    panel->SetColor(footer->Color());
    panel->SetColorTo(footer->ColorTo());
    panel->SetVisible(footer->Visible());
    panel->SetFindNextCaption(footer->FindNextCaption());
    panel->SetFindPrevCaption(footer->FindPrevCaption());
    panel->SetHighLightCaption(footer->HighLightCaption());
    panel->SetMatchCaseCaption(footer->MatchCaseCaption());
    panel->SetHintFindNext(footer->HintFindNext());
    panel->SetHintFindPrev(footer->HintFindPrev());
    panel->SetHintHighlight(footer->HintHighlight());
    panel->SetHintClose(footer->HintClose());
    panel->Font()->Assign(*footer->Font());

    const TGridControlStyle style = ControlLook()->ControlStyle();
    panel->SetButtonLook(AutoThemeAdapt() || style == csFlat, style == csWinXP || style == csTheme,
                         AutoThemeAdapt());
    panel->ShowParts(footer->ShowHighLight(), footer->ShowClose(), footer->ShowMatchCase(),
                     footer->ShowFindPrev(), footer->ShowFindNext());

    if (footer->Visible()) {
        panel->SetHeight(FooterHeight);
        panel->SetTop(Height() - FooterHeight);
        ScrollAboveSearchFooter();
    } else {
        panel->SetHeight(0);
    }
}

TFindParams TExStringGrid::SearchFooterParams(bool Backward, bool FromEdit) {
    const TSearchFooter* footer = FSearchFooter.get();
    TFindParams params{fnAutoGoto};
    if (Backward)
        params << fnBackward;
    if (FSearchPanel->HighlightDown())
        params << fnIgnoreHTMLTags;
    if (FSearchPanel->MatchCaseChecked())
        params << fnMatchCase;
    if (footer->SearchActiveColumnOnly)
        params << fnFindInCurrentCol;
    if (footer->SearchMatchStart)
        params << fnMatchStart;
    // Typing searches the fixed cells and hidden rows when asked; the buttons never do.
    if (FromEdit && footer->SearchFixedCells)
        params << fnIncludeFixed;
    if (FromEdit && footer->SearchHiddenRows)
        params << fnIncludeHiddenRows;
    if (footer->SearchDirection == sdLeftRight)
        params << fnDirectionLeftRight;
    if (footer->SearchColumn >= 0 && footer->SearchColumn < ColCount()) {
        FindCol = footer->SearchColumn;
        params << fnFindInPresetCol;
    }
    return params;
}

// Highlights (or removes the highlights of) the footer's text in the footer's column, or in
// the whole grid when it searches all columns.
void TExStringGrid::SearchFooterHighlightRange(bool On) {
    const int column = FSearchFooter->SearchColumn;
    const bool oneColumn = column >= 0 && column < ColCount();
    const bool matchCase = FSearchPanel->MatchCaseChecked();
    const std::string text = FSearchPanel->SearchText();
    if (oneColumn && On)
        HilightInCol(false, matchCase, RealColIndex(column), text);
    else if (oneColumn)
        UnHilightInCol(false, RealColIndex(column));
    else if (On)
        HilightInGrid(false, matchCase, text);
    else
        UnHilightInGrid(false);
}

void TExStringGrid::SearchFooterEditChange() {
    const std::string text = FSearchPanel->SearchText();
    bool defaultSearch = true;
    FireEvent(OnSearchEditChange, this, text, defaultSearch);
    if (!defaultSearch || !FSearchFooter->AutoSearch)
        return;
    const TFindParams params = SearchFooterParams(false, true);
    const bool highlightDown = FSearchPanel->HighlightDown();
    const bool highlighting = highlightDown || FSearchFooter->AlwaysHighLight;
    if (highlighting)
        SearchFooterHighlightRange(false);
    TColor color = clWindow;
    if (text.empty()) {
        if (highlightDown)
            SearchFooterHighlightRange(false);
    } else {
        FSearchCell = Find(NoFooterCell, text, params);
        SearchFooterAction(text, FSearchCell.X, FSearchCell.Y, saFindFirst);
        if (FSearchCell == NoFooterCell) {
            color = clRed;
        } else {
            ScrollInView(Col(), Row());
            if (highlighting)
                SearchFooterHighlightRange(true);
        }
    }
    FSearchPanel->SetSearchColor(color);
}

void TExStringGrid::KeepFoundRowAboveSearchFooter() {
    const bool floating = FloatingFooter()->Visible;
    if (Row() > TopRow() + VisibleRowCount() + (floating ? 0 : 1) - 3 &&
        RowCount() > VisibleRowCount() + FixedRows() + (floating ? 1 : 0))
        SetTopRow(TopRow() + 2);
}

void TExStringGrid::SearchFooterFind(bool Backward) {
    const std::string text = FSearchPanel->SearchText();
    if (!FSearchFooter->AutoSearch) {
        if (text != FSearchFooter->LastSearch)
            FSearchCell = NoFooterCell;
        FSearchFooter->LastSearch = text;
    }
    FSearchCell = Find(FSearchCell, text, SearchFooterParams(Backward, false));
    const bool found = !(FSearchCell == NoFooterCell);
    if (Backward)
        KeepFoundRowAboveSearchFooter();
    if (found)
        ScrollInView(Col(), Row());
    if (!Backward)
        KeepFoundRowAboveSearchFooter();
    SearchFooterAction(text, FSearchCell.X, FSearchCell.Y, Backward ? saFindPrevious : saFindNext);
    FSearchPanel->Invalidate();
}

void TExStringGrid::SearchFooterFindNext() {
    SearchFooterFind(false);
}

void TExStringGrid::SearchFooterFindPrevious() {
    SearchFooterFind(true);
}

void TExStringGrid::SearchFooterHighlight() {
    SearchFooterHighlightRange(FSearchPanel->HighlightDown());
}

void TExStringGrid::SearchFooterClose() {
    FireEvent(OnSearchFooterClose, this);
    FSearchFooter->SetVisible(false);
}

void TExStringGrid::HandleDialogChar(TMessage& Message) {
    Message.Result = 0;
    if (!FSearchFooter->Visible())
        return;
    const char32_t typed = UpperChar(static_cast<char32_t>(Message.WParam));
    const struct {
        const std::string& Caption;
        TSearchPanel::TFooterButton Button;
        std::function<void()> Action;
    } accelerators[] = {
        {FSearchFooter->FindNextCaption(), TSearchPanel::fbFindNext,
         [this] { SearchFooterFindNext(); }},
        {FSearchFooter->FindPrevCaption(), TSearchPanel::fbFindPrev,
         [this] { SearchFooterFindPrevious(); }},
        // Works as a click of the check button: it toggles, then highlights or clears.
        {FSearchFooter->HighLightCaption(), TSearchPanel::fbHighlight,
         [this] {
             FSearchPanel->SetHighlightDown(!FSearchPanel->HighlightDown());
             SearchFooterHighlight();
         }},
    };
    for (const auto& accelerator : accelerators) {
        if (AcceleratorOf(accelerator.Caption) != typed || typed == 0)
            continue;
        if (!FSearchPanel->ButtonUsable(accelerator.Button))
            continue;
        accelerator.Action();
        Message.Result = 1;
        return;
    }
}

void BindSearchPanelToGrid(TSearchPanel* Panel, TComponent* Owner) {
    auto* grid = dynamic_cast<TExStringGrid*>(Owner);
    if (!grid)
        return;
    Panel->OnForwardClick = [grid](TObject*) { grid->SearchFooterFindNext(); };
    Panel->OnBackwardClick = [grid](TObject*) { grid->SearchFooterFindPrevious(); };
    Panel->OnEditChange = [grid](TObject*) { grid->SearchFooterEditChange(); };
    Panel->OnExitClick = [grid](TObject*) { grid->SearchFooterClose(); };
    Panel->OnHighlightClick = [grid](TObject*) { grid->SearchFooterHighlight(); };
    Panel->OnCreated = [grid](TObject*) { FireEvent(grid->OnCreatedSearchFooter, grid); };
    Panel->LineColor = [grid] { return grid->GridLineColor(); };
}
