// Where a spell-checker component's dictionary files are: the folders it
// searches, names resolved in them, the listings it keeps and word lists read.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "vl3StringList.h"

class TSpellDictionaryFolders {
 public:
  // Every path made here passes through expand (the component's macros).
  using TExpand = std::function<std::string(const std::string&)>;
  explicit TSpellDictionaryFolders(TExpand expand) : expand_(std::move(expand)) {}

  // The configured folders, then those the user added (null for none yet).
  void SetFolders(const TStringList& configured, const TStringList* added);
  const TStringList& Folders() const { return folders_; }
  // The folders as searched: macros expanded, no trailing delimiter.
  TStringList Expanded() const;

  // A name with a folder in it rather than a bare file name.
  static bool IsPath(const std::string& name);
  // The name in the folder at index, expanded.
  std::string PathIn(int index, const std::string& name) const;
  // A path as given (expanded); a bare name in the first folder that has
  // that file, else in the first folder; without folders the name itself.
  std::string ResolveCustom(const std::string& name) const;
  // Some folder holds a file or folder of that name.
  bool NameTaken(const std::string& name) const;
  // Adds the names of the files with that extension in every folder, each once.
  void FindFiles(const std::string& extension, TStringList& list) const;

  // The listings the component hands out; they are made again when empty.
  TStringList& MainFiles() { return mainFiles_; }
  TStringList& CustomFiles() { return customFiles_; }
  TStringList& MSWordFiles() { return msWordFiles_; }
  void ClearListings();

  // The word processor's custom dictionaries named in its registry list
  // that exist, in the list's order.
  static void ListMSWordDictionaries(TStringList& files);
  // The words of a word processor's list (ANSI, UTF-8 or UTF-16 with a
  // byte order mark) as ANSI lines; false when the file cannot be read.
  static bool ReadWordList(const std::string& path, TStringList& words);

 private:
  TExpand expand_;
  TStringList folders_;
  TStringList mainFiles_;
  TStringList customFiles_;
  TStringList msWordFiles_;
};
