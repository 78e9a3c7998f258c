#pragma once

// A one-shot HTTP server on 127.0.0.1 and an ephemeral port for network tests: nothing leaves
// the machine.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <thread>

namespace TestHttp {

// Accepts one connection, keeps the request and sends `answer` as it stands; an empty answer
// keeps the connection silent until the server is destroyed.
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
    // Valid once the client's request has returned, or WaitForRequest said true.
    const std::string& Request() const { return FRequest; }
    // Whether a whole request arrived within the limit.
    bool WaitForRequest(std::chrono::milliseconds limit) const {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!FRequested && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return FRequested;
    }

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
        FRequested = true;
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
    std::atomic<bool> FRequested{false};
    std::thread FThread;
};

inline std::string Answer(const std::string& statusLine, const std::string& body,
                          const std::string& extraHeaders = "") {
    return statusLine + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
           extraHeaders + "Connection: close\r\n\r\n" + body;
}

} // namespace TestHttp
