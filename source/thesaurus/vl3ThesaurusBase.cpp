// The thesaurus component: the look-up with its dialog, the choice of the word
// list to show, and the commands the dialog sends back.
#include "vl3ThesaurusBase.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "vl3Ansi.h"
#include "vl3ParseEngine.h"
#include "vl3ParserBase.h"
#include "vl3Platform.h"
#include "vl3Util.h"

namespace {

const char kDefaultFilename[] = "%AppDir%\\Brevant.vlt";
const char kNameMacro[] = "%name%";

// The form a dialog belongs to: the first form among its owners.
TCustomForm* OwnerForm(TComponent* dialog) {
  for (TComponent* owner = dialog->Owner(); owner != nullptr; owner = owner->Owner()) {
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
  }
  return nullptr;
}

// Sorts a word list in a language's order (case-insensitive), keeping the
// order of words that compare equal.
void SortWords(TStringList& words, uint32_t langId) {
  std::vector<std::pair<std::string, intptr_t>> items;
  items.reserve(static_cast<size_t>(words.Count()));
  for (int i = 0; i < words.Count(); ++i) items.emplace_back(words[i], words.Objects(i));
  std::stable_sort(items.begin(), items.end(), [langId](const auto& a, const auto& b) {
    return Platform::CompareTextInLanguage(a.first, b.first, langId) < 0;
  });
  words.BeginUpdate();
  for (int i = 0; i < words.Count(); ++i) {
    words.SetStrings(i, items[static_cast<size_t>(i)].first);
    words.SetObjects(i, items[static_cast<size_t>(i)].second);
  }
  words.EndUpdate();
}

}  // namespace

TThesaurus3Base::TThesaurus3Base(TComponent* owner)
    : TComponent(owner),
      parsingEngine_(std::make_unique<TMainParsingEngine>()),
      thesaurusFile_(std::make_unique<TThesaurusFile>()) {
  SetFilename(kDefaultFilename);
}

TThesaurus3Base::~TThesaurus3Base() = default;

std::string TThesaurus3Base::Version() const { return GetVersionString(); }

void TThesaurus3Base::SetFilename(const std::string& value) {
  filename_ = value;
  if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
    thesaurusFile_->SetFileName(ExpandMacros(value));
}

void TThesaurus3Base::SetParsingEngine(std::unique_ptr<TParsingEngine> engine) {
  if (!engine) return;
  parsingEngine_ = std::move(engine);
  lettersFile_.clear();
}

void TThesaurus3Base::PositionDialog() {
  TCustomForm* form = dialogForm_;
  if (form == nullptr) return;
  if (dialogPosition_.Left == -1 && dialogPosition_.Top == -1) {
    TCustomForm* owner = OwnerForm(form);
    if (owner == nullptr) {
      form->CenterOnScreen();
      return;
    }
    const TRect o = owner->BoundsRect(), f = form->BoundsRect();
    const TFormPosition p = FitFormOnMonitor(owner->MonitorRect(), f.Width(), f.Height(),
                                             o.Left + (o.Width() - f.Width()) / 2,
                                             o.Top + (o.Height() - f.Height()) / 2);
    form->MoveTo(p.Left, p.Top);
    return;
  }
  const TFormPosition p =
      FormPositionNearRect(form->MonitorRect(), form->BoundsRect(), dialogPosition_, true, true);
  form->MoveTo(p.Left, p.Top);
}

void TThesaurus3Base::LookupWord(const std::string& word, std::string& replacement) {
  if (lookingUp_) return;
  // Whatever a handler does, the look-up ends with the cursor, the file and
  // the running flag as they were.
  struct TLookupScope {
    TThesaurus3Base& self;
    bool wasLoaded;
    ~TLookupScope() {
      Platform::SetCursor(self.savedCursor_);
      self.thesaurusFile_->SetLoaded(wasLoaded);
      self.dialogCtrl_ = nullptr;
      self.lookingUp_ = false;
    }
  };
  lookingUp_ = true;
  TLookupScope scope{*this, thesaurusFile_->Loaded()};
  savedCursor_ = Platform::GetCursor();
  Platform::SetCursor(Platform::TCursor::Hourglass);

  thesaurusFile_->Lookup(word);
  if (!thesaurusFile_->Loaded()) return;

  if (OnCreateThesaurusDialog) {
    TCustomForm* form = nullptr;
    OnCreateThesaurusDialog(this, form, true);
    dialogForm_ = form;
  } else {
    CreateDialog();
  }
  replacementWord_.clear();
  if (TCustomForm* form = dialogForm_) {
    // Told when a host's form is freed while it is up.
    FreeNotification(form);
    form->SetHelpFile(helpFile_);
    form->SetHelpContext(helpCtxThesaurusDialog_);
    savedShowHandler_ = form->OnShow;
    form->OnShow = [this](TCustomForm* sender) { DialogShow(sender); };
    dialogCtrl_ = FindDialogCtrl(form);
    PositionDialog();
    try {
      form->ShowModal();
    } catch (...) {
      if (dialogForm_ != nullptr) dialogForm_->OnShow = std::move(savedShowHandler_);
      DisposeDialog();
      throw;
    }
    // The form may have gone meanwhile (a host freeing it from a handler).
    if (dialogForm_ != nullptr) dialogForm_->OnShow = std::move(savedShowHandler_);
    savedShowHandler_ = nullptr;
  } else {
    DoLookedUp();
  }
  replacement = replacementWord_;
  dialogCtrl_ = nullptr;
  DisposeDialog();
}

