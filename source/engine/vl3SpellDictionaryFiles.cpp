// The spell-checker component's dictionary files: opening dictionaries by
// name and as the configured set, handing out listings, managing custom ones.
#include "vl3SpellDictionaryFiles.h"

#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3Util.h"

// ---- Opening by name ------------------------------------------------------------

std::unique_ptr<TMainDictionary> TSpellDictionaryFiles::OpenMainDictionary(
    const std::string& name) {
  auto dictionary = std::make_unique<TMainDictionary>();
  if (TSpellDictionaryFolders::IsPath(name)) {
    const std::string path = spell_.ExpandPath(name);
    dictionary->Open(path);
    if (dictionary->SourcePath() == path && !path.empty()) return dictionary;
    return nullptr;
  }
  const TSpellDictionaryFolders& folders = spell_.folders_;
  for (int i = 0; i < folders.Folders().Count(); ++i) {
    const std::string path = folders.PathIn(i, name);
    dictionary->Open(path);
    if (dictionary->SourcePath() == path) return dictionary;
  }
  return nullptr;
}

std::unique_ptr<TCustomDictionary> TSpellDictionaryFiles::OpenCustomDictionary(
    const std::string& name) {
  if (name.empty()) return nullptr;
  std::unique_ptr<TCustomDictionary> dictionary;
  if (spell_.OnCreateCustomDictionary) spell_.OnCreateCustomDictionary(&spell_, dictionary);
  if (!dictionary) dictionary = std::make_unique<TCustomDictionary>();

  const std::string path = spell_.folders_.ResolveCustom(name);
  spell_.dictionaries_.SaveOpenCopies(path);
  dictionary->SetFilename(path);
  if (dictionary->DictionaryPath() != path || path.empty()) return nullptr;
  return dictionary;
}

std::unique_ptr<TCustomDictionary> TSpellDictionaryFiles::OpenMSWordCustomDictionary(
    const std::string& fileName) {
  TStringList lines;
  if (!TSpellDictionaryFolders::ReadWordList(fileName, lines)) return nullptr;
  auto dictionary = std::make_unique<TCustomDictionary>();
  for (int i = 0; i < lines.Count(); ++i)
    if (!lines[i].empty()) dictionary->AddIgnore(lines[i]);
  return dictionary;
}

// ---- Opening the set ---------------------------------------------------------------

void TSpellDictionaryFiles::OpenDictionaries() {
  TVexlorSpell3Base& spell = spell_;
  TSpellDictionarySet& dictionaries = spell.dictionaries_;
  TVexlorConfig& configuration = *spell.configuration_;
  dictionaries.ClearMain();
  spell.run_.SetReorderCountdown(TSpellCheckRun::kReorderAfterWords);

  // Copies: opening a custom dictionary may raise events that edit the lists.
  const TStringList mainNames = configuration.GetMainDictionaries();
  missingMainDictionaries_.Clear();
  for (int i = 0; i < mainNames.Count(); ++i) {
    std::unique_ptr<TMainDictionary> dictionary = spell.OpenMainDictionary(mainNames[i]);
    if (!dictionary) {
      missingMainDictionaries_.Add(mainNames[i]);
      continue;
    }
    dictionaries.AddMain(std::move(dictionary));
  }
  spell.UseDictionaryCodePages();

  const std::string activeName = configuration.GetActiveCustom();
  const TStringList customNames = configuration.GetCustomDictionaries();
  dictionaries.ClearCustom();
  for (int i = 0; i < customNames.Count(); ++i) {
    if (customNames[i] == activeName) continue;
    std::unique_ptr<TCustomDictionary> dictionary = spell.OpenCustomDictionary(customNames[i]);
    if (dictionary) dictionaries.AddCustom(std::move(dictionary));
  }

  const TStringList wordNames = configuration.GetMSWordCustomDictionaries();
  dictionaries.ClearMSWordCustom();
  for (int i = 0; i < wordNames.Count(); ++i) {
    std::unique_ptr<TCustomDictionary> dictionary = spell.OpenMSWordCustomDictionary(wordNames[i]);
    if (dictionary) dictionaries.AddMSWordCustom(std::move(dictionary));
  }

  // The old active object is saved and released before its file is read
  // again, so that its pending changes are part of what the new one reads.
  dictionaries.SetActiveCustom(nullptr);
  dictionaries.SetActiveCustom(spell.OpenCustomDictionary(activeName));

  if (!dictionaries.Mapping() && !spell.mappingDictionaryName_.empty())
    dictionaries.SetMapping(spell.OpenCustomDictionary(spell.mappingDictionaryName_));
  if (!dictionaries.Learning() && spell.suggestionsLearning_)
    dictionaries.SetLearning(spell.OpenCustomDictionary(spell.suggestionsLearningDict_));

  // Without its main dictionaries the component flags nearly every word; the
  // host is told which files were not found and where they were looked for.
  if (!missingMainDictionaries_.Empty() && spell.OnMainDictionariesMissing) {
    const TStringList missing = missingMainDictionaries_;
    spell.OnMainDictionariesMissing(&spell, missing, spell.ExpandedDictionaryFolders());
  }
  if (spell.OnDictionariesChanged) spell.OnDictionariesChanged(&spell);
}

