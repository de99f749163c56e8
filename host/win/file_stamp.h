#pragma once
// What identifies a file's content between reads without reading it: its size and its
// modification time. A time is settled once it lies far enough back (2 s) that a change
// within the same tick of the file system's clock, which would keep both size and time, can
// no longer follow: only what was read after its file (or folder) settled may be reused while
// the stamp stays equal.
#include <cstdint>
#include <string>

// What a host path names.
enum class HostPathKind { Missing, File, Folder, Other };

struct HostFileStamp {
    std::uintmax_t size = 0;
    std::int64_t modifiedNs = 0;  // nanoseconds since 1970
    bool operator==(const HostFileStamp&) const = default;
};

// The stamp of an existing file or folder (a host path), and what the path names; false (and
// kind Missing) when it does not exist. One status call, or none when the path's status is
// kept (status_watch.h: read before and no change reported since) or a status scope read it.
bool hostFileStampOf(const std::string& hostPath, HostFileStamp& stamp,
                     HostPathKind* kind = nullptr);

// While a status scope is open, each host path's status is read once and taken as read
// afterwards: for a run of look-ups that must see the file system as it was at one moment
// (one evaluation of a standard), however often each of them asks. Scopes nest; what was read
// is forgotten when the outermost closes; opening the outermost takes in the changes the
// kernel reported since. Nothing may write files inside a scope and expect to see the change.
void beginHostStatusScope();
void endHostStatusScope();
bool hostStatusScopeOpen();

// What a result drawn from statuses depends on besides the statuses: it stays true while the
// epoch is the same and every status it read was kept (see HostLookUpWitness). The epoch moves
// when the kept statuses are forgotten and when the working folder (which relative paths start
// from) is another than at the last outermost scope's opening.
struct HostStatusEpoch {
    std::uint64_t forgotten = 0;
    std::uint64_t workingFolder = 0;
    bool operator==(const HostStatusEpoch&) const = default;
};
HostStatusEpoch hostStatusEpoch();

// Tells whether a look-up made of status reads (from its construction to `lasting`) read kept
// statuses only, with no file system access the kept statuses do not cover, so that its result
// may be reused without asking again while hostStatusEpoch() stays what it was at construction.
class HostLookUpWitness {
  public:
    HostLookUpWitness();
    bool lasting() const;
    const HostStatusEpoch& epoch() const { return epoch_; }

  private:
    HostStatusEpoch epoch_;
    std::uint64_t unkept_;
};
// Counts an access to the file system that no kept status covers (a folder walked directly):
// the look-up around it is not lasting.
void hostNoteUnkeptLookUp();

// True when a modification time lies at least the settle time in the past.
bool hostTimeSettled(std::int64_t modifiedNs);
