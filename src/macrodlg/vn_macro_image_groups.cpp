// The image page's value transfer of profile groups and arrays.
#include "vn_macro_image_page.h"

void VnMacroImagePage::writeGroupValues(MacroTabData&) {}

void VnMacroImagePage::readGroupValues(MacroTabData&) {}
