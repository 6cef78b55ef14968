// Shared services of the engine: listener lists, the version text, path
// macros, folders and files, and the arithmetic of placing forms.
#include "vl3Util.h"

#include "vl3Platform.h"

namespace {

bool IsPathDelimiter(char c) { return c == '\\' || c == '/'; }

}  // namespace

// ---- Listener lists --------------------------------------------------------

TEventList::~TEventList() = default;

int TEventList::IndexOf(const void* listener) const {
  for (size_t i = 0; i < listeners_.size(); ++i)
    if (listeners_[i] == listener) return static_cast<int>(i);
  return -1;
}

void TEventList::AddListener(const void* listener, THandler handler) {
  if (IndexOf(listener) >= 0) return;
  listeners_.push_back(listener);
  events_.push_back(std::make_unique<THandler>(std::move(handler)));
}

void TEventList::RemoveListener(const void* listener) {
  int i = IndexOf(listener);
  if (i < 0) return;
  listeners_.erase(listeners_.begin() + i);
  events_.erase(events_.begin() + i);
}

void TEventList::Notify(void* sender) {
  // Work from a copy of the listeners: a handler that unlinks itself (or
  // another listener) must not pull the list from under this loop.
  std::vector<const void*> round = listeners_;
  for (const void* listener : round) {
    int i = IndexOf(listener);
    if (i < 0) continue;
    THandler handler = *events_[static_cast<size_t>(i)];
    if (handler) handler(sender);
  }
}

// ---- Text and paths ------------------------------------------------------

std::string GetVersionString() { return std::string("3.2.0") + " Pro"; }

std::string ReplaceFirst(const std::string& pattern, const std::string& replacement,
                         const std::string& source) {
  if (pattern.empty()) return source;
  size_t at = source.find(pattern);
  if (at == std::string::npos) return source;
  std::string result = source;
  result.replace(at, pattern.size(), replacement);
  return result;
}

std::string ExcludeTrailingPathDelimiter(const std::string& path) {
  if (!path.empty() && IsPathDelimiter(path.back())) return path.substr(0, path.size() - 1);
  return path;
}

std::string BareNameWithExtension(const std::string& path, const std::string& extension) {
  std::string name = ExtractFileName(path);
  const size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name + extension;
}

std::string ExtractFileDir(const std::string& path) {
  size_t at = path.find_last_of("\\/:");
  if (at == std::string::npos) return std::string();
  // Keep the delimiter of a root ("C:\", "/"): the folder is the root itself.
  if (path[at] == ':' || at == 0 || (at == 2 && path[1] == ':')) return path.substr(0, at + 1);
  return path.substr(0, at);
}

std::string ExtractFileName(const std::string& path) {
  size_t at = path.find_last_of("\\/:");
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string GetSpecialFolder(int folderId) {
  std::string path;
  if (!Platform::GetSpecialFolderPath(folderId, path) || path.empty()) return std::string();
  return ExcludeTrailingPathDelimiter(path);
}

std::string ExpandMacros(const std::string& path) {
  std::string result = path;
  std::string exe = Platform::ExecutablePath();

  result = ReplaceFirst("%AppDir%", ExcludeTrailingPathDelimiter(ExtractFileDir(exe)), result);

  std::string appName = ExtractFileName(exe);
  size_t dot = appName.rfind('.');
  if (dot != std::string::npos) appName.resize(dot);
  result = ReplaceFirst("%AppName%", appName, result);

  // These three look at the input, so that a macro that only arises through
  // an earlier replacement stays as it is.
  if (path.find("%UserName%") != std::string::npos) {
    std::string user;
    if (!Platform::GetUserName(user) || user.empty()) user = "default";
    result = ReplaceFirst("%UserName%", user, result);
  }
  if (path.find("%AppData%") != std::string::npos)
    result = ReplaceFirst("%AppData%", GetSpecialFolder(26), result);
  if (path.find("%MyDocuments%") != std::string::npos)
    result = ReplaceFirst("%MyDocuments%", GetSpecialFolder(5), result);

  std::string expanded;
  if (Platform::ExpandEnvironmentStrings(result, expanded)) result = expanded;
  return result;
}

// ---- Files and folders ---------------------------------------------------

bool ForceDirectories(const std::string& path) {
  if (path.empty()) return false;
  if (Platform::DirectoryExists(path)) return true;
  std::string trimmed = ExcludeTrailingPathDelimiter(path);
  if (trimmed.size() > 2) {
    size_t at = trimmed.find_last_of("\\/");
    if (at != std::string::npos) {
      std::string parent = trimmed.substr(0, at + 1);
      // Always shorter than path, so the recursion ends.
      if (parent != trimmed) ForceDirectories(parent);
    }
  }
  if (!trimmed.empty()) Platform::CreateDirectory(trimmed);
  return Platform::DirectoryExists(trimmed.empty() ? path : trimmed);
}

bool CanCreateFile(const std::string& fileName, bool deleteOnClose) {
  return Platform::TryCreateFile(fileName, deleteOnClose);
}

bool GetFileVersion(const std::string& fileName, uint32_t& versionMs, uint32_t& versionLs) {
  return Platform::GetFileVersion(fileName, versionMs, versionLs);
}

int Min(int a, int b) { return a < b ? a : b; }
int Max(int a, int b) { return a > b ? a : b; }

// ---- Placing forms -------------------------------------------------------

TFormPosition FitFormOnMonitor(const TRect& monitor, int32_t width, int32_t height, int32_t left,
                               int32_t top) {
  // 64-bit sums: a form far off screen must not overflow into the monitor.
  int64_t x = left, y = top;
  if (x < monitor.Left) x = monitor.Left;
  if (y < monitor.Top) y = monitor.Top;
  if (x + width > monitor.Right) x = static_cast<int64_t>(monitor.Right) - width;
  if (y + height > monitor.Bottom) y = static_cast<int64_t>(monitor.Bottom) - height;
  return TFormPosition{static_cast<int32_t>(x), static_cast<int32_t>(y)};
}

TFormPosition FormPositionNearRect(const TRect& monitor, const TRect& form, const TRect& r,
                                   bool horizontal, bool vertical) {
  int64_t width = form.Width(), height = form.Height();
  int64_t left = form.Left, top = form.Top;
  if (horizontal) {
    left = r.Left;
    if (r.Left + width > monitor.Right) left = monitor.Right - width;
  }
  if (vertical) {
    top = r.Bottom;
    if (r.Bottom + height > monitor.Bottom) top = r.Top - height;
  }
  return FitFormOnMonitor(monitor, static_cast<int32_t>(width), static_cast<int32_t>(height),
                          static_cast<int32_t>(left), static_cast<int32_t>(top));
}
