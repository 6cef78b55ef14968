// Live spelling for a rich-edit window: misspelled words on the visible
// lines are underlined, right-clicked and auto-corrected as the user types.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "vl3Component.h"
#include "vl3SpellTypes.h"

struct HWND__;
struct HDC__;
class TVexlorSpell3Base;
class TStringParser;
class TWinAPIControlParser;
class TParsingEngine;
class TCustomDictionary;
class TStringList;

// One marked word of a line: 0-based columns, end exclusive.
struct TSpellingError {
  int32_t StartColumn = 0;
  int32_t EndColumn = 0;
};

// What is known about one line since it was last checked.
struct TLineCache {
  std::string LineText;
  std::vector<TSpellingError> Errors;
  bool Dirty = true;
  int32_t MeasuredHeight = 0;
  int32_t BaselineOffset = 0;
};

// The raw window message the owning control received.
struct TLiveMessage {
  uint32_t Msg = 0;
  uintptr_t WParam = 0;
  intptr_t LParam = 0;
};

// Not a control: the owning rich edit forwards its messages here. The
// control is read and edited only through edit and rich-edit messages.
class TVexlorLiveRichEdit {
 public:
  using TBeforeLiveChangeEvent = std::function<void(HWND__* Control)>;

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
  virtual bool IsWordOK(const std::string& Word, const std::string& Previous);
  virtual void DoBeforeChange();
  virtual void SetControl(HWND__* Control);
  virtual void SetParsingEngine(TParsingEngine* Engine);  // takes ownership
  virtual void SetLiveSpelling(bool Value);
  virtual void SetLiveCorrect(bool Value);
  virtual void SetSpell(TVexlorSpell3Base* Spell);
  virtual void SetLiveSpellingColor(uint32_t Value);
  virtual void SetLiveSpellingOptions(bool Value);
  virtual void SetLiveSpellingReadOnly(bool Value);
  virtual void ReplaceAll(const std::string& Word, const std::string& Replacement);
  virtual void IgnoreAction(int32_t State);
  virtual void CheckSpelling(TCheckType CheckType);

  // ---- Message entry points of the owning control --------------------------
  bool EraseBackground(const TLiveMessage& Message);
  bool Paint(const TLiveMessage& Message, bool& DrawAfter);
  void DrawMarksOnWindow();
  bool ContextMenu(const TLiveMessage& Message);
  void Resized();
  void KeyReleased();
  void ReadOnlyChanged() { UpdateState(); }
  void TargetDeviceChanged();
  void KeyPressed(char Ch) { lastChar_ = Ch; }
  void SelectionChanged();
  void ComponentRemoved(TComponent* Component, TOperation Operation);

