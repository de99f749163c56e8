#include "std_size_file.h"

#include <algorithm>
#include <cstdlib>

#include "object_export_math.h"

namespace {

// The last line holding "*/" (-1 when none): a "/*" before it may close on a later line.
long lastClosingLine(const std::vector<std::string>& lines) {
    for (size_t i = lines.size(); i-- > 0;)
        if (lines[i].find("*/") != std::string::npos) return static_cast<long>(i);
    return -1;
}

}  // namespace

std::vector<std::string> StdSizeFile::withoutComments(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    const long lastClose = lastClosingLine(lines);
    bool inBlock = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        size_t pos = 0;
        if (inBlock) {
            const size_t close = line.find("*/");
            if (close == std::string::npos) {
                out.emplace_back();
                continue;
            }
            pos = close + 2;
            inBlock = false;
        }
        std::string kept;
        while (pos < line.size()) {
            const size_t open = line.find("/*", pos);
            if (open == std::string::npos) {
                kept.append(line, pos, std::string::npos);
                break;
            }
            kept.append(line, pos, open - pos);
            const size_t close = line.find("*/", open + 2);
            if (close != std::string::npos) {
                pos = close + 2;
                continue;
            }
            // Unclosed on its line: it runs to the next "*/" of a later line, unless there is
            // none or the "/*" stands inside a "//" comment; else to the end of its line.
            inBlock = kept.find("//") == std::string::npos && lastClose > static_cast<long>(i);
            break;
        }
        out.push_back(removeLineComment(kept));
    }
    return out;
}

std::vector<StdSize> StdSizeFile::parse(const std::vector<std::string>& lines) {
    std::vector<StdSize> out;
    out.reserve(lines.size());
    for (const std::string& line : withoutComments(lines)) {
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
    out.reserve(list.size());
    for (const StdSize& s : list) {
        if (s.b == thickness || s.b == 0.0) out.push_back(s.a);
    }
    // Usually a handful of widths: sorted in place (stable), without a buffer.
    if (out.size() > 32) {
        std::stable_sort(out.begin(), out.end());
        return out;
    }
    for (std::size_t i = 1; i < out.size(); ++i) {
        const double w = out[i];
        std::size_t j = i;
        for (; j > 0 && w < out[j - 1]; --j) out[j] = out[j - 1];
        out[j] = w;
    }
    return out;
}
