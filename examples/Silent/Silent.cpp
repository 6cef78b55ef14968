// Silent: checks a string without a dialog, answering each word through the
// component's events, with the settings kept by the host. Portable: it builds
// against the core alone (Vexlor::Core) as well as against the whole suite.
#include <cstdio>
#include <map>
#include <string>

#include "vl3SpellBase.h"

namespace {

// Where the settings go: one of the three storages.
void ChooseStorage(TVexlorSpell3Base& spell, TConfigStorage storage,
                   std::map<std::string, std::string>& settings) {
  switch (storage) {
    case csRegistry:
      // [guide:storage-registry]
      spell.SetConfigStorage(csRegistry);
      spell.SetConfigRegistryKey("Software\\Example Company\\%AppName%");
      // [/guide:storage-registry]
      break;
    case csFile:
      // [guide:storage-file]
      spell.SetConfigStorage(csFile);
      spell.SetConfigFilename("%AppData%\\Example\\Spell.cfg");  // an INI-style file
      // [/guide:storage-file]
      break;
    default:
      // [guide:storage-callback]
      spell.SetConfigStorage(csCallback);
      spell.OnConfigReadString = [&settings](TVexlorSpell3Base*, const std::string& configID,
                                             const std::string& key,
                                             const std::string& defaultValue, std::string& value) {
        auto found = settings.find(configID + "/" + key);
        value = found != settings.end() ? found->second : defaultValue;
      };
      spell.OnConfigWriteString = [&settings](TVexlorSpell3Base*, const std::string& configID,
                                              const std::string& key, const std::string& value) {
        settings[configID + "/" + key] = value;
      };
      // [/guide:storage-callback]
      break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> settings;
  TVexlorSpell3Base spell;
  ChooseStorage(spell, csCallback, settings);
  // [guide:language]
  TStringList folders, mains;
  folders.Add("%AppDir%");                // beside the program
  folders.Add("%AppDir%\\Dictionaries");  // or in a folder of its own
  spell.SetConfigDictionaryDir(folders);
  mains.Add("American.vlm");  // the first main dictionary sets the language
  spell.SetConfigDefaultMain(mains);
  // [/guide:language]
  spell.SetConfigDefaultActiveCustom("");  // no user word list for this run
  spell.SetSuggestionsLearning(false);

  // [guide:silent]
  spell.OnPromptWord = [](TVexlorSpell3Base* sender, const std::string& word, bool repeated) {
    if (repeated) {  // "the the": keep one copy
      sender->DeleteRepeated();
      return;
    }
    TStringList suggestions;
    sender->GetSuggestions(word, suggestions);
    if (suggestions.Count() > 0)
      sender->Change(suggestions[0]);
    else
      sender->IgnoreAll();
  };
  spell.OnMainDictionariesMissing = [](TVexlorSpell3Base*, const TStringList& names,
                                       const TStringList&) {
    std::fprintf(stderr, "missing main dictionary: %s\n", names[0].c_str());
  };
  std::string text = "Teh quick brwon fox jumps over the the lazy dog";
  spell.CheckString(text);  // text now holds the corrections
  // [/guide:silent]

  std::printf("%s\n", text.c_str());
  // A word test needs no check: true when the dictionaries accept it.
  const bool knows = spell.IsWordCorrect(argc > 1 ? argv[1] : "quick");
  return spell.GetMissingMainDictionaries().Count() == 0 && knows ? 0 : 1;
}
