#pragma once

#include "grid/foundation/GridTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Object.h"

#include <memory>
#include <string>

class TComponent;
class TFont;

// The search panel under a grid. Properties that change its look notify OnChange; the search
// settings are plain fields that the grid reads when it searches.
class TSearchFooter : public TObject {
public:
    // With InitDesign the captions and hints get their English texts, else they stay empty.
    TSearchFooter(TComponent* AOwner, bool InitDesign);
    ~TSearchFooter() override;

    // Copies from another search panel only, without notifying; the search state (AutoSearch,
    // SearchFixedCells, AutoThemeAdapt, LastSearch) stays.
    void Assign(const TObject* Source);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool Value);
    TFont* Font() const { return FFont.get(); }
    // Copies the font into the panel's own.
    void SetFont(const TFont* Value);

    const std::string& FindNextCaption() const { return FFindNextCaption; }
    void SetFindNextCaption(const std::string& Value);
    const std::string& FindPrevCaption() const { return FFindPrevCaption; }
    void SetFindPrevCaption(const std::string& Value);
    const std::string& HighLightCaption() const { return FHighLightCaption; }
    void SetHighLightCaption(const std::string& Value);
    const std::string& MatchCaseCaption() const { return FMatchCaseCaption; }
    void SetMatchCaseCaption(const std::string& Value);
    const std::string& HintClose() const { return FHintClose; }
    void SetHintClose(const std::string& Value);
    const std::string& HintFindNext() const { return FHintFindNext; }
    void SetHintFindNext(const std::string& Value);
    const std::string& HintFindPrev() const { return FHintFindPrev; }
    void SetHintFindPrev(const std::string& Value);
    const std::string& HintHighlight() const { return FHintHighlight; }
    void SetHintHighlight(const std::string& Value);

    // ShowClose notifies on every write, the others only on a change.
    bool ShowClose() const { return FShowClose; }
    void SetShowClose(bool Value);
    bool ShowFindNext() const { return FShowFindNext; }
    void SetShowFindNext(bool Value);
    bool ShowFindPrev() const { return FShowFindPrev; }
    void SetShowFindPrev(bool Value);
    bool ShowHighLight() const { return FShowHighLight; }
    void SetShowHighLight(bool Value);
    bool ShowMatchCase() const { return FShowMatchCase; }
    void SetShowMatchCase(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);

    TComponent* Owner() const { return FOwner; }

    bool AlwaysHighLight = false;
    bool AutoSearch = true;
    bool SearchActiveColumnOnly = false;
    int SearchColumn = -1;
    bool SearchMatchStart = false;
    bool SearchFixedCells = false;
    bool SearchHiddenRows = false;
    TSearchDirection SearchDirection = sdTopBottom;
    // The last searched text, kept by the grid.
    std::string LastSearch;

    TNotifyEvent OnChange;

private:
    void Changed();
    void SetText(std::string& field, const std::string& Value);
    void SetFlagOnChange(bool& field, bool Value);

    TComponent* FOwner;
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    bool FAutoThemeAdapt = false;
    std::unique_ptr<TFont> FFont;
    std::string FFindNextCaption;
    std::string FFindPrevCaption;
    std::string FHighLightCaption;
    std::string FMatchCaseCaption;
    std::string FHintClose;
    std::string FHintFindNext;
    std::string FHintFindPrev;
    std::string FHintHighlight;
    bool FShowClose = true;
    bool FShowFindNext = true;
    bool FShowFindPrev = true;
    bool FShowHighLight = true;
    bool FShowMatchCase = true;
    bool FVisible = false;
};
