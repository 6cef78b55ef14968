// Small bit sets over enumerations, bit n standing for the value n, with the
// width the stored formats use (8, 16 or 32 bits).
#pragma once

#include <cstdint>
#include <initializer_list>

template <typename Enum, typename Bits>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<Enum> values) {
    for (Enum v : values) bits_ |= Bit(v);
  }
  static constexpr TSet FromBits(Bits bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }

  constexpr Bits ToBits() const { return bits_; }
  constexpr bool Contains(Enum v) const { return (bits_ & Bit(v)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  TSet& Include(Enum v) {
    bits_ |= Bit(v);
    return *this;
  }
  TSet& Exclude(Enum v) {
    bits_ &= static_cast<Bits>(~Bit(v));
    return *this;
  }
  TSet& Set(Enum v, bool on) { return on ? Include(v) : Exclude(v); }

  constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TSet operator-(TSet o) const { return FromBits(bits_ & static_cast<Bits>(~o.bits_)); }
  constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
  constexpr bool operator==(TSet o) const { return bits_ == o.bits_; }
  constexpr bool operator!=(TSet o) const { return bits_ != o.bits_; }

 private:
  static constexpr Bits Bit(Enum v) { return static_cast<Bits>(Bits(1) << static_cast<unsigned>(v)); }
  Bits bits_ = 0;
};
