// A rich edit for application forms that carries live spelling: the 2.0
// rich edit with its messages routed through a live-spelling object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "vl3LiveRichEdit.h"
#include "vl3RichEditBox_win.h"

class TParsingEngine;

class TVexlorRichEdit : public TRichEdit {
 public:
  explicit TVexlorRichEdit(TComponent* AOwner, TParentWindow* AParent = nullptr);
  ~TVexlorRichEdit() override;

  // The window class: "TVexlorRichEdit", derived from "RichEdit20A".
  static const char* const kClassName;

  // ---- Virtual operations, in slot order -----------------------------------
  virtual TParsingEngine* GetParsingEngine();
  virtual void SetParsingEngine(TParsingEngine* Engine);  // takes ownership
  virtual std::string GetAutoCorrectChars();
  virtual void SetAutoCorrectChars(const std::string& Value);
  virtual bool GetMeasureBaseline();
  virtual void SetMeasureBaseline(bool Value);
  virtual bool GetStopBufferingOnMargin();
  virtual void SetStopBufferingOnMargin(bool Value);
  virtual bool GetLiveSpelling();
  virtual void SetLiveSpelling(bool Value);
  virtual bool GetLiveCorrect();
  virtual void SetLiveCorrect(bool Value);
  virtual TVexlorSpell3Base* GetVexlorSpell();
  virtual void SetVexlorSpell(TVexlorSpell3Base* Value);
  virtual uint32_t GetLiveSpellingColor();
  virtual void SetLiveSpellingColor(uint32_t Value);
  virtual bool GetDoubleBuffered();
  virtual void SetDoubleBuffered(bool Value);
  virtual bool GetLiveSpellingOptions();
  virtual void SetLiveSpellingOptions(bool Value);
  virtual TSpellPopupOptions GetLiveMenuOptions();
  virtual void SetLiveMenuOptions(TSpellPopupOptions Value);
  virtual bool GetLiveSpellingReadOnly();
  virtual void SetLiveSpellingReadOnly(bool Value);
  virtual void CheckSpelling(TCheckType CheckType);

  // ---- Published properties --------------------------------------------------
  bool LiveSpelling() { return GetLiveSpelling(); }
  bool LiveCorrect() { return GetLiveCorrect(); }
  TVexlorSpell3Base* VexlorSpell() { return GetVexlorSpell(); }
  uint32_t LiveSpellingColor() { return GetLiveSpellingColor(); }
  bool DoubleBuffered() { return GetDoubleBuffered(); }
  bool LiveSpellingOptions() { return GetLiveSpellingOptions(); }
  TSpellPopupOptions LiveMenuOptions() { return GetLiveMenuOptions(); }
  bool LiveSpellingReadOnly() { return GetLiveSpellingReadOnly(); }
  // Read-only, not stored: the suite's version text.
  std::string Version() const;

  TVexlorLiveRichEdit* Live() const { return live_.get(); }

  bool WndProc(uint32_t Msg, uintptr_t WParam, intptr_t LParam, intptr_t& Result) override;
  bool Notify(tagNMHDR* Header, intptr_t& Result) override;
  void Notification(TComponent* Component, TOperation Operation) override;

 private:
  // Runs the window's own handling of a message now.
  intptr_t Default(uint32_t Msg, uintptr_t WParam, intptr_t LParam);
  std::unique_ptr<TVexlorLiveRichEdit> live_;
};
