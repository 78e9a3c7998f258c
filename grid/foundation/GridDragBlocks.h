#pragma once

#include <optional>
#include <string>
#include <string_view>

// The byte layouts of the grid's own drag formats. Blocks may come from another program: the
// readers check every count against the block they got.

// "TExStringGrid Cells": a 32-bit little-endian byte count n, four zero bytes, then the n bytes
// of the grid's binary cell stream. Nothing for a stream of 4 GiB or more, which the count
// cannot hold.
std::optional<std::string> GridCellsBlock(std::string_view cellStream);
// The cell stream of a block; nothing when the block is shorter than its header, its count
// runs past the block's end, or the four bytes after the count are not zero (a count of 4 GiB
// or more). Bytes after the stream are padding and left out.
std::optional<std::string> ReadGridCellsBlock(std::string_view block);

// "Grid Column": one 32-bit little-endian integer, the column index.
std::string GridColumnBlock(int column);
// The first 32-bit integer of a block; -1 when the block is shorter than that.
int ReadGridColumnBlock(std::string_view block);
