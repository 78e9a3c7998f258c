#include "app/windows/OpenLinkOrTell.h"
#include "platform/ui/Application.h"
#include "platform/ui/TestSeam.h"
#include "tests/platform/core/ScopedEnvironment.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class OpenLinkOrTellTest : public ::testing::Test {
protected:
    void SetUp() override { Seam().Reset(); }
    void TearDown() override { Seam().Reset(); }
    static TTestSeam& Seam() { return Application->TestSeam(); }
    TTempFolder Folder;
};

TEST_F(OpenLinkOrTellTest, ALinkWithoutAnOpenerIsReportedToTheUser) {
    ScopedEnvironment path("PATH", Folder.Path()); // no xdg-open anywhere
    Open_Link_Or_Tell("https://example.invalid/");
    ASSERT_EQ(Seam().Messages().size(), 1u);
    EXPECT_EQ(Seam().Messages()[0].Kind, mtError);
    EXPECT_NE(Seam().Messages()[0].Text.find("https://example.invalid/"), std::string::npos);
    EXPECT_NE(Seam().Messages()[0].Text.find("xdg-utils"), std::string::npos);
}

TEST_F(OpenLinkOrTellTest, AnOpenedLinkShowsNothing) {
    const std::string opener = Folder.Write("xdg-open", "#!/bin/sh\nexit 0\n");
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    ScopedEnvironment path("PATH", Folder.Path());
    Open_Link_Or_Tell("https://example.invalid/");
    EXPECT_TRUE(Seam().Messages().empty());
}

} // namespace