void TThesaurus3Base::DisposeDialog() {
  TCustomForm* form = dialogForm_;
  dialogForm_ = nullptr;
  if (form != nullptr) RemoveFreeNotification(form);
  if (OnCreateThesaurusDialog) {
    OnCreateThesaurusDialog(this, form, false);
  } else if (form != nullptr) {
    form->Release();
  }
}

TThesaurusDialogCtrl* TThesaurus3Base::FindDialogCtrl(TCustomForm* form) {
  if (form == nullptr) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* ctrl = dynamic_cast<TThesaurusDialogCtrl*>(form->Components(i))) {
      ctrl->Bind(this);
      return ctrl;
    }
  }
  return nullptr;
}

void TThesaurus3Base::DoLookedUp() {
  TThesaurusEntryList& results = thesaurusFile_->Results();
  if (sortedLists_) {
    std::stable_sort(
        results.begin(), results.end(),
        [](const std::unique_ptr<TThesaurusEntry>& a, const std::unique_ptr<TThesaurusEntry>& b) {
          return a->Headword < b->Headword;
        });
  }
  const std::string& word = thesaurusFile_->LastWord();
  if (OnPromptLookup) OnPromptLookup(this, word, results);
  if (dialogCtrl_ != nullptr && dialogCtrl_->OnPromptLookup)
    dialogCtrl_->OnPromptLookup(this, word, results);
}

void TThesaurus3Base::DialogShow(TCustomForm* sender) {
  DoLookedUp();
  if (savedShowHandler_) savedShowHandler_(sender);
  Platform::SetCursor(savedCursor_);
}

void TThesaurus3Base::CreateDialog() {}

bool TThesaurus3Base::LookupParser(TControlParser* parser) {
  if (parser == nullptr) return false;
  UseFileLetters();
  parsingEngine_->Initialize(parser, ctFromCursor);
  std::string word;
  parsingEngine_->GetNextWord(word);
  if (word.empty()) return false;
  parser->SelectWord(static_cast<int32_t>(word.size()));
  parser->GetSelectionRect(dialogPosition_);
  std::string replacement;
  LookupWord(word, replacement);
  if (!replacement.empty()) {
    if (OnBeforeChange) OnBeforeChange(this);
    parser->ReplaceWord(replacement, 0);
  }
  return true;
}

// The letters of the file's code page are word characters, so that the
// word under the caret is taken whole ("Łódź", not "ód"). The file is read
// once per name to learn its code page.
void TThesaurus3Base::UseFileLetters() {
  TThesaurusFile& file = *thesaurusFile_;
  if (file.FileName() == lettersFile_) return;
  const bool wasLoaded = file.Loaded();
  file.SetLoaded(true);
  if (!file.Loaded()) return;
  lettersFile_ = file.FileName();
  if (auto* engine = dynamic_cast<TMainParsingEngine*>(parsingEngine_.get()))
    engine->SetLetterCodePages({file.CodePage()});
  file.SetLoaded(wasLoaded);
}

void TThesaurus3Base::LookupString(const std::string& word, std::string& replacement) {
  dialogPosition_ = TRect{-1, -1, -1, -1};
  LookupWord(word, replacement);
}

void TThesaurus3Base::GetString(TThesaurusLanguageString languageString, std::string& text) {
  text = ThesaurusLanguageText(languageString, uiLanguage_);
  if (OnGetString) OnGetString(this, languageString, text);
  if (languageString == tlsCaption)
    text = ReplaceFirst(kNameMacro, thesaurusFile_->ThesaurusName(), text);
}

void TThesaurus3Base::SelectContext(int index) {
  TThesaurusEntryList& results = thesaurusFile_->Results();
  if (index < 0 || static_cast<size_t>(index) >= results.size()) return;
  TThesaurusEntry& meaning = *results[static_cast<size_t>(index)];
  TStringList* words = nullptr;
  if (meaning.Category >= 1 && meaning.Category <= 4) {
    words = &meaning.Lists[static_cast<size_t>(meaning.Category - 1)];
  } else {
    const std::string headword = Ansi::LowerCase(meaning.Headword, thesaurusFile_->CodePage());
    for (TStringList& list : meaning.Lists) {
      if (list.IndexOf(headword) >= 0) {
        words = &list;
        break;
      }
    }
    if (words == nullptr) {
      words = &meaning.Lists[0];
      for (TStringList& list : meaning.Lists) {
        if (list.Count() > words->Count()) words = &list;
      }
    }
  }
  if (sortedLists_) SortWords(*words, ThesaurusLanguageId(uiLanguage_));
  if (OnPromptContext) OnPromptContext(this, *words);
  if (dialogCtrl_ != nullptr && dialogCtrl_->OnPromptContext)
    dialogCtrl_->OnPromptContext(this, *words);
}

void TThesaurus3Base::RequestLookup(const std::string& word) {
  thesaurusFile_->Lookup(word);
  DoLookedUp();
}

void TThesaurus3Base::RequestReplace(const std::string& word) {
  replacementWord_ = word;
  if (dialogForm_ != nullptr) dialogForm_->SetModalResult(mrOk);
}

void TThesaurus3Base::RequestDoubleClick(const std::string& word) {
  switch (doubleClickAction_) {
    case dcaLookup:
      RequestLookup(word);
      break;
    case dcaReplace:
      RequestReplace(word);
      break;
    case dcaNone:
      break;
  }
}

void TThesaurus3Base::RequestClose() {
  if (dialogForm_ != nullptr) dialogForm_->SetModalResult(mrCancel);
}

void TThesaurus3Base::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == dialogForm_) dialogForm_ = nullptr;
  if (component == dialogCtrl_) dialogCtrl_ = nullptr;
}
