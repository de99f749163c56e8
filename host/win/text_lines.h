// Splitting the text of a file into lines, the same way for every text file read: a line ends
// at CRLF, LF or a lone CR (as editors on every system write them), and a final line end adds
// no empty line. A UTF-8 byte-order mark that an editor put at the start is not text.
#pragma once

#include <string_view>
#include <vector>

// The lines of `text`, without their line ends. "a\r\nb", "a\nb\n" and "a\rb\r" all give
// {"a", "b"}; "" gives none and "\n\n" two empty lines.
std::vector<std::string_view> textLines(std::string_view text);
// `text` without a UTF-8 byte-order mark at its start.
std::string_view textWithoutUtf8Mark(std::string_view text);
