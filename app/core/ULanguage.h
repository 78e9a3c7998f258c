#pragma once

#include <string>
#include <string_view>

class TStringList;

// The language list: Language_Count numbered texts that every window takes its captions, hints,
// grid headers and messages from. It starts as the built-in English texts; a language file then
// replaces some or all of them.

// Empties `list` and fills it with the built-in English text of every slot, in slot order. A slot
// without a text of its own holds a single blank.
void Load_Default_Strings(TStringList& list);

// Applies the lines of a decoded language file to `list`. A line sets a slot when it reads
// "STR", the slot number, "=", the text, with an optional comment after "/#/" and optional
// pilcrows around the text to keep its blanks; any other line is ignored. Slots at or above
// `slotLimit` (or beyond the list) are ignored, and a later line for a slot wins.
void Apply_Language_Text(TStringList& list, std::string_view text, int slotLimit);

// Reads the language file at `path` (byte-order-mark aware, Windows-1252 without one) and applies
// it. The whole file is read first, so a file that cannot be read throws EFileError and leaves
// the list as it was.
void Load_Language_File(TStringList& list, const std::string& path, int slotLimit);

// The same on the application's Language_List; Load_Default_Strings also sets Language_Count.
// Load_Default_Language is another name for Load_Default_Strings.
void Load_Default_Strings();
void Load_Default_Language();
void Load_Language_File(const std::string& path);

// The built-in texts, then the file of Language_Name in Language_Dir. When that file is missing,
// Language_Name becomes "English" and "English.lng" is applied when it exists. A language file
// that exists but cannot be read leaves the built-in texts in place.
void Load_Language();

// The text of slot `index` of Language_List; empty for an index outside the list. A list that was
// never filled is given the built-in texts first, so texts are available before start-up ends.
std::string Lang_Str(int index);
