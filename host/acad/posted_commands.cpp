#include "posted_commands.h"

namespace {

struct PostedRecord {
    std::vector<std::string> commands;
    std::vector<std::string> log;
    int prompts = 0;
    int displayUpdates = 0;
};

PostedRecord& record() {
    static PostedRecord r;
    return r;
}

}  // namespace

Acad::ErrorStatus acedPostCommand(const char* command) {
    if (!command) return Acad::eInvalidInput;
    record().commands.emplace_back(command);
    record().log.emplace_back(command);
    return Acad::eOk;
}

Acad::ErrorStatus acedPostCommandPrompt() {
    ++record().prompts;
    record().log.emplace_back("<prompt>");
    return Acad::eOk;
}

void acedUpdateDisplay() {
    ++record().displayUpdates;
    record().log.emplace_back("<update display>");
}

const std::vector<std::string>& acadPostedCommands() {
    return record().commands;
}
int acadPostedPromptCount() {
    return record().prompts;
}
int acadDisplayUpdateCount() {
    return record().displayUpdates;
}
const std::vector<std::string>& acadHostCallLog() {
    return record().log;
}

void acadClearPostedCommands() {
    record() = PostedRecord{};
}
