#include "platform/net/HttpClient.h"
#include "tests/platform/core/ScopedEnvironment.h"

#include <arpa/inet.h>
#include <atomic>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

// A one-shot HTTP server on 127.0.0.1 and an ephemeral port: it accepts one connection, keeps
// the request and sends `answer` as it stands; an empty answer keeps the connection silent.
class TinyHttpServer {
public:
    explicit TinyHttpServer(std::string answer) : FAnswer(std::move(answer)) {
        FListener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(FListener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(FListener, 1) != 0 ||
            ::getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            throw std::runtime_error("test server cannot listen");
        FPort = ntohs(address.sin_port);
        FThread = std::thread([this] { Serve(); });
    }
    ~TinyHttpServer() {
        FStop = true;
        FThread.join();
        ::close(FListener);
    }

    std::string Url(const std::string& path = "/") const {
        return "http://127.0.0.1:" + std::to_string(FPort) + path;
    }
    // Valid once the client's request has returned.
    const std::string& Request() const { return FRequest; }

private:
    bool WaitReadable(int socket) {
        pollfd entry{socket, POLLIN, 0};
        while (!FStop)
            if (::poll(&entry, 1, 20) > 0)
                return true;
        return false;
    }

    void Serve() {
        if (!WaitReadable(FListener))
            return;
        const int connection = ::accept(FListener, nullptr, nullptr);
        char buffer[4096];
        while (FRequest.find("\r\n\r\n") == std::string::npos && WaitReadable(connection)) {
            const ssize_t received = ::recv(connection, buffer, sizeof buffer, 0);
            if (received <= 0)
                break;
            FRequest.append(buffer, static_cast<size_t>(received));
        }
        if (!FAnswer.empty())
            ::send(connection, FAnswer.data(), FAnswer.size(), MSG_NOSIGNAL);
        else
            while (!FStop)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ::close(connection);
    }

    std::string FAnswer;
    std::string FRequest;
    int FListener = -1;
    uint16_t FPort = 0;
    std::atomic<bool> FStop{false};
    std::thread FThread;
};

std::string Answer(const std::string& statusLine, const std::string& body,
                   const std::string& extraHeaders = "") {
    return statusLine + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
           extraHeaders + "Connection: close\r\n\r\n" + body;
}

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

} // namespace
