#include "platform/net/HttpClient.h"

#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {

// curl's global set-up is not thread-safe; do it once, before the first handle.
void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t AppendBody(char* data, size_t size, size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

} // namespace

std::string THttpClient::Get(const std::string& url) const {
    InitialiseCurlOnce();
    const std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        throw EHttpError("HTTP request to " + url + " failed: the HTTP library cannot start");

    std::unique_ptr<curl_slist, HeaderListDeleter> headers;
    if (!Accept.empty())
        headers.reset(curl_slist_append(nullptr, ("Accept: " + Accept).c_str()));

    std::string body;
    char errorText[CURL_ERROR_SIZE] = "";
    CURL* handle = curl.get();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
    // An empty proxy keeps curl from taking one from the environment's *_proxy variables.
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS, static_cast<long>(Timeout.count()));
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(Timeout.count()));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    if (UseHttp10)
        curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    if (!UserAgent.empty())
        curl_easy_setopt(handle, CURLOPT_USERAGENT, UserAgent.c_str());
    if (headers)
        curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());

    const CURLcode code = curl_easy_perform(handle);
    if (code != CURLE_OK)
        throw EHttpError("HTTP request to " + url + " failed: " +
                         (errorText[0] != '\0' ? errorText : curl_easy_strerror(code)));
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status >= 300)
        throw EHttpError("HTTP request to " + url + " failed: the server answered with status " +
                         std::to_string(status));
    return body;
}
