// Printing the trees of "vnstd explain" as indented text or JSON.
#include <cstdio>

#include "cmd_eval_report.h"
#include "explain_tree.h"

namespace {

std::string numberText(double v) {
    return tidyNumberText(std::to_string(v));
}

std::string choiceText(const VnEvalTrace::Choice& c) {
    std::string text = c.function + ": " + c.detail;
    if (c.tolerance) {
        text += "; candidates";
        if (c.candidates.empty()) text += " none";
        for (size_t i = 0; i < c.candidates.size(); ++i)
            text += (i ? ", " : " ") + numberText(c.candidates[i]);
        text += "; window " + numberText(c.low) + " to " + numberText(c.high);
    }
    return text + " -> " + (c.result.empty() ? "no value" : tidyNumberText(c.result));
}

std::string headLine(const ExplainNode& n) {
    std::string line = n.name + " = " + tidyNumberText(n.value);
    if (n.origin == "general") return line + "  (general variable)";
    line += "  (" + n.section + " " + n.type + ")";
    if (n.repeated) return line + ", see above";
    if (n.origin == "cell") return line;
    if (n.origin == "child") return line + " from " + n.from;
    if (n.origin == "argument") return line + " from " + n.from;
    if (n.origin == "macro")
        return line + " from the macro" + (n.from.empty() ? std::string() : ": " + n.from);
    return line + ": " + n.from;
}

void printNode(std::FILE* out, const ExplainNode& n, int indent) {
    const std::string pad(static_cast<size_t>(indent) * 2, ' ');
    std::fprintf(out, "%s%s\n", pad.c_str(), headLine(n).c_str());
    if (n.repeated) return;
    if (n.origin == "cell" || n.origin == "child")
        std::fprintf(out, "%s  cell row %d, column %d: %s\n", pad.c_str(), n.row, n.col,
                     n.text.c_str());
    if (!n.formula.empty()) std::fprintf(out, "%s  formula: %s\n", pad.c_str(), n.formula.c_str());
    for (const auto& c : n.choices)
        std::fprintf(out, "%s  %s\n", pad.c_str(), choiceText(c).c_str());
    for (const ExplainNode& u : n.uses) printNode(out, u, indent + 1);
}

std::string choiceJson(const VnEvalTrace::Choice& c) {
    std::string json = "{\"function\": " + jsonString(c.function) +
                       ", \"detail\": " + jsonString(c.detail) +
                       ", \"result\": " + jsonString(tidyNumberText(c.result));
    if (c.tolerance) {
        json += ", \"candidates\": [";
        for (size_t i = 0; i < c.candidates.size(); ++i)
            json += (i ? ", " : "") + jsonString(numberText(c.candidates[i]));
        json += "], \"low\": " + jsonString(numberText(c.low)) +
                ", \"high\": " + jsonString(numberText(c.high));
    }
    return json + "}";
}

std::string nodeJson(const ExplainNode& n) {
    std::string json = "{\"name\": " + jsonString(n.name) +
                       ", \"section\": " + jsonString(n.section) +
                       ", \"type\": " + jsonString(n.type) +
                       ", \"value\": " + jsonString(tidyNumberText(n.value)) +
                       ", \"origin\": " + jsonString(n.origin) +
                       ", \"from\": " + jsonString(n.from) + ", \"file\": " + jsonString(n.file);
    if (n.repeated) json += ", \"repeated\": true";
    if (n.row > 0)
        json += ", \"row\": " + std::to_string(n.row) + ", \"col\": " + std::to_string(n.col) +
                ", \"text\": " + jsonString(n.text) + ", \"formula\": " + jsonString(n.formula);
    json += ", \"choices\": [";
    for (size_t i = 0; i < n.choices.size(); ++i)
        json += (i ? ", " : "") + choiceJson(n.choices[i]);
    json += "], \"uses\": [";
    for (size_t i = 0; i < n.uses.size(); ++i) json += (i ? ", " : "") + nodeJson(n.uses[i]);
    return json + "]}";
}

}  // namespace

void printExplainText(std::FILE* out, const std::vector<ExplainNode>& trees) {
    for (size_t i = 0; i < trees.size(); ++i) {
        if (i) std::fprintf(out, "\n");
        printNode(out, trees[i], 0);
    }
}

void printExplainJson(std::FILE* out, const std::vector<ExplainNode>& trees) {
    std::fprintf(out, "{\"outputs\": [");
    for (size_t i = 0; i < trees.size(); ++i)
        std::fprintf(out, "%s\n  %s", i ? "," : "", nodeJson(trees[i]).c_str());
    std::fprintf(out, "\n]}\n");
}
