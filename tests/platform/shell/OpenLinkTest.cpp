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
        UseOpener("printf '%s' \"$1\" > \"" + FFolder.File("opened.tmp") + "\"\nmv \"" +
                  FFolder.File("opened.tmp") + "\" \"" + FFolder.File("opened.txt") + "\"\n");
        const char* path = std::getenv("PATH");
        FPath =
            std::make_unique<ScopedEnvironment>("PATH", FFolder.Path() + ":" + (path ? path : ""));
    }

    // Replaces the stand-in with a shell script of this body.
    void UseOpener(const std::string& body) {
        const std::string opener = FFolder.Write("xdg-open", "#!/bin/sh\n" + body);
        fs::permissions(opener, fs::perms::owner_all);
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
    const TOpenLinkResult result = OpenLink(link);
    EXPECT_TRUE(result);
    EXPECT_EQ(result.Failure, TOpenLinkFailure::None);
    EXPECT_EQ(OpenedLink(), link);
}

TEST_F(OpenLinkTest, RefusesEmptyLinksAndLinksThatLookLikeOptions) {
    for (const char* link : {"", "--help"}) {
        const TOpenLinkResult result = OpenLink(link);
        EXPECT_FALSE(result) << link;
        EXPECT_EQ(result.Failure, TOpenLinkFailure::NotALink) << link;
    }
}

TEST_F(OpenLinkTest, ReportsAnOpenerThatGivesUp) {
    // What xdg-open does when nothing on the machine can open the link.
    UseOpener("echo 'xdg-open: no method available for opening' >&2\nexit 3\n");
    const TOpenLinkResult result = OpenLink("http://127.0.0.1/");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Failure, TOpenLinkFailure::OpenerFailed);
    EXPECT_EQ(result.ExitCode, 3);
}

TEST_F(OpenLinkTest, AnOpenerStillRunningAfterTheWatchTimeCountsAsOpened) {
    // Like an opener that stays with the browser it started. It ends when the test releases it
    // (or after a few seconds at most) and says so, so that nothing outlives the test.
    const std::string release = FFolder.File("release");
    const std::string ended = FFolder.File("ended");
    UseOpener("i=0\nwhile [ ! -e \"" + release + "\" ] && [ $i -lt 250 ]; do sleep 0.02; " +
              "i=$((i+1)); done\n: > \"" + ended + "\"\nexit 1\n");
    const TOpenLinkResult result = OpenLink("http://127.0.0.1/", std::chrono::milliseconds(50));
    FFolder.Write("release", "");
    EXPECT_TRUE(result);
    for (int i = 0; i < 500 && !fs::exists(ended); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

TEST(OpenLink, ReportsAMissingOpener) {
    TTempFolder empty;
    ScopedEnvironment path("PATH", empty.Path());
    const TOpenLinkResult result = OpenLink("http://127.0.0.1/");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.Failure, TOpenLinkFailure::NoOpener);
}

TEST(OpenLink, FailureTextsTellTheUserWhatWentWrong) {
    const std::string url = "http://127.0.0.1/HOME/default.asp";
    struct Case {
        TOpenLinkResult Result;
        std::string Link;
        std::string Expected;
    };
    const Case cases[] = {
        {{TOpenLinkFailure::None}, url, ""},
        {{TOpenLinkFailure::NoOpener},
         url,
         "Cannot open the link http://127.0.0.1/HOME/default.asp: no program to open links is "
         "installed (install xdg-utils)."},
        {{TOpenLinkFailure::OpenerFailed, 3},
         url,
         "Cannot open the link http://127.0.0.1/HOME/default.asp: xdg-open could not open it "
         "(exit code 3); is a web browser installed?"},
        {{TOpenLinkFailure::NotALink},
         "--help",
         "Cannot open the link --help: it is not a web address or a path."},
        {{TOpenLinkFailure::NotALink}, "", "Cannot open an empty link."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OpenLinkFailureText(c.Link, c.Result), c.Expected);
}

} // namespace
