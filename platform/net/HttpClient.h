#pragma once

#include "platform/core/Exception.h"

#include <chrono>
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

    // The body of a 2xx answer, as received. Throws EHttpError with a message naming the URL and
    // the reason for anything else.
    std::string Get(const std::string& url) const;
};
