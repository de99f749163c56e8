#pragma once
// The module's text is Windows code page 1252 bytes; the page speaks UTF-8.
#include <nlohmann/json.hpp>
#include <string>

std::string utf8FromCp1252(const std::string& bytes);
// Characters code page 1252 lacks become '?'; malformed UTF-8 bytes too.
std::string cp1252FromUtf8(const std::string& text);
// Every string of the value (keys stay as they are: ours, plain ASCII), converted in place.
void jsonStringsToUtf8(nlohmann::json& value);
