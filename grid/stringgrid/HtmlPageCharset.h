#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Where a page names its character set: the value of the first charset in a META tag, as
// `<meta charset="...">` or `<meta http-equiv="Content-Type" content="text/html; charset=...">`
// write it. Offset and Length locate the value in the page's bytes.
struct THtmlPageCharset {
    size_t Offset = 0;
    size_t Length = 0;
    std::string Name;
};

std::optional<THtmlPageCharset> FindHtmlPageCharset(std::string_view page);

// The page with the value of its charset declaration replaced by `name`; unchanged without one.
std::string RedeclareHtmlPageCharset(std::string_view page, std::string_view name);