// ---- Listings ------------------------------------------------------------------------

void TSpellDictionaryFiles::FindDictionaryFiles(const std::string& extension, TStringList& list) {
  spell_.EnsureConfigLoaded();
  spell_.folders_.FindFiles(extension, list);
}

TStringList* TSpellDictionaryFiles::GetMainDictionaryFiles() {
  TStringList& files = spell_.folders_.MainFiles();
  if (files.Empty()) spell_.FindDictionaryFiles("vlm", files);
  return &files;
}

TStringList* TSpellDictionaryFiles::GetCustomDictionaryFiles() {
  TStringList& files = spell_.folders_.CustomFiles();
  if (files.Empty()) {
    spell_.FindDictionaryFiles("vlu", files);
    const std::string active = spell_.configuration_->GetActiveCustom();
    if (!active.empty() && files.IndexOf(active) < 0) files.Insert(0, active);
  }
  return &files;
}

TStringList* TSpellDictionaryFiles::GetMSWordCustomDictionaryFiles() {
  TStringList& files = spell_.folders_.MSWordFiles();
  if (files.Empty()) TSpellDictionaryFolders::ListMSWordDictionaries(files);
  return &files;
}

// ---- Managing custom dictionaries ----------------------------------------------------------

void TSpellDictionaryFiles::SetCustomDictionaryActive(const std::string& name, bool active) {
  TVexlorConfig& configuration = *spell_.configuration_;
  TStringList& list = configuration.GetCustomDictionaries();
  const int index = list.IndexOf(name);
  if (index >= 0) {
    if (active) return;
    list.Delete(index);
    if (configuration.GetActiveCustom() == name)
      configuration.SetActiveCustom(list.Empty() ? std::string() : list[0]);
    return;
  }
  if (!active) return;
  if (spell_.OpenCustomDictionary(name)) list.Add(name);
}

void TSpellDictionaryFiles::SetMSWordCustomDictionaryActive(const std::string& fileName,
                                                            bool active) {
  TStringList& list = spell_.configuration_->GetMSWordCustomDictionaries();
  const int index = list.IndexOf(fileName);
  if (index >= 0) {
    if (!active) list.Delete(index);
    return;
  }
  if (active && Platform::FileExists(fileName)) list.Add(fileName);
}

void TSpellDictionaryFiles::NewCustomDictionary(const std::string& name) {
  const std::string fileName = BareNameWithExtension(name, ".vlu");
  std::unique_ptr<TCustomDictionary> dictionary = spell_.OpenCustomDictionary(fileName);
  if (!dictionary) return;
  dictionary->SetPendingChanges(true);
  dictionary->SaveChanges();
  dictionary.reset();
  TStringList& list = spell_.configuration_->GetCustomDictionaries();
  if (list.IndexOf(fileName) < 0) list.Add(fileName);
  spell_.folders_.CustomFiles().Clear();
}

void TSpellDictionaryFiles::DeleteCustomDictionary(const std::string& name) {
  spell_.SetCustomDictionaryActive(name, false);
  spell_.folders_.CustomFiles().Clear();
  std::unique_ptr<TCustomDictionary> dictionary = spell_.OpenCustomDictionary(name);
  if (!dictionary) return;
  const std::string path = dictionary->DictionaryPath();
  // Released first, so that nothing writes the file again after it is gone.
  dictionary.reset();
  if (Platform::FileExists(path)) Platform::DeleteFile(path);
}

bool TSpellDictionaryFiles::RenameCustomDictionary(const std::string& oldName,
                                                   const std::string& newName) {
  if (oldName == newName) return false;
  TStringList* files = spell_.GetCustomDictionaryFiles();
  const int index = files->IndexOf(oldName);
  if (index < 0) return false;
  const std::string entry = files->Strings(index);
  std::unique_ptr<TCustomDictionary> dictionary = spell_.OpenCustomDictionary(entry);
  if (!dictionary || dictionary->DictionaryPath().empty()) return false;
  const std::string oldPath = dictionary->DictionaryPath();
  const std::string newFileName = BareNameWithExtension(newName, ".vlu");
  const std::string newPath = ExtractFileDir(oldPath) + "\\" + newFileName;
  if (spell_.folders_.NameTaken(newFileName)) return false;
  if (Platform::FileExists(newPath) || Platform::DirectoryExists(newPath)) return false;
  if (!CanCreateFile(newPath, true)) return false;

  dictionary->SetPendingChanges(true);
  dictionary->SaveChanges();
  dictionary.reset();
  if (!Platform::RenameFile(oldPath, newPath)) return false;

  TVexlorConfig& configuration = *spell_.configuration_;
  TStringList& list = configuration.GetCustomDictionaries();
  const int listed = list.IndexOf(entry);
  // The lists name the file as it now is, extension included.
  if (listed >= 0) {
    list.Delete(listed);
    list.Add(newFileName);
  }
  if (configuration.GetActiveCustom() == entry) configuration.SetActiveCustom(newFileName);
  spell_.folders_.CustomFiles().Clear();
  return true;
}
