// Turns a form's layout table into controls: kind to class, flags to
// properties, parents and focus controls resolved, bound members filled.
#include <cstring>
#include <string>

#include "vl3Layout_win.h"
#include "vl3ListView_win.h"
#include "vl3PageControl_win.h"
#include "vl3RichEditBox_win.h"

namespace {

bool Has(uint32_t flags, TLayoutFlag flag) { return (flags & flag) != 0; }

TAnchors RowAnchors(uint32_t flags) {
  using A = TAnchorKind;
  TAnchors anchors{Has(flags, lfAnchorRightOnly) ? A::akRight : A::akLeft,
                   Has(flags, lfAnchorBottomOnly) ? A::akBottom : A::akTop};
  if (Has(flags, lfAnchorRight)) anchors.Include(A::akRight);
  if (Has(flags, lfAnchorBottom)) anchors.Include(A::akBottom);
  return anchors;
}

TControl* MakeControl(TForm& form, const TLayoutItem& row) {
  TControl* container = row.Parent.Resolve(form);
  TParentWindow* parent = dynamic_cast<TParentWindow*>(container);
  if (!parent) parent = &form;
  if (row.Make) return row.Make(form, parent);
  const uint32_t f = row.Flags;
  switch (row.Kind) {
    case ckLabel: {
      auto* c = new TLabel(&form, parent);
      if (Has(f, lfWordWrap)) {
        c->SetAutoSize(false);
        c->SetWordWrap(true);
      }
      return c;
    }
    case ckButton: {
      auto* c = new TButton(&form, parent);
      c->SetDefault(Has(f, lfDefault));
      c->SetCancel(Has(f, lfCancel));
      if (Has(f, lfModalOk)) c->SetModalResult(mrOk);
      if (Has(f, lfModalCancel)) c->SetModalResult(mrCancel);
      return c;
    }
    case ckEdit: {
      auto* c = new TEdit(&form, parent);
      c->SetReadOnly(Has(f, lfReadOnly));
      return c;
    }
    case ckMemo: {
      auto* c = new TMemo(&form, parent);
      c->SetReadOnly(Has(f, lfReadOnly));
      return c;
    }
    case ckCheckBox:
      return new TCheckBox(&form, parent);
    case ckGroupBox:
      return new TGroupBox(&form, parent);
    case ckPanel:
      return new TPanel(&form, parent);
    case ckListBox: {
      auto* c = new TListBox(
          &form, parent, Has(f, lfVirtual) ? TListBoxStyle::lbVirtual : TListBoxStyle::lbStandard);
      c->SetSorted(Has(f, lfSorted));
      return c;
    }
    case ckComboBox:
      return new TComboBox(&form, parent);
    case ckListView: {
      auto* c = new TListView(&form, parent, Has(f, lfVirtual));
      c->SetCheckBoxes(Has(f, lfCheckBoxes));
      c->SetRowSelect(Has(f, lfRowSelect));
      c->SetShowColumnHeaders(!Has(f, lfNoHeader));
      c->SetEditCaptions(Has(f, lfEditCaptions));
      c->SetHideSelection(!Has(f, lfShowSelection));
      c->SetSortedByCaption(Has(f, lfSorted));
      return c;
    }
    case ckPageControl:
      return new TPageControl(&form, parent);
    case ckTabSheet: {
      auto* pages = dynamic_cast<TPageControl*>(container);
      if (!pages) return nullptr;
      auto* c = new TTabSheet(&form, pages);
      c->SetTabVisible(!Has(f, lfTabHidden));
      return c;
    }
    case ckRichEdit: {
      auto* c = new TRichEdit(&form, parent);
      c->SetReadOnly(Has(f, lfReadOnly));
      c->SetHideSelection(!Has(f, lfShowSelection));
      return c;
    }
    case ckImage:
      return new TImage(&form, parent);
    case ckBevel:
      return new TBevel(&form, parent);
  }
  return nullptr;
}

}  // namespace

TControl* TLayoutRef::Resolve(const TForm& form) const {
  if (member_) return read_(member_);
  if (name_ && *name_) return form.FindControl(name_);
  return nullptr;
}

TNotifyEvent& LayoutMainEvent(TControl& control) { return control.OnClick; }
TNotifyEvent& LayoutMainEvent(TEdit& control) { return control.OnChange; }
TNotifyEvent& LayoutMainEvent(TComboBox& control) { return control.OnChange; }
TNotifyEvent& LayoutMainEvent(TRichEdit& control) { return control.OnChange; }
TNotifyEvent& LayoutMainEvent(TPageControl& control) { return control.OnChange; }
TNotifyEvent& LayoutMainEvent(TTabSheet& control) { return control.OnShow; }

std::vector<TControl*> CreateControls(TForm& form, const TLayoutItem* items, size_t count) {
  std::vector<TControl*> made;
  int32_t nextTab = 0;
  for (size_t i = 0; i < count; ++i)
    if (items[i].TabOrder >= nextTab) nextTab = items[i].TabOrder + 1;
  for (size_t i = 0; i < count; ++i) {
    const TLayoutItem& row = items[i];
    TControl* c = MakeControl(form, row);
    made.push_back(c);
    if (row.Store) row.Store(row.Member, c);
    if (!c) continue;
    c->SetName(std::string(row.Name));
    // Tab sheets fill their page control whatever the row says.
    if (row.Kind != ckTabSheet) c->SetBounds(row.Left, row.Top, row.Width, row.Height);
    if (row.Caption) c->SetText(row.Caption);
    c->SetTabOrder(row.TabOrder >= 0 ? row.TabOrder : nextTab++);
    if (Has(row.Flags, lfNoTabStop)) c->SetTabStop(false);
    if (Has(row.Flags, lfDisabled)) c->SetEnabled(false);
    if (Has(row.Flags, lfHidden)) c->SetVisible(false);
    c->SetAnchors(RowAnchors(row.Flags));
    if (row.Wire) row.Wire(row, c, form);
  }
  // Focus controls may name rows further down, so they are linked last.
  for (size_t i = 0; i < count; ++i) {
    auto* label = dynamic_cast<TLabel*>(made[i]);
    if (label) {
      if (TControl* focus = items[i].FocusControl.Resolve(form)) label->SetFocusControl(focus);
    }
  }
  return made;
}

std::vector<TControl*> ApplyLayout(TForm& form, const TFormLayout& layout, const TLayoutItem* items,
                                   size_t count) {
  if (layout.Caption) form.SetCaption(layout.Caption);
  form.SetBorderStyle(layout.BorderStyle);
  form.SetClientSize(layout.ClientWidth, layout.ClientHeight);
  form.SetPosition(layout.Position);
  return CreateControls(form, items, count);
}
