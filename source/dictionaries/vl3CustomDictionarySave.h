// The locked save of a custom dictionary: files are opened and written in turn
// with other programs' saves, and changes are replayed onto a newer file.
#pragma once

#include <string>
#include <vector>

#include "vl3CustomDictionaryFormat.h"

class TCustomDictionary;

// The words added and removed since the last save, replayed onto the file's
// latest content when another program saved it in between.
struct TCustomDictionaryChanges {
  std::vector<std::string> removedIgnore;
  std::vector<std::string> removedExclude;
  std::vector<std::string> removedAutoCorrect;
  std::vector<std::string> addedIgnore;
  std::vector<std::string> addedExclude;
  std::vector<std::string> addedAutoCorrect;
  std::vector<std::string> addedReplacements;  // beside addedAutoCorrect

  void Clear();
  // Adds first, then removes, as the changes were noted.
  void ReplayOnto(TCustomDictionary& latest) const;
};

namespace CustomDictionarySave {

// Reads the file at `path` into `file`: true when it exists with the banner.
// A missing, unreadable or damaged file is looked at again once another
// program's save of it is done; `valid` then tells whether the path may still
// serve (no file, but one can be created there).
bool OpenInTurn(const std::string& path, TCustomDictionaryFile& file, bool& valid);
// Renames the file to the first free "<path>.bak", ".bak2" ... ".bak100";
// `backupPath` receives the new name.
bool MoveFileAside(const std::string& path, std::string& backupPath);

}  // namespace CustomDictionarySave
