// Form layouts as readable tables: one row per control (name, kind,
// position, caption, tab order), turned into real controls in one call.
#pragma once

#include <cstddef>
#include <cstdint>
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
};

struct TLayoutItem {
  const char* Name;
  TControlKind Kind;
  int32_t Left, Top, Width, Height;
  const char* Caption;
  int32_t TabOrder;  // -1: after the rows that give one, in row order
  // The row's container (a group box, panel, page control or tab sheet of an
  // earlier row); null or "" for the form itself.
  const char* Parent = nullptr;
  uint32_t Flags = lfNone;
  // A label's focus control (a later row may be named).
  const char* FocusControl = nullptr;
};

struct TFormLayout {
  const char* Caption;
  int32_t ClientWidth, ClientHeight;
  TFormBorderStyle BorderStyle;
  TPosition Position;
};

// Creates one control per row in row order, owned by the form and named as
// in the row, and returns them in row order. Rows whose parent is unknown
// are placed on the form.
std::vector<TControl*> CreateControls(TForm& Form, const TLayoutItem* Items, size_t Count);

// Caption, client size, border style and placement, then the controls.
std::vector<TControl*> ApplyLayout(TForm& Form, const TFormLayout& Layout, const TLayoutItem* Items,
                                   size_t Count);

template <size_t N>
std::vector<TControl*> ApplyLayout(TForm& Form, const TFormLayout& Layout,
                                   const TLayoutItem (&Items)[N]) {
  return ApplyLayout(Form, Layout, Items, N);
}
