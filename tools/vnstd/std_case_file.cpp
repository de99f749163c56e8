#include "std_case_file.h"

#include <cmath>
#include <cstdlib>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// [begin, end) without surrounding blanks.
void trim(const std::string& text, size_t& begin, size_t& end) {
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
}

// A whole text as a number (blanks around allowed); nothing for anything else.
std::optional<double> numberOf(const std::string& text) {
    size_t begin = 0, end = text.size();
    trim(text, begin, end);
    if (begin == end) return std::nullopt;
    const std::string part = text.substr(begin, end - begin);
    char* stop = nullptr;
    const double v = std::strtod(part.c_str(), &stop);
    if (stop != part.c_str() + part.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

struct Line {
    int number = 0;
    size_t begin = 0, end = 0;  // without the line end
};

class CaseParser {
  public:
    CaseParser(const std::string& text, StdCase& c, std::string& error)
        : text_(text), case_(c), error_(error) {}

    bool parse() {
        size_t at = 0;
        for (int number = 1; at < text_.size() || number == 1; ++number) {
            size_t end = text_.find('\n', at);
            const size_t next = end == std::string::npos ? text_.size() : end + 1;
            if (end == std::string::npos) end = text_.size();
            if (end > at && text_[end - 1] == '\r') --end;
            if (!line({number, at, end})) return false;
            at = next;
            if (at >= text_.size()) break;
        }
        return complete();
    }

  private:
    bool fail(int line, const std::string& message) {
        error_ = "line " + std::to_string(line) + ": " + message;
        return false;
    }

    bool line(Line l) {
        size_t begin = l.begin, end = l.end;
        trim(text_, begin, end);
        if (begin == end || text_[begin] == '#') return true;
        size_t word = begin;
        while (word < end && !isBlank(text_[word])) ++word;
        const std::string keyword = text_.substr(begin, word - begin);
        size_t restBegin = word, restEnd = end;
        trim(text_, restBegin, restEnd);
        const std::string rest = text_.substr(restBegin, restEnd - restBegin);
        if (keyword == "standard") return single(l.number, keyword, rest, case_.standard);
        if (keyword == "macro") return single(l.number, keyword, rest, case_.macro);
        if (keyword == "key") return single(l.number, keyword, rest, case_.key);
        if (keyword == "module") return single(l.number, keyword, rest, case_.module);
        if (keyword == "gen") return gen(l.number, rest);
        if (keyword == "expect") return expect(l.number, restBegin, restEnd);
        return fail(l.number, "unknown keyword '" + keyword + "'");
    }

    bool single(int number, const std::string& keyword, const std::string& value,
                std::string& target) {
        if (value.empty()) return fail(number, "'" + keyword + "' needs a value");
        if (!target.empty()) return fail(number, "a second '" + keyword + "' line");
        target = value;
        return true;
    }

    bool gen(int number, const std::string& rest) {
        const size_t eq = rest.find('=');
        if (eq == std::string::npos) return fail(number, "'gen' needs NAME = VALUE");
        size_t nb = 0, ne = eq, vb = eq + 1, ve = rest.size();
        trim(rest, nb, ne);
        trim(rest, vb, ve);
        if (nb == ne) return fail(number, "'gen' needs a name before '='");
        case_.genVars.emplace_back(rest.substr(nb, ne - nb), rest.substr(vb, ve - vb));
        return true;
    }

    bool expect(int number, size_t begin, size_t end) {
        const size_t eq = text_.find('=', begin);
        if (eq == std::string::npos || eq >= end)
            return fail(number, "'expect' needs NAME = VALUE");
        StdCaseExpect e;
        e.line = number;
        size_t nb = begin, ne = eq;
        trim(text_, nb, ne);
        if (nb == ne) return fail(number, "'expect' needs a name before '='");
        e.name = text_.substr(nb, ne - nb);
        size_t vb = eq + 1, ve = end;
        const size_t pm = text_.rfind("+-", end);
        if (pm != std::string::npos && pm > eq && pm + 2 <= end) {
            const auto tol = numberOf(text_.substr(pm + 2, end - pm - 2));
            if (!tol || *tol < 0) return fail(number, "the tolerance after '+-' is no number >= 0");
            e.tolerance = tol;
            ve = pm;
        }
        trim(text_, vb, ve);
        e.value = text_.substr(vb, ve - vb);
        e.valueBegin = vb;
        e.valueEnd = ve;
        case_.expects.push_back(std::move(e));
        return true;
    }

    bool complete() {
        if (case_.standard.empty())
            error_ = "no 'standard' line";
        else if (case_.macro.empty())
            error_ = "no 'macro' line";
        else if (case_.key.empty() == case_.module.empty())
            error_ = "give exactly one of a 'key' and a 'module' line";
        else if (case_.expects.empty())
            error_ = "no 'expect' line";
        return error_.empty();
    }

    const std::string& text_;
    StdCase& case_;
    std::string& error_;
};

}  // namespace

bool parseStdCase(const std::string& text, StdCase& c, std::string& error) {
    c = StdCase();
    error.clear();
    return CaseParser(text, c, error).parse();
}

bool stdCaseValueWritable(const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos || value.find("+-") != std::string::npos)
        return false;
    return value.empty() || (!isBlank(value.front()) && !isBlank(value.back()));
}

bool stdCaseValueMatches(const StdCaseExpect& expect, const std::string& actual) {
    const auto want = numberOf(expect.value);
    const auto got = numberOf(actual);
    if (!want || !got) return expect.value == actual;
    const double tolerance =
        expect.tolerance ? *expect.tolerance : 1e-9 * std::max(1.0, std::fabs(*want));
    return std::fabs(*got - *want) <= tolerance;
}

std::string stdCaseWithValues(const std::string& text, const std::vector<StdCaseExpect>& expects,
                              const std::vector<std::string>& values) {
    std::string out;
    size_t at = 0;
    for (size_t i = 0; i < expects.size() && i < values.size(); ++i) {
        const StdCaseExpect& e = expects[i];
        if (e.valueBegin < at || e.valueEnd > text.size()) continue;
        out.append(text, at, e.valueBegin - at);
        const bool bareEquals =
            e.valueBegin == e.valueEnd && e.valueBegin > 0 && text[e.valueBegin - 1] == '=';
        if (bareEquals && !values[i].empty()) out += ' ';
        out += values[i];
        at = e.valueEnd;
    }
    out.append(text, at, std::string::npos);
    return out;
}
