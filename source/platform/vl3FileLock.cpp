// The waiting and nesting side of the lock between programs; each platform
// file supplies the single attempt (TryLockFile) and its release.
#include <algorithm>
#include <chrono>
#include <map>
#include <random>
#include <thread>

#include "vl3Platform.h"

namespace Platform {

namespace {

// Companion files this thread holds, with their nesting depth and system
// handle: a save that runs inside another save of the same file must not
// wait for itself.
struct THeldLock {
  int depth;
  intptr_t handle;
};

std::map<std::string, THeldLock>& HeldLocks() {
  thread_local std::map<std::string, THeldLock> held;
  return held;
}

// Short random pauses, so that waiting programs do not retry in step.
constexpr int kLongestPauseUs = 1200;
std::chrono::microseconds RetryPause() {
  thread_local std::minstd_rand random(static_cast<unsigned>(
      std::chrono::steady_clock::now().time_since_epoch().count() ^
      reinterpret_cast<uintptr_t>(&random)));
  return std::chrono::microseconds(200 + random() % (kLongestPauseUs - 200));
}

// A program that saves after every word would take the lock again the
// moment it let go, before any waiting program woke up to try, and could
// keep the others out until they give up. After letting go it therefore
// waits longer than the longest pause of a waiting program before it tries
// again, so that a waiting program gets its turn first.
constexpr auto kTurnForOthers = std::chrono::microseconds(2 * kLongestPauseUs);

std::map<std::string, std::chrono::steady_clock::time_point>& LastReleases() {
  thread_local std::map<std::string, std::chrono::steady_clock::time_point> released;
  return released;
}

void LeaveTurnToOthers(const std::string& lockPath) {
  auto it = LastReleases().find(lockPath);
  if (it == LastReleases().end()) return;
  const auto until = it->second + kTurnForOthers;
  LastReleases().erase(it);
  if (until > std::chrono::steady_clock::now()) std::this_thread::sleep_until(until);
}

}  // namespace

TLockResult TFileLock::Acquire(const std::string& path, uint32_t waitMs) {
  Release();
  if (path.empty()) return TLockResult::Unavailable;
  const std::string lockPath = path + kLockSuffix;
  auto nested = HeldLocks().find(lockPath);
  if (nested != HeldLocks().end()) {
    ++nested->second.depth;
    lockPath_ = lockPath;
    return TLockResult::Locked;
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
  LeaveTurnToOthers(lockPath);
  for (;;) {
    intptr_t handle = -1;
    TLockResult result = TryLockFile(lockPath, handle);
    if (result == TLockResult::Locked) {
      HeldLocks()[lockPath] = THeldLock{1, handle};
      lockPath_ = lockPath;
      return result;
    }
    if (result == TLockResult::Unavailable) return result;
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return TLockResult::Busy;
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(RetryPause(), deadline - now));
  }
}

void TFileLock::Release() {
  if (lockPath_.empty()) return;
  auto it = HeldLocks().find(lockPath_);
  if (it != HeldLocks().end() && --it->second.depth <= 0) {
    const intptr_t handle = it->second.handle;
    HeldLocks().erase(it);
    UnlockFile(lockPath_, handle);
    if (LastReleases().size() > 64) LastReleases().clear();  // many files: forget the old ones
    LastReleases()[lockPath_] = std::chrono::steady_clock::now();
  }
  lockPath_.clear();
}

}  // namespace Platform
