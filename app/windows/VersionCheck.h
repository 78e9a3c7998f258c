#pragma once

#include <string>
#include <string_view>

class THttpClient;

// The question to the maker's web host whether a newer version of this software exists.

// The program's own version.
inline constexpr std::string_view Program_Version = "1.000";

// The maker's web host as an http URL without a trailing "/"; tests point it at a local server.
std::string& Version_Host();

// "<host>/home/download/GetversionSW.asp?nomesw=<software code>".
std::string Version_Request_Url();
// The download page that the "new version" links open.
std::string Download_Page_Url();
// The anchor markup of a link label: the download page behind the given visible text.
std::string Download_Link_Markup(const std::string& visibleText);

// A version text as an integer: the part after the first blank, trimmed, with its second
// character (the point) skipped and the next four read as a number; -1 when that fails.
// "VER. 1.001" gives 1001, "1.000" 1000, "VER. 10.00" -1.
int Conv_Version(std::string_view Ver_str);

// Sets the client up for the version request: HTTP/1.0, the request headers, a 10 s limit.
void Prepare_Version_Client(THttpClient& client);

// True when the host names a newer version than the program's own. Any failure of the request
// (no connection, time-out, error status, redirection) counts as no newer version.
bool Check_Version(const THttpClient& client);
