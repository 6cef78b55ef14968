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
  using THandler = std::function<void(void* Sender)>;

  TEventList() = default;
  virtual ~TEventList();
  TEventList(const TEventList&) = delete;
  TEventList& operator=(const TEventList&) = delete;

  // A second registration of the same listener is ignored (the first handler stays).
  void AddListener(const void* Listener, THandler Handler);
  void RemoveListener(const void* Listener);
  // Calls every handler with Sender. Listeners removed by a handler during
  // the round are not called any more; ones added are called from the next one.
  void Notify(void* Sender);

  int Count() const { return static_cast<int>(listeners_.size()); }
  const void* Listeners(int Index) const { return listeners_[static_cast<size_t>(Index)]; }
  bool IsListening(const void* Listener) const { return IndexOf(Listener) >= 0; }

 private:
  int IndexOf(const void* Listener) const;

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
std::string ExpandMacros(const std::string& Path);
// Source with the first (case-sensitive) Pattern replaced by Replacement.
std::string ReplaceFirst(const std::string& Pattern, const std::string& Replacement,
                         const std::string& Source);
// The shell folder for a CSIDL value (26 application data, 5 documents)
// without a trailing delimiter; empty when unavailable.
std::string GetSpecialFolder(int FolderId);

// Creates the folder and any missing parents; true when the folder exists
// afterwards.
bool ForceDirectories(const std::string& Path);
// Whether FileName can be opened for writing without sharing (it is created
// when missing); with DeleteOnClose a file this call created goes again.
bool CanCreateFile(const std::string& FileName, bool DeleteOnClose);
// The two words of the file's fixed version; false without a version resource.
bool GetFileVersion(const std::string& FileName, uint32_t& VersionMS, uint32_t& VersionLS);

int Min(int A, int B);
int Max(int A, int B);

// Path pieces the macros need; both '\' and '/' separate folders.
std::string ExtractFileDir(const std::string& Path);   // without a trailing delimiter
std::string ExtractFileName(const std::string& Path);  // without the folder
std::string ExcludeTrailingPathDelimiter(const std::string& Path);
// The bare file name of Path with its extension replaced by Extension.
std::string BareNameWithExtension(const std::string& Path, const std::string& Extension);

// Placement of a form of size Width x Height on the monitor rectangle
// Monitor: where MoveFormOnScreen and MoveFormNearRect put its top-left.
struct TFormPosition {
  int32_t Left = 0, Top = 0;
};
TFormPosition FitFormOnMonitor(const TRect& Monitor, int32_t Width, int32_t Height, int32_t Left,
                               int32_t Top);
TFormPosition FormPositionNearRect(const TRect& Monitor, const TRect& Form, const TRect& R,
                                   bool Horizontal, bool Vertical);

#ifdef _WIN32
struct HWND__;
// Moves a window to (Left, Top) kept inside its monitor; nothing for null.
void MoveFormOnScreen(HWND__* Form, int32_t Left, int32_t Top);
// Moves a window beside R (screen coordinates): under or over it when
// Vertical, aligned with its left edge when Horizontal.
void MoveFormNearRect(HWND__* Form, const TRect& R, bool Horizontal, bool Vertical);
#endif
