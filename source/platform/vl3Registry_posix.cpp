// The registry on POSIX hosts: keys and string values kept in one text file
// ($VX_REGISTRY_FILE or ~/.vexlor/registry.ini), case-insensitive as on Windows.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "vl3Ansi.h"
#include "vl3Platform.h"
#include "vl3Platform_posix.h"

namespace Platform {
namespace {

// File layout, close to a .reg export:
//   [HKEY_CURRENT_USER\Software\Maker]
//   "Name"="Value"
//   @="default value"
// Names and values are quoted with \\, \", \n, \r, \t and \xHH escapes so any
// byte survives; key paths keep their '\' and write %HH for brackets, '%'
// and control characters.
struct TRegKey {
  std::string path;  // "HKEY_CURRENT_USER\Software\Maker", as first written
  std::vector<std::pair<std::string, std::string>> values;

  // Value names ignore case, as on Windows.
  const std::string* FindValue(const std::string& name) const {
    for (const auto& v : values)
      if (Ansi::SameText(v.first, name)) return &v.second;
    return nullptr;
  }
  void SetValue(const std::string& name, const std::string& value) {
    bool found = false;
    for (auto& v : values) {
      if (Ansi::SameText(v.first, name)) {
        v.second = value;
        found = true;
      }
    }
    if (!found) values.emplace_back(name, value);
  }
};

// True when `path` lies below the key whose path plus '\' is `prefix`.
bool IsBelow(const std::string& path, const std::string& prefix) {
  return path.size() > prefix.size() && Ansi::SameText(path.substr(0, prefix.size()), prefix);
}

class TRegistryStore {
 public:
  // Takes an exclusive lock for the whole read-modify-write.
  TRegistryStore() {
    const char* env = std::getenv("VX_REGISTRY_FILE");
    if (env && *env) {
      file_ = Posix::HostPath(env);
    } else {
      std::string dir = Posix::HomeDirectory() + "/.vexlor";
      ::mkdir(dir.c_str(), 0700);
      file_ = dir + "/registry.ini";
    }
    lock_ = ::open((file_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lock_ >= 0) ::flock(lock_, LOCK_EX);
    Load();
  }
  ~TRegistryStore() {
    if (lock_ >= 0) ::close(lock_);
  }
  TRegistryStore(const TRegistryStore&) = delete;
  TRegistryStore& operator=(const TRegistryStore&) = delete;

  TRegKey* Find(const std::string& path) {
    for (TRegKey& k : keys_)
      if (Ansi::SameText(k.path, path)) return &k;
    return nullptr;
  }
  TRegKey& Create(const std::string& path) {
    if (TRegKey* k = Find(path)) return *k;
    // Parents first, so that every stored key's parent exists too.
    size_t slash = path.rfind('\\');
    if (slash != std::string::npos) Create(path.substr(0, slash));
    keys_.push_back(TRegKey{path, {}});
    return keys_.back();
  }
  // Removes the key and every key below it; false when it is missing.
  bool Remove(const std::string& path) {
    bool found = false;
    std::string prefix = path + "\\";
    for (size_t i = keys_.size(); i-- > 0;) {
      const std::string& p = keys_[i].path;
      if (Ansi::SameText(p, path) || IsBelow(p, prefix)) {
        found = found || Ansi::SameText(p, path);
        keys_.erase(keys_.begin() + static_cast<std::ptrdiff_t>(i));
      }
    }
    return found;
  }
  std::vector<std::string> Children(const std::string& path) const {
    std::vector<std::string> names;
    std::string prefix = path + "\\";
    for (const TRegKey& k : keys_) {
      if (!IsBelow(k.path, prefix)) continue;
      std::string rest = k.path.substr(prefix.size());
      if (rest.find('\\') == std::string::npos) names.push_back(rest);
    }
    return names;
  }
  bool Save() const;

 private:
  void Load();

  std::string file_;
  int lock_ = -1;
  std::vector<TRegKey> keys_;
};

// `marker` and two upper-case hex digits.
void AppendHexEscape(std::string& out, const char* marker, unsigned char u) {
  static const char kHex[] = "0123456789ABCDEF";
  out += marker;
  out += kHex[u >> 4];
  out += kHex[u & 15];
}

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (u < 0x20 || u == 0x7F) {
          AppendHexEscape(out, "\\x", u);
        } else {
          out += c;
        }
    }
  }
  return out;
}

std::string EscapeKey(const std::string& s) {
  std::string out;
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || c == '[' || c == ']' || c == '%') {
      AppendHexEscape(out, "%", u);
    } else {
      out += c;
    }
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The byte two hex digits at s[pos] give; false when they are missing or
// not hex.
bool ReadHexByte(const std::string& s, size_t pos, char& byte) {
  if (pos + 2 > s.size()) return false;
  int hi = HexDigit(s[pos]), lo = HexDigit(s[pos + 1]);
  if (hi < 0 || lo < 0) return false;
  byte = static_cast<char>(hi * 16 + lo);
  return true;
}

