// Letter case of code page 1252 text: upper and lower case of ASCII and the accented letters,
// and comparison without regard to case (how the formula language compares text).
#pragma once

#include <array>
#include <string>
#include <string_view>

// Each byte's upper and lower case, indexed by the byte.
extern const std::array<unsigned char, 256> kUpperBytes;
extern const std::array<unsigned char, 256> kLowerBytes;

inline char upperChar(char c) {
    return static_cast<char>(kUpperBytes[static_cast<unsigned char>(c)]);
}
inline char lowerChar(char c) {
    return static_cast<char>(kLowerBytes[static_cast<unsigned char>(c)]);
}
std::string upperText(std::string_view text);
std::string lowerText(std::string_view text);
// <0, 0, >0 as a compares to b, letters compared without regard to case.
int compareNoCase(std::string_view a, std::string_view b);
bool equalNoCase(std::string_view a, std::string_view b);
// Offset of `needle` in `hay` from `from`, without regard to case; npos when absent.
std::size_t findNoCase(std::string_view hay, std::string_view needle, std::size_t from);
