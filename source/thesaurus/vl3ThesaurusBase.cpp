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
TCustomForm* OwnerForm(TComponent* Dialog) {
  for (TComponent* owner = Dialog->Owner(); owner != nullptr; owner = owner->Owner()) {
    if (auto* form = dynamic_cast<TCustomForm*>(owner)) return form;
  }
  return nullptr;
}

// Sorts a word list in a language's order (case-insensitive), keeping the
// order of words that compare equal.
void SortWords(TStringList& Words, uint32_t LangId) {
  std::vector<std::pair<std::string, intptr_t>> items;
  items.reserve(static_cast<size_t>(Words.Count()));
  for (int i = 0; i < Words.Count(); ++i) items.emplace_back(Words[i], Words.Objects(i));
  std::stable_sort(items.begin(), items.end(), [LangId](const auto& a, const auto& b) {
    return Platform::CompareTextInLanguage(a.first, b.first, LangId) < 0;
  });
  Words.BeginUpdate();
  for (int i = 0; i < Words.Count(); ++i) {
    Words.SetStrings(i, items[static_cast<size_t>(i)].first);
    Words.SetObjects(i, items[static_cast<size_t>(i)].second);
  }
  Words.EndUpdate();
}

}  // namespace

TThesaurus3Base::TThesaurus3Base(TComponent* AOwner)
    : TComponent(AOwner),
      parsingEngine_(std::make_unique<TMainParsingEngine>()),
      thesaurusFile_(std::make_unique<TThesaurusFile>()) {
  SetFilename(kDefaultFilename);
}

TThesaurus3Base::~TThesaurus3Base() = default;

std::string TThesaurus3Base::Version() const { return GetVersionString(); }

void TThesaurus3Base::SetFilename(const std::string& Value) {
  filename_ = Value;
  if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
    thesaurusFile_->SetFileName(ExpandMacros(Value));
}

void TThesaurus3Base::SetParsingEngine(std::unique_ptr<TParsingEngine> Engine) {
  if (Engine) parsingEngine_ = std::move(Engine);
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

void TThesaurus3Base::LookupWord(const std::string& Word, std::string& Replacement) {
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

  thesaurusFile_->Lookup(Word);
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
  Replacement = replacementWord_;
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

TThesaurusDialogCtrl* TThesaurus3Base::FindDialogCtrl(TCustomForm* Form) {
  if (Form == nullptr) return nullptr;
  for (int i = 0; i < Form->ComponentCount(); ++i) {
    if (auto* ctrl = dynamic_cast<TThesaurusDialogCtrl*>(Form->Components(i))) {
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

void TThesaurus3Base::DialogShow(TCustomForm* Sender) {
  DoLookedUp();
  if (savedShowHandler_) savedShowHandler_(Sender);
  Platform::SetCursor(savedCursor_);
}

void TThesaurus3Base::CreateDialog() {}

bool TThesaurus3Base::LookupParser(TControlParser* Parser) {
  if (Parser == nullptr) return false;
  parsingEngine_->Initialize(Parser, ctFromCursor);
  std::string word;
  parsingEngine_->GetNextWord(word);
  if (word.empty()) return false;
  Parser->SelectWord(static_cast<int32_t>(word.size()));
  Parser->GetSelectionRect(dialogPosition_);
  std::string replacement;
  LookupWord(word, replacement);
  if (!replacement.empty()) {
    if (OnBeforeChange) OnBeforeChange(this);
    Parser->ReplaceWord(replacement, 0);
  }
  return true;
}

void TThesaurus3Base::LookupString(const std::string& Word, std::string& Replacement) {
  dialogPosition_ = TRect{-1, -1, -1, -1};
  LookupWord(Word, Replacement);
}

void TThesaurus3Base::GetString(TThesaurusLanguageString LanguageString, std::string& Text) {
  Text = ThesaurusLanguageText(LanguageString, uiLanguage_);
  if (OnGetString) OnGetString(this, LanguageString, Text);
  if (LanguageString == tlsCaption)
    Text = ReplaceFirst(kNameMacro, thesaurusFile_->ThesaurusName(), Text);
}

void TThesaurus3Base::SelectContext(int Index) {
  TThesaurusEntryList& results = thesaurusFile_->Results();
  if (Index < 0 || static_cast<size_t>(Index) >= results.size()) return;
  TThesaurusEntry& meaning = *results[static_cast<size_t>(Index)];
  TStringList* words = nullptr;
  if (meaning.Category >= 1 && meaning.Category <= 4) {
    words = &meaning.Lists[static_cast<size_t>(meaning.Category - 1)];
  } else {
    const std::string headword = Ansi::LowerCase(meaning.Headword);
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

void TThesaurus3Base::RequestLookup(const std::string& Word) {
  thesaurusFile_->Lookup(Word);
  DoLookedUp();
}

void TThesaurus3Base::RequestReplace(const std::string& Word) {
  replacementWord_ = Word;
  if (dialogForm_ != nullptr) dialogForm_->SetModalResult(mrOk);
}

void TThesaurus3Base::RequestDoubleClick(const std::string& Word) {
  switch (doubleClickAction_) {
    case dcaLookup:
      RequestLookup(Word);
      break;
    case dcaReplace:
      RequestReplace(Word);
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
