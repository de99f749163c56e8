#include "option_parser.h"

#include <algorithm>

OptionParser& OptionParser::flag(const char* name, bool& target) {
    options_.push_back({name, &target, nullptr, nullptr});
    return *this;
}

OptionParser& OptionParser::value(const char* name, std::string& target) {
    options_.push_back({name, nullptr, &target, nullptr});
    return *this;
}

OptionParser& OptionParser::values(const char* name, std::vector<std::string>& target) {
    options_.push_back({name, nullptr, nullptr, &target});
    return *this;
}

OptionParser& OptionParser::stopAtFirstPositional() {
    stopAtPositional_ = true;
    return *this;
}

const OptionParser::Option* OptionParser::find(const std::string& arg) const {
    for (const Option& o : options_) {
        if (arg == o.name) return &o;
        const bool takesValue = o.flag == nullptr;
        if (takesValue && arg.size() > o.name.size() &&
            arg.compare(0, o.name.size(), o.name) == 0 && arg[o.name.size()] == '=')
            return &o;
    }
    return nullptr;
}

bool OptionParser::take(const Option& option, const std::vector<std::string>& args, size_t& i,
                        std::string& error) {
    if (option.flag) {
        *option.flag = true;
        return true;
    }
    std::string text;
    const std::string& arg = args[i];
    if (arg.size() > option.name.size()) {
        text = arg.substr(option.name.size() + 1);
    } else if (i + 1 < args.size() && !isHelp(args[i + 1])) {
        text = args[++i];
    }
    if (text.empty()) {
        error = command_ + ": option " + option.name + " needs a value";
        return false;
    }
    if (option.value) *option.value = text;
    if (option.values) option.values->push_back(text);
    return true;
}

bool OptionParser::parse(const std::vector<std::string>& args, std::string& error) {
    positional_.clear();
    std::string firstError;
    bool optionsEnd = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnd && isHelp(arg)) {
            help_ = true;
        } else if (!optionsEnd && arg == "--") {
            optionsEnd = true;
        } else if (optionsEnd || arg.size() < 2 || arg[0] != '-') {
            positional_.push_back(arg);
            if (stopAtPositional_) {
                positional_.insert(positional_.end(), args.begin() + static_cast<long>(i) + 1,
                                   args.end());
                break;
            }
        } else if (const Option* option = find(arg)) {
            std::string message;
            if (!take(*option, args, i, message) && firstError.empty()) firstError = message;
        } else if (firstError.empty()) {
            firstError = command_ + ": unknown option '" + arg + "'";
        }
    }
    if (help_) return true;
    error = firstError;
    return firstError.empty();
}
