#pragma once

#include "platform/ui/Panel.h"

#include <functional>
#include <string>

class TExCheckBox;
class TExGridButton;
class TRetEdit;

// The panel under the cells that holds the search footer: the search edit, find-next,
// find-previous and highlight buttons, the match-case box and a close button. It reports what
// the user does there through its events, which are bound to the footer actions of the owner
// when that is a string grid. The grid works the controls through the operations below.
class TSearchPanel : public TPanel {
public:
    enum TFooterButton { fbFindNext, fbFindPrev, fbHighlight };

    explicit TSearchPanel(TComponent* AOwner);

    TRetEdit* EditControl() const { return FEdit; }
    TExGridButton* ExitButton() const { return FExitButton; }
    TExGridButton* ForwardButton() const { return FForwardButton; }
    TExGridButton* BackwardButton() const { return FBackwardButton; }
    TExGridButton* HiliteButton() const { return FHiliteButton; }
    TExCheckBox* MatchCase() const { return FMatchCase; }

    // clNone paints the panel in Color, else a gradient from Color down to ColorTo.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    void SetFindNextCaption(const std::string& Value);
    void SetFindPrevCaption(const std::string& Value);
    void SetHighLightCaption(const std::string& Value);
    void SetMatchCaseCaption(const std::string& Value);
    // A hint shows only when it is not empty.
    void SetHintFindNext(const std::string& Value);
    void SetHintFindPrev(const std::string& Value);
    void SetHintHighlight(const std::string& Value);
    void SetHintClose(const std::string& Value);
    // Places the controls where they belong; the match-case box follows the highlight button.
    void LayoutControls();
    std::string SearchText() const;
    void SetSearchText(const std::string& Value);
    // The edit's colour: red tells that the text was not found.
    TColor SearchColor() const;
    void SetSearchColor(TColor Value);
    bool HighlightDown() const;
    void SetHighlightDown(bool Value);
    bool MatchCaseChecked() const;
    void SetMatchCaseChecked(bool Value);
    // The look of the three caption buttons.
    void SetButtonLook(bool Flat, bool XPStyle, bool ThemeAdapt);
    // Which controls show; a hidden one takes no height.
    void ShowParts(bool Highlight, bool Close, bool MatchCase, bool FindPrev, bool FindNext);
    // The button as a plain control, for code that cannot see the button class.
    TControl* Button(TFooterButton Button) const;
    // Visible and enabled, so that its click or accelerator may act.
    bool ButtonUsable(TFooterButton Button) const;

    void SetParent(TWinControl* AParent) override;
    void SetVisible(bool Value) override;

    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnEditChange;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;
    // Fired when the panel is placed on its parent.
    TNotifyEvent OnCreated;
    // The colour of the line along the top edge (the grid's line colour).
    std::function<TColor()> LineColor;

protected:
    void Paint() override;

private:
    TExGridButton* MakeButton(int Left, int Top, int Width, int Height, TNotifyEvent& Action);
    void EditChanged();

    TRetEdit* FEdit;
    TExGridButton* FExitButton;
    TExGridButton* FForwardButton;
    TExGridButton* FBackwardButton;
    TExGridButton* FHiliteButton;
    TExCheckBox* FMatchCase;
    TColor FColorTo = clNone;
    bool FGlyphsDrawn = false;
};

// Binds the panel's events to the footer actions of its owner when the owner is a string grid.
void BindSearchPanelToGrid(TSearchPanel* Panel, TComponent* Owner);