  // ---- Settings --------------------------------------------------------------
  HWND__* Control() const { return control_; }
  bool LiveSpelling() const { return liveSpelling_; }
  bool LiveCorrect() const { return liveCorrect_; }
  TVexlorSpell3Base* Spell() const { return spell_; }
  uint32_t LiveSpellingColor() const { return liveSpellingColor_; }  // 0x00BBGGRR
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool Value) { doubleBuffered_ = Value; }
  bool LiveSpellingOptions() const { return liveSpellingOptions_; }
  TSpellPopupOptions LiveMenuOptions() const { return liveMenuOptions_; }
  void SetLiveMenuOptions(TSpellPopupOptions Value) { liveMenuOptions_ = Value; }
  bool LiveSpellingReadOnly() const { return liveSpellingReadOnly_; }
  const std::string& AutoCorrectChars() const { return autoCorrectChars_; }
  void SetAutoCorrectChars(const std::string& Value) { autoCorrectChars_ = Value; }
  bool MeasureBaseline() const { return measureBaseline_; }
  void SetMeasureBaseline(bool Value) { measureBaseline_ = Value; }
  bool StopBufferingOnMargin() const { return stopBufferingOnMargin_; }
  void SetStopBufferingOnMargin(bool Value) { stopBufferingOnMargin_ = Value; }
  TParsingEngine* ParsingEngine() const { return engine_.get(); }

  // ---- State, read-only ------------------------------------------------------
  bool SpellingActive() const { return spellingActive_; }
  bool CorrectingActive() const { return correctingActive_; }
  bool Busy() const { return busy_; }
  // The line's cache, or null when the line was never painted.
  const TLineCache* LineCache(int32_t Line) const;
  // The result of the version check of the system's rich-edit library;
  // ForceBufferedPaintSupport overrides it (for hosts that know better).
  bool BufferedPaintSupported();
  void ForceBufferedPaintSupport(bool Value);

  // Raised before each text change this object makes.
  TBeforeLiveChangeEvent OnBeforeLiveChange;

 protected:
  // Checks (where needed) and underlines the visible lines on DC.
  void DrawMarks(HDC__* DC);
  int32_t UnderlineY(HDC__* DC, int32_t Line);
  int32_t UnderlineY(HDC__* DC, int32_t Line, int32_t Start, int32_t Next);
  int32_t DefaultTextHeight(HDC__* DC);
  int32_t MeasureBaselineOffset(HDC__* DC, int32_t Line, int32_t X0, int32_t Y0, int32_t Y1);
  void DrawZigzag(HDC__* DC, int32_t Start, int32_t End, int32_t Y);
  // Parses Text and collects the words IsWordOK rejects with the string
  // parser's 1-based position just after each.
  struct TFoundWord {
    std::string Word;
    int32_t After;
  };
  void FindMisspelled(std::string& Text, std::vector<TFoundWord>& Found);
  // The lines From .. To (display lines) with their first characters,
  // read with one text-range request.
  struct TVisibleLine {
    int32_t Line;
    int32_t Start;
    std::string Text;
  };
  void ReadLines(int32_t From, int32_t To, std::vector<TVisibleLine>& Lines) const;
  // The display line under the client point (clamped to the text).
  int32_t LineAt(int32_t X, int32_t Y) const;
  void Repaint();
  void RepaintNow();
  bool ReadOnly() const;
  bool MultiLine() const;
  std::string LineText(int32_t Line) const;
  int32_t LineIndex(int32_t Line) const;
  void CharPos(int32_t Index, int32_t& X, int32_t& Y) const;
  // A read-only edit message, handed straight to the control's own window
  // procedure (see the definition for why).
  intptr_t Query(uint32_t Msg, uintptr_t WParam, intptr_t LParam) const;
  void NotifyTextChanged();
  void ReleaseSpell();
  void ConnectHooks();

 private:
  HWND__* control_ = nullptr;  // not owned
  bool liveSpelling_ = true;
  bool liveCorrect_ = true;
  TVexlorSpell3Base* spell_ = nullptr;  // not owned
  uint32_t liveSpellingColor_ = 0x000000FF;
  bool doubleBuffered_ = true;
  bool liveSpellingOptions_ = true;
  TSpellPopupOptions liveMenuOptions_{spDialog, spAutoCorrect, spChangeAll, spAdd,
                                      spIgnoreAll, spIgnore, spReplace};
  bool liveSpellingReadOnly_ = false;
  std::string autoCorrectChars_ = " .,;:\t";
  char lastChar_ = '\0';
  std::unique_ptr<TStringParser> stringParser_;
  std::unique_ptr<TWinAPIControlParser> windowParser_;
  std::unique_ptr<TParsingEngine> engine_;
  bool spellingActive_ = false;
  bool correctingActive_ = false;
  bool busy_ = false;
  bool useIgnoreContext_ = true;
  bool versionCheckPending_ = true;
  bool bufferedSupported_ = false;
  bool notResized_ = true;
  int32_t lastFirstVisible_ = 0;
  bool measureBaseline_ = false;
  bool stopBufferingOnMargin_ = true;
  bool marginDetected_ = false;
  bool bufferingAllowed_ = true;
  std::vector<std::unique_ptr<TLineCache>> caches_;
  std::unique_ptr<TCustomDictionary> ignoredOnce_;
  // Compares as the framework's string lists do: without case.
  struct TTextLess {
    bool operator()(const std::string& A, const std::string& B) const;
  };
  // Each word ignored once -> the sorted, duplicate-free words that preceded it.
  std::map<std::string, std::unique_ptr<TStringList>, TTextLess> ignoredContext_;
  int32_t textHeight_ = -1;  // of the default text, during one DrawMarks
  // The default text's height, kept with the format it was measured for.
  std::string measuredFace_;
  int32_t measuredSize_ = -1;
  int32_t measuredHeight_ = 0;
  int32_t measuredAscent_ = 0;
  // What the paint being done covers, for the marks drawn after it.
  bool paintPending_ = false;
  int32_t paintTop_ = 0, paintBottom_ = 0, paintLeft_ = 0, paintRight_ = 0;
  bool classLmd_ = false, classDxMemo_ = false, classRx_ = false;
  std::unique_ptr<TWinAPIControlParser> checkParser_;  // a dialog check's parser the engine left to us
};
