// Shared services of the engine: listener lists, the version text, path
// macros, folders and files, and the arithmetic of placing forms.
#include "vl3Util.h"

#include "vl3Platform.h"

namespace {

bool IsPathDelimiter(char c) { return c == '\\' || c == '/'; }

}  // namespace

// ---- Listener lists --------------------------------------------------------

TEventList::~TEventList() = default;

int TEventList::IndexOf(const void* Listener) const {
  for (size_t i = 0; i < listeners_.size(); ++i)
    if (listeners_[i] == Listener) return static_cast<int>(i);
  return -1;
}

void TEventList::AddListener(const void* Listener, THandler Handler) {
  if (IndexOf(Listener) >= 0) return;
  listeners_.push_back(Listener);
  events_.push_back(std::make_unique<THandler>(std::move(Handler)));
}

void TEventList::RemoveListener(const void* Listener) {
  int i = IndexOf(Listener);
  if (i < 0) return;
  listeners_.erase(listeners_.begin() + i);
  events_.erase(events_.begin() + i);
}

void TEventList::Notify(void* Sender) {
  // Work from a copy of the listeners: a handler that unlinks itself (or
  // another listener) must not pull the list from under this loop.
  std::vector<const void*> round = listeners_;
  for (const void* listener : round) {
    int i = IndexOf(listener);
    if (i < 0) continue;
    THandler handler = *events_[static_cast<size_t>(i)];
    if (handler) handler(Sender);
  }
}

// ---- Text and paths ------------------------------------------------------

std::string GetVersionString() { return std::string("3.2.0") + " Pro"; }

std::string ReplaceFirst(const std::string& Pattern, const std::string& Replacement,
                         const std::string& Source) {
  if (Pattern.empty()) return Source;
  size_t at = Source.find(Pattern);
  if (at == std::string::npos) return Source;
  std::string result = Source;
  result.replace(at, Pattern.size(), Replacement);
  return result;
}

std::string ExcludeTrailingPathDelimiter(const std::string& Path) {
  if (!Path.empty() && IsPathDelimiter(Path.back())) return Path.substr(0, Path.size() - 1);
  return Path;
}

std::string BareNameWithExtension(const std::string& Path, const std::string& Extension) {
  std::string name = ExtractFileName(Path);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name + Extension;
}

std::string ExtractFileDir(const std::string& Path) {
  size_t at = Path.find_last_of("\\/:");
  if (at == std::string::npos) return std::string();
  // Keep the delimiter of a root ("C:\", "/"): the folder is the root itself.
  if (Path[at] == ':' || at == 0 || (at == 2 && Path[1] == ':')) return Path.substr(0, at + 1);
  return Path.substr(0, at);
}

std::string ExtractFileName(const std::string& Path) {
  size_t at = Path.find_last_of("\\/:");
  return at == std::string::npos ? Path : Path.substr(at + 1);
}

std::string GetSpecialFolder(int FolderId) {
  std::string path;
  if (!Platform::GetSpecialFolderPath(FolderId, path) || path.empty()) return std::string();
  return ExcludeTrailingPathDelimiter(path);
}

std::string ExpandMacros(const std::string& Path) {
  std::string result = Path;
  std::string exe = Platform::ExecutablePath();

  result = ReplaceFirst("%AppDir%", ExcludeTrailingPathDelimiter(ExtractFileDir(exe)), result);

  std::string appName = ExtractFileName(exe);
  size_t dot = appName.rfind('.');
  if (dot != std::string::npos) appName.resize(dot);
  result = ReplaceFirst("%AppName%", appName, result);

  // These three look at the input, so that a macro that only arises through
  // an earlier replacement stays as it is.
  if (Path.find("%UserName%") != std::string::npos) {
    std::string user;
    if (!Platform::GetUserName(user) || user.empty()) user = "default";
    result = ReplaceFirst("%UserName%", user, result);
  }
  if (Path.find("%AppData%") != std::string::npos)
    result = ReplaceFirst("%AppData%", GetSpecialFolder(26), result);
  if (Path.find("%MyDocuments%") != std::string::npos)
    result = ReplaceFirst("%MyDocuments%", GetSpecialFolder(5), result);

  std::string expanded;
  if (Platform::ExpandEnvironmentStrings(result, expanded)) result = expanded;
  return result;
}

// ---- Files and folders ---------------------------------------------------

bool ForceDirectories(const std::string& Path) {
  if (Path.empty()) return false;
  if (Platform::DirectoryExists(Path)) return true;
  std::string path = ExcludeTrailingPathDelimiter(Path);
  if (path.size() > 2) {
    size_t at = path.find_last_of("\\/");
    if (at != std::string::npos) {
      std::string parent = path.substr(0, at + 1);
      // Always shorter than Path, so the recursion ends.
      if (parent != path) ForceDirectories(parent);
    }
  }
  if (!path.empty()) Platform::CreateDirectory(path);
  return Platform::DirectoryExists(path.empty() ? Path : path);
}

bool CanCreateFile(const std::string& FileName, bool DeleteOnClose) {
  return Platform::TryCreateFile(FileName, DeleteOnClose);
}

bool GetFileVersion(const std::string& FileName, uint32_t& VersionMS, uint32_t& VersionLS) {
  return Platform::GetFileVersion(FileName, VersionMS, VersionLS);
}

int Min(int A, int B) { return A < B ? A : B; }
int Max(int A, int B) { return A > B ? A : B; }

// ---- Placing forms -------------------------------------------------------

TFormPosition FitFormOnMonitor(const TRect& Monitor, int32_t Width, int32_t Height, int32_t Left,
                               int32_t Top) {
  // 64-bit sums: a form far off screen must not overflow into the monitor.
  int64_t left = Left, top = Top;
  if (left < Monitor.Left) left = Monitor.Left;
  if (top < Monitor.Top) top = Monitor.Top;
  if (left + Width > Monitor.Right) left = static_cast<int64_t>(Monitor.Right) - Width;
  if (top + Height > Monitor.Bottom) top = static_cast<int64_t>(Monitor.Bottom) - Height;
  return TFormPosition{static_cast<int32_t>(left), static_cast<int32_t>(top)};
}

TFormPosition FormPositionNearRect(const TRect& Monitor, const TRect& Form, const TRect& R,
                                   bool Horizontal, bool Vertical) {
  int64_t width = Form.Width(), height = Form.Height();
  int64_t left = Form.Left, top = Form.Top;
  if (Horizontal) {
    left = R.Left;
    if (R.Left + width > Monitor.Right) left = Monitor.Right - width;
  }
  if (Vertical) {
    top = R.Bottom;
    if (R.Bottom + height > Monitor.Bottom) top = R.Top - height;
  }
  return FitFormOnMonitor(Monitor, static_cast<int32_t>(width), static_cast<int32_t>(height),
                          static_cast<int32_t>(left), static_cast<int32_t>(top));
}
