#include "cmd_eval_jobs.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "cmd_eval_run.h"

FolderFileOutcome evaluateFolderFile(const EvalOptions& options, const std::string& file) {
    const EvalResult result = evaluateMacroFile(options, file, EvalDetail::kOutcome);
    return {result.ok ? std::string() : result.reason, result.warnings};
}

namespace {

// A worker's messages: every field is its length in decimal, ":" and its bytes, so reasons
// and warnings may hold any byte.
void putField(std::string& out, const std::string& field) {
    out += std::to_string(field.size());
    out += ':';
    out += field;
}

class FieldReader {
  public:
    explicit FieldReader(const std::string& text) : text_(text) {}
    bool field(std::string& out) {
        const size_t colon = text_.find(':', pos_);
        if (colon == std::string::npos) return false;
        char* end = nullptr;
        const unsigned long long length = std::strtoull(text_.c_str() + pos_, &end, 10);
        if (end != text_.c_str() + colon || length > text_.size() - colon - 1) return false;
        out.assign(text_, colon + 1, length);
        pos_ = colon + 1 + length;
        return true;
    }
    bool number(long long& out) {
        std::string text;
        if (!field(text) || text.empty()) return false;
        char* end = nullptr;
        out = std::strtoll(text.c_str(), &end, 10);
        return *end == '\0';
    }
    bool atEnd() const { return pos_ >= text_.size(); }

  private:
    const std::string& text_;
    size_t pos_ = 0;
};

bool writeAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The worker's part: every jobs-th file from `first`, each outcome sent as soon as it is
// known (so the pipe never holds more than the reader has not yet taken), then the timers.
[[noreturn]] void runWorker(const EvalOptions& options, const MacroFileList& files, int first,
                            int jobs, int fd) {
    std::vector<TimerFigure> timers;
    for (size_t i = static_cast<size_t>(first); i < files.size(); i += static_cast<size_t>(jobs)) {
        const FolderFileOutcome outcome = evaluateFolderFile(options, files.path(i));
        addCurrentTimerFigures(timers);
        std::string message;
        putField(message, "F");
        putField(message, std::to_string(i));
        putField(message, outcome.reason);
        putField(message, std::to_string(outcome.warnings.size()));
        for (const std::string& w : outcome.warnings) putField(message, w);
        if (!writeAll(fd, message)) ::_exit(1);
    }
    std::string message;
    putField(message, "T");
    putField(message, std::to_string(timers.size()));
    for (const TimerFigure& t : timers) {
        char seconds[64];
        std::snprintf(seconds, sizeof seconds, "%.17g", t.seconds);
        putField(message, t.name);
        putField(message, std::to_string(t.laps));
        putField(message, seconds);
    }
    ::_exit(writeAll(fd, message) ? 0 : 1);
}

// Takes a worker's messages; false when they are cut short or malformed.
bool takeMessages(const std::string& text, std::vector<FolderFileOutcome>& outcomes,
                  std::vector<bool>& reported, std::vector<TimerFigure>& timers) {
    FieldReader reader(text);
    std::string kind;
    while (!reader.atEnd()) {
        long long index = 0, count = 0;
        if (!reader.field(kind)) return false;
        if (kind == "F") {
            if (!reader.number(index) || index < 0 ||
                index >= static_cast<long long>(outcomes.size()))
                return false;
            FolderFileOutcome& outcome = outcomes[static_cast<size_t>(index)];
            if (!reader.field(outcome.reason) || !reader.number(count)) return false;
            outcome.warnings.assign(static_cast<size_t>(std::max(0LL, count)), std::string());
            for (std::string& w : outcome.warnings)
                if (!reader.field(w)) return false;
            reported[static_cast<size_t>(index)] = true;
        } else if (kind == "T") {
            if (!reader.number(count)) return false;
            std::vector<TimerFigure> figures(static_cast<size_t>(std::max(0LL, count)));
            for (TimerFigure& t : figures) {
                std::string seconds;
                long long laps = 0;
                if (!reader.field(t.name) || !reader.number(laps) || !reader.field(seconds))
                    return false;
                t.laps = static_cast<int>(laps);
                t.seconds = std::strtod(seconds.c_str(), nullptr);
            }
            addTimerFigures(timers, figures);
        } else {
            return false;
        }
    }
    return true;
}

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    std::string received;
};

// Reads every worker's pipe to its end, whichever has data first.
void drain(std::vector<Worker>& workers) {
    std::vector<pollfd> open;
    for (const Worker& w : workers)
        if (w.fd >= 0) open.push_back({w.fd, POLLIN, 0});
    char buffer[65536];
    while (!open.empty()) {
        if (::poll(open.data(), open.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (size_t i = 0; i < open.size();) {
            ssize_t n = 0;
            if (open[i].revents != 0) {
                n = ::read(open[i].fd, buffer, sizeof buffer);
                if (n < 0 && errno == EINTR) n = 1;
            }
            if (open[i].revents != 0 && n <= 0) {
                ::close(open[i].fd);
                open.erase(open.begin() + static_cast<long>(i));
                continue;
            }
            if (n > 0 && open[i].revents != 0)
                for (Worker& w : workers)
                    if (w.fd == open[i].fd) w.received.append(buffer, static_cast<size_t>(n));
            ++i;
        }
    }
}

}  // namespace

void evaluateInWorkers(const EvalOptions& options, const MacroFileList& files, int jobs,
                       std::vector<FolderFileOutcome>& outcomes, std::vector<TimerFigure>& timers) {
    outcomes.assign(files.size(), FolderFileOutcome());
    std::vector<bool> reported(files.size(), false);
    std::vector<Worker> workers(static_cast<size_t>(jobs));
    std::fflush(nullptr);  // nothing buffered may be written twice by the copies
    for (int w = 0; w < jobs; ++w) {
        int fds[2];
        if (::pipe(fds) != 0) break;
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::close(fds[0]);
            for (int k = 0; k < w; ++k) ::close(workers[static_cast<size_t>(k)].fd);
            runWorker(options, files, w, jobs, fds[1]);
        }
        ::close(fds[1]);
        if (pid < 0) {
            ::close(fds[0]);
            break;
        }
        workers[static_cast<size_t>(w)] = {pid, fds[0], {}};
    }
    drain(workers);
    for (Worker& w : workers) {
        if (w.pid < 0) continue;
        int status = 0;
        while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
        }
        takeMessages(w.received, outcomes, reported, timers);
    }
    for (size_t i = 0; i < files.size(); ++i)
        if (!reported[i]) outcomes[i].reason = "the worker process evaluating it ended early";
}
