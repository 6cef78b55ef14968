// Thin wrappers over real Windows controls: each TControl owns one child
// window, and containers (forms, group boxes, tab sheets) relay its messages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vl3Component.h"
#include "vl3Forms.h"
#include "vl3Geometry.h"
#include "vl3Sets.h"
#include "vl3TypeAhead.h"

// Handles without <windows.h>, so that portable headers may follow this one.
struct HWND__;
struct HFONT__;
struct HICON__;
struct tagNMHDR;
struct tagDRAWITEMSTRUCT;

class TControl;
class TForm;
using TNotifyEvent = std::function<void(TComponent* sender)>;
// Key is a virtual-key code; setting it to 0 swallows the key.
using TKeyEvent = std::function<void(TComponent* sender, uint16_t& key)>;

// Shared by the layer's units.
namespace VxWin {
extern const char* const kFormClass;   // top-level and embedded forms
extern const char* const kPanelClass;  // containers inside a form
std::string WindowText(HWND__* wnd);
// Where Value goes in a list of Count items kept in case-insensitive order
// (after equal items).
int32_t SortedPosition(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                       const std::string& value);
}  // namespace VxWin

// ---- Fonts -----------------------------------------------------------------

enum class TFontStyle : unsigned char { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle, unsigned char>;

// A font description; Handle() gives a shared system font for it that lives
// as long as the program.
struct TFont {
  std::string Name = "MS Sans Serif";
  int32_t Height = -11;  // negative: character height in pixels
  uint8_t Charset = 1;   // DEFAULT_CHARSET
  TFontStyles Style;

  HFONT__* Handle() const;
  bool operator==(const TFont& o) const {
    return Name == o.Name && Height == o.Height && Charset == o.Charset && Style == o.Style;
  }
  bool operator!=(const TFont& o) const { return !(*this == o); }
};

// ---- Anchors ---------------------------------------------------------------

enum class TAnchorKind : unsigned char { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind, unsigned char>;

// ---- Containers ------------------------------------------------------------

// A window that holds controls: it relays their notifications to them, keeps
// their window order equal to their tab order and moves anchored controls
// when it is resized. Its controls are deleted with it (create them with new).
class TParentWindow {
 public:
  virtual ~TParentWindow();
  // The window the children live in.
  virtual HWND__* ClientHandle() const = 0;
  // The form this container belongs to (itself for a form).
  virtual TForm* ParentForm() = 0;

  const std::vector<TControl*>& Controls() const { return controls_; }
  // Puts the children's windows in tab order, so that Tab walks them in it.
  void ArrangeTabOrder();
  TRect ClientRect() const;
  // The container whose window that is, or null.
  static TParentWindow* ContainerOf(HWND__* wnd);
  // Unlinks whatever container Wnd had; its window procedure calls this at
  // WM_NCDESTROY, since a handle may be reused once the window is gone.
  static void ForgetContainer(HWND__* wnd);

  // Handles what every container does with its children's messages
  // (commands, notifications, resizing, the application cursor).
  static bool ContainerMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                               intptr_t& result);

 protected:
  // Links the container to its window once the window exists.
  void AttachContainer(HWND__* wnd);
  // Deletes the children (with their windows); call from the destructor
  // before the container's own window goes.
  void DestroyControls();
  void ApplyAnchors(int32_t newWidth, int32_t newHeight);

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  std::vector<TControl*> controls_;  // not owned through this list
  int32_t lastWidth_ = -1, lastHeight_ = -1;
  HWND__* containerHandle_ = nullptr;
};

// ---- The control base ------------------------------------------------------

class TControl : public TComponent {
 public:
  ~TControl() override;

  HWND__* Handle() const { return handle_; }
  // The wrapper of a window made by this layer, or null.
  static TControl* FromHandle(HWND__* wnd);

  TParentWindow* Parent() const { return parent_; }
  TForm* ParentForm() const { return parent_ ? parent_->ParentForm() : nullptr; }

  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetLeft(int32_t value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int32_t value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int32_t value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int32_t value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  TRect ClientRect() const;
  // The control's rectangle on the screen.
  TRect ScreenRect() const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool value);
  // Visible, and every container up to the form visible too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  // The window text (caption of labels and buttons, contents of edits).
  virtual std::string Text() const;
  virtual void SetText(const std::string& value);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& value) { SetText(value); }

