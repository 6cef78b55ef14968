// The spell-checker component's dictionary files: opening dictionaries by
// name, handing out the listings and managing custom dictionaries.
#include <memory>

#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3Util.h"


// ---- Opening by name ------------------------------------------------------------

std::unique_ptr<TMainDictionary> TVexlorSpell3Base::OpenMainDictionary(const std::string& name) {
  auto dictionary = std::make_unique<TMainDictionary>();
  if (TSpellDictionaryFolders::IsPath(name)) {
    const std::string path = ExpandPath(name);
    dictionary->Open(path);
    if (dictionary->SourcePath() == path && !path.empty()) return dictionary;
    return nullptr;
  }
  for (int i = 0; i < folders_.Folders().Count(); ++i) {
    const std::string path = folders_.PathIn(i, name);
    dictionary->Open(path);
    if (dictionary->SourcePath() == path) return dictionary;
  }
  return nullptr;
}

std::unique_ptr<TCustomDictionary> TVexlorSpell3Base::OpenCustomDictionary(const std::string& name) {
  if (name.empty()) return nullptr;
  std::unique_ptr<TCustomDictionary> dictionary;
  if (OnCreateCustomDictionary) OnCreateCustomDictionary(this, dictionary);
  if (!dictionary) dictionary = std::make_unique<TCustomDictionary>();

  const std::string path = folders_.ResolveCustom(name);
  dictionaries_.SaveOpenCopies(path);
  dictionary->SetFilename(path);
  if (dictionary->DictionaryPath() != path || path.empty()) return nullptr;
  return dictionary;
}

std::unique_ptr<TCustomDictionary> TVexlorSpell3Base::OpenMSWordCustomDictionary(const std::string& fileName) {
  TStringList lines;
  if (!TSpellDictionaryFolders::ReadWordList(fileName, lines)) return nullptr;
  auto dictionary = std::make_unique<TCustomDictionary>();
  for (int i = 0; i < lines.Count(); ++i)
    if (!lines[i].empty()) dictionary->AddIgnore(lines[i]);
  return dictionary;
}

// ---- Listings ------------------------------------------------------------------------

void TVexlorSpell3Base::FindDictionaryFiles(const std::string& extension, TStringList& list) {
  EnsureConfigLoaded();
  folders_.FindFiles(extension, list);
}

TStringList* TVexlorSpell3Base::GetMainDictionaryFiles() {
  TStringList& files = folders_.MainFiles();
  if (files.Empty()) FindDictionaryFiles("vlm", files);
  return &files;
}

TStringList* TVexlorSpell3Base::GetCustomDictionaryFiles() {
  TStringList& files = folders_.CustomFiles();
  if (files.Empty()) {
    FindDictionaryFiles("vlu", files);
    const std::string active = configuration_->GetActiveCustom();
    if (!active.empty() && files.IndexOf(active) < 0) files.Insert(0, active);
  }
  return &files;
}

TStringList* TVexlorSpell3Base::GetMSWordCustomDictionaryFiles() {
  TStringList& files = folders_.MSWordFiles();
  if (files.Empty()) TSpellDictionaryFolders::ListMSWordDictionaries(files);
  return &files;
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
  folders_.CustomFiles().Clear();
}

void TVexlorSpell3Base::DeleteCustomDictionary(const std::string& name) {
  SetCustomDictionaryActive(name, false);
  folders_.CustomFiles().Clear();
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
  if (folders_.NameTaken(newFileName)) return false;
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
  folders_.CustomFiles().Clear();
  return true;
}
