#include "grid/stringgrid/SearchPanel.h"

#include "grid/foundation/ExCheckBox.h"
#include "grid/foundation/ExGridButton.h"
#include "grid/stringgrid/DropDownUtil.h"
#include "grid/stringgrid/RetEdit.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"

#include <vector>

namespace {

enum TGlyph { glDown, glUp, glClose, glHighlighter };

constexpr int GlyphSize = 12;

// The footer's small pictures, drawn in one colour on a background that the button leaves out.
void DrawGlyph(TBitmap& glyph, TGlyph Kind, TColor Color) {
    glyph.SetSize(GlyphSize, GlyphSize);
    TCanvas* canvas = glyph.Canvas();
    canvas->Brush()->SetColor(clFuchsia);
    canvas->FillRect(Rect(0, 0, GlyphSize, GlyphSize));
    canvas->Pen()->SetColor(Color);
    canvas->Brush()->SetColor(Color);
    switch (Kind) {
    case glDown:
        canvas->Polygon({{2, 4}, {9, 4}, {6, 8}, {5, 8}});
        break;
    case glUp:
        canvas->Polygon({{2, 8}, {9, 8}, {6, 4}, {5, 4}});
        break;
    case glClose:
        canvas->Pen()->SetWidth(2);
        canvas->MoveTo(2, 2);
        canvas->LineTo(9, 9);
        canvas->MoveTo(9, 2);
        canvas->LineTo(2, 9);
        break;
    case glHighlighter:
        canvas->Polygon({{1, 10}, {4, 7}, {9, 1}, {11, 3}, {5, 9}, {2, 11}});
        break;
    }
    glyph.SetTransparent(true);
}

void SetGlyphs(TExGridButton* Button, TGlyph Kind) {
    TBitmap glyph;
    DrawGlyph(glyph, Kind, clBlack);
    Button->SetGlyph(&glyph);
    DrawGlyph(glyph, Kind, clGray);
    Button->SetGlyphDisabled(&glyph);
}

void ShowHintOf(TControl* Control, const std::string& Hint) {
    Control->SetHint(Hint);
    Control->SetShowHint(!Hint.empty());
}

} // namespace

TSearchPanel::TSearchPanel(TComponent* AOwner) : TPanel(AOwner) {
    SetBevelOuter(bvNone);
    SetShowCaption(false);
    FEdit = new TRetEdit(this);
    FEdit->SetParent(this);
    FEdit->SetBounds(25, 6, 110, FEdit->Height());
    FEdit->OnChange = [this](TObject*) { EditChanged(); };
    FEdit->OnReturn = [this](TObject*) { FireEvent(OnForwardClick, this); };
    FEdit->OnCtrlReturn = [this](TObject*) { FireEvent(OnBackwardClick, this); };
    FForwardButton = MakeButton(140, 5, 90, 23, OnForwardClick);
    FBackwardButton = MakeButton(235, 5, 90, 23, OnBackwardClick);
    FExitButton = MakeButton(5, 7, 14, 14, OnExitClick);
    FExitButton->SetShowCaption(false);
    FHiliteButton = MakeButton(330, 5, 90, 23, OnHighlightClick);
    FHiliteButton->SetStyle(tasCheck);
    FHiliteButton->SetAllowAllUp(true);
    FHiliteButton->Font()->SetStyle(TFontStyles{});
    FHiliteButton->SetParentFont(false);
    for (TExGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton})
        button->SetEnabled(false);
    FMatchCase = new TExCheckBox(this);
    FMatchCase->SetParent(this);
    FMatchCase->SetCaption("");
    FMatchCase->SetBounds(425, 8, FMatchCase->Width(), 18);
    LayoutControls();
    BindSearchPanelToGrid(this, AOwner);
}

TExGridButton* TSearchPanel::MakeButton(int Left, int Top, int Width, int Height,
                                        TNotifyEvent& Action) {
    auto* button = new TExGridButton(this);
    button->SetParent(this);
    button->SetBounds(Left, Top, Width, Height);
    button->SetCaption("");
    button->OnClick = [this, &Action](TObject*) { FireEvent(Action, this); };
    return button;
}

void TSearchPanel::EditChanged() {
    const bool hasText = !FEdit->Text().empty();
    for (TExGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton})
        button->SetEnabled(hasText);
    FireEvent(OnEditChange, this);
}

void TSearchPanel::LayoutControls() {
    FMatchCase->SetLeft(FHiliteButton->Visible() ? 425 : 330);
}

