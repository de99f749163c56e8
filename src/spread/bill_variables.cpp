#include "bill_variables.h"

#include <string>

#include "core_clock.h"

Ktx_String billTitle(const Ktx_String& fileName) {
    std::string name = fileName.str();
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.resize(dot);
    const size_t mark = name.rfind('\xBF');
    if (mark != std::string::npos) name.erase(0, mark + 1);
    return Ktx_String(std::move(name));
}

Ktx_String billDateText(const std::tm& time) {
    char text[128] = {};
    const size_t length = std::strftime(text, sizeof text, "%d %B, %Y (%H:%M)", &time);
    return Ktx_String(text, static_cast<int>(length));
}

void putBillVariablesInFront(Ktx_StringArray& names, Ktx_StringArray& values,
                             const Ktx_String& fileName) {
    const std::time_t now = coreCurrentTime();
    std::tm local{};
    localtime_r(&now, &local);
    const Ktx_String front[][2] = {
        {"Date", billDateText(local)}, {"Title", billTitle(fileName)}, {"BillFilename", fileName}};
    for (int i = 0; i < 3; ++i) {
        names.insertAt(i, front[i][0]);
        values.insertAt(i, front[i][1]);
    }
}
