#pragma once

#include "platform/core/Exception.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// A failed HTTP request: no connection, time-out, a redirection or an error status.
class EHttpError : public Exception {
public:
    using Exception::Exception;
};

// Blocking HTTP GET, straight to the host. Redirections are not followed, no cookies are kept
// and no proxy is taken from the environment.
class THttpClient {
public:
    // Limit for the whole request, connecting included.
    std::chrono::milliseconds Timeout{10000};
    std::string Accept;
    std::string UserAgent;
    // Sends HTTP/1.0 requests instead of HTTP/1.1.
    bool UseHttp10 = false;
    // Largest body taken, in bytes; a longer answer raises EHttpError before more is read.
    // 0: no limit.
    std::size_t MaxBodySize = 0;
    // Called on the requesting thread while the request runs (at least about once a second,
    // also while the server is silent) with the body bytes received so far and the announced
    // size (0 while unknown). Returning false abandons the request, which raises EHttpError.
    std::function<bool(std::uint64_t Received, std::uint64_t Total)> OnProgress;

    // The body of a 2xx answer, as received. Throws EHttpError with a message naming the URL and
    // the reason for anything else.
    std::string Get(const std::string& url) const;
};
