#include "platform/net/HttpClient.h"

#include <algorithm>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace {

// curl's global set-up is not thread-safe; do it once, before the first handle.
void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The body as it arrives, and why a transfer was stopped on our side.
struct Transfer {
    std::string Body;
    size_t MaxBodySize = 0;
    bool TooLarge = false;
    const std::function<bool(std::uint64_t, std::uint64_t)>* OnProgress = nullptr;
    bool Abandoned = false;
};

size_t AppendBody(char* data, size_t size, size_t count, void* context) {
    auto* transfer = static_cast<Transfer*>(context);
    const size_t length = size * count;
    if (transfer->MaxBodySize != 0 && length > transfer->MaxBodySize - transfer->Body.size()) {
        transfer->TooLarge = true;
        return 0; // stops the transfer
    }
    transfer->Body.append(data, length);
    return length;
}

int ReportProgress(void* context, curl_off_t total, curl_off_t received, curl_off_t, curl_off_t) {
    auto* transfer = static_cast<Transfer*>(context);
    if ((*transfer->OnProgress)(static_cast<std::uint64_t>(std::max<curl_off_t>(received, 0)),
                                static_cast<std::uint64_t>(std::max<curl_off_t>(total, 0))))
        return 0;
    transfer->Abandoned = true;
    return 1;
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

    Transfer transfer;
    transfer.MaxBodySize = MaxBodySize;
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
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
    if (MaxBodySize != 0)
        // Refuses an announced length at once; the write callback catches the rest.
        curl_easy_setopt(handle, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(MaxBodySize));
    if (OnProgress) {
        transfer.OnProgress = &OnProgress;
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, ReportProgress);
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    }
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, errorText);
    if (UseHttp10)
        curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    if (!UserAgent.empty())
        curl_easy_setopt(handle, CURLOPT_USERAGENT, UserAgent.c_str());
    if (headers)
        curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get());

    const CURLcode code = curl_easy_perform(handle);
    if (transfer.TooLarge || code == CURLE_FILESIZE_EXCEEDED)
        throw EHttpError("HTTP request to " + url + " failed: the answer is larger than " +
                         std::to_string(MaxBodySize) + " bytes");
    if (transfer.Abandoned)
        throw EHttpError("HTTP request to " + url + " was cancelled");
    if (code != CURLE_OK)
        throw EHttpError("HTTP request to " + url + " failed: " +
                         (errorText[0] != '\0' ? errorText : curl_easy_strerror(code)));
    long status = 0;
    curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
    if (status < 200 || status >= 300)
        throw EHttpError("HTTP request to " + url + " failed: the server answered with status " +
                         std::to_string(status));
    return std::move(transfer.Body);
}
