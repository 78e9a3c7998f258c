#pragma once

#include <chrono>
#include <string>

enum class TOpenLinkFailure {
    None,
    NotALink,     // empty, or starting with '-' (it would be taken for an option)
    NoOpener,     // the desktop's opener (xdg-open) is not installed or cannot start
    OpenerFailed, // the opener ran and gave up on the link
};

struct TOpenLinkResult {
    TOpenLinkFailure Failure = TOpenLinkFailure::None;
    int ExitCode = 0; // when OpenerFailed: its exit status, or 128 + signal number
    explicit operator bool() const { return Failure == TOpenLinkFailure::None; }
};

// How long the opener is watched for a failure before it is left to run on its own: it fails
// within moments when nothing can open the link, but may stay with the program it started.
inline constexpr std::chrono::milliseconds DefaultOpenLinkWatchTime{1000};

// Hands a link (a web address or a path) to the desktop's opener, xdg-open, looked up in PATH.
// Returns once the opener has finished or the watch time has passed; an opener still running
// then counts as success.
TOpenLinkResult OpenLink(const std::string& url,
                         std::chrono::milliseconds watchTime = DefaultOpenLinkWatchTime);

// The message for the user when the link could not be opened (empty when it was).
std::string OpenLinkFailureText(const std::string& url, const TOpenLinkResult& result);
