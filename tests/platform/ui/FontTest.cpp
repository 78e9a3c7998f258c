#include "platform/ui/Font.h"

#include <gtest/gtest.h>

TEST(Font, DesignFontsAreSubstitutedByName) {
    struct Case {
        const char* Design;
        const char* Drawn;
    };
    const Case cases[] = {
        {"Verdana", "DejaVu Sans"},
        {"Tahoma", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"},
        {"ms sans serif", "DejaVu Sans"},
        {"Arial", "DejaVu Sans"},
        {"Segoe UI", "DejaVu Sans"},
        {"Courier New", "DejaVu Sans Mono"},
        {"Times New Roman", "DejaVu Serif"},
        {"Some Font Of Its Own", "Some Font Of Its Own"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SubstituteFontName(c.Design), c.Drawn) << c.Design;
}

TEST(Font, NameStaysAsDesignedAndSizesConvertAtNinetySixDpi) {
    TFont font;
    font.SetName("Verdana");
    EXPECT_EQ(font.Name(), "Verdana");
    EXPECT_EQ(font.FamilyName(), "DejaVu Sans");

    struct Case {
        int Size;
        int Height;
    };
    for (Case c : {Case{8, -11}, Case{9, -12}, Case{10, -13}, Case{12, -16}, Case{7, -9}}) {
        font.SetSize(c.Size);
        EXPECT_EQ(font.Height(), c.Height) << c.Size;
        EXPECT_EQ(font.Size(), c.Size);
    }
}

TEST(Font, ChangesAreAnnouncedAndAssignCopiesEverything) {
    TFont source;
    source.SetName("Courier New");
    source.SetSize(10);
    source.SetColor(clRed);
    source.SetStyle({fsBold, fsUnderline});
    int changes = 0;
    TFont target;
    target.OnChange = [&](TObject*) { ++changes; };

    target.Assign(source);
    target.SetColor(clRed);

    EXPECT_TRUE(target.SameAs(source));
    EXPECT_EQ(changes, 1) << "writing an unchanged value announces nothing";
}
