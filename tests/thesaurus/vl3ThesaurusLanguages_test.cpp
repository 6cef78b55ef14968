// The thesaurus dialog texts: every row of every language exactly, each in
// its language's code page, and nothing for values out of range.
#include "vl3ThesaurusLanguages.h"

#include <gtest/gtest.h>

#include <string>

#include "vl3Codepage.h"

namespace {

using L = TThesaurusLanguageType;

struct TRow {
  L language;
  int codePage;
  const char* texts[kThesaurusLanguageStringCount];  // UTF-8
};

const TRow kRows[] = {
    {L::ltEnglish,
     1252,
     {"Thesaurus: %name%", "Looked &Up:", "Conte&xts:", "Replace &With:", "&Previous", "&Lookup",
      "&Replace", "&Close", "(not found)"}},
    {L::ltSwedish,
     1252,
     {"Thesaurus: %name%", "Uppslaget ord:", "Betydelser:", "Ersätt med:", "Tillbaka", "Slå upp",
      "Ersätt", "Stäng", "(inget funnet)"}},
    {L::ltGerman,
     1252,
     {"Thesaurus: %name%", "Nachgeschlagen:", "Bedeutungen:", "Ersetzen &mit:", "&Vorherige",
      "&Nachschlagen", "&Ersetzen", "&Schließen", "(nicht gefunden)"}},
    {L::ltRussian,
     1251,
     {"Тезаурус: %name%", "Синонимы &для:", "Зн&ачения:", "Заменить c&инонимом:", "&Назад",
      "&Поиск", "&Заменить", "Закрыть", "(нет вариантов)"}},
    {L::ltCzech,
     1250,
     {"Thesaurus: %name%", "Nalezeno:", "Konte&xt:", "Zaměnit &čím:", "&Předchozí", "&Vyhledat",
      "&Zaměnit", "Z&avřít", "(nenalezeno)"}},
    {L::ltDanish,
     1252,
     {"Ordbog: %name%", "Slået &Op:", "&Betydninger:", "Erstat &Med:", "&Forrige", "&Slå op",
      "&Erstat", "&Luk", "(Ej fundet)"}},
    {L::ltPolish,
     1250,
     {"Tezaurus: %name%", "Wysz&ukany:", "&Kontekst:", "Za&mień na:", "&Poprzedni", "&Szukaj",
      "&Zamień", "Zam&knij", "(nie znaleziono"}},
};

TEST(ThesaurusLanguagesTest, EveryTextIsExactInItsCodePage) {
  for (const TRow& row : kRows) {
    EXPECT_EQ(ThesaurusLanguageCodePage(row.language), row.codePage);
    for (int id = 0; id < kThesaurusLanguageStringCount; ++id) {
      SCOPED_TRACE("language " + std::to_string(int(row.language)) + " id " + std::to_string(id));
      const std::string text =
          ThesaurusLanguageText(static_cast<TThesaurusLanguageString>(id), row.language);
      std::string expected;
      ASSERT_TRUE(Codepage::FromUtf8(row.texts[id], row.codePage, expected));
      EXPECT_EQ(text, expected);
      EXPECT_EQ(Codepage::ToUtf8(text, row.codePage), row.texts[id]);
    }
  }
}

TEST(ThesaurusLanguagesTest, TranslatorsQuirksAreKept) {
  // A Latin c before the accelerator of the Russian replace-with text.
  const std::string russian = ThesaurusLanguageText(tlsReplaceWith, L::ltRussian);
  const size_t amp = russian.find('&');
  ASSERT_NE(amp, std::string::npos);
  EXPECT_EQ(russian[amp - 1], 'c');
  EXPECT_EQ(static_cast<unsigned char>(russian[0]), 0xC7);  // Cyrillic Ze in 1251
  const std::string polish = ThesaurusLanguageText(tlsNotFound, L::ltPolish);
  EXPECT_EQ(polish, "(nie znaleziono");
  EXPECT_EQ(ThesaurusLanguageText(tlsReplace, L::ltPolish), "&Zamie\xF1");  // n acute in 1250
}

TEST(ThesaurusLanguagesTest, OutOfRangeGivesNothing) {
  EXPECT_EQ(ThesaurusLanguageText(static_cast<TThesaurusLanguageString>(9), L::ltEnglish), "");
  EXPECT_EQ(ThesaurusLanguageText(tlsCaption, static_cast<L>(7)), "");
  EXPECT_EQ(ThesaurusLanguageCodePage(static_cast<L>(7)), 0);
}

}  // namespace