// Every grid has a footer panel, most never show it: the glyphs are drawn when it first shows.
void TSearchPanel::SetVisible(bool Value) {
    if (Value && !FGlyphsDrawn) {
        SetGlyphs(FForwardButton, glDown);
        SetGlyphs(FBackwardButton, glUp);
        SetGlyphs(FExitButton, glClose);
        SetGlyphs(FHiliteButton, glHighlighter);
        FGlyphsDrawn = true;
    }
    TPanel::SetVisible(Value);
}

void TSearchPanel::SetParent(TWinControl* AParent) {
    TPanel::SetParent(AParent);
    if (!AParent)
        return;
    LayoutControls();
    FireEvent(OnCreated, this);
}

void TSearchPanel::SetColorTo(TColor Value) {
    FColorTo = Value;
    Invalidate();
}

void TSearchPanel::SetFindNextCaption(const std::string& Value) {
    FForwardButton->SetCaption(Value);
}

void TSearchPanel::SetFindPrevCaption(const std::string& Value) {
    FBackwardButton->SetCaption(Value);
}

void TSearchPanel::SetHighLightCaption(const std::string& Value) {
    FHiliteButton->SetCaption(Value);
}

void TSearchPanel::SetMatchCaseCaption(const std::string& Value) {
    FMatchCase->SetCaption(Value);
}

void TSearchPanel::SetHintFindNext(const std::string& Value) {
    ShowHintOf(FForwardButton, Value);
}

void TSearchPanel::SetHintFindPrev(const std::string& Value) {
    ShowHintOf(FBackwardButton, Value);
}

void TSearchPanel::SetHintHighlight(const std::string& Value) {
    ShowHintOf(FHiliteButton, Value);
}

void TSearchPanel::SetHintClose(const std::string& Value) {
    ShowHintOf(FExitButton, Value);
}

void TSearchPanel::Paint() {
    TPanel::Paint();
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    if (FColorTo == clNone) {
        canvas->Brush()->SetColor(Color());
        canvas->FillRect(client);
    } else {
        DrawGradientBands(canvas, Color(), FColorTo, 32, client, false);
    }
    canvas->Pen()->SetColor(LineColor ? LineColor() : clGray);
    canvas->Pen()->SetWidth(1);
    canvas->MoveTo(0, 0);
    canvas->LineTo(Width(), 0);
}

std::string TSearchPanel::SearchText() const {
    return FEdit->Text();
}

void TSearchPanel::SetSearchText(const std::string& Value) {
    FEdit->SetText(Value);
}

TColor TSearchPanel::SearchColor() const {
    return FEdit->Color();
}

void TSearchPanel::SetSearchColor(TColor Value) {
    FEdit->SetColor(Value);
    // The frame repaints only when the size changes.
    FEdit->SetWidth(FEdit->Width() + 1);
    FEdit->SetWidth(FEdit->Width() - 1);
}

bool TSearchPanel::HighlightDown() const {
    return FHiliteButton->Down();
}

void TSearchPanel::SetHighlightDown(bool Value) {
    FHiliteButton->SetDown(Value);
}

bool TSearchPanel::MatchCaseChecked() const {
    return FMatchCase->Checked();
}

void TSearchPanel::SetMatchCaseChecked(bool Value) {
    FMatchCase->SetChecked(Value);
}

void TSearchPanel::SetButtonLook(bool Flat, bool XPStyle, bool ThemeAdapt) {
    for (TExGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton}) {
        if (ThemeAdapt)
            button->SetAutoThemeAdapt(true);
        else
            button->SetAutoXPStyle(XPStyle);
        button->SetFlat(Flat);
    }
}

void TSearchPanel::ShowParts(bool Highlight, bool Close, bool MatchCase, bool FindPrev,
                             bool FindNext) {
    FHiliteButton->SetVisible(Highlight);
    FExitButton->SetVisible(Close);
    FMatchCase->SetVisible(MatchCase);
    FMatchCase->SetTransparent(true);
    FBackwardButton->SetVisible(FindPrev);
    FForwardButton->SetVisible(FindNext);
    for (TExGridButton* button : {FForwardButton, FBackwardButton, FHiliteButton})
        button->SetHeight(button->Visible() ? 23 : 0);
    FMatchCase->SetHeight(MatchCase ? 18 : 0);
    LayoutControls();
}

TControl* TSearchPanel::Button(TFooterButton Button) const {
    if (Button == fbFindNext)
        return FForwardButton;
    return Button == fbFindPrev ? FBackwardButton : FHiliteButton;
}

bool TSearchPanel::ButtonUsable(TFooterButton Button) const {
    const TControl* button = this->Button(Button);
    return button->Visible() && button->Enabled();
}
