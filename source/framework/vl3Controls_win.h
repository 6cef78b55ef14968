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
using TNotifyEvent = std::function<void(TComponent* Sender)>;
// Key is a virtual-key code; setting it to 0 swallows the key.
using TKeyEvent = std::function<void(TComponent* Sender, uint16_t& Key)>;

// Shared by the layer's units.
namespace VxWin {
extern const char* const kFormClass;   // top-level and embedded forms
extern const char* const kPanelClass;  // containers inside a form
std::string WindowText(HWND__* Wnd);
// Where Value goes in a list of Count items kept in case-insensitive order
// (after equal items).
int32_t SortedPosition(int32_t Count, const std::function<std::string(int32_t)>& ItemAt,
                       const std::string& Value);
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
  static TParentWindow* ContainerOf(HWND__* Wnd);
  // Unlinks whatever container Wnd had; its window procedure calls this at
  // WM_NCDESTROY, since a handle may be reused once the window is gone.
  static void ForgetContainer(HWND__* Wnd);

  // Handles what every container does with its children's messages
  // (commands, notifications, resizing, the application cursor).
  static bool ContainerMessage(HWND__* Wnd, uint32_t Msg, uintptr_t WParam, intptr_t LParam,
                               intptr_t& Result);

 protected:
  // Links the container to its window once the window exists.
  void AttachContainer(HWND__* Wnd);
  // Deletes the children (with their windows); call from the destructor
  // before the container's own window goes.
  void DestroyControls();
  void ApplyAnchors(int32_t NewWidth, int32_t NewHeight);

 private:
  friend class TControl;
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
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
  static TControl* FromHandle(HWND__* Wnd);

  TParentWindow* Parent() const { return parent_; }
  TForm* ParentForm() const { return parent_ ? parent_->ParentForm() : nullptr; }

  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetLeft(int32_t Value) { SetBounds(Value, top_, width_, height_); }
  void SetTop(int32_t Value) { SetBounds(left_, Value, width_, height_); }
  void SetWidth(int32_t Value) { SetBounds(left_, top_, Value, height_); }
  void SetHeight(int32_t Value) { SetBounds(left_, top_, width_, Value); }
  virtual void SetBounds(int32_t Left, int32_t Top, int32_t Width, int32_t Height);
  TRect BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  TRect ClientRect() const;
  // The control's rectangle on the screen.
  TRect ScreenRect() const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool Value);
  // Visible, and every container up to the form visible too.
  bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool Value);

  // The window text (caption of labels and buttons, contents of edits).
  virtual std::string Text() const;
  virtual void SetText(const std::string& Value);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& Value) { SetText(Value); }

  int32_t TabOrder() const { return tabOrder_; }
  void SetTabOrder(int32_t Value);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool Value);

  const TFont& Font() const { return font_; }
  void SetFont(const TFont& Value);
  // True until SetFont: the control follows its form's font.
  bool ParentFont() const { return parentFont_; }
  void ApplyParentFont(const TFont& Value);

  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors Value) { anchors_ = Value; }

  int32_t Tag = 0;

  void SetFocus();
  bool Focused() const;
  bool CanFocus() const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TKeyEvent OnKeyDown;

  // Messages sent to the control's own window; return true when handled.
  virtual bool WndProc(uint32_t Msg, uintptr_t WParam, intptr_t LParam, intptr_t& Result);
  // WM_COMMAND notification codes and WM_NOTIFY headers sent to the parent
  // about this control.
  virtual void Command(uint16_t Code) { (void)Code; }
  virtual bool Notify(tagNMHDR* Header, intptr_t& Result) {
    (void)Header;
    (void)Result;
    return false;
  }
  // WM_DRAWITEM sent to the parent about this control (owner-drawn items);
  // return true when drawn.
  virtual bool DrawItem(tagDRAWITEMSTRUCT* Item) {
    (void)Item;
    return false;
  }
  // The mnemonic character was typed: focus or press the control.
  virtual void Accelerate();
  // True when Ch is the control's mnemonic; the control then acted on it.
  virtual bool DialogChar(char Ch);
  // Whether Caption marks Ch with '&' (case-insensitive).
  static bool IsAccel(char Ch, const std::string& Caption);
  // The key went down while the control had the focus; false swallows it.
  bool KeyDown(uint16_t Key);
  virtual void Click();

 protected:
  // Creates the window at once; with a null parent the control goes on the
  // first form in its owner chain.
  TControl(TComponent* AOwner, TParentWindow* AParent);
  // Makes the window: class, styles, extended styles.
  void CreateHandle(const char* ClassName, uint32_t Style, uint32_t ExStyle = 0,
                    int32_t ExtraHeight = 0);
  // The procedure our subclass replaced (the class's own, or one that
  // subclassed the window before us): what an unhandled message gets.
  intptr_t DefWndProc(uint32_t Msg, uintptr_t WParam, intptr_t LParam);
  // Called after SetBounds moved or sized the window.
  virtual void Resized() {}
  // Called after the control's font changed.
  virtual void FontChanged() {}
  HWND__* handle_ = nullptr;

 private:
  // Our procedure on every control's window; it finds the object in a
  // process-local table, since a window property costs Wine a server round
  // trip on every message.
  static intptr_t __stdcall ControlProc(HWND__* Wnd, uint32_t Msg, uintptr_t WParam,
                                        intptr_t LParam);
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
  explicit TLabel(TComponent* AOwner, TParentWindow* AParent = nullptr);
  void SetText(const std::string& Value) override;
  // The control that the label's mnemonic focuses.
  TControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TControl* Value) { focusControl_ = Value; }
  // With AutoSize (the default) the label's size follows its text.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool Value);
  void SetWordWrap(bool Value);
  void Accelerate() override;
  bool DialogChar(char Ch) override;
  void AdjustSize();

 protected:
  void FontChanged() override { AdjustSize(); }

 private:
  TControl* focusControl_ = nullptr;
  bool autoSize_ = true, wordWrap_ = false;
};

