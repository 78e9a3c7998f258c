#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The byte layouts of the standard drag formats. The readers take blocks that another program
// made: they never read past the block, and a text or list that the block cuts short ends with
// the block.

// DragFormat::Text: the text in the ANSI code page and a closing NUL.
std::string AnsiTextBlock(std::string_view utf8);
// DragFormat::UnicodeText: the text in UTF-16 (little-endian) and a closing NUL unit.
std::string UnicodeTextBlock(std::string_view utf8);
// The text up to the first NUL or the end of the block, as UTF-8.
std::string ReadAnsiTextBlock(std::string_view block);
// The same for UTF-16 text; an odd last byte is no character.
std::string ReadUnicodeTextBlock(std::string_view block);

// DragFormat::FileDrop: a 20-byte header (32-bit offset of the names, the drop point as two
// 32-bit numbers, a 32-bit non-client flag, a 32-bit wide flag), then each name ended by NUL and
// an empty name closing the list. Written with UTF-16 names.
std::string FileDropBlock(const std::vector<std::string>& names);
// Fills `names` (cleared first) from the block; true when at least one name was read. Names are
// UTF-16 when the wide flag is set, ANSI otherwise. A name that the block cuts off before its
// NUL is left out; a block whose name offset lies outside it, or inside its header, has none.
bool ReadFileDropBlock(std::string_view block, std::vector<std::string>& names);

// 32-bit little-endian numbers of a block.
void AppendUInt32(std::string& block, uint32_t value);
uint32_t ReadUInt32(std::string_view block, size_t offset); // offset + 4 <= block.size()
