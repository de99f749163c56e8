#pragma once
// Messages of the standards engine that the user must act on: shown only when the Core
// library's settings enable spreadsheet error messages, as message boxes with the exclamation
// icon.
#include "ktx_string.h"

bool standardsMessagesEnabled();
void showStandardsMessage(const Ktx_String& text);
