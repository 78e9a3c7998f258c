#include "app/core/ByteWriter.h"

#include "platform/core/Exception.h"

#include <bit>
#include <cstring>
#include <string>

TByteWriter::TByteWriter(std::vector<uint8_t>& buffer, size_t position)
    : FBuffer(buffer), FPosition(position) {}

void TByteWriter::Reserve(size_t count) const {
    if (FPosition > FBuffer.size() || count > FBuffer.size() - FPosition)
        throw Exception("The configuration needs more than the " + std::to_string(FBuffer.size()) +
                        " bytes that its bank holds");
}

void TByteWriter::Put(uint64_t value, size_t width) {
    Reserve(width);
    for (size_t i = 0; i < width; ++i)
        FBuffer[FPosition++] = static_cast<uint8_t>(value >> (8 * i));
}

void TByteWriter::F32(float value) {
    U32(std::bit_cast<uint32_t>(value));
}

void TByteWriter::Bytes(const uint8_t* data, size_t count) {
    Reserve(count);
    if (count > 0)
        std::memcpy(FBuffer.data() + FPosition, data, count);
    FPosition += count;
}
