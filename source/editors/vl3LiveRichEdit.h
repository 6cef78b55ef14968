// Live spelling for a rich-edit window: misspelled words on the visible
// lines are underlined, right-clicked and auto-corrected as the user types.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vl3Component.h"
#include "vl3LiveControl.h"
#include "vl3LiveIgnoredOnce.h"
#include "vl3LiveLineCaches.h"
#include "vl3LiveMarks.h"
#include "vl3LiveMenu.h"
#include "vl3LivePaint.h"
#include "vl3LiveTyping.h"
#include "vl3SpellTypes.h"

struct HWND__;
class TVexlorSpell3Base;
class TWinAPIControlParser;
class TParsingEngine;

// The raw window message the owning control received.
struct TLiveMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
};

// Not a control: the owning rich edit forwards its messages here. The
// control is read and edited only through edit and rich-edit messages. This
// object keeps the settings and the state and listens to the spell
// component; the jobs are done by the units it holds (control access, line
// caches, marking, painting, the menu and typing).
class TVexlorLiveRichEdit {
 public:
  using TBeforeLiveChangeEvent = std::function<void(HWND__* control)>;

  TVexlorLiveRichEdit();
  virtual ~TVexlorLiveRichEdit();
  TVexlorLiveRichEdit(const TVexlorLiveRichEdit&) = delete;
  TVexlorLiveRichEdit& operator=(const TVexlorLiveRichEdit&) = delete;

  // ---- Virtual operations, in slot order -----------------------------------
  virtual void OptionsChanged();
  virtual void DictionariesChanged();
  virtual void WordIgnored();
  virtual bool UseBufferedPaint();
  virtual void InvalidateCaches();
  virtual bool UpdateState();
  virtual bool IsWordOK(const std::string& word, const std::string& previous);
  virtual void DoBeforeChange();
  virtual void SetControl(HWND__* control);
  virtual void SetParsingEngine(TParsingEngine* engine);  // takes ownership
  virtual void SetLiveSpelling(bool value);
  virtual void SetLiveCorrect(bool value);
  virtual void SetSpell(TVexlorSpell3Base* spell);
  virtual void SetLiveSpellingColor(uint32_t value);
  virtual void SetLiveSpellingOptions(bool value);
  virtual void SetLiveSpellingReadOnly(bool value);
  virtual void ReplaceAll(const std::string& word, const std::string& replacement);
  virtual void IgnoreAction(int32_t state);
  virtual void CheckSpelling(TCheckType checkType);

  // ---- Message entry points of the owning control --------------------------
  bool EraseBackground(const TLiveMessage& message) { return painter_.EraseBackground(message); }
  bool Paint(const TLiveMessage& message, bool& drawAfter) {
    return painter_.Paint(message, drawAfter);
  }
  void DrawMarksOnWindow() { painter_.DrawMarksOnWindow(); }
  bool ContextMenu(const TLiveMessage& message) { return menu_.ContextMenu(message); }
  void Resized() { painter_.Resized(); }
  void KeyReleased() { typing_.KeyReleased(); }
  void ReadOnlyChanged() { UpdateState(); }
  void TargetDeviceChanged() { painter_.TargetDeviceChanged(); }
  void KeyPressed(char ch) { typing_.KeyPressed(ch); }
  void SelectionChanged() { painter_.SelectionChanged(); }
  void ComponentRemoved(TComponent* component, TOperation operation);

  // ---- Settings --------------------------------------------------------------
  HWND__* Control() const { return control_.Handle(); }
  bool LiveSpelling() const { return liveSpelling_; }
  bool LiveCorrect() const { return liveCorrect_; }
  TVexlorSpell3Base* Spell() const { return spell_; }
  uint32_t LiveSpellingColor() const { return liveSpellingColor_; }  // 0x00BBGGRR
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
  bool LiveSpellingOptions() const { return liveSpellingOptions_; }
  TSpellPopupOptions LiveMenuOptions() const { return liveMenuOptions_; }
  void SetLiveMenuOptions(TSpellPopupOptions value) { liveMenuOptions_ = value; }
  bool LiveSpellingReadOnly() const { return liveSpellingReadOnly_; }
  const std::string& AutoCorrectChars() const { return autoCorrectChars_; }
  void SetAutoCorrectChars(const std::string& value) { autoCorrectChars_ = value; }
  bool MeasureBaseline() const { return measureBaseline_; }
  void SetMeasureBaseline(bool value) { measureBaseline_ = value; }
  bool StopBufferingOnMargin() const { return stopBufferingOnMargin_; }
  void SetStopBufferingOnMargin(bool value) { stopBufferingOnMargin_ = value; }
  TParsingEngine* ParsingEngine() const { return engine_.get(); }

  // ---- State, read-only ------------------------------------------------------
  bool SpellingActive() const { return spellingActive_; }
  bool CorrectingActive() const { return correctingActive_; }
  bool Busy() const { return typing_.Busy(); }
  // The line's cache, or null when the line was never painted.
  const TLineCache* LineCache(int32_t line) const { return caches_.Find(line); }
  // The result of the version check of the system's rich-edit library;
  // ForceBufferedPaintSupport overrides it (for hosts that know better).
  bool BufferedPaintSupported() { return painter_.BufferedPaintSupported(); }
  void ForceBufferedPaintSupport(bool value) { painter_.ForceBufferedPaintSupport(value); }

  // Raised before each text change this object makes.
  TBeforeLiveChangeEvent OnBeforeLiveChange;

 private:
  void ReleaseSpell();
  void ConnectHooks();

  bool liveSpelling_ = true;
  bool liveCorrect_ = true;
  TVexlorSpell3Base* spell_ = nullptr;  // not owned
  uint32_t liveSpellingColor_ = 0x000000FF;
  bool doubleBuffered_ = true;
  bool liveSpellingOptions_ = true;
  TSpellPopupOptions liveMenuOptions_{spDialog,    spAutoCorrect, spChangeAll, spAdd,
                                      spIgnoreAll, spIgnore,      spReplace};
  bool liveSpellingReadOnly_ = false;
  std::string autoCorrectChars_ = " .,;:\t";
  bool measureBaseline_ = false;
  bool stopBufferingOnMargin_ = true;
  bool spellingActive_ = false;
  bool correctingActive_ = false;
  // The jobs, in the order they may use each other.
  TLiveControl control_;
  TLiveLineCaches caches_;
  TLiveIgnoredOnce ignoredOnce_;
  TLiveMarker marker_;
  TLivePainter painter_;
  TLiveMenu menu_;
  TLiveTyping typing_;
  // Declared after the jobs: it goes before the parsers they own.
  std::unique_ptr<TParsingEngine> engine_;
  // A dialog check's parser the engine left to us.
  std::unique_ptr<TWinAPIControlParser> checkParser_;
};
