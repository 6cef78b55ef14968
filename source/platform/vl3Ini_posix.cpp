// INI-style files on POSIX hosts with the behaviour of the Windows profile
// functions; a rewrite changes only the lines it must and keeps the rest.
#include <algorithm>

#include "vl3Ansi.h"
#include "vl3Platform.h"
#include "vl3PlatformRules.h"
#include "vl3Platform_posix.h"

namespace Platform {
namespace {

using Rules::Trim;

enum TLineKind { lkOther, lkSection, lkKey };

struct TIniLine {
  std::string text;  // without its line end
  std::string eol;   // "\r\n", "\n" or "" for a last line without one
  TLineKind kind = lkOther;
  std::string name;   // section or key name
  std::string value;  // a key's value, trimmed, quotes kept
};

class TIniDocument {
 public:
  bool Load(const std::string& file) {
    file_ = file;
    std::string data;
    if (!ReadWholeFile(file, data)) return false;
    // Lines end at LF, CR LF or a lone CR, as the Windows reader splits them.
    size_t start = 0;
    while (start < data.size()) {
      size_t end = data.find_first_of("\r\n", start);
      TIniLine line;
      if (end == std::string::npos) {
        line.text = data.substr(start);
        start = data.size();
      } else {
        line.text = data.substr(start, end - start);
        size_t eolLength = (data[end] == '\r' && end + 1 < data.size() && data[end + 1] == '\n') ? 2 : 1;
        line.eol = data.substr(end, eolLength);
        start = end + eolLength;
      }
      Classify(line, lines_.empty());
      lines_.push_back(std::move(line));
    }
    return true;
  }

  bool Save() const {
    std::string out;
    for (const TIniLine& l : lines_) out += l.text + l.eol;
    return Posix::ReplaceFileContents(Posix::HostPath(file_), out);
  }

  // Index of the first section called `name`, or -1.
  int FindSection(const std::string& name) const {
    for (size_t i = 0; i < lines_.size(); ++i)
      if (lines_[i].kind == lkSection && Ansi::SameText(lines_[i].name, name)) return static_cast<int>(i);
    return -1;
  }
  // One past the last line of the section that starts at `header`.
  size_t SectionEnd(int header) const {
    size_t i = static_cast<size_t>(header) + 1;
    while (i < lines_.size() && lines_[i].kind != lkSection) ++i;
    return i;
  }
  int FindKey(int header, const std::string& key) const {
    if (header < 0) return -1;
    for (size_t i = static_cast<size_t>(header) + 1, end = SectionEnd(header); i < end; ++i)
      if (lines_[i].kind == lkKey && Ansi::SameText(lines_[i].name, key)) return static_cast<int>(i);
    return -1;
  }

  std::vector<TIniLine>& Lines() { return lines_; }
  const std::vector<TIniLine>& Lines() const { return lines_; }

  // The line end new lines get: the file's own, CR LF for a new file.
  std::string LineEnd() const {
    for (const TIniLine& l : lines_)
      if (!l.eol.empty()) return l.eol;
    return "\r\n";
  }

  void Insert(size_t at, const std::string& text) {
    TIniLine line;
    line.text = text;
    line.eol = LineEnd();
    if (at > 0 && lines_[at - 1].eol.empty()) lines_[at - 1].eol = line.eol;
    Classify(line, false);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  }

