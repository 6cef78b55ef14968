// Tests of the built-in dialog texts: completeness of the table, the code page
// of each language, the sample rows, and the UTF-8 conversion behind them.
#include "vl3SpellLanguages.h"

#include "vl3Codepage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>

namespace {

const TSpellLanguageType kAllLanguages[] = {ltEnglish, ltSwedish, ltBrPort,  ltAfrikaans,
                                            ltGerman,  ltSpanish, ltRussian, ltCzech,
                                            ltDutch,   ltDanish,  ltPolish,  ltFrench};

TSpellLanguageString Id(int i) { return static_cast<TSpellLanguageString>(i); }

// Characters the code page lacks become '?'.
std::string ToCodePage(const std::string& utf8, int codePage) {
  std::string out;
  Codepage::FromUtf8(utf8, codePage, out, '?');
  return out;
}

TEST(SpellLanguagesTest, EveryTextExistsAndFitsItsCodePage) {
  for (TSpellLanguageType language : kAllLanguages) {
    const int codePage = SpellLanguageCodePage(language);
    for (int i = 0; i < kSpellLanguageStringCount; ++i) {
      const std::string text = SpellLanguageText(Id(i), language);
      SCOPED_TRACE("language " + std::to_string(language) + " id " + std::to_string(i));
      ASSERT_FALSE(text.empty());
      const std::string utf8 = Codepage::ToUtf8(text, codePage);
      EXPECT_EQ(utf8.find("\xEF\xBF\xBD"), std::string::npos) << "unassigned byte";
      EXPECT_EQ(ToCodePage(utf8, codePage), text);
      // A character the code page lacks would have become '?'; real question
      // marks only end a sentence.
      const size_t question = text.find('?');
      EXPECT_TRUE(question == std::string::npos || question + 1 == text.size()) << utf8;
      EXPECT_LE(std::count(text.begin(), text.end(), '&'), 1) << utf8;
    }
  }
}

TEST(SpellLanguagesTest, CodePagesFollowTheLanguages) {
  for (TSpellLanguageType language : kAllLanguages) {
    const int expected = language == ltRussian                           ? 1251
                         : (language == ltCzech || language == ltPolish) ? 1250
                                                                         : 1252;
    EXPECT_EQ(SpellLanguageCodePage(language), expected) << int(language);
  }
  EXPECT_EQ(SpellLanguageCodePage(static_cast<TSpellLanguageType>(12)), 0);
}

TEST(SpellLanguagesTest, SampleRowsAreExact) {
  struct Row {
    TSpellLanguageType language;
    const char* texts[5];  // ids 13, 25, 31, 60, 66, in UTF-8
  };
  const Row rows[] = {
      {ltEnglish, {"Spelling", "I&gnore", "Cancel", "(no suggestions)", "&Spelling ..."}},
      {ltSwedish, {"Stavning", "I&gnorera", "Avbryt", "(inga förslag)", "&Stavning ..."}},
      {ltBrPort, {"Ortografia", "I&gnorar", "Cancelar", "(sem sugestões)", "&Ortografia..."}},
      {ltAfrikaans,
       {"Spelreëls", "&Ignoreer", "&Kanselleer", "(Geen voorstelle nie)", "&Spel toets ..."}},
      {ltGerman,
       {"Rechtschreibprüfung", "&Ignorieren", "Abbrechen", "(keine Vorschläge)",
        "&Rechtschreibprüfung ..."}},
      {ltSpanish, {"Ortografía", "I&gnorar", "Cancelar", "(sin sugerencias)", "&Ortografía ..."}},
      {ltRussian,
       {"Орфография", "&Пропустить", "Отмена", "(варианты отсутствуют)",
        "&Проверка орфографии..."}},
      {ltCzech, {"Pravopis", "I&gnorovat", "Storno", "(žádné návrhy)", "&Pravopis ..."}},
      {ltDutch,
       {"Spellingscontrole", "Negeren", "Annuleren", "(geen suggesties)", "&Spelling ..."}},
      {ltDanish, {"Stavekontrol", "I&gnorer", "&Annuller", "(ingen forslag)", "&Stavekontrol ..."}},
      {ltPolish, {"Pisownia", "&Pomiń", "Anuluj", "(brak propozycji)", "Pi&sownia ..."}},
      {ltFrench, {"Orthographe", "I&gnorer", "Annuler", "(aucune suggestion)", "&Orthographe ..."}},
  };
  const TSpellLanguageString ids[5] = {lsSpellDialogCaption, lsIgnore, lsCancel, lsNoSuggestions,
                                       lsMenuSpelling};
  for (const Row& row : rows) {
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(Codepage::ToUtf8(SpellLanguageText(ids[i], row.language),
                               SpellLanguageCodePage(row.language)),
                row.texts[i])
          << int(row.language) << " id " << int(ids[i]);
    }
  }
}

