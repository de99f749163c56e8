#pragma once
// The one option parser of the command-line program: every command and subcommand declares
// its options on it and parses its arguments with it.
//
// Options are flags ("--json"), options with a value ("--key KEY" or "--key=KEY"), and
// repeatable options with a value ("--gen A=1 --gen B=2"). "--help" and "-h" are known to
// every parser and may stand anywhere; with them the parse succeeds and nothing else is
// checked (an unknown option or a missing value does not matter then). Every other argument
// beginning with "-" (except "-" alone) is an option; "--" ends the options, the arguments
// after it are positional. With stopAtFirstPositional, the first positional argument and
// everything after it are positional unread (a command name and its own arguments).
#include <string>
#include <vector>

class OptionParser {
  public:
    // `command` names the command in messages ("eval", "sheet calc").
    explicit OptionParser(std::string command) : command_(std::move(command)) {}

    OptionParser& flag(const char* name, bool& target);
    OptionParser& value(const char* name, std::string& target);
    OptionParser& values(const char* name, std::vector<std::string>& target);
    OptionParser& stopAtFirstPositional();

    // False with a message ("eval: unknown option '--x'") for a usage error.
    bool parse(const std::vector<std::string>& args, std::string& error);

    bool helpAsked() const { return help_; }
    const std::vector<std::string>& positional() const { return positional_; }

  private:
    struct Option {
        std::string name;
        bool* flag = nullptr;
        std::string* value = nullptr;
        std::vector<std::string>* values = nullptr;
    };
    const Option* find(const std::string& arg) const;
    bool take(const Option& option, const std::vector<std::string>& args, size_t& i,
              std::string& error);
    static bool isHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

    std::string command_;
    std::vector<Option> options_;
    std::vector<std::string> positional_;
    bool stopAtPositional_ = false;
    bool help_ = false;
};