class TButton : public TControl {
 public:
  explicit TButton(TComponent* AOwner, TParentWindow* AParent = nullptr);
  // Enter presses the default button, Escape the cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool Value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool Value) { cancel_ = Value; }
  // A result other than mrNone is given to the form when the button is pressed.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult Value) { modalResult_ = Value; }
  void Click() override;
  void Command(uint16_t Code) override;
  void Accelerate() override;
  bool DialogChar(char Ch) override;

 private:
  bool default_ = false, cancel_ = false;
  TModalResult modalResult_ = mrNone;
};

class TCheckBox : public TControl {
 public:
  explicit TCheckBox(TComponent* AOwner, TParentWindow* AParent = nullptr);
  bool Checked() const;
  // Changing the state from code raises OnClick too.
  void SetChecked(bool Value);
  void Command(uint16_t Code) override;
  void Accelerate() override;
  bool DialogChar(char Ch) override;
};

class TEdit : public TControl {
 public:
  explicit TEdit(TComponent* AOwner, TParentWindow* AParent = nullptr);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool Value);
  void SelectAll();
  int32_t SelStart() const;
  int32_t SelLength() const;
  void SetSel(int32_t Start, int32_t Length);
  void Command(uint16_t Code) override;
  TNotifyEvent OnChange;

 protected:
  TEdit(TComponent* AOwner, TParentWindow* AParent, uint32_t Style);

 private:
  bool readOnly_ = false;
};

// A multi-line edit; Text holds the lines separated by CR LF.
class TMemo : public TEdit {
 public:
  explicit TMemo(TComponent* AOwner, TParentWindow* AParent = nullptr);
  int32_t LineCount() const;
  std::string Line(int32_t Index) const;
  void AddLine(const std::string& Value);
};

// A group frame that is a container of its own: its controls sit on it and
// move with it.
class TGroupBox : public TControl, public TParentWindow {
 public:
  explicit TGroupBox(TComponent* AOwner, TParentWindow* AParent = nullptr);
  ~TGroupBox() override;
  HWND__* ClientHandle() const override { return handle_; }
  TForm* ParentForm() override { return TControl::ParentForm(); }
  std::string Text() const override;
  void SetText(const std::string& Value) override;

 protected:
  void Resized() override;
  void FontChanged() override;

