// Decimal digits for the readers and writers of the file core: reading them eight bytes at a time,
// and writing a number.
#pragma once

#include <QtEndian>
#include <QtGlobal>

#include <bit>
#include <charconv>

namespace weather {

inline constexpr quint64 AsciiZeros = 0x3030303030303030;

// How many of the eight bytes of `v` (the first in its lowest byte) are digits before the first
// that is not.
inline int leadingDigits(quint64 v) {
    // A byte is a digit when its upper half is 3 both as it is and with 6 added. A carry out of
    // a byte comes only from one that is no digit, and changes only the bytes after it.
    constexpr quint64 Upper = 0xf0f0f0f0f0f0f0f0;
    constexpr quint64 Sixes = 0x0606060606060606;
    const quint64 other = ((v & Upper) ^ AsciiZeros) | (((v + Sixes) & Upper) ^ AsciiZeros);
    return other == 0 ? 8 : std::countr_zero(other) / 8;
}

// The number that the first `n` (1 to 8) bytes of `v` write, all of them digits: three steps of
// "ten times the left neighbour plus this one" over pairs, quads and halves of the word.
inline unsigned digitsValue(quint64 v, int n) {
    quint64 d = (v - AsciiZeros) << (8 * (8 - n)); // the digits at the top, zeros before them
    d = (d * 10 + (d >> 8)) & 0x00ff00ff00ff00ff;
    d = (d * 100 + (d >> 16)) & 0x0000ffff0000ffff;
    d = (d * 10000 + (d >> 32)) & 0xffffffff;
    return static_cast<unsigned>(d);
}

// Writes `value` in plain decimal at `out` (at most 11 bytes); returns the end of what it wrote.
inline char* putNumber(char* out, qint32 value) {
    return std::to_chars(out, out + 11, value).ptr;
}

} // namespace weather
