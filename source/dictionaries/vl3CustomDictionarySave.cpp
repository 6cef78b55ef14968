// The locked save of a custom dictionary: files are opened and written in turn
// with other programs' saves, and changes are replayed onto a newer file.
#include "vl3CustomDictionarySave.h"

#include "vl3CustomDictionary.h"
#include "vl3Platform.h"
#include "vl3Util.h"

void TCustomDictionaryChanges::Clear() {
  removedIgnore.clear();
  removedExclude.clear();
  removedAutoCorrect.clear();
  addedIgnore.clear();
  addedExclude.clear();
  addedAutoCorrect.clear();
  addedReplacements.clear();
}

void TCustomDictionaryChanges::ReplayOnto(TCustomDictionary& latest) const {
  for (const std::string& w : addedIgnore) latest.AddIgnore(w);
  for (const std::string& w : addedExclude) latest.AddExclude(w);
  for (size_t i = 0; i < addedAutoCorrect.size(); ++i) {
    latest.AddAutoCorrect(addedAutoCorrect[i],
                          i < addedReplacements.size() ? addedReplacements[i] : "");
  }
  for (const std::string& w : removedIgnore) latest.RemoveIgnore(w);
  for (const std::string& w : removedExclude) latest.RemoveExclude(w);
  for (const std::string& w : removedAutoCorrect) latest.RemoveAutoCorrect(w);
}

namespace CustomDictionarySave {

namespace {

const char* const kBackupSuffix = ".bak";
constexpr int kBackupAttempts = 100;

// One look at a file: true when it exists with the banner; otherwise, with
// `mayProbe`, `valid` tells whether the path may still serve. The probe
// creates and removes a file, which only a holder of the lock may do.
bool ReadValidFile(const std::string& path, TCustomDictionaryFile& file, bool mayProbe,
                   bool& valid) {
  if (file.Load(path)) {
    valid = VluFormat::HasBanner(file.Bytes());
    return valid;
  }
  // A file that exists but cannot be read (locked, no access) is not a new
  // dictionary: creating it with delete-on-close could remove it.
  valid = mayProbe && !Platform::FileExists(path) && CanCreateFile(path, true);
  return false;
}

}  // namespace

bool OpenInTurn(const std::string& path, TCustomDictionaryFile& file, bool& valid) {
  valid = false;
  if (ReadValidFile(path, file, false, valid)) return true;
  // What looked missing, unreadable or damaged may be another program's
  // save in progress (a file system may show no file for a moment while
  // the new one is moved in) or its probe for a new dictionary: look again
  // once that program is done. Only then may we probe ourselves.
  Platform::TFileLock lock;
  lock.Acquire(path, TCustomDictionary::kSaveLockWaitMs);
  return ReadValidFile(path, file, true, valid);
}

bool MoveFileAside(const std::string& path, std::string& backupPath) {
  for (int i = 1; i <= kBackupAttempts; ++i) {
    std::string candidate = path + kBackupSuffix;
    if (i > 1) candidate += std::to_string(i);
    if (Platform::FileExists(candidate)) continue;
    if (Platform::RenameFile(path, candidate)) {
      backupPath = candidate;
      return true;
    }
  }
  return false;
}

}  // namespace CustomDictionarySave
