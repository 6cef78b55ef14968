// Live spelling's settings and state: it listens to the spell component,
// decides whether spelling and correcting are active and hands out the jobs.
#include "vl3LiveRichEdit.h"

#include "vl3ParseEngine.h"
#include "vl3SpellBase.h"
#include "vl3WinAPIParser.h"

TVexlorLiveRichEdit::TVexlorLiveRichEdit()
    : marker_(*this, control_, caches_, ignoredOnce_),
      painter_(*this, control_, caches_, marker_),
      menu_(*this, control_, marker_, ignoredOnce_),
      typing_(*this, control_),
      engine_(std::make_unique<TMainParsingEngine>()) {}

TVexlorLiveRichEdit::~TVexlorLiveRichEdit() { SetSpell(nullptr); }

// ---- Listeners on the spell component ----------------------------------------

void TVexlorLiveRichEdit::OptionsChanged() {
  if (liveSpellingOptions_) UpdateState();
}

void TVexlorLiveRichEdit::DictionariesChanged() {
  if (!spellingActive_ || !control_.Handle()) return;
  InvalidateCaches();
  control_.Repaint();
}

void TVexlorLiveRichEdit::WordIgnored() {
  if (!spell_ || !control_.Handle() || !spellingActive_) return;
  TParserIgnoreWordEventList* list = spell_->IgnoreWordListeners();
  if (list->Before) return;
  std::string selected;
  if (!control_.SelectedText(selected)) return;
  if (selected == spell_->CurrentWord()) IgnoreAction(list->State);
}

void TVexlorLiveRichEdit::ReleaseSpell() {
  if (!spell_) return;
  spell_->OptionsChangedListeners()->RemoveListener(this);
  spell_->ConfigChangedListeners()->RemoveListener(this);
  spell_->IgnoreWordListeners()->RemoveListener(this);
}

// The own engine skips what the spell component's filters skip.
void TVexlorLiveRichEdit::ConnectHooks() {
  TVexlorSpell3Base* spell = spell_;
  engine_->OnScanChar = [spell](char ch, TControlParser* parser, bool& skip) {
    spell->ScanCharHook(ch, parser, skip);
  };
  engine_->OnScanWord = [spell](const std::string& word, TControlParser* parser, bool& skip) {
    spell->ScanWordHook(word, parser, skip);
  };
}

void TVexlorLiveRichEdit::SetSpell(TVexlorSpell3Base* spell) {
  if (spell == spell_ && spell) return;
  ReleaseSpell();
  spell_ = spell;
  if (!spell_) {
    engine_->OnScanChar = nullptr;
    engine_->OnScanWord = nullptr;
  } else {
    spell_->OptionsChangedListeners()->AddListener(this, [this](void*) { OptionsChanged(); });
    spell_->ConfigChangedListeners()->AddListener(this, [this](void*) { DictionariesChanged(); });
    spell_->IgnoreWordListeners()->AddListener(this, [this](void*) { WordIgnored(); });
    ConnectHooks();
  }
  UpdateState();
}

void TVexlorLiveRichEdit::ComponentRemoved(TComponent* component, TOperation operation) {
  if (operation != TOperation::opRemove || !component ||
      component != static_cast<TComponent*>(spell_))
    return;
  // The component is being destroyed: its listener lists may already be
  // gone, so it is only forgotten.
  spell_ = nullptr;
  SetSpell(nullptr);
}

// ---- State --------------------------------------------------------------------

bool TVexlorLiveRichEdit::UseBufferedPaint() {
  const bool supported = painter_.BufferedPaintSupported();
  return spellingActive_ && doubleBuffered_ && supported && painter_.BufferingPossible();
}

void TVexlorLiveRichEdit::InvalidateCaches() { caches_.InvalidateAll(); }

bool TVexlorLiveRichEdit::UpdateState() {
  bool a = liveSpelling_, b = liveCorrect_;
  if (spell_ && control_.Handle() && liveSpellingOptions_) {
    TSpellOptions available = spell_->ConfigAvailableOptions();
    if (liveSpelling_) available.Include(soLiveSpelling);
    if (liveCorrect_) available.Include(soLiveCorrect);
    spell_->SetConfigAvailableOptions(available);
    const TSpellOptions active = spell_->Configuration()->GetSpellOptions();
    a = active.Contains(soLiveSpelling) && available.Contains(soLiveSpelling);
    b = active.Contains(soLiveCorrect) && available.Contains(soLiveCorrect);
  }
  const bool editable = liveSpellingReadOnly_ || !control_.ReadOnly();
  const bool spelling = a && spell_ && liveSpelling_ && editable;
  const bool correcting = b && spell_ && liveCorrect_ && editable;
  if (spelling != spellingActive_) {
    spellingActive_ = spelling;
    if (!spelling) caches_.Clear();
    control_.Repaint();
  }
  correctingActive_ = correcting;
  return correctingActive_;
}

bool TVexlorLiveRichEdit::IsWordOK(const std::string& word, const std::string& previous) {
  if (!spell_) return true;
  const bool ok =
      spell_->IsWordCorrect(word) && !(spell_->UseExcludeWords() && spell_->IsWordExcluded(word));
  if (ok || !ignoredOnce_.UseContext()) return ok;
  return ignoredOnce_.Accepts(word, previous);
}

void TVexlorLiveRichEdit::DoBeforeChange() {
  if (OnBeforeLiveChange) OnBeforeLiveChange(control_.Handle());
}

// ---- Settings -------------------------------------------------------------------

void TVexlorLiveRichEdit::SetControl(HWND__* control) {
  control_.Repaint();
  control_.SetHandle(control);
  painter_.ControlChanged();
  UpdateState();
}

void TVexlorLiveRichEdit::SetParsingEngine(TParsingEngine* engine) {
  if (!engine) return;
  engine_.reset(engine);
  if (spell_) ConnectHooks();
}

void TVexlorLiveRichEdit::SetLiveSpelling(bool value) {
  liveSpelling_ = value;
  UpdateState();
}

void TVexlorLiveRichEdit::SetLiveCorrect(bool value) {
  liveCorrect_ = value;
  UpdateState();
}

void TVexlorLiveRichEdit::SetLiveSpellingColor(uint32_t value) {
  if (value == liveSpellingColor_) return;
  liveSpellingColor_ = value;
  control_.Repaint();
}

void TVexlorLiveRichEdit::SetLiveSpellingOptions(bool value) {
  liveSpellingOptions_ = value;
  UpdateState();
}

void TVexlorLiveRichEdit::SetLiveSpellingReadOnly(bool value) {
  liveSpellingReadOnly_ = value;
  UpdateState();
}

// ---- Actions ----------------------------------------------------------------------

void TVexlorLiveRichEdit::ReplaceAll(const std::string& word, const std::string& replacement) {
  typing_.ReplaceAll(word, replacement);
}

void TVexlorLiveRichEdit::IgnoreAction(int32_t state) { menu_.IgnoreAction(state); }

void TVexlorLiveRichEdit::CheckSpelling(TCheckType checkType) {
  if (!spell_ || !control_.Handle()) return;
  checkParser_.reset();
  auto parser = std::make_unique<TWinAPIControlParser>(control_.Handle());
  if (spell_->OwnsParser()) {
    spell_->CheckParser(parser.release(), checkType);
  } else {
    // The engine may still use it (an asynchronous check): kept until the next check.
    TWinAPIControlParser* raw = parser.get();
    checkParser_ = std::move(parser);
    spell_->CheckParser(raw, checkType);
  }
}
