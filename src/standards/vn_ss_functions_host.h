#pragma once
// What the standards functions and the evaluation need from their surroundings, in one place:
// the library folder, the switch for spreadsheet error messages, message boxes, and files of
// the library (Windows paths, translated by the host's file layer).
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "file_stamp.h"
#include "ktx_string.h"

// The product library folder (ends with a backslash).
const Ktx_String& vnLibDir();
// True when the spreadsheet error messages are switched on.
bool vnSpreadsheetMessagesOn();
// Shows a message box with the exclamation icon (owner: the CAD host's main window).
void vnShowExclamation(const Ktx_String& text);
// Shows a message box with the exclamation icon and a caption over the given owner window.
void vnShowExclamationOver(void* ownerWindow, const Ktx_String& text, const Ktx_String& caption);

// Files of the library are read, never written, by an evaluation. While an outermost
// evaluation runs (between vnBeginLibraryFileFacts and vnEndLibraryFileFacts) the answers of
// the three functions below are kept per path, so a standard that looks up the same data file
// in many cells asks the file system once. A later evaluation takes them again while every
// status they were read from is kept and unchanged (HostLookUpWitness), else asks anew.
// Outside an evaluation every call asks the file system.
void vnBeginLibraryFileFacts();
void vnEndLibraryFileFacts();

// A mark of the library-file facts, taken before a result is drawn from them (such as the
// data file a name resolves to, parsed). The result may be kept when
// vnLibraryFactsLastingSince(mark) says every fact served since the mark was lasting, and
// then taken again without asking for those facts while vnLibraryFactsHold(mark): in the
// evaluations that follow, until the kernel reports a change, the working folder moves or
// the path translation changes. Outside an evaluation nothing is lasting.
struct VnLibraryFactsMark {
    HostStatusEpoch epoch;
    std::uint64_t translation = 0;
    std::uint64_t unlasting = 0;  // facts served that were not lasting, up to the mark
    bool active = false;
};
VnLibraryFactsMark vnLibraryFactsMark();
bool vnLibraryFactsLastingSince(const VnLibraryFactsMark& mark);
bool vnLibraryFactsHold(const VnLibraryFactsMark& mark);

// The host path of a library file (see hostPath).
std::string vnHostPath(const Ktx_String& path);
// True when a file (not a folder) of that path exists.
bool vnFileExists(const Ktx_String& path);
// The first candidate that names an existing file, in the order given (every library search
// list: child standards, data files); false when none does.
// A candidate is given as up to three parts joined, and only made when its turn comes.
struct VnPathCandidate {
    VnPathCandidate(std::string_view a, std::string_view b = {}, std::string_view c = {})
        : first(a), second(b), third(c) {}
    std::string_view first, second, third;
};
bool vnFirstExistingFile(std::initializer_list<VnPathCandidate> candidates, Ktx_String& path);

// Size and modification time of a file; false when it does not exist (or is a folder).
using VnFileStamp = HostFileStamp;
bool vnFileStampOf(const Ktx_String& path, VnFileStamp& stamp);
// The host path of a library file and, as vnFileStampOf, its stamp and whether it is a file:
// one look-up for a caller that needs both (the path is written in either case).
bool vnHostPathAndStamp(const Ktx_String& path, std::string& hostPath, VnFileStamp& stamp);

// The lines of a text file, read by the Core library's ObjectExportReadFile; false when it
// cannot be read.
bool vnReadTextLines(const Ktx_String& path, std::vector<std::string>& lines);
