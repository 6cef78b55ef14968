// The list view in report style over the system's common control; rows
// carry a data value in their lParam.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "vl3ListView_win.h"

TListView::TListView(TComponent* owner, TParentWindow* parent, bool ownerData)
    : TControl(owner, parent), ownerData_(ownerData) {
  CreateHandle(WC_LISTVIEWA,
               LVS_REPORT | LVS_SINGLESEL | WS_TABSTOP | (ownerData ? LVS_OWNERDATA : 0),
               WS_EX_CLIENTEDGE);
}

void TListView::SetItemCount(int32_t value) {
  if (handle_ && ownerData_) ::SendMessageA(handle_, LVM_SETITEMCOUNT, std::max(0, value), 0);
}

std::string TListView::OwnerText(int32_t index, int32_t column) const {
  std::string text;
  // No count check here: that would be a message per row read, and the
  // owner knows its rows.
  if (OnData && index >= 0) OnData(const_cast<TListView*>(this), index, column, text);
  return text;
}

void TListView::SetStyleBit(uint32_t bit, bool on) {
  if (!handle_) return;
  LONG_PTR style = ::GetWindowLongPtrA(handle_, GWL_STYLE);
  style = on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit));
  ::SetWindowLongPtrA(handle_, GWL_STYLE, style);
  ::InvalidateRect(handle_, nullptr, TRUE);
}

void TListView::SetExStyleBit(uint32_t bit, bool on) {
  if (handle_) ::SendMessageA(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, bit, on ? bit : 0);
}

void TListView::SetCheckBoxes(bool value) {
  checkBoxes_ = value;
  SetExStyleBit(LVS_EX_CHECKBOXES, value);
}

void TListView::SetRowSelect(bool value) { SetExStyleBit(LVS_EX_FULLROWSELECT, value); }
void TListView::SetShowColumnHeaders(bool value) { SetStyleBit(LVS_NOCOLUMNHEADER, !value); }
void TListView::SetHideSelection(bool value) { SetStyleBit(LVS_SHOWSELALWAYS, !value); }
void TListView::SetMultiSelect(bool value) { SetStyleBit(LVS_SINGLESEL, !value); }
void TListView::SetEditCaptions(bool value) { SetStyleBit(LVS_EDITLABELS, value); }

int32_t TListView::AddColumn(const std::string& caption, int32_t width) {
  if (!handle_) return -1;
  LVCOLUMNA columnInfo = {};
  columnInfo.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  columnInfo.pszText = const_cast<char*>(caption.c_str());
  columnInfo.cx = width;
  const int32_t at = ColumnCount();
  columnInfo.iSubItem = at;
  return static_cast<int32_t>(
      ::SendMessageA(handle_, LVM_INSERTCOLUMNA, at, reinterpret_cast<LPARAM>(&columnInfo)));
}

