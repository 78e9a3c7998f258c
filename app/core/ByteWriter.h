#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Writes little-endian fields into a byte buffer of fixed size, as the device reads its banks.
// Writing past the end of the buffer throws Exception instead of overrunning it.
class TByteWriter {
public:
    TByteWriter(std::vector<uint8_t>& buffer, size_t position);

    size_t Position() const { return FPosition; }

    void U8(uint8_t value) { Put(value, 1); }
    void U16(uint16_t value) { Put(value, 2); }
    // The low `width` bytes of `value`.
    void Put(uint64_t value, size_t width);
    void U32(uint32_t value) { Put(value, 4); }
    void U64(uint64_t value) { Put(value, 8); }
    void F32(float value);
    void Bytes(const uint8_t* data, size_t count);

private:
    void Reserve(size_t count) const;

    std::vector<uint8_t>& FBuffer;
    size_t FPosition;
};
