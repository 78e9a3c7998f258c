// The modified-row marking settings.
#include "grid/stringgrid/ShowModified.h"

#include <gtest/gtest.h>

namespace {

TEST(ShowModified, ColourWritesNotifyEnabledDoesNot) {
    TShowModified settings;
    EXPECT_EQ(settings.Color(), clYellow);
    EXPECT_FALSE(settings.Enabled);
    int changes = 0;
    settings.OnChange = [&](TObject*) { ++changes; };
    settings.Enabled = true;
    EXPECT_EQ(changes, 0);
    settings.SetColor(clRed);
    EXPECT_EQ(changes, 1);

    TShowModified copy;
    copy.Assign(&settings);
    EXPECT_TRUE(copy.Enabled);
    EXPECT_EQ(copy.Color(), clRed);
}

} // namespace
