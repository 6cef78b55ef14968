// Small services the components share: listener lists, the version text,
// path macros, folders and files, and keeping forms on their monitor.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vl3SpellTypes.h"

// Listeners registered with the engine, each with its handler, called in
// registration order. A listener is identified by its address and is not
// owned.
class TEventList {
 public:
  using THandler = std::function<void(void* sender)>;

  TEventList() = default;
  virtual ~TEventList();
  TEventList(const TEventList&) = delete;
  TEventList& operator=(const TEventList&) = delete;

  // A second registration of the same listener is ignored (the first handler stays).
  void AddListener(const void* listener, THandler handler);
  void RemoveListener(const void* listener);
  // Calls every handler with sender. Listeners removed by a handler during
  // the round are not called any more; ones added are called from the next one.
  void Notify(void* sender);

  int Count() const { return static_cast<int>(listeners_.size()); }
  const void* Listeners(int index) const { return listeners_[static_cast<size_t>(index)]; }
  bool IsListening(const void* listener) const { return IndexOf(listener) >= 0; }

 private:
  int IndexOf(const void* listener) const;

  std::vector<const void*> listeners_;               // not owned
  std::vector<std::unique_ptr<THandler>> events_;    // one per listener
};

// The engine's list for ignored words: its listeners read State and Before
// while they are notified.
class TParserIgnoreWordEventList : public TEventList {
 public:
  int32_t State = 0;    // the state of the ignore step
  bool Before = false;  // before the parser steps over the word, or after
};

// "3.2.0 Pro": every component's Version.
std::string GetVersionString();

// Expands "%AppDir%", "%AppName%", "%UserName%", "%AppData%", "%MyDocuments%"
// (each once, case-sensitive) and then %NAME% environment variables.
std::string ExpandMacros(const std::string& path);
// Returns source with the first (case-sensitive) pattern replaced by replacement.
std::string ReplaceFirst(const std::string& pattern, const std::string& replacement,
                         const std::string& source);
// The shell folder for a CSIDL value (26 application data, 5 documents)
// without a trailing delimiter; empty when unavailable.
std::string GetSpecialFolder(int folderId);

// Creates the folder and any missing parents; true when the folder exists
// afterwards.
bool ForceDirectories(const std::string& path);
// Whether fileName can be opened for writing without sharing (it is created
// when missing); with deleteOnClose a file this call created goes again.
bool CanCreateFile(const std::string& fileName, bool deleteOnClose);
// The two words of the file's fixed version; false without a version resource.
bool GetFileVersion(const std::string& fileName, uint32_t& versionMs, uint32_t& versionLs);

int Min(int a, int b);
int Max(int a, int b);

// Path pieces the macros need; both '\' and '/' separate folders.
std::string ExtractFileDir(const std::string& path);   // without a trailing delimiter
std::string ExtractFileName(const std::string& path);  // without the folder
std::string ExcludeTrailingPathDelimiter(const std::string& path);
// The bare file name of path with its extension replaced by extension.
std::string BareNameWithExtension(const std::string& path, const std::string& extension);

// Placement of a form of size width x height on the monitor rectangle
// monitor: where MoveFormOnScreen and MoveFormNearRect put its top-left.
struct TFormPosition {
  int32_t Left = 0, Top = 0;
};
TFormPosition FitFormOnMonitor(const TRect& monitor, int32_t width, int32_t height, int32_t left,
                               int32_t top);
TFormPosition FormPositionNearRect(const TRect& monitor, const TRect& form, const TRect& r,
                                   bool horizontal, bool vertical);

#ifdef _WIN32
struct HWND__;
// Moves a window to (left, top) kept inside its monitor; nothing for null.
void MoveFormOnScreen(HWND__* form, int32_t left, int32_t top);
// Moves a window beside r (screen coordinates): under or over it when
// vertical, aligned with its left edge when horizontal.
void MoveFormNearRect(HWND__* form, const TRect& r, bool horizontal, bool vertical);
#endif
