#pragma once

#include <cstdint>
#include <initializer_list>

// A small set of enumeration values, shaped like the framework's sets: Contains, << to include,
// >> to exclude, + - * for union, difference and intersection. Enumerations of up to 64 values.
template <typename E> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> values) {
        for (E value : values)
            Bits |= Bit(value);
    }

    constexpr bool Contains(E value) const { return (Bits & Bit(value)) != 0; }
    constexpr bool Empty() const { return Bits == 0; }
    constexpr TSet& operator<<(E value) {
        Bits |= Bit(value);
        return *this;
    }
    constexpr TSet& operator>>(E value) {
        Bits &= ~Bit(value);
        return *this;
    }
    constexpr TSet operator+(TSet other) const { return FromBits(Bits | other.Bits); }
    constexpr TSet operator-(TSet other) const { return FromBits(Bits & ~other.Bits); }
    constexpr TSet operator*(TSet other) const { return FromBits(Bits & other.Bits); }
    constexpr TSet& operator+=(TSet other) {
        Bits |= other.Bits;
        return *this;
    }
    constexpr TSet& operator-=(TSet other) {
        Bits &= ~other.Bits;
        return *this;
    }
    constexpr bool operator==(const TSet&) const = default;

    constexpr uint64_t ToBits() const { return Bits; }
    static constexpr TSet FromBits(uint64_t bits) {
        TSet result;
        result.Bits = bits;
        return result;
    }

private:
    static constexpr uint64_t Bit(E value) { return uint64_t{1} << static_cast<unsigned>(value); }
    uint64_t Bits = 0;
};
