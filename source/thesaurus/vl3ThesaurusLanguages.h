// The built-in texts of the thesaurus dialog in seven user-interface
// languages, each in its language's ANSI code page.
#pragma once

#include <cstdint>
#include <string>

// Scoped: the spelling texts use the same value names for their own list of
// languages.
enum class TThesaurusLanguageType : uint8_t {
  ltEnglish,
  ltSwedish,
  ltGerman,
  ltRussian,
  ltCzech,
  ltDanish,
  ltPolish
};
constexpr int kThesaurusLanguageCount = 7;

enum TThesaurusLanguageString : uint8_t {
  tlsCaption,
  tlsLookedUp,
  tlsContexts,
  tlsReplaceWith,
  tlsPrevious,
  tlsLookup,
  tlsReplace,
  tlsClose,
  tlsNotFound
};
constexpr int kThesaurusLanguageStringCount = 9;

// The text of one id in one language, in that language's code page; empty
// for an id or language out of range. The caption keeps its "%name%".
std::string ThesaurusLanguageText(TThesaurusLanguageString id, TThesaurusLanguageType language);

// The Windows code page of a language's texts (1250, 1251 or 1252; 0 when out
// of range).
int ThesaurusLanguageCodePage(TThesaurusLanguageType language);

// The Windows language identifier of a language (US English when out of
// range), whose order the sorted word lists follow.
uint32_t ThesaurusLanguageId(TThesaurusLanguageType language);
