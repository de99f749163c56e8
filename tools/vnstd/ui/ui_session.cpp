#include "ui_session.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "acad.h"
#include "code_page.h"
#include "path_translation.h"
#include "tree_json.h"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

using FileStamps = std::map<std::string, std::pair<std::uintmax_t, fs::file_time_type>>;

FileStamps stampsBelow(const std::string& dir) {
    FileStamps stamps;
    std::error_code ec;
    fs::recursive_directory_iterator it(dir, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        stamps[it->path().string()] = {it->file_size(ec), it->last_write_time(ec)};
    }
    return stamps;
}

json filesWritten(const FileStamps& before, const FileStamps& after) {
    json out = json::array();
    for (const auto& [path, stamp] : after) {
        auto it = before.find(path);
        if (it == before.end() || it->second != stamp) out.push_back(path);
    }
    return out;
}

json scenarioList() {
    json out = json::array();
    for (const Scenario& s : uiScenarios()) {
        out.push_back({{"name", s.name}, {"title", s.title}, {"description", s.description}});
    }
    return out;
}

}  // namespace

UiSession::UiSession(ScenarioPlace place)
    : place_(std::move(place)),
      source_(std::make_shared<LiveSource>([this] { return snapshot(); })) {
    winSetLiveEventSource(source_);
    pageEventsSetLibraryFolder(windowsPathFromHost(place_.libraryDir).c_str());
}

UiSession::~UiSession() {
    winSetLiveEventSource(nullptr);
}

bool UiSession::request(const std::string& name) {
    if (findScenario(name) == nullptr) return false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (requested_ || !running_.empty()) return false;
        requested_ = name;
    }
    return true;
}

bool UiSession::running() {
    std::lock_guard<std::mutex> lock(mutex_);
    return !running_.empty();
}

void UiSession::run() {
    source_->publish();
    while (!source_->stopped()) {
        std::optional<std::string> name;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            name.swap(requested_);
        }
        if (name) {
            runScenario(*findScenario(*name));
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            source_->drain();
        }
    }
}

void UiSession::runScenario(const Scenario& scenario) {
    // Events from before the scenario are dropped first, so that one sent once it shows as
    // running is never lost.
    source_->drain();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        running_ = scenario.name;
        result_ = json();
    }
    const FileStamps before = stampsBelow(place_.libraryDir);
    const FileStamps settingsBefore = stampsBelow(place_.settingsDir);
    acadClearCommandLine();
    ScenarioOutcome outcome = scenario.run(place_);
    json written = filesWritten(before, stampsBelow(place_.libraryDir));
    for (const json& f : filesWritten(settingsBefore, stampsBelow(place_.settingsDir))) {
        written.push_back(f);
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        result_ = {{"scenario", scenario.name},
                   {"title", scenario.title},
                   {"ended", outcome.ended},
                   {"data", outcome.data},
                   {"commandLine", acadCommandLineText()},
                   {"filesWritten", written}};
        running_.clear();
    }
    source_->publish();
}

json UiSession::resultJson() const {
    return result_;
}

std::string UiSession::snapshot() {
    json state;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        state["scenarios"] = scenarioList();
        state["running"] = running_;
        state["result"] = resultJson();
    }
    state["windows"] = windowTreeJson(pictures_);
    state["questions"] =
        questionsJson(place_.libraryDir, windowsPathFromHost(place_.libraryDir).c_str());
    state["refusal"] = source_->lastRefusal();
    jsonStringsToUtf8(state);
    return state.dump(-1, ' ', false, json::error_handler_t::replace);
}
