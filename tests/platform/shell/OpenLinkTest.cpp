#include "platform/shell/OpenLink.h"
#include "tests/platform/core/ScopedEnvironment.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Puts a stand-in opener first in PATH that records its argument.
class OpenLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string opener = FFolder.Write(
            "xdg-open", "#!/bin/sh\nprintf '%s' \"$1\" > \"" + FFolder.File("opened.tmp") +
                            "\"\nmv \"" + FFolder.File("opened.tmp") + "\" \"" +
                            FFolder.File("opened.txt") + "\"\n");
        fs::permissions(opener, fs::perms::owner_all);
        const char* path = std::getenv("PATH");
        FPath =
            std::make_unique<ScopedEnvironment>("PATH", FFolder.Path() + ":" + (path ? path : ""));
    }

    // The stand-in runs on its own; wait for its record without asserting on time.
    std::string OpenedLink() const {
        const std::string record = FFolder.File("opened.txt");
        for (int i = 0; i < 500 && !fs::exists(record); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return TTempFolder::Read(record);
    }

    TTempFolder FFolder;
    std::unique_ptr<ScopedEnvironment> FPath;
};

TEST_F(OpenLinkTest, HandsTheLinkAsOneArgumentToTheOpener) {
    const std::string link = "http://127.0.0.1/Home/download/download.asp?a=1&b=$(x) #GW";
    EXPECT_TRUE(OpenLink(link));
    EXPECT_EQ(OpenedLink(), link);
}

TEST_F(OpenLinkTest, RefusesEmptyLinksAndLinksThatLookLikeOptions) {
    EXPECT_FALSE(OpenLink(""));
    EXPECT_FALSE(OpenLink("--help"));
}

TEST(OpenLink, ReportsAMissingOpener) {
    TTempFolder empty;
    ScopedEnvironment path("PATH", empty.Path());
    EXPECT_FALSE(OpenLink("http://127.0.0.1/"));
}

} // namespace
