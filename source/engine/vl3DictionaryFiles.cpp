// The spell-checker component's dictionary files: resolving names in the
// dictionary folders, opening, listing and managing custom dictionaries.
#include <memory>

#include "vl3Codepage.h"
#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3Util.h"

namespace {

const char kWordCustomDictionariesKey[] = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
constexpr int kAppDataFolder = 26;

bool IsPath(const std::string& name) { return name.find('\\') != std::string::npos; }

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
      uint32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
      if (unit >= 0xD800 && unit <= 0xDFFF) unit = '?';  // no surrogate pairs in word lists we can use
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

// ---- Opening by name ------------------------------------------------------------

std::unique_ptr<TMainDictionary> TVexlorSpell3Base::OpenMainDictionary(const std::string& name) {
  auto dictionary = std::make_unique<TMainDictionary>();
  if (IsPath(name)) {
    const std::string path = ExpandPath(name);
    dictionary->Open(path);
    if (dictionary->SourcePath() == path && !path.empty()) return dictionary;
    return nullptr;
  }
  for (int i = 0; i < dictionaryFolders_.Count(); ++i) {
    const std::string path = ExpandPath(JoinPath(dictionaryFolders_[i], name));
    dictionary->Open(path);
    if (dictionary->SourcePath() == path) return dictionary;
  }
  return nullptr;
}

std::string TVexlorSpell3Base::ResolveCustomDictionaryPath(const std::string& name) {
  if (IsPath(name)) return ExpandPath(name);
  if (dictionaryFolders_.Empty()) return name;
  for (int i = 0; i < dictionaryFolders_.Count(); ++i) {
    const std::string path = ExpandPath(JoinPath(dictionaryFolders_[i], name));
    if (Platform::FileExists(path)) return path;
  }
  // A new dictionary goes to the first folder.
  return ExpandPath(JoinPath(dictionaryFolders_[0], name));
}

// A bare name opens the first folder's file of that name, so a file renamed
// to a name another folder holds would be hidden behind that other file.
bool TVexlorSpell3Base::NameTakenInAnyFolder(const std::string& name) {
  for (int i = 0; i < dictionaryFolders_.Count(); ++i) {
    const std::string path = ExpandPath(JoinPath(dictionaryFolders_[i], name));
    if (Platform::FileExists(path) || Platform::DirectoryExists(path)) return true;
  }
  return false;
}

std::unique_ptr<TCustomDictionary> TVexlorSpell3Base::OpenCustomDictionary(const std::string& name) {
  if (name.empty()) return nullptr;
  std::unique_ptr<TCustomDictionary> dictionary;
  if (OnCreateCustomDictionary) OnCreateCustomDictionary(this, dictionary);
  if (!dictionary) dictionary = std::make_unique<TCustomDictionary>();

  const std::string path = ResolveCustomDictionaryPath(name);
  dictionaries_.SaveOpenCopies(path);
  dictionary->SetFilename(path);
  if (dictionary->DictionaryPath() != path || path.empty()) return nullptr;
  return dictionary;
}

std::unique_ptr<TCustomDictionary> TVexlorSpell3Base::OpenMSWordCustomDictionary(const std::string& fileName) {
  if (!Platform::FileExists(fileName)) return nullptr;
  std::string bytes;
  if (!Platform::ReadWholeFile(fileName, bytes)) return nullptr;
  TStringList lines;
  lines.SetText(WordListAsAnsi(bytes));
  auto dictionary = std::make_unique<TCustomDictionary>();
  for (int i = 0; i < lines.Count(); ++i)
    if (!lines[i].empty()) dictionary->AddIgnore(lines[i]);
  return dictionary;
}

// ---- Listings ------------------------------------------------------------------------

void TVexlorSpell3Base::FindDictionaryFiles(const std::string& extension, TStringList& list) {
  EnsureConfigLoaded();
  for (int i = 0; i < dictionaryFolders_.Count(); ++i) {
    const std::string pattern = ExpandPath(JoinPath(dictionaryFolders_[i], "*." + extension));
    for (const std::string& name : Platform::FindFiles(pattern)) list.Add(name);
  }
  for (int i = 0; i < list.Count(); ++i) {
    for (int j = list.Count() - 1; j > i; --j)
      if (list[j] == list[i]) list.Delete(j);
  }
}

TStringList* TVexlorSpell3Base::GetMainDictionaryFiles() {
  if (mainDictionaryFiles_.Empty()) FindDictionaryFiles("vlm", mainDictionaryFiles_);
  return &mainDictionaryFiles_;
}

TStringList* TVexlorSpell3Base::GetCustomDictionaryFiles() {
  if (customDictionaryFiles_.Empty()) {
    FindDictionaryFiles("vlu", customDictionaryFiles_);
    const std::string active = configuration_->GetActiveCustom();
    if (!active.empty() && customDictionaryFiles_.IndexOf(active) < 0) customDictionaryFiles_.Insert(0, active);
  }
  return &customDictionaryFiles_;
}

TStringList* TVexlorSpell3Base::GetMSWordCustomDictionaryFiles() {
  if (!msWordCustomDictionaryFiles_.Empty()) return &msWordCustomDictionaryFiles_;
  if (!Platform::RegKeyExists(Platform::TRegistryRoot::CurrentUser, kWordCustomDictionariesKey))
    return &msWordCustomDictionaryFiles_;
  for (int n = 1;; ++n) {
    std::string value;
    if (!Platform::RegReadString(Platform::TRegistryRoot::CurrentUser, kWordCustomDictionariesKey,
                                 std::to_string(n), value) ||
        value.empty())
      break;
    if (!IsPath(value)) value = GetSpecialFolder(kAppDataFolder) + "\\Microsoft\\Proof\\" + value;
    if (Platform::FileExists(value)) msWordCustomDictionaryFiles_.Add(value);
  }
  return &msWordCustomDictionaryFiles_;
}

// ---- Managing custom dictionaries ----------------------------------------------------------

void TVexlorSpell3Base::SetCustomDictionaryActive(const std::string& name, bool active) {
  TStringList& list = configuration_->GetCustomDictionaries();
  const int index = list.IndexOf(name);
  if (index >= 0) {
    if (active) return;
    list.Delete(index);
    if (configuration_->GetActiveCustom() == name) configuration_->SetActiveCustom(list.Empty() ? std::string() : list[0]);
    return;
  }
  if (!active) return;
  if (OpenCustomDictionary(name)) list.Add(name);
}

void TVexlorSpell3Base::SetMSWordCustomDictionaryActive(const std::string& fileName, bool active) {
  TStringList& list = configuration_->GetMSWordCustomDictionaries();
  const int index = list.IndexOf(fileName);
  if (index >= 0) {
    if (!active) list.Delete(index);
    return;
  }
  if (active && Platform::FileExists(fileName)) list.Add(fileName);
}

void TVexlorSpell3Base::NewCustomDictionary(const std::string& name) {
  const std::string fileName = BareNameWithExtension(name, ".vlu");
  std::unique_ptr<TCustomDictionary> dictionary = OpenCustomDictionary(fileName);
  if (!dictionary) return;
  dictionary->SetPendingChanges(true);
  dictionary->SaveChanges();
  dictionary.reset();
  TStringList& list = configuration_->GetCustomDictionaries();
  if (list.IndexOf(fileName) < 0) list.Add(fileName);
  customDictionaryFiles_.Clear();
}

void TVexlorSpell3Base::DeleteCustomDictionary(const std::string& name) {
  SetCustomDictionaryActive(name, false);
  customDictionaryFiles_.Clear();
  std::unique_ptr<TCustomDictionary> dictionary = OpenCustomDictionary(name);
  if (!dictionary) return;
  const std::string path = dictionary->DictionaryPath();
  // Released first, so that nothing writes the file again after it is gone.
  dictionary.reset();
  if (Platform::FileExists(path)) Platform::DeleteFile(path);
}

bool TVexlorSpell3Base::RenameCustomDictionary(const std::string& oldName, const std::string& newName) {
  if (oldName == newName) return false;
  TStringList* files = GetCustomDictionaryFiles();
  const int index = files->IndexOf(oldName);
  if (index < 0) return false;
  const std::string entry = files->Strings(index);
  std::unique_ptr<TCustomDictionary> dictionary = OpenCustomDictionary(entry);
  if (!dictionary || dictionary->DictionaryPath().empty()) return false;
  const std::string oldPath = dictionary->DictionaryPath();
  const std::string newFileName = BareNameWithExtension(newName, ".vlu");
  const std::string newPath = ExtractFileDir(oldPath) + "\\" + newFileName;
  if (NameTakenInAnyFolder(newFileName)) return false;
  if (Platform::FileExists(newPath) || Platform::DirectoryExists(newPath)) return false;
  if (!CanCreateFile(newPath, true)) return false;

  dictionary->SetPendingChanges(true);
  dictionary->SaveChanges();
  dictionary.reset();
  if (!Platform::RenameFile(oldPath, newPath)) return false;

  TStringList& list = configuration_->GetCustomDictionaries();
  const int listed = list.IndexOf(entry);
  // The lists name the file as it now is, extension included.
  if (listed >= 0) {
    list.Delete(listed);
    list.Add(newFileName);
  }
  if (configuration_->GetActiveCustom() == entry) configuration_->SetActiveCustom(newFileName);
  customDictionaryFiles_.Clear();
  return true;
}
