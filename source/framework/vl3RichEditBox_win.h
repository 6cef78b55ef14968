// The system's 2.0 rich edit ("RichEdit20A") as a control, with loading of
// rich-text files.
#pragma once

#include <cstdint>
#include <string>

#include "vl3Controls_win.h"

class TRichEdit : public TControl {
 public:
  explicit TRichEdit(TComponent* owner, TParentWindow* parent = nullptr);
  // Rich text, or plain text when the data is not rich text; false when the
  // file cannot be read (the contents then stay as they were).
  bool LoadFromFile(const std::string& fileName);
  bool LoadFromText(const std::string& data);
  void SetReadOnly(bool value);
  // False keeps the selection visible while the control has no focus.
  void SetHideSelection(bool value);
  int32_t SelStart() const;
  int32_t SelLength() const;
  void SetSel(int32_t start, int32_t length);
  void Command(uint16_t code) override;
  TNotifyEvent OnChange;

 protected:
  // A control of a window class derived from the 2.0 rich edit.
  TRichEdit(TComponent* owner, TParentWindow* parent, const char* className);
};
