#pragma once
// UiSession: one `vnstd ui` run. The module's thread (run()) waits for a scenario the page
// asked for, runs it with the live source installed for every dialog, and keeps its result
// (how it ended, its data, the command-line output, the files written). The state it
// publishes is what the page draws: the start page, the running dialogs with their open
// questions, or the result.
#include <atomic>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "bitmap_store.h"
#include "live_source.h"
#include "scenarios.h"

class UiSession {
  public:
    explicit UiSession(ScenarioPlace place);
    ~UiSession();

    LiveSource& source() { return *source_; }
    BitmapStore& pictures() { return pictures_; }
    const ScenarioPlace& place() const { return place_; }

    // Any thread: asks for a scenario (false when unknown or one is running or asked).
    bool request(const std::string& name);
    // Module thread: runs asked-for scenarios until the source is stopped.
    void run();
    // Module thread: runs one scenario now (tests, --shot).
    void runScenario(const Scenario& scenario);
    // Any thread: true once a scenario has started (its events are taken from then on).
    bool running();
    // Module thread: the state text published now.
    std::string snapshot();

  private:
    nlohmann::json resultJson() const;

    ScenarioPlace place_;
    std::shared_ptr<LiveSource> source_;
    BitmapStore pictures_;
    std::mutex mutex_;
    std::optional<std::string> requested_;
    std::string running_;
    nlohmann::json result_;
};
