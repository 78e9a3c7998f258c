#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A cell text with runs marked for the cell renderer: search hits in <hi>..</hi>, checker
// errors in <e>..</e>. Marked text is written as mark-up, its own "&", "<", ">" and double
// quotes as entities so that they show as typed; the marks are kept per character, so that
// marking twice never encodes twice and removing every mark gives back the text exactly.
// A text that holds neither tag is plain, whatever else it holds.
class TMarkedText {
public:
    enum TMark : uint8_t { mkHighlight = 1, mkError = 2 };

    explicit TMarkedText(std::string_view Text);

    // Whether the text held one of the two tags when it was read.
    bool WasMarked() const { return FWasMarked; }
    // Marks every occurrence of Pattern in the shown text, left to right without overlap;
    // case is ignored (by full upper-casing) unless DoCase. True when one was found.
    bool Mark(std::string_view Pattern, bool DoCase, TMark Mark);
    // True when some character carried the mark.
    bool Unmark(TMark Mark);
    // The text shown to the user (entities resolved, tags gone).
    std::string Shown() const;
    // Mark-up when a mark is left, else the shown text.
    std::string Text() const;

private:
    std::u32string FChars;
    std::vector<uint8_t> FMarks;
    bool FWasMarked = false;
};

// The texts with a mark added or removed: the text itself when nothing changes.
std::string AddTextMark(std::string_view Text, std::string_view Pattern, bool DoCase,
                        TMarkedText::TMark Mark);
std::string RemoveTextMark(std::string_view Text, TMarkedText::TMark Mark);
