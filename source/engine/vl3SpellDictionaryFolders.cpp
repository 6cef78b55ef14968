// Where a spell-checker component's dictionary files are: the folders it
// searches, names resolved in them, the listings it keeps and word lists read.
#include "vl3SpellDictionaryFolders.h"

#include "vl3Codepage.h"
#include "vl3Platform.h"
#include "vl3Util.h"

namespace {

const char kWordCustomDictionariesKey[] =
    "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
constexpr int kAppDataFolder = 26;

std::string JoinPath(const std::string& folder, const std::string& name) {
  return ExcludeTrailingPathDelimiter(folder) + "\\" + name;
}

// Word processor lists are ANSI or, in newer versions, UTF-16 with a byte
// order mark; either way the words come out as ANSI lines.
std::string WordListAsAnsi(const std::string& bytes) {
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::string utf8;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
      uint32_t unit =
          static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
      if (unit >= 0xD800 && unit <= 0xDFFF)
        unit = '?';  // no surrogate pairs in word lists we can use
      if (unit < 0x80) {
        utf8 += static_cast<char>(unit);
      } else if (unit < 0x800) {
        utf8 += static_cast<char>(0xC0 | (unit >> 6));
        utf8 += static_cast<char>(0x80 | (unit & 0x3F));
      } else {
        utf8 += static_cast<char>(0xE0 | (unit >> 12));
        utf8 += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (unit & 0x3F));
      }
    }
    std::string ansi;
    Codepage::FromUtf8(utf8, 1252, ansi);
    return ansi;
  }
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
    std::string ansi;
    Codepage::FromUtf8(bytes.substr(3), 1252, ansi);
    return ansi;
  }
  return bytes;
}

}  // namespace

void TSpellDictionaryFolders::SetFolders(const TStringList& configured, const TStringList* added) {
  folders_.Assign(configured);
  if (added != nullptr) folders_.AddStrings(*added);
}

TStringList TSpellDictionaryFolders::Expanded() const {
  TStringList folders;
  for (int i = 0; i < folders_.Count(); ++i)
    folders.Add(expand_(ExcludeTrailingPathDelimiter(folders_[i])));
  return folders;
}

bool TSpellDictionaryFolders::IsPath(const std::string& name) {
  return name.find('\\') != std::string::npos;
}

std::string TSpellDictionaryFolders::PathIn(int index, const std::string& name) const {
  return expand_(JoinPath(folders_[index], name));
}

std::string TSpellDictionaryFolders::ResolveCustom(const std::string& name) const {
  if (IsPath(name)) return expand_(name);
  if (folders_.Empty()) return name;
  for (int i = 0; i < folders_.Count(); ++i) {
    const std::string path = PathIn(i, name);
    if (Platform::FileExists(path)) return path;
  }
  // A new dictionary goes to the first folder.
  return PathIn(0, name);
}

// A bare name opens the first folder's file of that name, so a file renamed
// to a name another folder holds would be hidden behind that other file.
bool TSpellDictionaryFolders::NameTaken(const std::string& name) const {
  for (int i = 0; i < folders_.Count(); ++i) {
    const std::string path = PathIn(i, name);
    if (Platform::FileExists(path) || Platform::DirectoryExists(path)) return true;
  }
  return false;
}

void TSpellDictionaryFolders::FindFiles(const std::string& extension, TStringList& list) const {
  for (int i = 0; i < folders_.Count(); ++i)
    for (const std::string& name : Platform::FindFiles(PathIn(i, "*." + extension))) list.Add(name);
  for (int i = 0; i < list.Count(); ++i) {
    for (int j = list.Count() - 1; j > i; --j)
      if (list[j] == list[i]) list.Delete(j);
  }
}

void TSpellDictionaryFolders::ClearListings() {
  mainFiles_.Clear();
  customFiles_.Clear();
  msWordFiles_.Clear();
}

void TSpellDictionaryFolders::ListMSWordDictionaries(TStringList& files) {
  if (!Platform::RegKeyExists(Platform::TRegistryRoot::CurrentUser, kWordCustomDictionariesKey))
    return;
  for (int n = 1;; ++n) {
    std::string value;
    if (!Platform::RegReadString(Platform::TRegistryRoot::CurrentUser, kWordCustomDictionariesKey,
                                 std::to_string(n), value) ||
        value.empty())
      break;
    if (!IsPath(value)) value = GetSpecialFolder(kAppDataFolder) + "\\Microsoft\\Proof\\" + value;
    if (Platform::FileExists(value)) files.Add(value);
  }
}

bool TSpellDictionaryFolders::ReadWordList(const std::string& path, TStringList& words) {
  if (!Platform::FileExists(path)) return false;
  std::string bytes;
  if (!Platform::ReadWholeFile(path, bytes)) return false;
  words.SetText(WordListAsAnsi(bytes));
  return true;
}