int32_t TListView::ColumnCount() const {
  if (!handle_) return 0;
  HWND header = reinterpret_cast<HWND>(::SendMessageA(handle_, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int32_t>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

void TListView::SetColumnCaption(int32_t column, const std::string& caption) {
  if (!handle_) return;
  LVCOLUMNA columnInfo = {};
  columnInfo.mask = LVCF_TEXT;
  columnInfo.pszText = const_cast<char*>(caption.c_str());
  ::SendMessageA(handle_, LVM_SETCOLUMNA, column, reinterpret_cast<LPARAM>(&columnInfo));
}

int32_t TListView::ColumnWidth(int32_t column) const {
  return handle_ ? static_cast<int32_t>(::SendMessageA(handle_, LVM_GETCOLUMNWIDTH, column, 0)) : 0;
}

void TListView::SetColumnWidth(int32_t column, int32_t width) {
  if (handle_)
    ::SendMessageA(handle_, LVM_SETCOLUMNWIDTH, column,
                   width == kAutoSize ? LVSCW_AUTOSIZE : width);
}

int32_t TListView::Count() const {
  return handle_ ? static_cast<int32_t>(::SendMessageA(handle_, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

int32_t TListView::AddItem(const std::string& caption, intptr_t data) {
  if (!handle_) return -1;
  const int32_t at = sorted_ ? VxWin::SortedPosition(
                                   Count(), [this](int32_t i) { return ItemCaption(i); }, caption)
                             : Count();
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = at;
  item.pszText = const_cast<char*>(caption.c_str());
  item.lParam = data;
  return static_cast<int32_t>(
      ::SendMessageA(handle_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void TListView::DeleteItem(int32_t index) {
  if (handle_) ::SendMessageA(handle_, LVM_DELETEITEM, index, 0);
}

void TListView::Clear() {
  if (handle_) ::SendMessageA(handle_, LVM_DELETEALLITEMS, 0, 0);
}

std::string TListView::SubItem(int32_t index, int32_t column) const {
  if (!handle_ || index < 0) return std::string();
  if (ownerData_) return OwnerText(index, column);
  // LVM_GETITEMTEXT copies at most the buffer; grow until the text fits.
  for (size_t size = 256; size <= (1u << 20); size *= 4) {
    std::vector<char> buffer(size, '\0');
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = buffer.data();
    item.cchTextMax = static_cast<int>(size);
    const LRESULT length =
        ::SendMessageA(handle_, LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
    if (length < static_cast<LRESULT>(size) - 1)
      return std::string(buffer.data(), static_cast<size_t>(length));
  }
  return std::string();
}

std::string TListView::ItemCaption(int32_t index) const { return SubItem(index, 0); }

void TListView::SetSubItem(int32_t index, int32_t column, const std::string& text) {
  if (!handle_) return;
  if (ownerData_) {
    ::SendMessageA(handle_, LVM_REDRAWITEMS, index, index);
    return;
  }
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = const_cast<char*>(text.c_str());
  ::SendMessageA(handle_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&item));
}

void TListView::SetItemCaption(int32_t index, const std::string& caption) {
  SetSubItem(index, 0, caption);
}

intptr_t TListView::Data(int32_t index) const {
  if (!handle_) return 0;
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  if (!::SendMessageA(handle_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return 0;
  return item.lParam;
}

void TListView::SetData(int32_t index, intptr_t value) {
  if (!handle_) return;
  LVITEMA item = {};
  item.mask = LVIF_PARAM;
  item.iItem = index;
  item.lParam = value;
  ::SendMessageA(handle_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int32_t TListView::IndexOfCaption(const std::string& caption) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (::lstrcmpiA(ItemCaption(i).c_str(), caption.c_str()) == 0) return i;
  return -1;
}

bool TListView::Checked(int32_t index) const {
  if (!handle_) return false;
  const LRESULT state = ::SendMessageA(handle_, LVM_GETITEMSTATE, index, LVIS_STATEIMAGEMASK);
  return ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

void TListView::SetChecked(int32_t index, bool value) {
  if (!handle_) return;
  LVITEMA item = {};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(value ? 2 : 1);
  ::SendMessageA(handle_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

bool TListView::Selected(int32_t index) const {
  return handle_ &&
         (::SendMessageA(handle_, LVM_GETITEMSTATE, index, LVIS_SELECTED) & LVIS_SELECTED);
}

void TListView::SetSelected(int32_t index, bool value) {
  if (!handle_) return;
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED;
  item.state = value ? LVIS_SELECTED : 0;
  ::SendMessageA(handle_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

int32_t TListView::ItemIndex() const {
  if (!handle_) return -1;
  return static_cast<int32_t>(::SendMessageA(handle_, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

void TListView::SetItemIndex(int32_t index) {
  for (int32_t i = ItemIndex(); i >= 0; i = ItemIndex()) {
    if (i == index && index >= 0) break;
    SetSelected(i, false);
    if (Selected(i)) break;  // refused by a handler; do not loop for ever
  }
  if (index >= 0) SetSelected(index, true);
}

int32_t TListView::ItemFocused() const {
  if (!handle_) return -1;
  return static_cast<int32_t>(::SendMessageA(handle_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED));
}

void TListView::SetItemFocused(int32_t index) {
  if (!handle_) return;
  LVITEMA item = {};
  item.stateMask = LVIS_FOCUSED;
  item.state = LVIS_FOCUSED;
  if (index >= 0) {
    ::SendMessageA(handle_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
  } else if (const int32_t focused = ItemFocused(); focused >= 0) {
    item.state = 0;
    ::SendMessageA(handle_, LVM_SETITEMSTATE, focused, reinterpret_cast<LPARAM>(&item));
  }
}

void TListView::MakeVisible(int32_t index) {
  if (handle_) ::SendMessageA(handle_, LVM_ENSUREVISIBLE, index, FALSE);
}

TRect TListView::ItemRect(int32_t index, bool labelOnly) const {
  RECT r = {};
  r.left = labelOnly ? LVIR_LABEL : LVIR_BOUNDS;
  if (!handle_ || !::SendMessageA(handle_, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)))
    return TRect();
  return {r.left, r.top, r.right, r.bottom};
}

int32_t TListView::ItemAt(int32_t x, int32_t y) const {
  if (!handle_) return -1;
  LVHITTESTINFO hit = {};
  hit.pt = {x, y};
  return static_cast<int32_t>(
      ::SendMessageA(handle_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

int32_t TListView::TopItem() const {
  return handle_ ? static_cast<int32_t>(::SendMessageA(handle_, LVM_GETTOPINDEX, 0, 0)) : -1;
}

void TListView::Scroll(int32_t dx, int32_t dy) {
  if (handle_) ::SendMessageA(handle_, LVM_SCROLL, dx, dy);
}

void TListView::BeginUpdate() {
  if (updating_++ == 0 && handle_) ::SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
}

void TListView::EndUpdate() {
  if (updating_ == 0 || --updating_ > 0 || !handle_) return;
  ::SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(handle_, nullptr, TRUE);
}

void TListView::EditCaption(int32_t index) {
  if (!handle_) return;
  ::SetFocus(handle_);
  ::SendMessageA(handle_, LVM_EDITLABELA, index, 0);
}

bool TListView::IsEditing() const {
  return handle_ && ::SendMessageA(handle_, LVM_GETEDITCONTROL, 0, 0) != 0;
}

bool TListView::Notify(tagNMHDR* header, intptr_t& result) {
  switch (header->code) {
    case LVN_ITEMCHANGED: {
      const auto* change = reinterpret_cast<NMLISTVIEW*>(header);
      const int32_t index = change->iItem;
      if (change->uChanged & LVIF_TEXT)
        if (OnChange) OnChange(this, index, TItemChange::ctText);
      if (!(change->uChanged & LVIF_STATE)) return false;
      if (OnChange) OnChange(this, index, TItemChange::ctState);
      const UINT flipped = change->uOldState ^ change->uNewState;
      // A new row in a list with check boxes gets its first state image
      // (from none): that is no check by anyone.
      if (index >= 0 && (flipped & LVIS_STATEIMAGEMASK) &&
          (change->uOldState & LVIS_STATEIMAGEMASK))
        if (OnItemChecked)
          OnItemChecked(this, index, ((change->uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2);
      // A list of owner data may report a change of every row at once
      // (index -1): that is passed on as it stands.
      if ((index >= 0 || ownerData_) && (flipped & LVIS_SELECTED))
        if (OnSelectItem) OnSelectItem(this, index, (change->uNewState & LVIS_SELECTED) != 0);
      return false;
    }
    case LVN_BEGINLABELEDITA: {
      const auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
      bool allow = true;
      if (OnEditing) OnEditing(this, info->item.iItem, allow);
      result = allow ? FALSE : TRUE;
      return true;
    }
    case LVN_ENDLABELEDITA: {
      const auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
      result = FALSE;
      if (!info->item.pszText) return true;  // cancelled
      std::string text = info->item.pszText;
      const int32_t index = info->item.iItem;
      if (OnEdited) OnEdited(this, index, text);
      // Set here rather than by the control, so the handler's text wins.
      SetItemCaption(index, text);
      return true;
    }
    case LVN_GETDISPINFOA: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(header);
      if (!ownerData_ || !(info->item.mask & LVIF_TEXT) || !info->item.pszText ||
          info->item.cchTextMax <= 0)
        return false;
      const std::string text = OwnerText(info->item.iItem, info->item.iSubItem);
      ::lstrcpynA(info->item.pszText, text.c_str(), info->item.cchTextMax);
      return true;
    }
    case LVN_GETDISPINFOW: {
      auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
      if (!ownerData_ || !(info->item.mask & LVIF_TEXT) || !info->item.pszText ||
          info->item.cchTextMax <= 0)
        return false;
      const std::string text = OwnerText(info->item.iItem, info->item.iSubItem);
      const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                          info->item.pszText, info->item.cchTextMax - 1);
      info->item.pszText[std::max(n, 0)] = L'\0';
      return true;
    }
    case NM_CLICK:
      Click();
      return false;
    case NM_DBLCLK:
      if (OnDblClick) OnDblClick(this);
      return false;
    default:
      return false;
  }
}

bool TListView::WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
  // The control cannot search texts it does not hold: typing finds the row
  // here, and the selection moves as the user's own choice.
  if (msg != WM_CHAR || !ownerData_ || wParam < 32 || wParam > 255)
    return TControl::WndProc(msg, wParam, lParam, result);
  const int32_t found = typeAhead_.KeyTyped(
      static_cast<char>(wParam), ::GetTickCount(), ItemFocused(), Count(),
      [this](int32_t i) { return OwnerText(i, 0); }, sorted_);
  if (found >= 0) {
    SetItemFocused(found);
    SetItemIndex(found);
    MakeVisible(found);
  }
  result = 0;
  return true;
}
