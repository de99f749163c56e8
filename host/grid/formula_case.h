// Letter case of code page 1252 text: upper and lower case of ASCII and the accented letters,
// and comparison without regard to case (how the formula language compares text).
#pragma once

#include <string>
#include <string_view>

char upperChar(char c);
char lowerChar(char c);
std::string upperText(std::string_view text);
std::string lowerText(std::string_view text);
// <0, 0, >0 as a compares to b, letters compared without regard to case.
int compareNoCase(std::string_view a, std::string_view b);
bool equalNoCase(std::string_view a, std::string_view b);
// Offset of `needle` in `hay` from `from`, without regard to case; npos when absent.
std::size_t findNoCase(std::string_view hay, std::string_view needle, std::size_t from);
