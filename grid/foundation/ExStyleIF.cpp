#include "grid/foundation/ExStyleIF.h"

#include "grid/foundation/VisualStyleTable.h"

bool IsComCtl6() {
    return true;
}
bool IsWinXPOrLater() {
    return true;
}
bool IsVistaOrLater() {
    return true;
}

std::string GetDefaultFontName() {
    return IsVistaOrLater() ? "Segoe UI" : "Tahoma";
}

int GetOfficeVersion() {
    return 0;
}

int XPColorSchemeFromName(std::string_view ColorSchemeName) {
    if (ColorSchemeName.find("NormalColor") != std::string_view::npos)
        return 1;
    if (ColorSchemeName.find("HomeStead") != std::string_view::npos)
        return 2;
    if (ColorSchemeName.find("Metallic") != std::string_view::npos)
        return 3;
    return 0;
}

int GetXPColorScheme() {
    TVisualStyleTable& styles = ExXPVS();
    if (!IsWinXPOrLater() || !styles.Loaded() || !styles.IsThemeActive() || !IsComCtl6())
        return 0;
    std::string fileName;
    std::string colorName;
    std::string sizeName;
    styles.GetCurrentThemeName(fileName, colorName, sizeName);
    return XPColorSchemeFromName(colorName);
}

TOfficeTheme OfficeThemeFrom(int Theme2010, int Theme2007, int XPColorScheme) {
    if (Theme2010 >= 0) {
        static constexpr TOfficeTheme themes[] = {ot2010Blue, ot2010Silver, ot2010Black};
        return Theme2010 >= 1 && Theme2010 <= 3 ? themes[Theme2010 - 1] : ot2003Blue;
    }
    if (Theme2007 >= 0) {
        static constexpr TOfficeTheme themes[] = {ot2007Blue, ot2007Silver, ot2007Black};
        return Theme2007 >= 1 && Theme2007 <= 3 ? themes[Theme2007 - 1] : ot2003Blue;
    }
    static constexpr TOfficeTheme schemes[] = {ot2003Classic, ot2003Blue, ot2003Olive,
                                               ot2003Silver};
    return XPColorScheme >= 1 && XPColorScheme <= 3 ? schemes[XPColorScheme] : ot2003Classic;
}

TOfficeTheme DetectOfficeTheme() {
    // No office suite keeps its settings on this platform.
    return OfficeThemeFrom(-1, -1, GetXPColorScheme());
}
