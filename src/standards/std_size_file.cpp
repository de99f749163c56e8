#include "std_size_file.h"

#include <algorithm>
#include <cstdlib>

#include "object_export_math.h"

std::vector<StdSize> StdSizeFile::parse(const std::vector<std::string>& lines) {
    std::vector<StdSize> out;
    out.reserve(lines.size());
    for (const std::string& raw : lines) {
        const std::string line = removeLineComment(removeComments(raw));
        if (line.empty()) continue;
        out.push_back(parseLine(line));
    }
    return out;
}

StdSize StdSizeFile::parseLine(const std::string& line) {
    StdSize size;
    const size_t x = line.find('x');
    if (x == std::string::npos) {
        size.a = std::atof(line.c_str());
        return size;
    }
    size.a = std::atof(line.substr(0, x).c_str());
    size.b = std::atof(line.c_str() + x + 1);
    return size;
}

std::vector<double> StdSizeFile::sizes(const std::vector<StdSize>& list) {
    std::vector<double> out;
    out.reserve(list.size());
    for (const StdSize& s : list) out.push_back(s.a);
    return out;
}

std::vector<double> StdSizeFile::thicknesses(const std::vector<StdSize>& list) {
    std::vector<double> out;
    out.reserve(list.size());
    for (const StdSize& s : list) out.push_back(s.b);
    return out;
}

std::vector<double> StdSizeFile::widthsFor(const std::vector<StdSize>& list, double thickness) {
    std::vector<double> out;
    for (const StdSize& s : list) {
        if (s.b == thickness || s.b == 0.0) out.push_back(s.a);
    }
    std::stable_sort(out.begin(), out.end());
    return out;
}