TEST(SpellLanguagesTest, TextsAreStoredAsCodePageBytes) {
  EXPECT_EQ(SpellLanguageText(lsSpellDialogCaption, ltGerman),
            "Rechtschreibpr\xFC"
            "fung");
  EXPECT_EQ(SpellLanguageText(lsSpellDialogCaption, ltRussian),
            "\xCE\xF0\xF4\xEE\xE3\xF0\xE0\xF4\xE8\xFF");
  EXPECT_EQ(SpellLanguageText(lsNoSuggestions, ltCzech),
            "(\x9E\xE1"
            "dn\xE9 n\xE1vrhy)");
  EXPECT_EQ(SpellLanguageText(lsIgnore, ltPolish), "&Pomi\xF1");
  EXPECT_EQ(SpellLanguageText(lsNoSuggestions, ltSwedish), "(inga f\xF6rslag)");
}

TEST(SpellLanguagesTest, EnglishTexts) {
  const std::pair<TSpellLanguageString, const char*> cases[] = {
      {lsOptionLiveSpelling, "Check spelling as you type"},
      {lsOptionHTML, "Ignore markup languages (&HTML, XML, etc)"},
      {lsInternalDictionaryName, "(Ignore All / Change All)"},
      {lsOptionsGroup, " O&ptions: "},
      {lsCustomDictionariesGroup, " Custom Dictionaries: "},
      {lsCheckRemainder,
       "The selection has been checked.  Would you like to check the remainder of the document?"},
      {lsNoSuggestions, "(no suggestions)"},
      {lsMenuIgnore, "I&gnore"},
      {lsMenuAutoCorrect, "A&uto Correct"},
      {lsMenuSpelling, "&Spelling ..."},
  };
  for (const auto& c : cases) EXPECT_EQ(SpellLanguageText(c.first, ltEnglish), c.second);
}

TEST(SpellLanguagesTest, KnownWordsPerLanguage) {
  const std::tuple<TSpellLanguageType, TSpellLanguageString, const char*> cases[] = {
      {ltGerman, lsAdd, "&Hinzufügen"},
      {ltFrench, lsDictionariesDialogCaption, "Dictionnaires"},
      {ltSpanish, lsDelete, "E&liminar"},
      {ltRussian, lsDelete, "&Удалить"},
      {ltCzech, lsDictionariesDialogCaption, "Slovníky"},
      {ltPolish, lsDictionariesDialogCaption, "Słowniki"},
      {ltDanish, lsDictionariesDialogCaption, "Ordbøger"},
      {ltSwedish, lsUndo, "&Ångra"},
      {ltDutch, lsMenuSpelling, "&Spelling ..."},
      {ltDutch, lsIgnore, "Negeren"},
      {ltBrPort, lsSuggestions, "&Sugestões:"},
      {ltAfrikaans, lsNameColumn, "Naam"},
      {ltGerman, lsOK, "&OK"},
  };
  for (const auto& c : cases) {
    const TSpellLanguageType language = std::get<0>(c);
    EXPECT_EQ(Codepage::ToUtf8(SpellLanguageText(std::get<1>(c), language),
                             SpellLanguageCodePage(language)),
              std::get<2>(c));
  }
}

