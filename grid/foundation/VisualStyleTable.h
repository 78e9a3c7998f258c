#pragma once

#include "platform/ui/Types.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TCanvas;
class TControl;

struct TThemeData;
// An open theme class; nullptr when visual styles are not available.
using HTHEME = TThemeData*;

// Parts and states of the theme classes the grid and the drop-down controls draw, numbered as
// the desktop's visual styles number them.
// Class "button": push button (states TS_*, 5 the default button), radio button and check box.
constexpr int BP_PUSHBUTTON = 1;
constexpr int BP_RADIOBUTTON = 2;
constexpr int BP_CHECKBOX = 3;
constexpr int PBS_DEFAULTED = 5;
// Radio and check box states: add 0 normal, 1 hot, 2 pressed, 3 disabled to the first of a group.
constexpr int RBS_UNCHECKEDNORMAL = 1;
constexpr int RBS_CHECKEDNORMAL = 5;
constexpr int CBS_UNCHECKEDNORMAL = 1;
constexpr int CBS_CHECKEDNORMAL = 5;
constexpr int CBS_MIXEDNORMAL = 9;
// Class "combobox".
constexpr int CP_DROPDOWNBUTTON = 1;
// Class "spin": the horizontal pair points right (UPHORZ) and left (DOWNHORZ).
constexpr int SPNP_UP = 1;
constexpr int SPNP_DOWN = 2;
constexpr int SPNP_UPHORZ = 3;
constexpr int SPNP_DOWNHORZ = 4;
// Class "header": states TS_NORMAL, TS_HOT, TS_PRESSED.
constexpr int HP_HEADERITEM = 1;
constexpr int HP_HEADERITEMLEFT = 2;
constexpr int HP_HEADERITEMRIGHT = 3;
// Class "progress".
constexpr int PP_BAR = 1;
constexpr int PP_CHUNK = 3;
// Class "scrollbar": arrow states, add 0 normal, 1 hot, 2 pressed, 3 disabled.
constexpr int SBP_ARROWBTN = 1;
constexpr int ABS_UPNORMAL = 1;
constexpr int ABS_DOWNNORMAL = 5;
constexpr int ABS_LEFTNORMAL = 9;
constexpr int ABS_RIGHTNORMAL = 13;
// Class "treeview".
constexpr int TVP_GLYPH = 2;
constexpr int GLPS_CLOSED = 1;
constexpr int GLPS_OPENED = 2;
// The common states of buttons, drop-down buttons and spin arrows.
constexpr int TS_NORMAL = 1;
constexpr int TS_HOT = 2;
constexpr int TS_PRESSED = 3;
constexpr int TS_DISABLED = 4;

// The visual-style entry points the grid and the drop-down controls call. Two independent
// instances exist, one for the grid library and one for the drop-down controls; each loads
// with the program. Parts are drawn on the canvas in the look of the running desktop style.
// Theme class names are matched without regard to case, as the desktop does.
class TVisualStyleTable {
public:
    explicit TVisualStyleTable(std::string unitName);
    ~TVisualStyleTable();
    TVisualStyleTable(const TVisualStyleTable&) = delete;
    TVisualStyleTable& operator=(const TVisualStyleTable&) = delete;

    // Loading twice does nothing; freeing closes every open theme.
    void LoadThemeLibrary();
    void FreeThemeLibrary();
    bool Loaded() const { return FLoaded; }
    const std::string& UnitName() const { return FUnitName; }

    // ClassList names one class or several separated by ";"; the first known one is opened.
    // nullptr when not loaded or no class is known.
    HTHEME OpenThemeData(const TControl* Window, std::string_view ClassList);
    void CloseThemeData(HTHEME Theme);
    // Draws the part in the given state over r; nothing for a theme that is not open or a part
    // or state the class does not have.
    void DrawThemeBackground(HTHEME Theme, TCanvas* Canvas, int PartId, int StateId,
                             const TRect& r) const;
    bool IsThemeActive() const { return FLoaded; }
    bool GetCurrentThemeName(std::string& FileName, std::string& ColorName,
                             std::string& SizeName) const;

private:
    bool IsOpen(HTHEME Theme) const;

    std::string FUnitName;
    bool FLoaded = false;
    std::vector<std::unique_ptr<TThemeData>> FOpen;
};

// The grid library's instance and the drop-down controls' instance.
TVisualStyleTable& ExXPVS();
TVisualStyleTable& ATXPVS();
