// The table of thesaurus dialog texts per language, kept in UTF-8 here and
// converted once to each language's code page.
#include "vl3ThesaurusLanguages.h"

#include <array>

#include "vl3Codepage.h"

namespace {

struct TLanguage {
  int codePage;
  // In the order of TThesaurusLanguageString.
  std::array<const char*, kThesaurusLanguageStringCount> texts;
};

// In the order of TThesaurusLanguageType. The Russian replace-with text has a
// Latin "c" before the "&" and the Polish not-found text no closing
// parenthesis: both are kept as the translators delivered them.
const TLanguage kLanguages[kThesaurusLanguageCount] = {
    {1252,
     {"Thesaurus: %name%", "Looked &Up:", "Conte&xts:", "Replace &With:", "&Previous", "&Lookup",
      "&Replace", "&Close", "(not found)"}},
    {1252,
     {"Thesaurus: %name%", "Uppslaget ord:", "Betydelser:", "Ersätt med:", "Tillbaka", "Slå upp",
      "Ersätt", "Stäng", "(inget funnet)"}},
    {1252,
     {"Thesaurus: %name%", "Nachgeschlagen:", "Bedeutungen:", "Ersetzen &mit:", "&Vorherige",
      "&Nachschlagen", "&Ersetzen", "&Schließen", "(nicht gefunden)"}},
    {1251,
     {"Тезаурус: %name%", "Синонимы &для:", "Зн&ачения:", "Заменить c&инонимом:", "&Назад",
      "&Поиск", "&Заменить", "Закрыть", "(нет вариантов)"}},
    {1250,
     {"Thesaurus: %name%", "Nalezeno:", "Konte&xt:", "Zaměnit &čím:", "&Předchozí", "&Vyhledat",
      "&Zaměnit", "Z&avřít", "(nenalezeno)"}},
    {1252,
     {"Ordbog: %name%", "Slået &Op:", "&Betydninger:", "Erstat &Med:", "&Forrige", "&Slå op",
      "&Erstat", "&Luk", "(Ej fundet)"}},
    {1250,
     {"Tezaurus: %name%", "Wysz&ukany:", "&Kontekst:", "Za&mień na:", "&Poprzedni", "&Szukaj",
      "&Zamień", "Zam&knij", "(nie znaleziono"}},
};

using TConvertedTable =
    std::array<std::array<std::string, kThesaurusLanguageStringCount>, kThesaurusLanguageCount>;

// Converted once, on first use; the table never changes afterwards.
const TConvertedTable& ConvertedTable() {
  static const TConvertedTable table = [] {
    TConvertedTable t;
    for (int lang = 0; lang < kThesaurusLanguageCount; ++lang) {
      for (int id = 0; id < kThesaurusLanguageStringCount; ++id) {
        Codepage::FromUtf8(kLanguages[lang].texts[id], kLanguages[lang].codePage, t[lang][id]);
      }
    }
    return t;
  }();
  return table;
}

}  // namespace

int ThesaurusLanguageCodePage(TThesaurusLanguageType language) {
  const auto lang = static_cast<int>(language);
  return lang < kThesaurusLanguageCount ? kLanguages[lang].codePage : 0;
}

uint32_t ThesaurusLanguageId(TThesaurusLanguageType language) {
  // In the order of TThesaurusLanguageType.
  static const uint32_t kIds[kThesaurusLanguageCount] = {0x0409, 0x041D, 0x0407, 0x0419,
                                                         0x0405, 0x0406, 0x0415};
  const auto lang = static_cast<int>(language);
  return lang < kThesaurusLanguageCount ? kIds[lang] : 0x0409;
}

std::string ThesaurusLanguageText(TThesaurusLanguageString id, TThesaurusLanguageType language) {
  const auto lang = static_cast<int>(language);
  if (id >= kThesaurusLanguageStringCount || lang >= kThesaurusLanguageCount) return std::string();
  return ConvertedTable()[lang][id];
}
