/// @file
/// Enumerations and sets shared by the engine, the parsers, the configuration
/// and the dialogs. Values and bit numbers are part of stored settings.
#pragma once

#include <cstdint>

#include "vl3Geometry.h"
#include "vl3Sets.h"

/// The verdict on one word during a check.
enum TWordCheckType : uint8_t { wcAccepted, wcExcluded, wcAutoCorrect, wcMisspelled, wcRepeated };

/// Silent mode (events) or the standard spelling dialog.
enum TSpellUI : uint8_t { suiDialog, suiSilent };

/// Language of the built-in texts.
enum TSpellLanguageType : uint8_t {
  ltEnglish, ltSwedish, ltBrPort, ltAfrikaans, ltGerman, ltSpanish,
  ltRussian, ltCzech, ltDutch, ltDanish, ltPolish, ltFrench
};
/// The number of user-interface languages.
constexpr int kSpellLanguageCount = 12;

/// Where the spelling dialog first appears.
enum TSpellDialogInitialPos : uint8_t {
  ipScreenCenter, ipUnderSelection, ipAvoidControl, ipUserDefined, ipLastUserPos, ipIgnore
};
/// How the spelling dialog keeps off the selected word.
enum TSpellDialogAvoidPos : uint8_t { saNone, saAvoid, saAvoidUpDown, saMove, saMoveUpDown };
/// When the end-of-check message box is shown.
enum TSpellEndMessage : uint8_t { emNever, emAlways, emExceptCancel, emNoDialog };
/// Where the caret goes when a check ends.
enum TSpellEndPosition : uint8_t { epHome, epOriginal, epNoModify };

/// A command (button) of the spelling and configuration dialogs.
enum TSpellDialogCommand : uint8_t {
  sdcIgnore, sdcIgnoreAll, sdcChange, sdcChangeAll, sdcAdd, sdcAutoCorrect, sdcUndo, sdcHelp,
  sdcCancel, sdcOptions, sdcCustomDictionary, sdcCustomDictionaries, sdcConfigOK, sdcAddedEdit,
  sdcAutoCorrectEdit, sdcExcludedEdit, sdcInternalEdit, sdcMainDictFolderBrowse, sdcResetDefaults
};
/// A set of dialog commands.
using TSpellDialogCommands = TSet<TSpellDialogCommand, uint32_t>;
/// Every dialog command.
constexpr uint32_t kAllSpellDialogCommands = 0x7FFFF;

/// An item of the suggestions popup menu.
enum TSpellPopupOption : uint8_t {
  spCancel, spDialog, spAutoCorrect, spChangeAll, spAdd, spIgnoreAll, spIgnore, spReplace
};
/// A set of popup menu items.
using TSpellPopupOptions = TSet<TSpellPopupOption, uint8_t>;

/// The portion of a text source a check covers.
enum TCheckType : uint8_t { ctSelected, ctFromCursor, ctAll, ctSmart, ctContinue };

/// The kind of an undoable action.
enum TSpellAction : uint8_t { uaIgnore, uaIgnoreAll, uaChange, uaChangeAll, uaAdd, uaAutoCorrect };

/// A checking option; the user changes them in the configuration dialog.
enum TSpellOption : uint8_t {
  soLiveSpelling, soLiveCorrect, soUpcase, soNumbers, soHTML, soInternet, soQuoted,
  soAbbreviations, soPrimaryOnly, soRepeated, soUser1, soUser2, soUser3, soUser4
};
/// A set of checking options.
using TSpellOptions = TSet<TSpellOption, uint16_t>;

/// Where the settings are kept: file, registry, host callbacks or nowhere.
enum TConfigStorage : uint8_t { csFile, csRegistry, csCallback, csNone };

