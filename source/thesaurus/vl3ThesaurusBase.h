// The thesaurus component: looks the word under the caret (or a given word)
// up in a thesaurus file, shows the meanings in a dialog form and writes the
// chosen word back.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vl3Component.h"
#include "vl3Forms.h"
#include "vl3Geometry.h"
#include "vl3Platform.h"
#include "vl3ThesaurusDialogCtrl.h"
#include "vl3ThesaurusFile.h"
#include "vl3ThesaurusLanguages.h"

// <windows.h> maps CreateDialog to its A/W form; the component keeps the
// plain name. Include <windows.h> before this header.
#ifdef _WIN32
#undef CreateDialog
#endif

class TControlParser;
class TParsingEngine;
class TThesaurus3Base;
struct HWND__;

// What a double click on a word of the dialog does.
enum TDialogDoubleClickAction : uint8_t { dcaNone, dcaReplace, dcaLookup };

// With `create` true the handler may supply the dialog form (not owned by the
// component); with `create` false it disposes of the form it supplied.
using TCustomThesaurusDialogEvent =
    std::function<void(TThesaurus3Base* sender, TCustomForm*& thesaurusForm, bool create)>;
using TThesaurusNotifyEvent = std::function<void(TThesaurus3Base* sender)>;
using TThesaurusGetStringEvent = std::function<void(
    TThesaurus3Base* sender, TThesaurusLanguageString languageString, std::string& text)>;

/// The thesaurus component: offers synonyms of a word and writes the chosen one back.
class TThesaurus3Base : public TComponent {
 public:
  /// Creates the component; the thesaurus file is loaded for each look-up.
  explicit TThesaurus3Base(TComponent* owner = nullptr);
  ~TThesaurus3Base() override;