 private:
  HWND__* frame_ = nullptr;  // the system group box, child of our panel
};

// A plain container of the form's colour (tab sheets, embedded areas).
class TPanel : public TControl, public TParentWindow {
 public:
  explicit TPanel(TComponent* AOwner, TParentWindow* AParent = nullptr);
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
  std::string Items(int32_t Index) const;
  // Returns the index the item got (its sorted place in a sorted list). In
  // a list of owner data the owner placed the item already: Add appends a
  // row and Insert puts one at Index, whatever the order.
  int32_t Add(const std::string& Value);
  void Insert(int32_t Index, const std::string& Value);
  void Delete(int32_t Index);
  void Clear();
  void SetItems(const std::vector<std::string>& Values);
  // Case-insensitive exact match, -1 when absent.
  int32_t IndexOf(const std::string& Value) const;
  int32_t ItemIndex() const;
  void SetItemIndex(int32_t Value);

  // The messages of one kind of list.
  struct TMessages {
    uint32_t Count, TextLength, Text, Insert, Delete, Reset, GetSelection, SetSelection;
  };

 protected:
  TCustomListControl(TComponent* AOwner, TParentWindow* AParent, const TMessages& Messages);
  // The text of an item whose text the control does not hold.
  virtual std::string OwnerItem(int32_t Index) const {
    (void)Index;
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
using TLBGetDataEvent = std::function<void(TComponent* Control, int32_t Index, std::string& Data)>;

class TListBox : public TCustomListControl {
 public:
  // The style is fixed when the window is made.
  explicit TListBox(TComponent* AOwner, TParentWindow* AParent = nullptr,
                    TListBoxStyle Style = TListBoxStyle::lbStandard);
  TListBoxStyle Style() const { return style_; }
  // Sorted lists keep their items in case-insensitive order; a virtual list
  // only learns that its owner gives them so (typing then finds by halving).
  bool Sorted() const { return sorted_; }
  void SetSorted(bool Value);
  // Virtual lists: the number of rows.
  void SetCount(int32_t Value);
  void Command(uint16_t Code) override;
  bool WndProc(uint32_t Msg, uintptr_t WParam, intptr_t LParam, intptr_t& Result) override;
  bool DrawItem(tagDRAWITEMSTRUCT* Item) override;
  TLBGetDataEvent OnData;

 protected:
  std::string OwnerItem(int32_t Index) const override;
  void FontChanged() override;

 private:
  void FitItemHeight();
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  TTypeAhead typeAhead_;
};

// A drop-down list without free text.
class TComboBox : public TCustomListControl {
 public:
  explicit TComboBox(TComponent* AOwner, TParentWindow* AParent = nullptr);
  // The selected item.
  std::string Text() const override;
  void Command(uint16_t Code) override;
  // The user picked an item.
  TNotifyEvent OnChange;
};

// An icon.
class TImage : public TControl {
 public:
  explicit TImage(TComponent* AOwner, TParentWindow* AParent = nullptr);
  // A system icon (IDI_ value) or one from the program's resources.
  void SetIcon(HICON__* Icon);
  void LoadSystemIcon(int32_t Id);
};

enum class TBevelShape : unsigned char { bsBox, bsTopLine, bsBottomLine, bsFrame };

// An etched line or frame.
class TBevel : public TControl {
 public:
  explicit TBevel(TComponent* AOwner, TParentWindow* AParent = nullptr);
  void SetShape(TBevelShape Value);
  TBevelShape Shape() const { return shape_; }
  void SetBounds(int32_t Left, int32_t Top, int32_t Width, int32_t Height) override;

 private:
  TBevelShape shape_ = TBevelShape::bsBox;
};

// ---- Timer -----------------------------------------------------------------

// A message timer; OnTimer runs from the message loop every Interval ms
// while Enabled.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner = nullptr);
  ~TTimer() override;
  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t Value);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool Value);
  TNotifyEvent OnTimer;

 private:
  void Update();
  static void __stdcall TimerProc(HWND__* Wnd, uint32_t Msg, uintptr_t Id, unsigned long Time);
  uint32_t interval_ = 1000;
  bool enabled_ = true;
  uintptr_t id_ = 0;
};
