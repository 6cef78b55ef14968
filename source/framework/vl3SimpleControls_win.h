// The simple controls of the form layer: labels, buttons, check boxes,
// edits, group boxes, panels, icons and bevels over the system's own.
#pragma once

#include <cstdint>
#include <string>

#include "vl3ControlBase_win.h"

class TLabel : public TControl {
 public:
  explicit TLabel(TComponent* owner, TParentWindow* parent = nullptr);
  void SetText(const std::string& value) override;
  // The control that the label's mnemonic focuses.
  TControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TControl* value) { focusControl_ = value; }
  // With AutoSize (the default) the label's size follows its text.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  void SetWordWrap(bool value);
  void Accelerate() override;
  bool DialogChar(char ch) override;
  void AdjustSize();

 protected:
  void FontChanged() override { AdjustSize(); }

 private:
  TControl* focusControl_ = nullptr;
  bool autoSize_ = true, wordWrap_ = false;
};

class TButton : public TControl {
 public:
  explicit TButton(TComponent* owner, TParentWindow* parent = nullptr);
  // Enter presses the default button, Escape the cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  // A result other than mrNone is given to the form when the button is pressed.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  void Click() override;
  void Command(uint16_t code) override;
  void Accelerate() override;
  bool DialogChar(char ch) override;

 private:
  bool default_ = false, cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

class TCheckBox : public TControl {
 public:
  explicit TCheckBox(TComponent* owner, TParentWindow* parent = nullptr);
  bool Checked() const;
  // Changing the state from code raises OnClick too.
  void SetChecked(bool value);
  void Command(uint16_t code) override;
  void Accelerate() override;
  bool DialogChar(char ch) override;
};

class TEdit : public TControl {
 public:
  explicit TEdit(TComponent* owner, TParentWindow* parent = nullptr);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  void SelectAll();
  int32_t SelStart() const;
  int32_t SelLength() const;
  void SetSel(int32_t start, int32_t length);
  void Command(uint16_t code) override;
  TNotifyEvent OnChange;

 protected:
  TEdit(TComponent* owner, TParentWindow* parent, uint32_t style);

 private:
  bool readOnly_ = false;
};

// A multi-line edit; Text holds the lines separated by CR LF.
class TMemo : public TEdit {
 public:
  explicit TMemo(TComponent* owner, TParentWindow* parent = nullptr);
  int32_t LineCount() const;
  std::string Line(int32_t index) const;
  void AddLine(const std::string& value);
};

// A group frame that is a container of its own: its controls sit on it and
// move with it.
class TGroupBox : public TControl, public TParentWindow {
 public:
  explicit TGroupBox(TComponent* owner, TParentWindow* parent = nullptr);
  ~TGroupBox() override;
  HWND__* ClientHandle() const override { return handle_; }
  TForm* ParentForm() override { return TControl::ParentForm(); }
  std::string Text() const override;
  void SetText(const std::string& value) override;

 protected:
  void Resized() override;
  void FontChanged() override;

 private:
  HWND__* frame_ = nullptr;  // the system group box, child of our panel
};

// A plain container of the form's colour (tab sheets, embedded areas).
class TPanel : public TControl, public TParentWindow {
 public:
  explicit TPanel(TComponent* owner, TParentWindow* parent = nullptr);
  ~TPanel() override;
  HWND__* ClientHandle() const override { return handle_; }
  TForm* ParentForm() override { return TControl::ParentForm(); }

 protected:
  void Resized() override;
};

// An icon.
class TImage : public TControl {
 public:
  explicit TImage(TComponent* owner, TParentWindow* parent = nullptr);
  // A system icon (IDI_ value) or one from the program's resources.
  void SetIcon(HICON__* icon);
  void LoadSystemIcon(int32_t id);
};

enum class TBevelShape : unsigned char { bsBox, bsTopLine, bsBottomLine, bsFrame };

// An etched line or frame.
class TBevel : public TControl {
 public:
  explicit TBevel(TComponent* owner, TParentWindow* parent = nullptr);
  void SetShape(TBevelShape value);
  TBevelShape Shape() const { return shape_; }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
};
