#pragma once
// Small text helpers that never fail: left and right parts (asking for more characters
// than the text has gives the whole text), and decimal numbers. They sit on the bottom floor
// because the start-up, the grid, the Modes_Delta string and the main window all use them.

#include <cstddef>
#include <cstdint>
#include <string>

namespace vexmora {

// What a caption shows where Windows offers nothing: no version, no display mode.
inline constexpr char kNotAvailable[] = "N/A";

inline std::string Left(const std::string& text, std::size_t n) {
    return text.substr(0, n);
}

inline std::string Right(const std::string& text, std::size_t n) {
    return n >= text.size() ? text : text.substr(text.size() - n);
}

// n in decimal digits. std::to_string would link the C library's printf engine into the
// program for nothing but this.
inline std::string Decimal(std::uint32_t n) {
    char digits[10];
    std::size_t at = sizeof digits;
    do {
        digits[--at] = static_cast<char>('0' + n % 10);
        n /= 10;
    } while (n != 0);
    return std::string(digits + at, sizeof digits - at);
}

}  // namespace vexmora
