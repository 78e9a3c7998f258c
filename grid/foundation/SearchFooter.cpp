#include "grid/foundation/SearchFooter.h"

#include "platform/ui/Font.h"

TSearchFooter::TSearchFooter(TComponent* AOwner, bool InitDesign)
    : FOwner(AOwner), FFont(std::make_unique<TFont>()) {
    if (!InitDesign)
        return;
    FFindPrevCaption = "Find &previous";
    FFindNextCaption = "Find &next";
    FMatchCaseCaption = "Match case";
    FHighLightCaption = "Highlight";
    FHintClose = "Close";
    FHintFindNext = "Find next occurrence";
    FHintFindPrev = "Find previous occurrence";
    FHintHighlight = "Highlight occurrences";
}

TSearchFooter::~TSearchFooter() = default;

void TSearchFooter::Changed() {
    if (OnChange)
        OnChange(this);
}

void TSearchFooter::SetText(std::string& field, const std::string& Value) {
    field = Value;
    Changed();
}

void TSearchFooter::SetFlagOnChange(bool& field, bool Value) {
    if (field == Value)
        return;
    field = Value;
    Changed();
}

void TSearchFooter::SetColor(TColor Value) {
    FColor = Value;
    Changed();
}

void TSearchFooter::SetColorTo(TColor Value) {
    FColorTo = Value;
    Changed();
}

void TSearchFooter::SetAutoThemeAdapt(bool Value) {
    FAutoThemeAdapt = Value;
    Changed();
}

void TSearchFooter::SetFont(const TFont* Value) {
    if (Value != nullptr)
        FFont->Assign(*Value);
    Changed();
}

void TSearchFooter::SetFindNextCaption(const std::string& Value) {
    SetText(FFindNextCaption, Value);
}
void TSearchFooter::SetFindPrevCaption(const std::string& Value) {
    SetText(FFindPrevCaption, Value);
}
void TSearchFooter::SetHighLightCaption(const std::string& Value) {
    SetText(FHighLightCaption, Value);
}
void TSearchFooter::SetMatchCaseCaption(const std::string& Value) {
    SetText(FMatchCaseCaption, Value);
}
void TSearchFooter::SetHintClose(const std::string& Value) {
    SetText(FHintClose, Value);
}
void TSearchFooter::SetHintFindNext(const std::string& Value) {
    SetText(FHintFindNext, Value);
}
void TSearchFooter::SetHintFindPrev(const std::string& Value) {
    SetText(FHintFindPrev, Value);
}
void TSearchFooter::SetHintHighlight(const std::string& Value) {
    SetText(FHintHighlight, Value);
}

void TSearchFooter::SetShowClose(bool Value) {
    FShowClose = Value;
    Changed();
}

void TSearchFooter::SetShowFindNext(bool Value) {
    SetFlagOnChange(FShowFindNext, Value);
}
void TSearchFooter::SetShowFindPrev(bool Value) {
    SetFlagOnChange(FShowFindPrev, Value);
}
void TSearchFooter::SetShowHighLight(bool Value) {
    SetFlagOnChange(FShowHighLight, Value);
}
void TSearchFooter::SetShowMatchCase(bool Value) {
    SetFlagOnChange(FShowMatchCase, Value);
}
void TSearchFooter::SetVisible(bool Value) {
    SetFlagOnChange(FVisible, Value);
}

void TSearchFooter::Assign(const TObject* Source) {
    const auto* source = dynamic_cast<const TSearchFooter*>(Source);
    if (source == nullptr || source == this)
        return;
    AlwaysHighLight = source->AlwaysHighLight;
    FColor = source->FColor;
    FColorTo = source->FColorTo;
    FFindNextCaption = source->FFindNextCaption;
    FFindPrevCaption = source->FFindPrevCaption;
    FHighLightCaption = source->FHighLightCaption;
    FMatchCaseCaption = source->FMatchCaseCaption;
    FHintClose = source->FHintClose;
    FHintFindNext = source->FHintFindNext;
    FHintFindPrev = source->FHintFindPrev;
    FHintHighlight = source->FHintHighlight;
    FShowClose = source->FShowClose;
    FShowFindNext = source->FShowFindNext;
    FShowFindPrev = source->FShowFindPrev;
    FShowHighLight = source->FShowHighLight;
    FShowMatchCase = source->FShowMatchCase;
    SearchActiveColumnOnly = source->SearchActiveColumnOnly;
    SearchMatchStart = source->SearchMatchStart;
    SearchColumn = source->SearchColumn;
    SearchDirection = source->SearchDirection;
    SearchHiddenRows = source->SearchHiddenRows;
    FVisible = source->FVisible;
    // The font's own change event must not reach the grid during a copy.
    TNotifyEvent fontChange = std::move(FFont->OnChange);
    FFont->OnChange = nullptr;
    FFont->Assign(*source->FFont);
    FFont->OnChange = std::move(fontChange);
}
