#pragma once

#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

// A one-answer-per-connection HTTP server on 127.0.0.1 and an ephemeral port, for the version
// request. Silent, it takes connections and never answers.
class TinyHttpServer {
public:
    TinyHttpServer(std::string body, bool silent = false) : Body(std::move(body)), Silent(silent) {
        Listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(Listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(Listener, 8);
        socklen_t length = sizeof address;
        getsockname(Listener, reinterpret_cast<sockaddr*>(&address), &length);
        Port = ntohs(address.sin_port);
        Worker = std::thread([this] { Serve(); });
    }

    ~TinyHttpServer() {
        Stop = true;
        Worker.join();
        for (int fd : Held)
            close(fd);
        close(Listener);
    }

    std::string Url() const { return "http://127.0.0.1:" + std::to_string(Port); }
    // The request line of the last request answered.
    std::string Last_Request() const { return LastRequest; }

private:
    void Serve() {
        while (!Stop) {
            pollfd p{Listener, POLLIN, 0};
            if (poll(&p, 1, 20) <= 0)
                continue;
            const int client = accept(Listener, nullptr, nullptr);
            if (client < 0)
                continue;
            if (Silent) {
                Held.push_back(client);
                continue;
            }
            std::string request;
            char buffer[1024];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = recv(client, buffer, sizeof buffer, 0);
                if (n <= 0)
                    break;
                request.append(buffer, static_cast<size_t>(n));
            }
            LastRequest = request.substr(0, request.find("\r\n"));
            const std::string answer = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n"
                                       "Content-Length: " +
                                       std::to_string(Body.size()) + "\r\n\r\n" + Body;
            send(client, answer.data(), answer.size(), MSG_NOSIGNAL);
            close(client);
        }
    }

    std::string Body;
    bool Silent;
    int Listener = -1;
    int Port = 0;
    std::atomic<bool> Stop{false};
    std::thread Worker;
    std::vector<int> Held;
    std::string LastRequest;
};
