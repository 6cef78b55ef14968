// The control base of the form layer: each TControl owns one child window,
// and containers (forms, group boxes, tab sheets) relay its messages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "vl3Component.h"
#include "vl3Forms.h"
#include "vl3Geometry.h"
#include "vl3Sets.h"
#include "vl3WindowLink_win.h"

// Handles without <windows.h>, so that portable headers may follow this one.
struct HWND__;
struct HFONT__;
struct HICON__;
struct tagNMHDR;
struct tagDRAWITEMSTRUCT;

class TControl;
class TForm;
using TNotifyEvent = std::function<void(TComponent* sender)>;
// key is a virtual-key code; setting it to 0 swallows the key.
using TKeyEvent = std::function<void(TComponent* sender, uint16_t& key)>;

// Shared by the layer's units.
namespace VxWin {
extern const char* const kFormClass;   // top-level and embedded forms
extern const char* const kPanelClass;  // containers inside a form
std::string WindowText(HWND__* wnd);
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
  // Unlinks whatever container wnd had; its window procedure calls this at
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

class TControl : public TComponent, private VxWin::TSubclassHandler {
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
  // True when ch is the control's mnemonic; the control then acted on it.
  virtual bool DialogChar(char ch);
  // Whether caption marks ch with '&' (case-insensitive).
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
  // Every control's window is subclassed: its messages come here first.
  bool SubclassMessage(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam,
                       intptr_t& result) override;
  void SubclassDestroyed(HWND__* wnd) override;
  TParentWindow* parent_ = nullptr;
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0, extraHeight_ = 0;
  bool visible_ = true, enabled_ = true, tabStop_ = false, parentFont_ = true;
  int32_t tabOrder_ = 0;
  TFont font_;
  TAnchors anchors_{TAnchorKind::akLeft, TAnchorKind::akTop};
};
