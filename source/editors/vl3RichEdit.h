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
  explicit TVexlorRichEdit(TComponent* owner, TParentWindow* parent = nullptr);
  ~TVexlorRichEdit() override;

  // The window class: "TVexlorRichEdit", derived from "RichEdit20A".
  static const char* const kClassName;

  // ---- Virtual operations, in slot order -----------------------------------
  virtual TParsingEngine* GetParsingEngine();
  virtual void SetParsingEngine(TParsingEngine* engine);  // takes ownership
  virtual std::string GetAutoCorrectChars();
  virtual void SetAutoCorrectChars(const std::string& value);
  virtual bool GetMeasureBaseline();
  virtual void SetMeasureBaseline(bool value);
  virtual bool GetStopBufferingOnMargin();
  virtual void SetStopBufferingOnMargin(bool value);
  virtual bool GetLiveSpelling();
  virtual void SetLiveSpelling(bool value);
  virtual bool GetLiveCorrect();
  virtual void SetLiveCorrect(bool value);
  virtual TVexlorSpell3Base* GetVexlorSpell();
  virtual void SetVexlorSpell(TVexlorSpell3Base* value);
  virtual uint32_t GetLiveSpellingColor();
  virtual void SetLiveSpellingColor(uint32_t value);
  virtual bool GetDoubleBuffered();
  virtual void SetDoubleBuffered(bool value);
  virtual bool GetLiveSpellingOptions();
  virtual void SetLiveSpellingOptions(bool value);
  virtual TSpellPopupOptions GetLiveMenuOptions();
  virtual void SetLiveMenuOptions(TSpellPopupOptions value);
  virtual bool GetLiveSpellingReadOnly();
  virtual void SetLiveSpellingReadOnly(bool value);
  virtual void CheckSpelling(TCheckType checkType);

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

  bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
  bool Notify(tagNMHDR* header, intptr_t& result) override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // Runs the window's own handling of a message now.
  intptr_t Default(uint32_t msg, uintptr_t wParam, intptr_t lParam);
  std::unique_ptr<TVexlorLiveRichEdit> live_;
};