TEST(SpellLanguagesTest, GroupCaptionsKeepTheirBlanksAndRemainderItsDoubleBlank) {
  for (TSpellLanguageType language : kAllLanguages) {
    for (TSpellLanguageString id :
         {lsOptionsGroup, lsDictionariesGroup, lsCustomDictionariesGroup}) {
      const std::string text = SpellLanguageText(id, language);
      ASSERT_GE(text.size(), 3u);
      EXPECT_EQ(text.front(), ' ');
      EXPECT_EQ(text.back(), ' ');
    }
    EXPECT_NE(SpellLanguageText(lsCheckRemainder, language).find(".  "), std::string::npos)
        << int(language);
  }
}

TEST(SpellLanguagesTest, OptionCaptionsShareTheOptionOrdinals) {
  EXPECT_EQ(int(lsOptionLiveSpelling), int(soLiveSpelling));
  EXPECT_EQ(int(lsOptionUpcase), int(soUpcase));
  EXPECT_EQ(int(lsOptionRepeated), int(soRepeated));
  EXPECT_EQ(int(lsMenuSpelling), kSpellLanguageStringCount - 1);
  EXPECT_EQ(SpellLanguageText(static_cast<TSpellLanguageString>(soNumbers), ltEnglish),
            "Ignore words containing numbers");
}

TEST(SpellLanguagesTest, MenuEntriesAreSeparateFromButtonEntries) {
  // Same English text, but distinct ids.
  EXPECT_EQ(SpellLanguageText(lsMenuIgnore, ltEnglish), SpellLanguageText(lsIgnore, ltEnglish));
  EXPECT_EQ(SpellLanguageText(lsMenuIgnoreAll, ltEnglish),
            SpellLanguageText(lsIgnoreAll, ltEnglish));
  EXPECT_EQ(SpellLanguageText(lsMenuAdd, ltEnglish), SpellLanguageText(lsAdd, ltEnglish));
  EXPECT_EQ(SpellLanguageText(lsMenuChangeAll, ltEnglish),
            SpellLanguageText(lsChangeAll, ltEnglish));
}

TEST(SpellLanguagesTest, OutOfRangeGivesEmptyText) {
  EXPECT_EQ(SpellLanguageText(static_cast<TSpellLanguageString>(67), ltEnglish), "");
  EXPECT_EQ(SpellLanguageText(static_cast<TSpellLanguageString>(255), ltGerman), "");
  EXPECT_EQ(SpellLanguageText(lsOK, static_cast<TSpellLanguageType>(12)), "");
}

TEST(SpellLanguagesTest, ConversionRoundTripsEveryAssignedByte) {
  for (int codePage : {1250, 1251, 1252}) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Codepage::ToUtf8(all, codePage);
    std::string assigned;
    for (int b = 1; b < 256; ++b) {
      const std::string one(1, static_cast<char>(b));
      if (Codepage::ToUtf8(one, codePage) != "\xEF\xBF\xBD") assigned += one;
    }
    EXPECT_GE(assigned.size(), 250u) << codePage;
    EXPECT_EQ(ToCodePage(Codepage::ToUtf8(assigned, codePage), codePage), assigned);
  }
}

TEST(SpellLanguagesTest, ConversionReplacesWhatItCannotMap) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "abc"},
      {"\xC3", "?"},                // truncated
      {"\xC3\x28", "?("},           // bad continuation
      {"\xC0\xAF", "?"},            // overlong
      {"\xED\xA0\x80", "?"},        // surrogate
      {"\xE4\xB8\xAD", "?"},        // a character 1252 lacks
      {"\xF0\x9F\x98\x80x", "?x"},  // outside the basic plane
      {"\xFF", "?"},
      {"\xE2\x82\xAC", "\x80"},  // euro sign
  };
  for (const auto& c : cases) EXPECT_EQ(ToCodePage(c.first, 1252), c.second) << c.first;
  EXPECT_EQ(ToCodePage("abc", 437), "");
  EXPECT_EQ(Codepage::ToUtf8("abc", 65001), "");
  EXPECT_EQ(ToCodePage("\xD0\x96", 1251), "\xC6");  // Cyrillic Zhe
  EXPECT_EQ(ToCodePage("\xC5\x99", 1250), "\xF8");  // Czech r with caron
}

}  // namespace
