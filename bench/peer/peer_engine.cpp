// Our side of the peer comparison: peer_engine SHEET.csv VALUES_OUT.csv
// Builds the sheet in the formula engine from already parsed CSV fields (bulk load: formula parsing
// included) and computes every value, best of 3; then sets A1 to a new number and recomputes,
// best of 3. Prints one JSON line like the peer runner, and writes the values as CSV.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "formula_engine.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows parseCsv(const std::string& text) {
    Rows rows(1);
    std::string field;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (quoted) {
            if (ch == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (ch == '"') {
                quoted = false;
            } else {
                field += ch;
            }
        } else if (ch == '"') {
            quoted = true;
        } else if (ch == ',') {
            rows.back().push_back(std::move(field));
            field.clear();
        } else if (ch == '\n' || ch == '\r') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            rows.back().push_back(std::move(field));
            field.clear();
            rows.emplace_back();
        } else {
            field += ch;
        }
    }
    if (!field.empty() || !rows.back().empty()) rows.back().push_back(std::move(field));
    if (rows.back().empty()) rows.pop_back();
    return rows;
}

bool readNumber(const std::string& s, double& out) {
    if (s.empty()) return false;
    char* end = nullptr;
    out = std::strtod(s.c_str(), &end);
    return end == s.c_str() + s.size();
}

double seconds(std::chrono::steady_clock::time_point t0) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Processor time of the process: on a loaded machine it is steadier than the clock.
double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::unique_ptr<FormulaEngine> build(const Rows& rows) {
    auto engine = std::make_unique<FormulaEngine>();
    engine->setAutoCalc(false);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const std::string& f = rows[r][c];
            int col = static_cast<int>(c) + 1, row = static_cast<int>(r) + 1;
            double number = 0;
            if (f.empty()) continue;
            if (f[0] == '=') {
                engine->setFormula(col, row, f, FormulaSetMode::Bulk);
            } else if (readNumber(f, number)) {
                engine->setNumber(col, row, number);
            } else {
                engine->setText(col, row, f);
            }
        }
    }
    engine->recalcAll();
    return engine;
}

std::string csvField(const FormulaValue& v) {
    char buf[64];
    switch (v.kind) {
        case FormulaValueKind::Number:
            std::snprintf(buf, sizeof buf, "%.17g", v.number);
            return buf;
        case FormulaValueKind::Logical:
            return v.number != 0 ? "TRUE" : "FALSE";
        case FormulaValueKind::Error:
            return std::string(formulaErrorText(v.error));
        case FormulaValueKind::Text: {
            if (v.text.find_first_of(",\"\n\r") == std::string::npos) return v.text;
            std::string q = "\"";
            for (char ch : v.text) q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            return q + "\"";
        }
        default:
            return "";
    }
}

void writeValues(const FormulaEngine& engine, const Rows& rows, const char* path) {
    std::ofstream out(path, std::ios::binary);
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < rows[r].size(); ++c) {
            if (c) out << ',';
            out << csvField(engine.value(static_cast<int>(c) + 1, static_cast<int>(r) + 1));
        }
        out << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: peer_engine SHEET.csv [VALUES_OUT.csv]\n");
        return 2;
    }
    // The file's text lives only while it is parsed: like the peer runner, the process then
    // holds the parsed cells and the engine.
    Rows parsed;
    {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "peer_engine: cannot read %s\n", argv[1]);
            return 1;
        }
        const std::string text((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        parsed = parseCsv(text);
    }
    const Rows rows = std::move(parsed);
    const int lastRow = static_cast<int>(rows.size());
    const int lastCol = rows.empty() ? 0 : static_cast<int>(rows.back().size());

    double bestBuild = 1e300, bestBuildCpu = 1e300;
    std::unique_ptr<FormulaEngine> engine;
    for (int k = 0; k < 3; ++k) {
        engine.reset();
        auto t0 = std::chrono::steady_clock::now();
        double c0 = cpuSeconds();
        engine = build(rows);
        (void)engine->value(lastCol, lastRow);
        bestBuild = std::min(bestBuild, seconds(t0));
        bestBuildCpu = std::min(bestBuildCpu, cpuSeconds() - c0);
    }
    engine->setAutoCalc(true);
    double bestRecalc = 1e300, bestRecalcCpu = 1e300;
    for (int k = 0; k < 3; ++k) {
        auto t0 = std::chrono::steady_clock::now();
        double c0 = cpuSeconds();
        engine->setNumber(1, 1, 2.5 + k);
        (void)engine->value(lastCol, lastRow);
        bestRecalc = std::min(bestRecalc, seconds(t0));
        bestRecalcCpu = std::min(bestRecalcCpu, cpuSeconds() - c0);
    }
    if (argc > 2) writeValues(*engine, rows, argv[2]);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "{\"engine\":\"ours\",\"build_s\":%.6f,\"recalc_s\":%.6f,\"build_cpu_s\":%.6f,"
        "\"recalc_cpu_s\":%.6f,\"peak_mib\":%.1f}\n",
        bestBuild, bestRecalc, bestBuildCpu, bestRecalcCpu, usage.ru_maxrss / 1024.0);
    return 0;
}
