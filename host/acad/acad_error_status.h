#pragma once
// Result codes of the CAD host's operations. eOk is success; every other value names a failure
// and is passed on unchanged by callers that do not handle it themselves.
namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eInvalidIndex = 4,
    eKeyNotFound = 5,
    eDuplicateKey = 6,
    eFileNotFound = 7,
    eFileAccessErr = 8,
    eOutOfRange = 9,
    eNotInGroup = 10,
    // A required object (for example the grid of a bill output) does not exist.
    eNullObjectPointer = 337,
};

}  // namespace Acad
