#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// The text of a PDF file read by poppler's pdftotext, one string per page (tests skip when the
// program is missing).
inline bool HavePdfToText() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

inline std::vector<std::string> PdfPages(const std::string& Path) {
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext -layout '" + Path + "' - 2>/dev/null").c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    // pdftotext ends every page with a form feed.
    std::vector<std::string> pages;
    size_t start = 0;
    for (size_t ff; (ff = text.find('\f', start)) != std::string::npos; start = ff + 1)
        pages.push_back(text.substr(start, ff - start));
    return pages;
}
