// The token syntax of sheet-file lines: words separated by single spaces, and quoted texts
// that carry any byte. Inside quotes a backslash escapes: \\ \" \t \r \n and \xHH (two hex
// digits) for every other byte below 0x20 and 0x7F; bytes from 0x80 up stand as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// `text` in quotes with the escapes above.
std::string quoteSheetText(std::string_view text);

struct SheetToken {
    std::string text;
    bool quoted = false;
};

// Splits a line into tokens; nullopt with `error` set for an unterminated quote, a bad
// escape or text glued to a closing quote.
std::optional<std::vector<SheetToken>> splitSheetLine(std::string_view line, std::string& error);
