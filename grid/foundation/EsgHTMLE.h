#pragma once

#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

#include <string>
#include <string_view>

class TCanvas;
class TControl;
class TImageList;
class THTMLPictureCache;
class TPictureContainer;

// The mini-HTML mark-up of cell texts, hints and drop-down items: its string routines and the
// one renderer that draws, measures and hit-tests it. Text is UTF-8; tag and attribute names
// match without regard to ASCII case.

// Entities. Named adds the accented Latin letters and the typographic signs of the entity table.
std::string DecodeEntities(std::string_view Text, bool Named);
std::string EncodeEntities(std::string_view Text, bool Named);
std::string SpacesToNbsp(std::string_view Text);
// Replaces the first occurrence of Pattern found without regard to ASCII case.
bool ReplaceFirstNoCase(std::string_view Pattern, std::string_view Replacement, std::string& Text);
// The render-time form of a text: the typographic entities resolved ("&amp;" becomes "&&" for
// the prefix processing of text drawing), "<#word>" escapes shown as "#word", line feeds dropped
// and carriage returns turned into line-break tags.
std::string PrepareHTMLForRendering(std::string_view Text);

// Plain text: "<BR>" and "<HR>" become CR LF, every other complete tag goes.
std::string StripHTML(std::string_view Text);

// Colours of the mark-up: "clred"-style names (unknown names are black) and "#RRGGBB".
TColor HTMLColorByName(std::string_view Name);
TColor HexToColor(std::string_view Text);

// In-text controls, written as <CONTROL TYPE="EDIT" ID="..." VALUE="..." WIDTH="..." ...>.
bool HasControlTags(std::string_view Text);
// TagText is the text behind "<CONTROL " up to and including its '>'.
void ParseControlTag(std::string_view TagText, std::string& ControlType, std::string& ControlID,
                     std::string& Value, std::string& Width, std::string& Height, std::string& Prop,
                     std::string& MaxLen);
// The first control after the one with ID (the first of all for an empty ID) that is edited
// in place, i.e. neither a button, a check box nor a radio button.
std::string NextEditControlID(std::string_view Text, std::string_view ID);
std::string ClearRadioControls(std::string_view Text);
bool GetControlValue(std::string_view Text, std::string_view ID, std::string& Value);
std::string GetControlProp(std::string_view Text, std::string_view ID);
int GetControlMaxLen(std::string_view Text, std::string_view ID);
// Rewrites the first control with ID to hold NewValue; False (text unchanged) when there is none.
bool SetControlValue(std::string& Text, std::string_view ID, std::string_view NewValue);

// Search highlighting: wraps each match of Pattern in the visible text in <Tag> and </Tag>.
std::string HighlightText(std::string_view Text, std::string_view Pattern, std::string_view Tag,
                          bool MatchCase);
std::string UnhighlightText(std::string_view Text, std::string_view Tag);
// The colours of <HI> runs, shared by every grid.
void SetHighlightColors(TColor BackColor, TColor TextColor);
TColor HighlightBackColor();
TColor HighlightTextColor();

// Lays AText out in ARect line by line and draws it, only measures it (CheckHeight), or only
// finds what lies under (XPos, YPos) (CheckAnchor): an anchor, a picture inside an anchor or an
// in-text control. True when the point is over one of them.
bool RenderHTML(TCanvas* ACanvas, std::string_view AText, const TRect& ARect,
                const TImageList* AImages, int XPos, int YPos, int FocusLink, int HoverLink,
                int ShadowOffset, bool CheckAnchor, bool CheckHeight, bool PrintMode, bool Selected,
                bool BlinkOn, bool HoverUnderline, bool WordWrap, bool ControlDown,
                double ResFactor, TColor URLColor, TColor HoverColor, TColor HoverFontColor,
                TColor ShadowColor, std::string& AnchorVal, std::string& StripVal,
                std::string& FocusAnchor, std::string& AnchorTitle, int& XSize, int& YSize,
                int& HyperLinks, int& MouseLink, TRect& HoverRect, TRect& ControlRect,
                std::string& ControlID, std::string& ControlValue, std::string& ControlType,
                THTMLPictureCache* ImageCache, TPictureContainer* Container,
                const TControl* OwnerWindow, int BiDiMode);
