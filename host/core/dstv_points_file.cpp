// The layout of a DSTV point group file: a properties list with the format line, the number
// of points and each point's fields under "point<N>." (N from 1).
#include <cmath>
#include <string>

#include "dstv_points.h"

namespace {

constexpr const char* kFormatKey = "format";
constexpr const char* kFormat = "DSTV points 1";
constexpr const char* kCountKey = "points";

// One field of a point: its key after "point<N>." and where it lives.
struct Field {
    const char* key;
    Ktx_String Ktx_DstvPointInfo::*text;
    bool Ktx_DstvPointInfo::*flag;
    int Ktx_DstvPointInfo::*number;
    double Ktx_DstvPointInfo::*value;
};

using P = Ktx_DstvPointInfo;
const Field kFields[] = {
    {"name", &P::name, nullptr, nullptr, nullptr},
    {"extent.on", nullptr, &P::extentOn, nullptr, nullptr},
    {"extent.first", nullptr, nullptr, &P::extentFirst, nullptr},
    {"extent.second", nullptr, nullptr, &P::extentSecond, nullptr},
    {"intersection.on", nullptr, &P::intersectionOn, nullptr, nullptr},
    {"intersection.centred", nullptr, &P::centred, nullptr, nullptr},
    {"intersection.index", nullptr, nullptr, &P::intersectionIndex, nullptr},
    {"plate.first", nullptr, nullptr, &P::viewFirst, nullptr},
    {"plate.second", nullptr, nullptr, &P::viewSecond, nullptr},
    {"plate.edgeDistance", nullptr, nullptr, nullptr, &P::minEdgeDistance},
    {"drill.fullHole", nullptr, &P::fullHole, nullptr, nullptr},
    {"drill.byThickness", nullptr, &P::diameterByThickness, nullptr, nullptr},
    {"drill.diameter", nullptr, nullptr, nullptr, &P::holeDiameter},
};

Ktx_String keyOf(int n, const Field& f) {
    return "point" + Ktx_String(n) + "." + f.key;
}

void writeField(Ktx_PropertiesList& list, const Ktx_String& key, const P& point, const Field& f) {
    if (f.text) list.setProperty(key, point.*(f.text));
    if (f.flag) list.setProperty(key, point.*(f.flag) ? 1 : 0);
    if (f.number) list.setProperty(key, point.*(f.number));
    if (f.value) list.setProperty(key, point.*(f.value));
}

void readField(const Ktx_PropertiesList& list, const Ktx_String& key, P& point, const Field& f) {
    if (f.text) list.getProperty(key, point.*(f.text));
    if (f.number) list.getProperty(key, point.*(f.number));
    double value = 0.0;
    if (f.value && list.getProperty(key, value) && std::isfinite(value)) point.*(f.value) = value;
    int on = 0;
    if (f.flag && list.getProperty(key, on)) point.*(f.flag) = on != 0;
}

}  // namespace

Ktx_PropertiesList dstvPointsToList(const DstvPoints& points) {
    Ktx_PropertiesList list;
    list.setProperty(kFormatKey, kFormat);
    list.setProperty(kCountKey, points.length());
    for (int i = 0; i < points.length(); ++i)
        for (const Field& f : kFields) writeField(list, keyOf(i + 1, f), points[i], f);
    return list;
}

bool dstvPointsFromList(const Ktx_PropertiesList& list, DstvPoints& points) {
    points.removeAll();
    Ktx_String format;
    int count = 0;
    if (!list.getProperty(kFormatKey, format) || format != kFormat ||
        !list.getProperty(kCountKey, count) || count < 0)
        return false;
    for (int n = 1; n <= count && n <= kDstvMaxPoints; ++n) {
        P point;
        for (const Field& f : kFields) readField(list, keyOf(n, f), point, f);
        points.append(point);
    }
    return true;
}
