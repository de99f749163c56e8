#include "cmd_eval_report.h"

#include <algorithm>
#include <cctype>

#include "calc_timers.h"
#include "text_table.h"

namespace {

using Row = TextTableRow;

// Unicode code points of the bytes 0x80-0x9F in code page 1252 (0 where undefined).
const unsigned short kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void appendEscaped(std::string& s, unsigned code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", code);
    s += buffer;
}

}  // namespace

std::vector<TimerFigure> currentTimerFigures() {
    std::vector<TimerFigure> figures;
    const VnNamedTimer* timers = calcTimers();
    for (int i = 0; i < kCalcTimerCount; ++i)
        figures.push_back(
            {timers[i].name, timers[i].timer->count(), timers[i].timer->totalSeconds()});
    return figures;
}

void addTimerFigures(std::vector<TimerFigure>& sum, const std::vector<TimerFigure>& add) {
    if (sum.empty()) {
        sum = add;
        return;
    }
    for (size_t i = 0; i < sum.size() && i < add.size(); ++i) {
        sum[i].laps += add[i].laps;
        sum[i].seconds += add[i].seconds;
    }
}

void addCurrentTimerFigures(std::vector<TimerFigure>& sum) {
    if (sum.empty()) {
        sum = currentTimerFigures();
        return;
    }
    const VnNamedTimer* timers = calcTimers();
    for (int i = 0; i < kCalcTimerCount && static_cast<size_t>(i) < sum.size(); ++i) {
        sum[static_cast<size_t>(i)].laps += timers[i].timer->count();
        sum[static_cast<size_t>(i)].seconds += timers[i].timer->totalSeconds();
    }
}

std::string tidyNumberText(const std::string& text) {
    size_t digits = 0, points = 0, i = (!text.empty() && text[0] == '-') ? 1 : 0;
    for (; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            ++digits;
        else if (text[i] == '.')
            ++points;
        else
            return text;
    }
    if (digits == 0 || points != 1) return text;
    std::string s = text;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return (s == "-0" || s == "-") ? "0" : s;
}

namespace {

// A variable's value as printed: numbers of Int and Double variables without the grid's
// trailing zeros, so that values from the macro and from the sheet read alike.
std::string shown(const EvalVariable& v, const std::string& value) {
    return v.type == "String" ? value : tidyNumberText(value);
}

}  // namespace

void printEvalTable(std::FILE* out, const EvalResult& result) {
    std::vector<Row> rows = {{"section", "name", "type", "before", "after"}};
    for (const EvalVariable& v : result.variables)
        rows.push_back({v.section, v.name, v.type, shown(v, v.before), shown(v, v.after)});
    printTextTable(out, rows);
}

void printTimerTable(std::FILE* out, const std::vector<TimerFigure>& timers) {
    std::vector<Row> rows = {{"timer", "laps", "total_ms"}};
    for (const TimerFigure& t : timers) {
        char ms[32];
        std::snprintf(ms, sizeof ms, "%.3f", t.seconds * 1000.0);
        rows.push_back({t.name, std::to_string(t.laps), ms});
    }
    printTextTable(out, rows);
}

std::string jsonString(const std::string& bytes) {
    std::string s = "\"";
    for (unsigned char c : bytes) {
        if (c == '"' || c == '\\') {
            s += '\\';
            s += static_cast<char>(c);
        } else if (c < 0x20) {
            appendEscaped(s, c);
        } else if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0xA0) {
            appendEscaped(s, kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : 0xFFFD);
        } else {
            appendEscaped(s, c);
        }
    }
    return s + "\"";
}

namespace {

void printJsonTimings(std::FILE* out, const std::vector<TimerFigure>* timings) {
    if (!timings) return;
    std::fprintf(out, ",\n \"timings\": {");
    for (size_t i = 0; i < timings->size(); ++i) {
        const TimerFigure& t = (*timings)[i];
        std::fprintf(out, "%s\n  %s: {\"laps\": %d, \"total_ms\": %.3f}", i ? "," : "",
                     jsonString(t.name).c_str(), t.laps, t.seconds * 1000.0);
    }
    std::fprintf(out, "}");
}

}  // namespace

void printEvalJson(std::FILE* out, const std::string& standard, const std::string& macro,
                   const EvalResult& result, const std::vector<TimerFigure>* timings) {
    std::fprintf(out, "{\"standard\": %s, \"macro\": %s, \"ok\": %s, \"reason\": %s,\n",
                 jsonString(standard).c_str(), jsonString(macro).c_str(),
                 result.ok ? "true" : "false", jsonString(result.reason).c_str());
    std::fprintf(out, " \"variables\": [");
    for (size_t i = 0; i < result.variables.size(); ++i) {
        const EvalVariable& v = result.variables[i];
        std::fprintf(out,
                     "%s\n  {\"section\": %s, \"name\": %s, \"type\": %s, \"before\": %s, "
                     "\"after\": %s}",
                     i ? "," : "", jsonString(v.section).c_str(), jsonString(v.name).c_str(),
                     jsonString(v.type).c_str(), jsonString(shown(v, v.before)).c_str(),
                     jsonString(shown(v, v.after)).c_str());
    }
    std::fprintf(out, "]");
    printJsonTimings(out, timings);
    std::fprintf(out, "}\n");
}

void FolderSummary::add(const std::string& macro, const std::string& reason) {
    ++evaluated;
    if (!reason.empty()) failures.push_back({macro, reason});
}

void printFolderSummary(std::FILE* out, const FolderSummary& summary) {
    std::fprintf(out, "evaluated: %zu\nfailed: %zu\n", summary.evaluated, summary.failures.size());
    for (const FolderEntry& e : summary.failures)
        std::fprintf(out, "  %s: %s\n", e.macro.c_str(), e.reason.c_str());
}

void printFolderJson(std::FILE* out, const FolderSummary& summary,
                     const std::vector<TimerFigure>* timings) {
    std::fprintf(out, "{\"evaluated\": %zu, \"failed\": %zu,\n \"failures\": [", summary.evaluated,
                 summary.failures.size());
    const char* separator = "";
    for (const FolderEntry& e : summary.failures) {
        std::fprintf(out, "%s\n  {\"macro\": %s, \"reason\": %s}", separator,
                     jsonString(e.macro).c_str(), jsonString(e.reason).c_str());
        separator = ",";
    }
    std::fprintf(out, "]");
    printJsonTimings(out, timings);
    std::fprintf(out, "}\n");
}
