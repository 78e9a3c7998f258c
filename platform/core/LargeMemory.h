#pragma once

#include <cstddef>
#include <string>

// Fresh zeroed memory for bulk data of many megabytes. It starts on a huge-page boundary and is
// offered to the kernel for huge pages (where the system leaves that choice to the program):
// filling it then costs one fault per 2 MiB instead of one per 4 KiB, which for hundreds of
// megabytes is most of the time a bulk load takes.
namespace LargeMemory {

constexpr std::size_t HugePage = std::size_t(2) << 20;

// At least `bytes`, rounded up to whole huge pages (the size is stored back into `bytes`);
// nullptr when the memory is not there.
void* Map(std::size_t& bytes);
// Faults the whole range in at once where the kernel can; elsewhere first writes do it.
void Populate(void* memory, std::size_t bytes);
// Room for a text of `bytes` that is about to be written front to back, its buffer offered for
// huge pages.
void ReserveLargeString(std::string& text, std::size_t bytes);
// Gives back [memory, memory + bytes): a whole mapping or a page-aligned part of one.
void Unmap(void* memory, std::size_t bytes);

} // namespace LargeMemory
