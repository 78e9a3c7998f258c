#include "app/windows/VersionCheck.h"

#include "app/core/AppState.h"
#include "platform/core/IntegerConversion.h"
#include "platform/core/Text.h"
#include "platform/net/HttpClient.h"

#include <chrono>

std::string& Version_Host() {
    static std::string host = "http://www.quorvelco.com";
    return host;
}

std::string Version_Request_Url() {
    return Version_Host() + "/home/download/GetversionSW.asp?nomesw=" + AppState().SW_Code;
}

std::string Download_Page_Url() {
    return Version_Host() + "/Home/download/download.asp#GW40215";
}

std::string Download_Link_Markup(const std::string& visibleText) {
    return "<a href=\"" + Download_Page_Url() + "\">" + visibleText + "</a>";
}

int Conv_Version(std::string_view Ver_str) {
    const size_t blank = Ver_str.find(' ');
    const std::string s =
        Trim(blank == std::string_view::npos ? Ver_str : Ver_str.substr(blank + 1));
    if (s.size() < 5)
        return -1;
    const std::string digits = std::string(1, s[0]) + s.substr(2, 3);
    int32_t value = 0;
    return TryStrToInt(digits, value) ? value : -1;
}

void Prepare_Version_Client(THttpClient& client) {
    client.Accept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
    client.UserAgent = "Mozilla/3.0 (compatible; Indy Library)";
    client.UseHttp10 = true;
    client.Timeout = std::chrono::milliseconds(10000);
}

bool Check_Version(const THttpClient& client) {
    std::string answer;
    try {
        answer = client.Get(Version_Request_Url());
    } catch (const Exception&) {
        // No answer is no newer version; the check is silent by design.
        answer.clear();
    }
    const std::string a = UpperCase(Trim(answer));
    if (a.empty() || a == "VER. 0.000")
        return false;
    const int local = Conv_Version(Program_Version);
    const int remote = Conv_Version(Trim(answer));
    return local != -1 && remote != -1 && remote > local;
}
