#include "grid/foundation/GridDragBlocks.h"

#include "platform/ui/DragBlocks.h"

#include <cstdint>
#include <limits>

namespace {

constexpr size_t CellsHeaderSize = 8;

} // namespace

std::optional<std::string> GridCellsBlock(std::string_view cellStream) {
    if (cellStream.size() > std::numeric_limits<uint32_t>::max())
        return std::nullopt;
    std::string block;
    block.reserve(CellsHeaderSize + cellStream.size());
    AppendUInt32(block, static_cast<uint32_t>(cellStream.size()));
    AppendUInt32(block, 0);
    block.append(cellStream);
    return block;
}

std::optional<std::string> ReadGridCellsBlock(std::string_view block) {
    if (block.size() < CellsHeaderSize || ReadUInt32(block, 4) != 0)
        return std::nullopt;
    const size_t count = ReadUInt32(block, 0);
    if (count > block.size() - CellsHeaderSize)
        return std::nullopt;
    return std::string(block.substr(CellsHeaderSize, count));
}

std::string GridColumnBlock(int column) {
    std::string block;
    AppendUInt32(block, static_cast<uint32_t>(column));
    return block;
}

int ReadGridColumnBlock(std::string_view block) {
    if (block.size() < 4)
        return -1;
    return static_cast<int>(ReadUInt32(block, 0));
}