  static void Classify(TIniLine& line, bool first) {
    std::string text = line.text;
    // A UTF-8 signature in front of the first line is not part of a name.
    if (first && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    std::string t = Trim(text);
    line.kind = lkOther;
    if (t.empty() || t[0] == ';') return;
    if (t[0] == '[') {
      size_t close = t.rfind(']');
      if (close != std::string::npos) {
        line.kind = lkSection;
        line.name = t.substr(1, close - 1);
        return;
      }
    }
    size_t eq = t.find('=');
    if (eq == std::string::npos) return;  // a bare word: no key, as on Windows
    line.kind = lkKey;
    line.name = Trim(t.substr(0, eq));
    line.value = Trim(t.substr(eq + 1));
  }

 private:
  std::string file_;
  std::vector<TIniLine> lines_;
};

// A value as the profile functions return it: one pair of matching quotes
// removed, and cut at a NUL byte.
std::string Unquote(std::string v) {
  if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) v = v.substr(1, v.size() - 2);
  size_t nul = v.find('\0');
  if (nul != std::string::npos) v.resize(nul);
  return v;
}

// Names are listed once, in the spelling met first.
void AddUnique(std::vector<std::string>& names, const std::string& name) {
  bool seen = std::any_of(names.begin(), names.end(),
                          [&](const std::string& n) { return Ansi::SameText(n, name); });
  if (!seen) names.push_back(name);
}

}  // namespace

std::string IniReadString(const std::string& file, const std::string& section,
                          const std::string& key, const std::string& defaultValue) {
  std::string fallback = Rules::TrimRight(defaultValue);
  TIniDocument doc;
  if (file.empty() || !doc.Load(file)) return fallback;
  int line = doc.FindKey(doc.FindSection(Trim(section)), Trim(key));
  if (line < 0) return fallback;
  return Unquote(doc.Lines()[static_cast<size_t>(line)].value);
}

bool IniWriteString(const std::string& file, const std::string& section, const std::string& key,
                    const std::string& value) {
  if (file.empty() || !Rules::IsWritableIniEntry(section, key, value)) return false;
  if (DirectoryExists(file)) return false;
  std::string s = Trim(section), k = Trim(key);
  TIniDocument doc;
  doc.Load(file);  // a missing file is an empty document
  int header = doc.FindSection(s);
  if (header < 0) {
    size_t end = doc.Lines().size();
    doc.Insert(end, "[" + s + "]");
    doc.Insert(end + 1, k + "=" + value);
    return doc.Save();
  }
  int line = doc.FindKey(header, k);
  if (line >= 0) {
    TIniLine& l = doc.Lines()[static_cast<size_t>(line)];
    // Keep the key as the file spells it, indentation included.
    size_t eq = l.text.find('=');
    l.text = l.text.substr(0, eq) + "=" + value;
    TIniDocument::Classify(l, line == 0);
    return doc.Save();
  }
  // After the section's last entry, before the blank lines that part it
  // from the next one.
  size_t at = doc.SectionEnd(header);
  while (at > static_cast<size_t>(header) + 1 && Trim(doc.Lines()[at - 1].text).empty()) --at;
  doc.Insert(at, k + "=" + value);
  return doc.Save();
}

bool IniDeleteKey(const std::string& file, const std::string& section, const std::string& key) {
  TIniDocument doc;
  if (file.empty()) return false;
  if (!doc.Load(file)) return true;  // nothing to delete
  int line = doc.FindKey(doc.FindSection(Trim(section)), Trim(key));
  if (line < 0) return true;
  doc.Lines().erase(doc.Lines().begin() + line);
  return doc.Save();
}

bool IniDeleteSection(const std::string& file, const std::string& section) {
  TIniDocument doc;
  if (file.empty()) return false;
  if (!doc.Load(file)) return true;
  bool changed = false;
  for (int header; (header = doc.FindSection(Trim(section))) >= 0;) {
    size_t end = doc.SectionEnd(header);
    doc.Lines().erase(doc.Lines().begin() + header, doc.Lines().begin() + static_cast<std::ptrdiff_t>(end));
    changed = true;
  }
  return !changed || doc.Save();
}

std::vector<std::string> IniReadKeys(const std::string& file, const std::string& section) {
  std::vector<std::string> keys;
  TIniDocument doc;
  if (file.empty() || !doc.Load(file)) return keys;
  int header = doc.FindSection(Trim(section));
  if (header < 0) return keys;
  for (size_t i = static_cast<size_t>(header) + 1, end = doc.SectionEnd(header); i < end; ++i) {
    const TIniLine& l = doc.Lines()[i];
    if (l.kind == lkKey && !l.name.empty()) AddUnique(keys, l.name);
  }
  return keys;
}

std::vector<std::string> IniReadSections(const std::string& file) {
  std::vector<std::string> sections;
  TIniDocument doc;
  if (file.empty() || !doc.Load(file)) return sections;
  for (const TIniLine& l : doc.Lines()) {
    if (l.kind == lkSection) AddUnique(sections, l.name);
  }
  return sections;
}

}  // namespace Platform
