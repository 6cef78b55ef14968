// A rich edit for application forms that carries live spelling: the 2.0
// rich edit with its messages routed through a live-spelling object.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "vl3LiveRichEdit.h"
#include "vl3RichEditBox_win.h"

class TParsingEngine;

/// A rich edit that underlines misspelt words as the user types.
class TVexlorRichEdit : public TRichEdit {
 public:
  /// Creates the editor on a form or another container.
  explicit TVexlorRichEdit(TComponent* owner, TParentWindow* parent = nullptr);
  ~TVexlorRichEdit() override;

  // The window class: "TVexlorRichEdit", derived from "RichEdit20A".
  /// The window class name.
  static const char* const kClassName;

  // ---- Virtual operations, in slot order -----------------------------------
  /// The parsing engine that finds the words to underline.
  virtual TParsingEngine* GetParsingEngine();
  /// Replaces the parsing engine; the editor owns the new one.
  virtual void SetParsingEngine(TParsingEngine* engine);  // takes ownership
  /// The characters after which live auto-correction applies.
  virtual std::string GetAutoCorrectChars();
  /// Sets the characters after which live auto-correction applies.
  virtual void SetAutoCorrectChars(const std::string& value);
  /// Whether the underline is placed by measuring the text's baseline.
  virtual bool GetMeasureBaseline();
  /// Sets whether the underline is placed by measuring the text's baseline.
  virtual void SetMeasureBaseline(bool value);
  /// Whether buffered painting stops at the right margin.
  virtual bool GetStopBufferingOnMargin();
  /// Sets whether buffered painting stops at the right margin.
  virtual void SetStopBufferingOnMargin(bool value);
  /// Whether misspelt words are underlined.
  virtual bool GetLiveSpelling();
  /// Turns underlining of misspelt words on or off.
  virtual void SetLiveSpelling(bool value);
  /// Whether auto-corrections are applied as the user types.
  virtual bool GetLiveCorrect();
  /// Turns auto-correction as the user types on or off.
  virtual void SetLiveCorrect(bool value);
  /// The spell-checker component whose dictionaries and options the editor uses.
  virtual TVexlorSpell3Base* GetVexlorSpell();
  /// Sets the spell-checker component whose dictionaries and options the editor uses.
  virtual void SetVexlorSpell(TVexlorSpell3Base* value);
  /// The colour of the underlines (COLORREF).
  virtual uint32_t GetLiveSpellingColor();
  /// Sets the colour of the underlines (COLORREF).
  virtual void SetLiveSpellingColor(uint32_t value);
  /// Whether the editor paints through an off-screen buffer.
  virtual bool GetDoubleBuffered();
  /// Sets whether the editor paints through an off-screen buffer.
  virtual void SetDoubleBuffered(bool value);
  /// Whether the component's options turn live spelling on and off.
  virtual bool GetLiveSpellingOptions();
  /// Sets whether the component's options turn live spelling on and off.
  virtual void SetLiveSpellingOptions(bool value);
  /// The items of the right-click suggestions menu.
  virtual TSpellPopupOptions GetLiveMenuOptions();
  /// Sets the items of the right-click suggestions menu.
  virtual void SetLiveMenuOptions(TSpellPopupOptions value);
  /// Whether a read-only editor is underlined too.
  virtual bool GetLiveSpellingReadOnly();
  /// Sets whether a read-only editor is underlined too.
  virtual void SetLiveSpellingReadOnly(bool value);
  /// Checks the editor's text with the component's spelling dialog.
  virtual void CheckSpelling(TCheckType checkType);

  // ---- Published properties --------------------------------------------------
  /// Whether misspelt words are underlined.
  bool LiveSpelling() { return GetLiveSpelling(); }
  /// Whether auto-corrections are applied as the user types.
  bool LiveCorrect() { return GetLiveCorrect(); }
  /// The spell-checker component the editor uses.
  TVexlorSpell3Base* VexlorSpell() { return GetVexlorSpell(); }
  /// The colour of the underlines.
  uint32_t LiveSpellingColor() { return GetLiveSpellingColor(); }
  /// Whether the editor paints through an off-screen buffer.
  bool DoubleBuffered() { return GetDoubleBuffered(); }
  /// Whether the component's options turn live spelling on and off.
  bool LiveSpellingOptions() { return GetLiveSpellingOptions(); }
  /// The items of the right-click suggestions menu.
  TSpellPopupOptions LiveMenuOptions() { return GetLiveMenuOptions(); }
  /// Whether a read-only editor is underlined too.
  bool LiveSpellingReadOnly() { return GetLiveSpellingReadOnly(); }
  // Read-only, not stored: the suite's version text.
  /// The suite's version text.
  std::string Version() const;

  /// The live-spelling object behind the editor.
  TVexlorLiveRichEdit* Live() const { return live_.get(); }

  /// Routes the window's messages through live spelling.
  bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
  /// Handles the rich edit's notifications (selection changes).
  bool Notify(tagNMHDR* header, intptr_t& result) override;
  /// Forgets a component that is being destroyed.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  // Runs the window's own handling of a message now.
  intptr_t Default(uint32_t msg, uintptr_t wParam, intptr_t lParam);
  std::unique_ptr<TVexlorLiveRichEdit> live_;
};
