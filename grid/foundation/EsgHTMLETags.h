#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reading tags of the mini-HTML mark-up; shared by its string routines and its renderer.
namespace HTMLTags {

char UpperAscii(char c);
std::string UpperAscii(std::string_view Text);
// Position of Pattern in Text from From on, without regard to ASCII case; npos when absent.
size_t FindNoCase(std::string_view Text, std::string_view Pattern, size_t From = 0);
bool StartsWithNoCase(std::string_view Text, std::string_view Prefix);
// Replaces every occurrence of From (exact case).
std::string ReplaceAll(std::string_view Text, std::string_view From, std::string_view To);
// Replaces occurrences of Pattern found without regard to ASCII case, left to right, and looks
// again where each replacement starts, so what a replacement forms with the text behind it is
// replaced too ("&amp;amp;" gives "&" for "&amp;" -> "&"). With WhileExactCaseAhead it stops as
// soon as no occurrence in Pattern's exact case is left ahead. Replacement must be shorter than
// Pattern and hold none of Pattern's characters but its first (true of every entity and tag
// replaced here); then the work is linear in the length of Text.
void ReplaceNoCaseRescanning(std::string& Text, std::string_view Pattern,
                             std::string_view Replacement, bool WhileExactCaseAhead);

// The value of an attribute written Name="value": the first occurrence of Name followed by '='
// (ASCII case ignored) and the text up to the next double quote. A value without quotes, or a
// missing attribute, is empty.
std::string AttributeValue(std::string_view Tag, std::string_view Name);
// Whether Tag holds Name followed by '=' at all.
bool HasAttribute(std::string_view Tag, std::string_view Name);
// The leading integer of text; Fallback when it starts with no digit.
int LeadingInteger(std::string_view Text, int Fallback);
// A whole number (optional sign and digits only), else Fallback.
int WholeNumber(std::string_view Text, int Fallback);
// Sizes and offsets that the mark-up gives in pixels are kept within this many pixels either
// way, so that sums of them stay far from integer overflow and no picture is stretched to an
// absurd size.
constexpr int MaxMarkupExtent = 32767;
int ClampExtent(int Value);

// Walks the "<CONTROL " tags of a text in order. Tag is the text behind "<CONTROL " up to and
// including its '>' (the rest of the text when it has none); Start is the position of its '<'.
struct ControlTag {
    size_t Start = 0;
    std::string_view Tag;
};
class ControlTagWalker {
public:
    explicit ControlTagWalker(std::string_view Text) : FText(Text) {}
    bool Next(ControlTag& Found);

private:
    std::string_view FText;
    size_t FPos = 0;
};

} // namespace HTMLTags