// Reads an escaped text from line[pos] up to the unescaped closing quote;
// pos ends just after it. False for a malformed or unterminated text.
bool Unescape(const std::string& line, size_t& pos, std::string& out) {
  out.clear();
  while (pos < line.size()) {
    char c = line[pos++];
    if (c == '"') return true;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (pos >= line.size()) return false;
    char e = line[pos++];
    switch (e) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'x': {
        char byte;
        if (!ReadHexByte(line, pos, byte)) return false;
        out += byte;
        pos += 2;
        break;
      }
      default: out += e;
    }
  }
  return false;
}

bool UnescapeKey(const std::string& s, std::string& out) {
  out.clear();
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '%') {
      out += s[i];
      continue;
    }
    char byte;
    if (!ReadHexByte(s, i + 1, byte)) return false;
    out += byte;
    i += 2;
  }
  return true;
}

void TRegistryStore::Load() {
  std::string data;
  if (!ReadWholeFile(file_, data)) return;
  TRegKey* current = nullptr;
  size_t start = 0;
  while (start < data.size()) {
    size_t end = data.find('\n', start);
    if (end == std::string::npos) end = data.size();
    std::string line = data.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      current = nullptr;
      if (line.size() < 2 || line.back() != ']') continue;
      std::string path;
      if (!UnescapeKey(line.substr(1, line.size() - 2), path) || path.empty()) continue;
      current = &Create(path);
      continue;
    }
    if (!current) continue;
    std::string name, value;
    size_t pos = 0;
    if (line[0] == '@') {
      pos = 1;
    } else if (line[0] == '"') {
      pos = 1;
      if (!Unescape(line, pos, name)) continue;
    } else {
      continue;
    }
    if (pos + 1 >= line.size() || line[pos] != '=' || line[pos + 1] != '"') continue;
    pos += 2;
    if (!Unescape(line, pos, value) || pos != line.size()) continue;
    current->SetValue(name, value);
  }
}

bool TRegistryStore::Save() const {
  std::string out = "; Vexlor registry store\n";
  for (const TRegKey& k : keys_) {
    out += "\n[" + EscapeKey(k.path) + "]\n";
    for (const auto& v : k.values) {
      out += v.first.empty() ? std::string("@") : "\"" + Escape(v.first) + "\"";
      out += "=\"" + Escape(v.second) + "\"\n";
    }
  }
  return Posix::ReplaceFileContents(file_, out);
}

// "HKEY_CURRENT_USER\A\B" from the root and a key path with any '\' runs.
std::string FullPath(TRegistryRoot root, const std::string& key) {
  std::string path = root == TRegistryRoot::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
  size_t i = 0;
  while (i < key.size()) {
    size_t next = key.find('\\', i);
    if (next == std::string::npos) next = key.size();
    if (next > i) path += "\\" + key.substr(i, next - i);
    i = next + 1;
  }
  return path;
}

bool IsRootPath(const std::string& full) { return full.find('\\') == std::string::npos; }

}  // namespace

bool RegKeyExists(TRegistryRoot root, const std::string& key) {
  std::string path = FullPath(root, key);
  if (IsRootPath(path)) return true;
  TRegistryStore store;
  return store.Find(path) != nullptr;
}

bool RegCreateKey(TRegistryRoot root, const std::string& key) {
  std::string path = FullPath(root, key);
  TRegistryStore store;
  if (store.Find(path)) return true;
  store.Create(path);
  return store.Save();
}

bool RegReadString(TRegistryRoot root, const std::string& key, const std::string& name,
                   std::string& value) {
  TRegistryStore store;
  const TRegKey* k = store.Find(FullPath(root, key));
  const std::string* stored = k ? k->FindValue(name) : nullptr;
  if (!stored) return false;
  value = *stored;
  return true;
}

bool RegWriteString(TRegistryRoot root, const std::string& key, const std::string& name,
                    const std::string& value) {
  TRegistryStore store;
  store.Create(FullPath(root, key)).SetValue(name, value);
  return store.Save();
}

bool RegValueNames(TRegistryRoot root, const std::string& key, std::vector<std::string>& names) {
  names.clear();
  std::string path = FullPath(root, key);
  TRegistryStore store;
  const TRegKey* k = store.Find(path);
  if (!k) return IsRootPath(path);
  for (const auto& v : k->values) names.push_back(v.first);
  return true;
}

bool RegSubKeyNames(TRegistryRoot root, const std::string& key, std::vector<std::string>& names) {
  names.clear();
  std::string path = FullPath(root, key);
  TRegistryStore store;
  if (!IsRootPath(path) && !store.Find(path)) return false;
  names = store.Children(path);
  return true;
}

bool RegDeleteValue(TRegistryRoot root, const std::string& key, const std::string& name) {
  TRegistryStore store;
  TRegKey* k = store.Find(FullPath(root, key));
  if (!k) return false;
  for (size_t i = 0; i < k->values.size(); ++i) {
    if (Ansi::SameText(k->values[i].first, name)) {
      k->values.erase(k->values.begin() + static_cast<std::ptrdiff_t>(i));
      return store.Save();
    }
  }
  return false;
}

bool RegDeleteKey(TRegistryRoot root, const std::string& key) {
  std::string path = FullPath(root, key);
  if (IsRootPath(path)) return false;  // never a whole hive
  TRegistryStore store;
  if (!store.Remove(path)) return false;
  return store.Save();
}

}  // namespace Platform
