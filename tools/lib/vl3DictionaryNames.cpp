// Language names and codes of the main dictionaries this suite builds, as
// ispell, aspell and hunspell clients spell them.
#include "vl3DictionaryNames.h"

#include "vl3Ansi.h"

namespace {

struct TLanguageNames {
  const char* file;
  // Lower-case names and codes, '|'-separated; the first code of two
  // letters also catches region codes not listed.
  const char* names;
};

const TLanguageNames kLanguages[] = {
    {"American.vlm", "american|american-english|english|en|en_us|us"},
    {"British.vlm", "british|british-english|en_gb|en_au|en_nz|en_ie|en_za|en_in|uk|gb"},
    {"German.vlm", "german|deutsch|ngerman|de|de_de|de_at|de_ch|de_li|de_lu|de_be"},
    {"French.vlm", "french|francais|fr|fr_fr|fr_be|fr_ca|fr_ch|fr_lu"},
    {"Spanish.vlm", "spanish|espanol|castellano|es|es_es|es_mx|es_ar"},
    {"Swedish.vlm", "swedish|svenska|sv|sv_se|sv_fi"},
    {"Danish.vlm", "danish|dansk|da|da_dk"},
    {"Dutch.vlm", "dutch|nederlands|nl|nl_nl|nl_be"},
    {"Polish.vlm", "polish|polski|pl|pl_pl"},
    {"Brazilian.vlm",
     "brazilian|brasileiro|portugues-brasileiro|portuguese-brazilian|brazilian-portuguese|pt_br|"
     "pt"},
    {"Russian.vlm", "russian|russkij|ru|ru_ru|ru_ua"},
    {"Czech.vlm", "czech|cesky|cestina|cs|cs_cz|cz"},
    {"Afrikaans.vlm", "afrikaans|af|af_za"},
};

bool InList(const std::string& key, const char* names) {
  const std::string list = names;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find('|', start);
    if (end == std::string::npos) end = list.size();
    if (list.compare(start, end - start, key) == 0) return true;
    start = end + 1;
  }
  return false;
}

bool Lookup(const std::string& key, std::string& file) {
  for (const TLanguageNames& language : kLanguages) {
    if (InList(key, language.names)) {
      file = language.file;
      return true;
    }
  }
  return false;
}

}  // namespace

bool DictionaryFileForLanguage(const std::string& name, std::string& file) {
  std::string key = Ansi::LowerCase(name);
  // "de_DE.UTF-8", "de_DE@euro": the locale's language part.
  const size_t suffix = key.find_first_of(".@");
  if (suffix != std::string::npos) key.resize(suffix);
  for (char& c : key)
    if (c == '-' && key.size() == 5) c = '_';
  if (Lookup(key, file)) return true;
  // A file name without its extension ("German") names the same file.
  for (const TLanguageNames& language : kLanguages) {
    std::string stem = language.file;
    stem.resize(stem.size() - 4);
    if (Ansi::LowerCase(stem) == key) {
      file = language.file;
      return true;
    }
  }
  // "de_XX": a region without a file of its own.
  if (key.size() == 5 && key[2] == '_') return Lookup(key.substr(0, 2), file);
  return false;
}

std::string KnownDictionaryLanguages() {
  std::string text;
  for (const TLanguageNames& language : kLanguages) {
    std::string names = language.names;
    const size_t bar = names.find('|');
    if (!text.empty()) text += ", ";
    text += names.substr(0, bar);
  }
  return text;
}
