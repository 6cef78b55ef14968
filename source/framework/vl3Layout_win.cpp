// Turns a form's layout table into controls: kind to class, flags to
// properties, parents and focus controls looked up by name.
#include <cstring>
#include <string>

#include "vl3Layout_win.h"
#include "vl3ListView_win.h"
#include "vl3PageControl_win.h"
#include "vl3RichEditBox_win.h"

namespace {

bool Has(uint32_t flags, TLayoutFlag flag) { return (flags & flag) != 0; }

TParentWindow* ContainerNamed(TForm& form, const char* name) {
  if (!name || !*name) return &form;
  if (auto* container = dynamic_cast<TParentWindow*>(form.FindControl(name))) return container;
  return &form;
}

TControl* MakeControl(TForm& form, const TLayoutItem& row) {
  TParentWindow* parent = ContainerNamed(form, row.Parent);
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
      auto* pages = dynamic_cast<TPageControl*>(form.FindControl(row.Parent ? row.Parent : ""));
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

std::vector<TControl*> CreateControls(TForm& Form, const TLayoutItem* Items, size_t Count) {
  std::vector<TControl*> made;
  int32_t nextTab = 0;
  for (size_t i = 0; i < Count; ++i)
    if (Items[i].TabOrder >= nextTab) nextTab = Items[i].TabOrder + 1;
  for (size_t i = 0; i < Count; ++i) {
    const TLayoutItem& row = Items[i];
    TControl* c = MakeControl(Form, row);
    made.push_back(c);
    if (!c) continue;
    c->SetName(row.Name ? row.Name : "");
    // Tab sheets fill their page control whatever the row says.
    if (row.Kind != ckTabSheet) c->SetBounds(row.Left, row.Top, row.Width, row.Height);
    if (row.Caption) c->SetText(row.Caption);
    c->SetTabOrder(row.TabOrder >= 0 ? row.TabOrder : nextTab++);
    if (Has(row.Flags, lfNoTabStop)) c->SetTabStop(false);
    if (Has(row.Flags, lfDisabled)) c->SetEnabled(false);
    if (Has(row.Flags, lfHidden)) c->SetVisible(false);
    TAnchors anchors{TAnchorKind::akLeft, TAnchorKind::akTop};
    if (Has(row.Flags, lfAnchorRight)) anchors.Include(TAnchorKind::akRight);
    if (Has(row.Flags, lfAnchorBottom)) anchors.Include(TAnchorKind::akBottom);
    c->SetAnchors(anchors);
  }
  // Focus controls may name rows further down, so they are linked last.
  for (size_t i = 0; i < Count; ++i) {
    auto* label = dynamic_cast<TLabel*>(made[i]);
    if (label && Items[i].FocusControl)
      label->SetFocusControl(Form.FindControl(Items[i].FocusControl));
  }
  return made;
}

std::vector<TControl*> ApplyLayout(TForm& Form, const TFormLayout& Layout, const TLayoutItem* Items,
                                   size_t Count) {
  if (Layout.Caption) Form.SetCaption(Layout.Caption);
  Form.SetBorderStyle(Layout.BorderStyle);
  Form.SetClientSize(Layout.ClientWidth, Layout.ClientHeight);
  Form.SetPosition(Layout.Position);
  return CreateControls(Form, Items, Count);
}
