#include "cmd_eval_jobs.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <map>

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
    FieldReader(const std::string& text, size_t from) : text_(text), pos_(from) {}
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
    size_t position() const { return pos_; }

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

// Hands the outcomes on in the order of the list as soon as each one and all before it are
// known, holding only those that arrive early; a file never reported fails at the end.
class OrderedOutcomes {
  public:
    OrderedOutcomes(size_t count, const FolderOutcomeSink& take) : count_(count), take_(take) {}
    // An index outside the list, or one already reported, is ignored.
    void arrive(size_t index, FolderFileOutcome outcome) {
        if (index >= count_ || index < next_ || early_.count(index) != 0) return;
        early_.emplace(index, std::move(outcome));
        while (!early_.empty() && early_.begin()->first == next_) {
            take_(next_++, early_.begin()->second);
            early_.erase(early_.begin());
        }
    }
    void finish() {
        while (next_ < count_) arrive(next_, {"the worker process evaluating it ended early", {}});
    }

  private:
    size_t count_;
    size_t next_ = 0;
    std::map<size_t, FolderFileOutcome> early_;
    const FolderOutcomeSink& take_;
};

// Takes one whole message from the reader; false (nothing taken) when it is cut short, not yet
// all there, or malformed.
bool takeMessage(FieldReader& reader, OrderedOutcomes& outcomes, std::vector<TimerFigure>& timers) {
    std::string kind;
    long long index = 0, count = 0;
    if (!reader.field(kind)) return false;
    if (kind == "F") {
        FolderFileOutcome outcome;
        if (!reader.number(index) || index < 0 || !reader.field(outcome.reason) ||
            !reader.number(count))
            return false;
        for (long long k = 0; k < count; ++k) {
            std::string w;
            if (!reader.field(w)) return false;
            outcome.warnings.push_back(std::move(w));
        }
        outcomes.arrive(static_cast<size_t>(index), std::move(outcome));
        return true;
    }
    if (kind != "T" || !reader.number(count)) return false;
    std::vector<TimerFigure> figures;
    for (long long k = 0; k < count; ++k) {
        TimerFigure t;
        std::string seconds;
        long long laps = 0;
        if (!reader.field(t.name) || !reader.number(laps) || !reader.field(seconds)) return false;
        t.laps = static_cast<int>(laps);
        t.seconds = std::strtod(seconds.c_str(), nullptr);
        figures.push_back(std::move(t));
    }
    addTimerFigures(timers, figures);
    return true;
}

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    std::string received;  // the bytes of a message not yet whole
};

// Takes every whole message at the front of what the worker sent; the rest waits for more.
void takeWhole(Worker& worker, OrderedOutcomes& outcomes, std::vector<TimerFigure>& timers) {
    size_t used = 0;
    for (;;) {
        FieldReader reader(worker.received, used);
        if (!takeMessage(reader, outcomes, timers)) break;
        used = reader.position();
    }
    worker.received.erase(0, used);
}

// Reads every worker's pipe to its end, whichever has data first, taking the messages as
// they become whole (so what is held does not grow with the number of files).
void drain(std::vector<Worker>& workers, OrderedOutcomes& outcomes,
           std::vector<TimerFigure>& timers) {
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
                for (Worker& w : workers) {
                    if (w.fd != open[i].fd) continue;
                    w.received.append(buffer, static_cast<size_t>(n));
                    takeWhole(w, outcomes, timers);
                }
            ++i;
        }
    }
}

}  // namespace

void evaluateInWorkers(const EvalOptions& options, const MacroFileList& files, int jobs,
                       const FolderOutcomeSink& take, std::vector<TimerFigure>& timers) {
    OrderedOutcomes outcomes(files.size(), take);
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
    drain(workers, outcomes, timers);
    for (Worker& w : workers) {
        if (w.pid < 0) continue;
        int status = 0;
        while (::waitpid(w.pid, &status, 0) < 0 && errno == EINTR) {
        }
    }
    outcomes.finish();
}
