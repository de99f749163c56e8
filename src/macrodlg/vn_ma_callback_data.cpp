#include "vn_ma_callback_data.h"

VnMACallBackData& VnMACallBackData::operator=(const VnMACallBackData& other) {
    if (this == &other) return *this;
    name = other.name;
    value1 = other.value1;
    value2 = other.value2;
    name2 = other.name2;
    items = other.items;
    data_ = other.data_ ? std::make_unique<MacroData>(*other.data_) : nullptr;
    return *this;
}

void VnMACallBackData::initDataClass(const MacroData& data) {
    if (!data_) data_ = std::make_unique<MacroData>(data);
}
