// Form layouts as readable tables: one row per control (its member, position,
// caption, tab order, parent, flags, handler), turned into real controls in one call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <vector>

#include "vl3Form_win.h"

// Unscoped, so that layout rows read as plain tables.
enum TControlKind : unsigned char {
  ckLabel,
  ckButton,
  ckEdit,
  ckMemo,
  ckCheckBox,
  ckGroupBox,
  ckPanel,
  ckListBox,
  ckComboBox,
  ckListView,
  ckPageControl,
  ckTabSheet,
  ckRichEdit,
  ckImage,
  ckBevel
};

// Options of a row; combine with |.
enum TLayoutFlag : uint32_t {
  lfNone = 0,
  lfDefault = 1u << 0,      // button: Enter presses it
  lfCancel = 1u << 1,       // button: Escape presses it
  lfModalOk = 1u << 2,      // button: ends the modal form with mrOk
  lfModalCancel = 1u << 3,  // button: ends the modal form with mrCancel
  lfReadOnly = 1u << 4,     // edit, memo, rich edit
  lfNoTabStop = 1u << 5,
  lfSorted = 1u << 6,  // list box; list view by caption
  lfHidden = 1u << 7,
  lfDisabled = 1u << 8,
  lfWordWrap = 1u << 9,        // label
  lfCheckBoxes = 1u << 10,     // list view
  lfRowSelect = 1u << 11,      // list view: whole-row selection
  lfNoHeader = 1u << 12,       // list view: no column headers
  lfEditCaptions = 1u << 13,   // list view: captions editable in place
  lfShowSelection = 1u << 14,  // list view, rich edit: selection stays visible
  lfAnchorRight = 1u << 15,    // anchored to the right edge too
  lfAnchorBottom = 1u << 16,   // anchored to the bottom edge too
  lfTabHidden = 1u << 17,      // tab sheet: its tab is not shown
  lfVirtual = 1u << 18,        // list box, list view: the owner holds the items
  lfAnchorRightOnly = 1u << 19,   // follows the right edge alone, keeping its width
  lfAnchorBottomOnly = 1u << 20,  // follows the bottom edge alone, keeping its height
};

class TComboBox;
class TPageControl;
class TRichEdit;
class TTabSheet;

// Where a row's parent or a label's focus control is: the address of the
// form's member that an earlier row (or a later one, for a focus control)
// fills, or a control's name. Null or "" is the form itself.
class TLayoutRef {
 public:
  TLayoutRef() = default;
  TLayoutRef(std::nullptr_t) {}
  TLayoutRef(const char* name) : name_(name) {}
  template <class T>
  TLayoutRef(T* const* member) : member_(member), read_(&Read<T>) {}

  // The control referred to once the rows before are made; null for the form.
  TControl* Resolve(const TForm& form) const;

 private:
  template <class T>
  static TControl* Read(const void* member) {
    return *static_cast<T* const*>(member);
  }

  const char* name_ = nullptr;
  const void* member_ = nullptr;
  TControl* (*read_)(const void*) = nullptr;
};

// The event a row's handler goes to: a click, or the change of an edit or a
// combo box, or the showing of a tab sheet. Picked by the member's class.
TNotifyEvent& LayoutMainEvent(TControl& control);
TNotifyEvent& LayoutMainEvent(TEdit& control);
TNotifyEvent& LayoutMainEvent(TComboBox& control);
TNotifyEvent& LayoutMainEvent(TRichEdit& control);
TNotifyEvent& LayoutMainEvent(TPageControl& control);
TNotifyEvent& LayoutMainEvent(TTabSheet& control);

// The kind the layout makes for a member's class; classes it does not know
// (controls of higher layers) are made by their own (owner, parent) constructor.
template <class T>
struct TLayoutKindOf {
  static constexpr bool Known = false;
  static constexpr TControlKind Kind = ckPanel;
};
#define VL_LAYOUT_KIND(Class, kind)               \
  class Class;                                    \
  template <>                                     \
  struct TLayoutKindOf<Class> {                   \
    static constexpr bool Known = true;           \
    static constexpr TControlKind Kind = kind;    \
  }
VL_LAYOUT_KIND(TLabel, ckLabel);
VL_LAYOUT_KIND(TButton, ckButton);
VL_LAYOUT_KIND(TEdit, ckEdit);
VL_LAYOUT_KIND(TMemo, ckMemo);
VL_LAYOUT_KIND(TCheckBox, ckCheckBox);
VL_LAYOUT_KIND(TGroupBox, ckGroupBox);
VL_LAYOUT_KIND(TPanel, ckPanel);
VL_LAYOUT_KIND(TListBox, ckListBox);
VL_LAYOUT_KIND(TComboBox, ckComboBox);
VL_LAYOUT_KIND(TListView, ckListView);
VL_LAYOUT_KIND(TPageControl, ckPageControl);
VL_LAYOUT_KIND(TTabSheet, ckTabSheet);
VL_LAYOUT_KIND(TRichEdit, ckRichEdit);
VL_LAYOUT_KIND(TImage, ckImage);
VL_LAYOUT_KIND(TBevel, ckBevel);
#undef VL_LAYOUT_KIND

// A member's name as its control's name: a trailing underscore (a member
// behind an accessor) is not part of it.
constexpr std::string_view LayoutControlName(std::string_view member) {
  return !member.empty() && member.back() == '_' ? member.substr(0, member.size() - 1) : member;
}