  // ---- Properties ---------------------------------------------------------
  /// The thesaurus file (.vlt), macros allowed.
  const std::string& Filename() const { return filename_; }
  /// Whether the dialog's word lists are sorted. @{
  bool SortedLists() const { return sortedLists_; }
  void SetSortedLists(bool value) { sortedLists_ = value; }
  /// @}
  /// What a double click on a word of the dialog does. @{
  TDialogDoubleClickAction DoubleClickAction() const { return doubleClickAction_; }
  void SetDoubleClickAction(TDialogDoubleClickAction value) { doubleClickAction_ = value; }
  /// @}
  /// The language of the dialog's texts. @{
  TThesaurusLanguageType UILanguage() const { return uiLanguage_; }
  void SetUILanguage(TThesaurusLanguageType value) { uiLanguage_ = value; }
  /// @}
  /// Which dialog commands are enabled. @{
  TThesaurusDialogCommands CommandsEnabled() const { return commandsEnabled_; }
  void SetCommandsEnabled(TThesaurusDialogCommands value) { commandsEnabled_ = value; }
  /// @}
  /// Which dialog commands are visible. @{
  TThesaurusDialogCommands CommandsVisible() const { return commandsVisible_; }
  void SetCommandsVisible(TThesaurusDialogCommands value) { commandsVisible_ = value; }
  /// @}
  /// The help file the dialog's Help button opens. @{
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& value) { helpFile_ = value; }
  /// @}
  /// The help topic of the thesaurus dialog. @{
  int32_t HelpCtxThesaurusDialog() const { return helpCtxThesaurusDialog_; }
  void SetHelpCtxThesaurusDialog(int32_t value) { helpCtxThesaurusDialog_ = value; }
  /// @}
  /// The suite's version text.
  std::string Version() const;

  // ---- Events -------------------------------------------------------------
  /// Lets the host supply (create true) or dispose of (create false) its own dialog.
  TCustomThesaurusDialogEvent OnCreateThesaurusDialog;
  /// Raised when the user asks to look another word up.
  TPromptLookupEvent OnPromptLookup;
  /// Raised when the user picks a meaning.
  TPromptContextEvent OnPromptContext;
  /// Raised before the chosen word replaces the text.
  TThesaurusNotifyEvent OnBeforeChange;
  /// Lets the host change any text of the dialog.
  TThesaurusGetStringEvent OnGetString;

  // ---- Replaceable steps, in their fixed order ------------------------------
  /// Sets the thesaurus file (.vlt), macros allowed.
  virtual void SetFilename(const std::string& value);
  // A null engine is ignored; otherwise the old one is freed.
  /// Replaces the parsing engine that finds the word at the caret.
  virtual void SetParsingEngine(std::unique_ptr<TParsingEngine> engine);
  /// Places the dialog away from the word.
  virtual void PositionDialog();
  // Shows the meanings of `word`; `replacement` receives the word the user chose
  // and keeps its value when nothing is shown.
  /// Shows the meanings of a word; replacement receives the word the user chose.
  virtual void LookupWord(const std::string& word, std::string& replacement);
  // The first controller form owns, bound to this component; null if none.
  /// The dialog controller a form owns, bound to this component.
  virtual TThesaurusDialogCtrl* FindDialogCtrl(TCustomForm* form);
  /// Called after a look-up has filled the dialog.
  virtual void DoLookedUp();
  /// Called when the dialog shows.
  virtual void DialogShow(TCustomForm* sender);
  // No form here: a descendant creates its standard dialog.
  /// Creates the dialog form (none in the base component).
  virtual void CreateDialog();
  // Looks up the word at the caret of `parser` (not owned) and replaces it with
  // the chosen word; false when there is no word at the caret.
  /// Looks up the word at a parser's caret and replaces it with the chosen word.
  virtual bool LookupParser(TControlParser* parser);
  // The same on an edit-style window (edit, memo, rich edit); false where
  // there are no windows.
  /// Looks up the word at an edit, memo or rich edit's caret and replaces it with the chosen word.
  virtual bool LookupWinControl(HWND__* control);
  /// Looks a word up; replacement receives the word the user chose.
  virtual void LookupString(const std::string& word, std::string& replacement);
  // The dialog text in UILanguage after OnGetString; the caption with the
  // thesaurus's name put in.
  /// The dialog text for an identifier in the UILanguage, after OnGetString.
  virtual void GetString(TThesaurusLanguageString languageString, std::string& text);
  // Shows the word list of meaning `index` of the last look-up.
  /// Shows the word list of one meaning of the last look-up.
  virtual void SelectContext(int index);
  /// The dialog asks to look another word up.
  virtual void RequestLookup(const std::string& word);
  /// The dialog asks to replace the word with the chosen one.
  virtual void RequestReplace(const std::string& word);
  /// The dialog reports a double click on a word.
  virtual void RequestDoubleClick(const std::string& word);
  /// The dialog asks to close.
  virtual void RequestClose();

  /// Forgets a component that is being destroyed.
  void Notification(TComponent* component, TOperation operation) override;

  // ---- Read access to the state -------------------------------------------
  /// The parsing engine that finds the word at the caret.
  TParsingEngine* ParsingEngine() const { return parsingEngine_.get(); }
  /// The thesaurus file of the running look-up.
  TThesaurusFile* ThesaurusFile() const { return thesaurusFile_.get(); }
  /// Whether a look-up is running.
  bool LookingUp() const { return lookingUp_; }
  // The chosen word's screen rectangle; (-1, -1, -1, -1) when unknown.
  /// The chosen word's screen rectangle; (-1, -1, -1, -1) when unknown.
  const TRect& DialogPosition() const { return dialogPosition_; }
  /// The dialog of the running look-up.
  TCustomForm* DialogForm() const { return dialogForm_; }
  /// The dialog's controller.
  TThesaurusDialogCtrl* DialogCtrl() const { return dialogCtrl_; }

 protected:
  // Set by CreateDialog; the dialog of the running look-up.
  /// Sets the dialog of the running look-up.
  void SetDialogForm(TCustomForm* form) { dialogForm_ = form; }

 private:
  void DisposeDialog();
  void UseFileLetters();

  std::string filename_;
  bool sortedLists_ = false;
  TDialogDoubleClickAction doubleClickAction_ = dcaLookup;
  TThesaurusLanguageType uiLanguage_ = TThesaurusLanguageType::ltEnglish;
  TThesaurusDialogCommands commandsEnabled_ = kAllThesaurusDialogCommands;
  TThesaurusDialogCommands commandsVisible_ = kAllThesaurusDialogCommands;
  std::string helpFile_;
  int32_t helpCtxThesaurusDialog_ = 0;

  std::unique_ptr<TParsingEngine> parsingEngine_;
  std::string lettersFile_;  // the file whose letters the engine has
  std::string replacementWord_;
  std::unique_ptr<TThesaurusFile> thesaurusFile_;
  bool lookingUp_ = false;
  TRect dialogPosition_{-1, -1, -1, -1};
  TCustomForm* dialogForm_ = nullptr;           // not owned while the host supplies it
  TThesaurusDialogCtrl* dialogCtrl_ = nullptr;  // owned by the form
  TFormNotifyEvent savedShowHandler_;
  Platform::TCursor savedCursor_ = Platform::TCursor::Default;
};
