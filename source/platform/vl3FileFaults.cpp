// Fault injection for the file operations of the platform seam (tests only).
#include "vl3FileFaults.h"

#include <mutex>

namespace Platform {
namespace Testing {

std::atomic<bool> gFileFaultsActive{false};

namespace {

constexpr int kOperations = 4;

struct TFaultState {
  std::mutex lock;
  bool counting = false;
  int counts[kOperations] = {};
  int failAt[kOperations] = {};  // 0: none
  TFileError errors[kOperations] = {};
};

TFaultState& State() {
  static TFaultState state;
  return state;
}

void UpdateActive(TFaultState& s) {
  bool armed = s.counting;
  for (int i = 0; i < kOperations; ++i) armed = armed || s.failAt[i] > 0;
  gFileFaultsActive.store(armed, std::memory_order_relaxed);
}

}  // namespace

bool TakeFileFault(TFileOperation operation, TFileError& error) {
  TFaultState& s = State();
  std::lock_guard<std::mutex> guard(s.lock);
  const int i = static_cast<int>(operation);
  ++s.counts[i];
  if (s.failAt[i] <= 0 || s.counts[i] != s.failAt[i]) return false;
  s.failAt[i] = 0;  // one fault, then the operation works again
  error = s.errors[i];
  UpdateActive(s);
  return true;
}

void FailFileOperation(TFileOperation operation, int n, TFileError error) {
  TFaultState& s = State();
  std::lock_guard<std::mutex> guard(s.lock);
  const int i = static_cast<int>(operation);
  s.counts[i] = 0;
  s.failAt[i] = n;
  s.errors[i] = error;
  UpdateActive(s);
}

void CountFileOperations(bool on) {
  TFaultState& s = State();
  std::lock_guard<std::mutex> guard(s.lock);
  s.counting = on;
  for (int& c : s.counts) c = 0;
  UpdateActive(s);
}

int FileOperationCount(TFileOperation operation) {
  TFaultState& s = State();
  std::lock_guard<std::mutex> guard(s.lock);
  return s.counts[static_cast<int>(operation)];
}

void ClearFileFaults() {
  TFaultState& s = State();
  std::lock_guard<std::mutex> guard(s.lock);
  s.counting = false;
  for (int i = 0; i < kOperations; ++i) s.counts[i] = s.failAt[i] = 0;
  UpdateActive(s);
}

}  // namespace Testing
}  // namespace Platform
