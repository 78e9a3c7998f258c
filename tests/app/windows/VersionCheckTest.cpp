#include "WindowsFixture.h"
#include "support/TinyHttpServer.h"

#include "app/controls/GlyphButton.h"
#include "app/windows/VersionCheck.h"
#include "platform/ui/LinkLabel.h"
#include "platform/ui/Timer.h"

#include <chrono>

namespace {

using TestHttp::TinyHttpServer;

// The maker's host answering the version request with this body.
std::string Version_Answer(const std::string& body) {
    return TestHttp::Answer("HTTP/1.0 200 OK", body);
}

std::string Request_Line(const std::string& request) {
    return request.substr(0, request.find("\r\n"));
}

TEST(ConvVersion, ReadsTheNumberAfterTheFirstBlank) {
    struct Case {
        const char* Text;
        int Expected;
    };
    const Case cases[] = {
        {"VER. 1.001", 1001},     {"1.000", 1000}, {"VER. 10.00", -1},
        {"VER. 1.0", -1},         {"", -1},        {"VER. a.bcd", -1},
        {"VER.   2.345  ", 2345},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Conv_Version(c.Text), c.Expected) << '"' << c.Text << '"';
}

class VersionCheckTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        KeptHost = Version_Host();
        Prepare_Version_Client(Client);
    }
    void TearDown() override {
        Version_Host() = KeptHost;
        WindowsFixture::TearDown();
    }

    std::string KeptHost;
    THttpClient Client;
};

TEST_F(VersionCheckTest, OnlyAHigherVersionCountsAsNewer) {
    struct Case {
        const char* Answer;
        bool Newer;
    };
    const Case cases[] = {
        {"VER. 1.001", true},  {"VER. 2.000\r\n", true},     {"VER. 1.000", false},
        {"VER. 0.999", false}, {"VER. 0.000", false},        {"ver. 0.000", false},
        {"", false},           {"<html>busy</html>", false},
    };
    for (const Case& c : cases) {
        TinyHttpServer server(Version_Answer(c.Answer));
        Version_Host() = server.Url("");
        EXPECT_EQ(Check_Version(Client), c.Newer) << '"' << c.Answer << '"';
        EXPECT_EQ(Request_Line(server.Request()),
                  "GET /home/download/GetversionSW.asp?nomesw=CT40215 HTTP/1.0");
    }
}

TEST_F(VersionCheckTest, ASilentHostIsNoNewerVersion) {
    TinyHttpServer server(""); // takes the request and never answers
    Version_Host() = server.Url("");
    Client.Timeout = std::chrono::milliseconds(300);
    EXPECT_FALSE(Check_Version(Client));
}

TEST_F(VersionCheckTest, HostThatRefusesIsNoNewerVersion) {
    Version_Host() = "http://127.0.0.1:1";
    EXPECT_FALSE(Check_Version(Client));
}

TEST_F(VersionCheckTest, TimerTickShowsTheLinkAndSlowsToTwoHours) {
    Create_Windows();
    TinyHttpServer server(Version_Answer("VER. 1.001"));
    Version_Host() = server.Url("");
    FVelmaroFirmWare->Timer_UpdateTimer(FVelmaroFirmWare->Timer_Update);
    EXPECT_TRUE(FVelmaroFirmWare->LL_Update->Visible());
    EXPECT_NE(FVelmaroFirmWare->LL_Update->Caption().find(
                  ">New Version Available. Click Here for more Details</a>"),
              std::string::npos);
    EXPECT_NE(FVelmaroFirmWare->LL_Update->Caption().find("href=\"" + server.Url("") +
                                                          "/Home/download/download.asp#GW40215\""),
              std::string::npos);
    EXPECT_EQ(FVelmaroFirmWare->Timer_Update->Interval(), 7200000u);
    EXPECT_TRUE(FVelmaroFirmWare->Timer_Update->Enabled());
}

TEST_F(VersionCheckTest, ManualCheckShowsItsAnswer) {
    Create_Windows();
    struct Case {
        const char* Answer;
        const char* Shown;
    };
    const Case cases[] = {
        {"VER. 1.001", ">New Version Available. Click Here for more Details</a>"},
        {"VER. 0.000", "No Update Available"},
    };
    for (const Case& c : cases) {
        TinyHttpServer server(Version_Answer(c.Answer));
        Version_Host() = server.Url("");
        FSoftOptions->Btn_Check_UpdateClick(FSoftOptions->Btn_Check_Update);
        EXPECT_TRUE(FSoftOptions->LL_Check_Update->Visible());
        EXPECT_NE(FSoftOptions->LL_Check_Update->Caption().find(c.Shown), std::string::npos)
            << FSoftOptions->LL_Check_Update->Caption();
    }
}

} // namespace
