// Fault injection for the platform seam's file operations, for tests: the
// steps of every file the suite writes (open, write, flush to disk, rename
// into place) can be told to fail, so a test can walk a fault over each step
// of a save. Nothing is armed in production, where a check costs one load.
#pragma once

#include <atomic>

namespace Platform {
namespace Testing {

enum class TFileOperation { Open, Write, Flush, Rename };
enum class TFileError { DiskFull, AccessDenied, Vanished };

// The nth operation of that kind from now on (1: the next) fails once with
// `error`; a failed write first writes part of its bytes, as a full disk
// does. n 0 disarms.
void FailFileOperation(TFileOperation operation, int n, TFileError error);
// While on, operations are counted (FileOperationCount) without failing.
void CountFileOperations(bool on);
int FileOperationCount(TFileOperation operation);
void ClearFileFaults();

// ---- Inside the seam ----

extern std::atomic<bool> gFileFaultsActive;

// Counts one operation of `operation`; true when it is the one to fail, with
// the error it should fail with.
bool TakeFileFault(TFileOperation operation, TFileError& error);

inline bool ShouldFail(TFileOperation operation, TFileError& error) {
  return gFileFaultsActive.load(std::memory_order_relaxed) && TakeFileFault(operation, error);
}

}  // namespace Testing
}  // namespace Platform
