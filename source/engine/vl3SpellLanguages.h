/// @file
/// The built-in texts of the spelling dialogs, messages and pop-up menu in
/// twelve user-interface languages, each in its language's ANSI code page.
#pragma once

#include <cstdint>
#include <string>

#include "vl3SpellTypes.h"

// Ids 0 to 9 share their ordinals with soLiveSpelling .. soRepeated, so an
// option converts directly to the id of its caption.
/// The identifier of a built-in text.
enum TSpellLanguageString : uint8_t {
  lsOptionLiveSpelling, lsOptionLiveCorrect, lsOptionUpcase, lsOptionNumbers, lsOptionHTML,
  lsOptionInternet, lsOptionQuoted, lsOptionAbbreviations, lsOptionPrimaryOnly, lsOptionRepeated,
  lsConfirmation, lsDeleteCustomDictionary, lsInternalDictionaryName, lsSpellDialogCaption,
  lsConfigDialogCaption, lsDictionariesDialogCaption, lsInternalDictionaryTitle,
  lsNewDictionaryCaption, lsNotFound, lsRepeatedWord, lsReplaceWith, lsSuggestions, lsUndo,
  lsOptions, lsIgnoreAll, lsIgnore, lsChangeAll, lsChange, lsAdd, lsAutoCorrect, lsHelp, lsCancel,
  lsResetDefaults, lsOptionsGroup, lsDictionariesGroup, lsNameColumn, lsFilenameColumn,
  lsCustomDictionary, lsDictionariesButton, lsLocateDictionaries, lsChooseDictionaryFolder,
  lsCustomDictionariesGroup, lsEdit, lsDelete, lsNew, lsOK, lsEnterNewName, lsAddedWordsSheet,
  lsAddedWordsExplain, lsIgnoreThisWord, lsAutoCorrectSheet, lsAutoCorrectExplain, lsReplace,
  lsWith, lsExcludedWordsSheet, lsExcludedWordsExplain, lsExcludeThisWord, lsCheckComplete,
  lsWordsChecked, lsCheckRemainder, lsNoSuggestions, lsMenuIgnore, lsMenuIgnoreAll, lsMenuAdd,
  lsMenuChangeAll, lsMenuAutoCorrect, lsMenuSpelling
};
/// The number of built-in texts.
constexpr int kSpellLanguageStringCount = 67;

/// The text of one id in one language, in that language's code page; empty
/// for an id or language out of range (no fallback to English).
std::string SpellLanguageText(TSpellLanguageString id, TSpellLanguageType language);

/// The Windows code page of a language's texts (1250, 1251 or 1252; 0 when out of range).
int SpellLanguageCodePage(TSpellLanguageType language);

