#pragma once
// vnstd mapping link: links variables of a standard to macro properties from a shell, as the
// standards page of the macro settings dialog saves a mapping (cmd_mapping_link.cpp).
#include <string>
#include <vector>

#include "cli_context.h"

extern const char* const kMappingLinkUsage;
int runMappingLink(const CliContext& context, const std::vector<std::string>& args);
