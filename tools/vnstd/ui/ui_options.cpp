#include "ui_options.h"

#include <cstdlib>

const char* const kUiUsage =
    "usage: vnstd ui [--port N] [--no-token] [SCENARIO]\n"
    "       vnstd ui --shot SCENARIO -o FILE.png [--steps FILE]\n"
    "\n"
    "Serves the module's dialogs to a web browser on 127.0.0.1 and prints the address\n"
    "(with its access token); runs until interrupted. SCENARIO starts one at once.\n"
    "--shot renders a scenario, after the steps of FILE (one JSON event a line), to a PNG\n"
    "with headless Chromium.\n";

namespace {

bool value(const std::vector<std::string>& a, size_t& i, std::string& out, std::string& error) {
    if (i + 1 >= a.size() || a[i + 1].empty()) {
        error = "option " + a[i] + " needs a value";
        return false;
    }
    out = a[++i];
    return true;
}

}  // namespace

bool parseUiOptions(const std::vector<std::string>& a, UiOptions& o, std::string& error) {
    for (size_t i = 0; i < a.size(); ++i) {
        std::string port;
        if (a[i] == "--help" || a[i] == "-h") {
            o.help = true;
            return true;
        } else if (a[i] == "--no-token") {
            o.noToken = true;
        } else if (a[i] == "--port") {
            if (!value(a, i, port, error)) return false;
            char* end = nullptr;
            long n = std::strtol(port.c_str(), &end, 10);
            if (*end != '\0' || n < 0 || n > 65535) {
                error = "bad port '" + port + "'";
                return false;
            }
            o.port = static_cast<int>(n);
        } else if (a[i] == "--shot") {
            if (!value(a, i, o.shot, error)) return false;
        } else if (a[i] == "-o") {
            if (!value(a, i, o.output, error)) return false;
        } else if (a[i] == "--steps") {
            if (!value(a, i, o.steps, error)) return false;
        } else if (!a[i].empty() && a[i][0] == '-') {
            error = "unknown option '" + a[i] + "'";
            return false;
        } else if (o.scenario.empty()) {
            o.scenario = a[i];
        } else {
            error = "more than one scenario";
            return false;
        }
    }
    if (!o.shot.empty() && o.output.empty()) {
        error = "--shot needs -o FILE.png";
        return false;
    }
    return true;
}