  int32_t TabOrder() const { return tabOrder_; }
  void SetTabOrder(int32_t value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& value);
  // True until SetFont: the control follows its form's font.
  bool ParentFont() const { return parentFont_; }
  void ApplyParentFont(const TFont& value);

  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value) { anchors_ = value; }

  int32_t Tag = 0;

  void SetFocus();
  bool Focused() const;
  bool CanFocus() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TKeyEvent OnKeyDown;

  // Messages sent to the control's own window; return true when handled.
  virtual bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result);
  // WM_COMMAND notification codes and WM_NOTIFY headers sent to the parent
  // about this control.
  virtual void Command(uint16_t code) { (void)code; }
  virtual bool Notify(tagNMHDR* header, intptr_t& result) {
    (void)header;
    (void)result;
    return false;
  }
  // WM_DRAWITEM sent to the parent about this control (owner-drawn items);
  // return true when drawn.
  virtual bool DrawItem(tagDRAWITEMSTRUCT* item) {
    (void)item;
    return false;
  }
  // The mnemonic character was typed: focus or press the control.
  virtual void Accelerate();
  // True when Ch is the control's mnemonic; the control then acted on it.
  virtual bool DialogChar(char ch);
  // Whether Caption marks Ch with '&' (case-insensitive).
  static bool IsAccel(char ch, const std::string& caption);
  // The key went down while the control had the focus; false swallows it.
  bool KeyDown(uint16_t key);
  virtual void Click();

 protected:
  // Creates the window at once; with a null parent the control goes on the
  // first form in its owner chain.
  TControl(TComponent* owner, TParentWindow* parent);
  // Makes the window: class, styles, extended styles.
  void CreateHandle(const char* className, uint32_t style, uint32_t exStyle = 0,
                    int32_t extraHeight = 0);
  // The procedure our subclass replaced (the class's own, or one that
  // subclassed the window before us): what an unhandled message gets.
  intptr_t DefWndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam);
  // Called after SetBounds moved or sized the window.
  virtual void Resized() {}
  // Called after the control's font changed.
  virtual void FontChanged() {}
  HWND__* handle_ = nullptr;

 private:
  // Our procedure on every control's window; it finds the object in a
  // process-local table, since a window property costs Wine a server round
  // trip on every message.
  static intptr_t __stdcall ControlProc(HWND__* wnd, uint32_t msg, uintptr_t wParam,
                                        intptr_t lParam);
  void* previousProc_ = nullptr;
  TParentWindow* parent_ = nullptr;
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0, extraHeight_ = 0;
  bool visible_ = true, enabled_ = true, tabStop_ = false, parentFont_ = true;
  int32_t tabOrder_ = 0;
  TFont font_;
  TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
};

// ---- Simple controls -------------------------------------------------------

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

// The item list that list boxes and drop-down lists share; they differ only
// in the messages that reach their items.
class TCustomListControl : public TControl {
 public:
  int32_t Count() const;
  std::string Items(int32_t index) const;
  // Returns the index the item got (its sorted place in a sorted list). In
  // a list of owner data the owner placed the item already: Add appends a
  // row and Insert puts one at Index, whatever the order.
  int32_t Add(const std::string& value);
  void Insert(int32_t index, const std::string& value);
  void Delete(int32_t index);
  void Clear();
  void SetItems(const std::vector<std::string>& values);
  // Case-insensitive exact match, -1 when absent.
  int32_t IndexOf(const std::string& value) const;
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t value);

  // The messages of one kind of list.
  struct TMessages {
    uint32_t Count, TextLength, Text, Insert, Delete, Reset, GetSelection, SetSelection;
  };

 protected:
  TCustomListControl(TComponent* owner, TParentWindow* parent, const TMessages& messages);
  // The text of an item whose text the control does not hold.
  virtual std::string OwnerItem(int32_t index) const {
    (void)index;
    return std::string();
  }
  bool sorted_ = false;
  bool ownerData_ = false;  // the control holds only the number of items

 private:
  const TMessages& messages_;
};

// lbVirtual: the control holds only the number of items (SetCount) and asks
// OnData for each text it draws or reads, so that a list of any length fills
// at once; the owner keeps the texts and tells of each row added or deleted.
enum class TListBoxStyle : unsigned char { lbStandard, lbVirtual };
// An index the owner does not hold leaves Data empty.
using TLBGetDataEvent = std::function<void(TComponent* control, int32_t index, std::string& data)>;

class TListBox : public TCustomListControl {
 public:
  // The style is fixed when the window is made.
  explicit TListBox(TComponent* owner, TParentWindow* parent = nullptr,
                    TListBoxStyle style = TListBoxStyle::lbStandard);
  TListBoxStyle Style() const { return style_; }
  // Sorted lists keep their items in case-insensitive order; a virtual list
  // only learns that its owner gives them so (typing then finds by halving).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  // Virtual lists: the number of rows.
  void SetCount(int32_t value);
  void Command(uint16_t code) override;
  bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override;
  bool DrawItem(tagDRAWITEMSTRUCT* item) override;
  TLBGetDataEvent OnData;

 protected:
  std::string OwnerItem(int32_t index) const override;
  void FontChanged() override;

 private:
  void FitItemHeight();
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  TTypeAhead typeAhead_;
};

// A drop-down list without free text.
class TComboBox : public TCustomListControl {
 public:
  explicit TComboBox(TComponent* owner, TParentWindow* parent = nullptr);
  // The selected item.
  std::string Text() const override;
  void Command(uint16_t code) override;
  // The user picked an item.
  TNotifyEvent OnChange;
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

// ---- Timer -----------------------------------------------------------------

// A message timer; OnTimer runs from the message loop every Interval ms
// while Enabled.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner = nullptr);
  ~TTimer() override;
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  TNotifyEvent OnTimer;

 private:
  void Update();
  static void __stdcall TimerProc(HWND__* wnd, uint32_t msg, uintptr_t id, unsigned long time);
  uint32_t interval_ = 1000;
  bool enabled_ = true;
  uintptr_t id_ = 0;
};
