#pragma once
// VnMACallBackData: the record handed to the callback of the advanced profile dialog. Every
// record owns its own MacroData (none until initDataClass): copying a record copies the data,
// so two records never share one object and each deletes only its own.
#include <memory>
#include <vector>

#include "ktx_string.h"
#include "macro_data.h"

class VnMACallBackData {
  public:
    VnMACallBackData() = default;
    VnMACallBackData(const VnMACallBackData& other) { *this = other; }
    VnMACallBackData& operator=(const VnMACallBackData& other);
    virtual ~VnMACallBackData() = default;

    // Creates the record's MacroData from `data` when it has none; otherwise does nothing.
    void initDataClass(const MacroData& data);
    MacroData* macroData() const { return data_.get(); }

    Ktx_String name;
    int value1 = 0;
    int value2 = 0;
    Ktx_String name2;
    std::vector<int> items;

  private:
    std::unique_ptr<MacroData> data_;
};
