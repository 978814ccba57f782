#pragma once
#include <cstdint>
#include <initializer_list>

// A small set of enumeration elements (at most 32), as the platform's set types.
template <typename E>
class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> elements)
    {
        for (E e : elements)
            bits_ |= bit(e);
    }
    constexpr bool Contains(E e) const { return bits_ & bit(e); }
    constexpr TSet& Include(E e) { bits_ |= bit(e); return *this; }
    constexpr TSet& Exclude(E e) { bits_ &= ~bit(e); return *this; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr uint32_t Bits() const { return bits_; }
    static constexpr TSet FromBits(uint32_t bits) { TSet s; s.bits_ = bits; return s; }
    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr uint32_t bit(E e) { return 1u << static_cast<unsigned>(e); }
    uint32_t bits_ = 0;
};
