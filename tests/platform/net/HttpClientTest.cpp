#include "platform/net/HttpClient.h"
#include "support/TinyHttpServer.h"
#include "tests/platform/core/ScopedEnvironment.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

using TestHttp::Answer;
using TestHttp::TinyHttpServer;

TEST(THttpClient, ReturnsTheBodyAndSendsTheConfiguredHeaders) {
    TinyHttpServer server(Answer("HTTP/1.0 200 OK", "VER. 1.001"));
    THttpClient client;
    client.Accept = "text/html,*/*;q=0.8";
    client.UserAgent = "Configurator";
    client.UseHttp10 = true;
    EXPECT_EQ(client.Get(server.Url("/home/download/GetversionSW.asp?nomesw=CT")), "VER. 1.001");
    EXPECT_TRUE(
        server.Request().starts_with("GET /home/download/GetversionSW.asp?nomesw=CT HTTP/1.0\r\n"))
        << server.Request();
    EXPECT_NE(server.Request().find("Accept: text/html,*/*;q=0.8\r\n"), std::string::npos);
    EXPECT_NE(server.Request().find("User-Agent: Configurator\r\n"), std::string::npos);
}

TEST(THttpClient, IgnoresProxySettingsOfTheEnvironment) {
    // The program takes nothing from the environment: a proxy named there (here one that nobody
    // serves) must not come between the client and the host.
    const std::string deadProxy = "http://127.0.0.1:1";
    ScopedEnvironment lower("http_proxy", deadProxy), upper("HTTP_PROXY", deadProxy),
        all("ALL_PROXY", deadProxy), exempt("no_proxy", ""), exemptUpper("NO_PROXY", "");
    TinyHttpServer server(Answer("HTTP/1.0 200 OK", "VER. 0.000"));
    EXPECT_EQ(THttpClient().Get(server.Url()), "VER. 0.000");
}

TEST(THttpClient, AnEmptyBodyIsAnEmptyText) {
    TinyHttpServer server(Answer("HTTP/1.1 200 OK", ""));
    EXPECT_EQ(THttpClient().Get(server.Url()), "");
}

struct FailureCase {
    const char* Name;
    std::string Answer;
    const char* ExpectedInMessage;
};

TEST(THttpClient, ErrorStatusesAndRedirectionsRaiseAnHttpError) {
    const std::vector<FailureCase> cases = {
        {"server error", Answer("HTTP/1.1 500 Internal Server Error", "oops"), "status 500"},
        {"not found", Answer("HTTP/1.1 404 Not Found", ""), "status 404"},
        {"redirection", Answer("HTTP/1.1 302 Found", "", "Location: http://127.0.0.1:1/\r\n"),
         "status 302"},
        {"garbage", "this is no HTTP answer\r\n\r\n", "failed"},
    };
    for (const FailureCase& c : cases) {
        TinyHttpServer server(c.Answer);
        try {
            THttpClient().Get(server.Url());
            ADD_FAILURE() << c.Name << ": no exception";
        } catch (const EHttpError& error) {
            EXPECT_NE(error.Message.find(c.ExpectedInMessage), std::string::npos) << error.Message;
            EXPECT_NE(error.Message.find(server.Url()), std::string::npos) << error.Message;
        }
    }
}

TEST(THttpClient, ASilentServerTimesOut) {
    TinyHttpServer server("");
    THttpClient client;
    client.Timeout = std::chrono::milliseconds(300);
    EXPECT_THROW(client.Get(server.Url()), EHttpError);
}

TEST(THttpClient, NoServerOrABadUrlRaises) {
    int port = 0;
    {
        // A port that was free a moment ago and has nobody listening now.
        TinyHttpServer closed("x");
        port = std::stoi(closed.Url().substr(17));
    }
    EXPECT_THROW(THttpClient().Get("http://127.0.0.1:" + std::to_string(port) + "/"), EHttpError);
    EXPECT_THROW(THttpClient().Get("not a url"), EHttpError);
    EXPECT_THROW(THttpClient().Get("file:///etc/hostname"), EHttpError);
}

TEST(THttpClient, AnswersLongerThanTheLimitRaiseWithoutKeepingTheBody) {
    const std::string body(1000, 'x');
    struct Case {
        const char* Name;
        std::string Answer;
        size_t Limit;
        bool Taken;
    };
    const std::vector<Case> cases = {
        {"announced length over the limit", Answer("HTTP/1.1 200 OK", body), 999, false},
        {"unannounced length over the limit", "HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n" + body,
         999, false},
        {"exactly the limit", "HTTP/1.0 200 OK\r\nConnection: close\r\n\r\n" + body, 1000, true},
        {"no limit", Answer("HTTP/1.1 200 OK", body), 0, true},
    };
    for (const Case& c : cases) {
        TinyHttpServer server(c.Answer);
        THttpClient client;
        client.MaxBodySize = c.Limit;
        if (c.Taken) {
            EXPECT_EQ(client.Get(server.Url()), body) << c.Name;
            continue;
        }
        try {
            client.Get(server.Url());
            ADD_FAILURE() << c.Name << ": no exception";
        } catch (const EHttpError& error) {
            EXPECT_NE(error.Message.find("larger than 999 bytes"), std::string::npos)
                << c.Name << ": " << error.Message;
        }
    }
}

TEST(THttpClient, ProgressReportsTheBytesAndCanAbandonTheRequest) {
    const std::string body(5000, 'y');
    TinyHttpServer server(Answer("HTTP/1.1 200 OK", body));
    THttpClient client;
    std::uint64_t lastReceived = 0, lastTotal = 0;
    client.OnProgress = [&](std::uint64_t received, std::uint64_t total) {
        EXPECT_GE(received, lastReceived);
        lastReceived = received;
        lastTotal = std::max(lastTotal, total);
        return true;
    };
    EXPECT_EQ(client.Get(server.Url()), body);
    EXPECT_EQ(lastReceived, body.size());
    EXPECT_EQ(lastTotal, body.size());

    // A silent server: the request is abandoned long before its time-out.
    TinyHttpServer silent("");
    THttpClient abandoning;
    abandoning.Timeout = std::chrono::minutes(5);
    abandoning.OnProgress = [](std::uint64_t, std::uint64_t) { return false; };
    try {
        abandoning.Get(silent.Url());
        ADD_FAILURE() << "no exception";
    } catch (const EHttpError& error) {
        EXPECT_NE(error.Message.find("cancelled"), std::string::npos) << error.Message;
    }
}

} // namespace