// The first two columns of a bound row: the member and the name it gives
// its control, so that a control is named once.
#define VL_CONTROL(member) member, LayoutControlName(#member)

// One row of a layout table. A bound row names a member of the form: the
// control is made as the member's class, stored in it and, given a handler,
// wired to its main event. An unbound row names a kind and is found by name.
struct TLayoutItem {
  TLayoutItem(const char* name, TControlKind kind, int32_t left, int32_t top, int32_t width,
              int32_t height, const char* caption = nullptr, int32_t tabOrder = 0,
              TLayoutRef parent = {}, uint32_t flags = lfNone, TLayoutRef focusControl = {})
      : Name(name ? name : ""), Kind(kind), Left(left), Top(top), Width(width), Height(height),
        Caption(caption), TabOrder(tabOrder), Parent(parent), Flags(flags),
        FocusControl(focusControl) {}

  template <class T>
  TLayoutItem(T*& member, std::string_view name, int32_t left, int32_t top, int32_t width,
              int32_t height, const char* caption = nullptr, int32_t tabOrder = 0,
              TLayoutRef parent = {}, uint32_t flags = lfNone, TLayoutRef focusControl = {})
      : TLayoutItem(nullptr, TLayoutKindOf<T>::Kind, left, top, width, height, caption, tabOrder,
                    parent, flags, focusControl) {
    static_assert(std::is_base_of_v<TControl, T>, "a layout row binds a control");
    Name = name;
    Member = &member;
    Store = &StoreAs<T>;
    if constexpr (!TLayoutKindOf<T>::Known) Make = &MakeAs<T>;
  }

  template <class T, class F>
  TLayoutItem(T*& member, std::string_view name, int32_t left, int32_t top, int32_t width,
              int32_t height, const char* caption, int32_t tabOrder, TLayoutRef parent,
              uint32_t flags, void (F::*handler)())
      : TLayoutItem(member, name, left, top, width, height, caption, tabOrder, parent, flags) {
    static_assert(std::is_base_of_v<TForm, F>, "a row's handler is a member of its form");
    Handler = static_cast<void (TForm::*)()>(handler);
    Wire = &WireAs<T, F>;
  }

  // The same with a handler that is told its sender.
  template <class T, class F>
  TLayoutItem(T*& member, std::string_view name, int32_t left, int32_t top, int32_t width,
              int32_t height, const char* caption, int32_t tabOrder, TLayoutRef parent,
              uint32_t flags, void (F::*handler)(TComponent* sender))
      : TLayoutItem(member, name, left, top, width, height, caption, tabOrder, parent, flags) {
    static_assert(std::is_base_of_v<TForm, F>, "a row's handler is a member of its form");
    SenderHandler = static_cast<void (TForm::*)(TComponent*)>(handler);
    Wire = &WireAs<T, F>;
  }

  std::string_view Name;
  TControlKind Kind;
  int32_t Left, Top, Width, Height;
  const char* Caption;
  int32_t TabOrder;  // -1: after the rows that give one, in row order
  // The row's container (a group box, panel, page control or tab sheet of an
  // earlier row); the form itself when null.
  TLayoutRef Parent;
  uint32_t Flags;
  // A label's focus control (a later row may be named).
  TLayoutRef FocusControl;

  // Bound rows only.
  void* Member = nullptr;
  void (*Store)(void* member, TControl* control) = nullptr;
  TControl* (*Make)(TForm& form, TParentWindow* parent) = nullptr;
  void (TForm::*Handler)() = nullptr;
  void (TForm::*SenderHandler)(TComponent* sender) = nullptr;
  void (*Wire)(const TLayoutItem& row, TControl* control, TForm& form) = nullptr;

 private:
  template <class T>
  static void StoreAs(void* member, TControl* control) {
    *static_cast<T**>(member) = static_cast<T*>(control);
  }
  template <class T>
  static TControl* MakeAs(TForm& form, TParentWindow* parent) {
    return new T(&form, parent);
  }
  template <class T, class F>
  static void WireAs(const TLayoutItem& row, TControl* control, TForm& form) {
    auto* owner = static_cast<F*>(&form);
    TNotifyEvent& event = LayoutMainEvent(*static_cast<T*>(control));
    if (row.Handler) {
      auto method = static_cast<void (F::*)()>(row.Handler);
      event = [owner, method](TComponent*) { (owner->*method)(); };
    } else {
      auto method = static_cast<void (F::*)(TComponent*)>(row.SenderHandler);
      event = [owner, method](TComponent* sender) { (owner->*method)(sender); };
    }
  }
};

struct TFormLayout {
  const char* Caption;
  int32_t ClientWidth, ClientHeight;
  TFormBorderStyle BorderStyle;
  TPosition Position;
};

// Creates one control per row in row order, owned by the form and named as
// in the row, fills the bound members and wires the handlers, and returns
// the controls in row order. Rows whose parent is unknown are placed on the form.
std::vector<TControl*> CreateControls(TForm& form, const TLayoutItem* items, size_t count);

template <size_t N>
std::vector<TControl*> CreateControls(TForm& form, const TLayoutItem (&items)[N]) {
  return CreateControls(form, items, N);
}

// Caption, client size, border style and placement, then the controls.
std::vector<TControl*> ApplyLayout(TForm& form, const TFormLayout& layout, const TLayoutItem* items,
                                   size_t count);

template <size_t N>
std::vector<TControl*> ApplyLayout(TForm& form, const TFormLayout& layout,
                                   const TLayoutItem (&items)[N]) {
  return ApplyLayout(form, layout, items, N);
}
