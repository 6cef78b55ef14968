// List boxes and drop-down lists of the form layer: items read and written
// through the system's messages, sorted inserts and owner-data rows.
#include <windows.h>

#include <algorithm>

#include "vl3ListControls_win.h"

namespace {
// Case-insensitive order as the system's sorted lists use it.
int CompareText(const std::string& a, const std::string& b) {
  return ::lstrcmpiA(a.c_str(), b.c_str());
}
}  // namespace


int32_t VxWin::SortedPosition(int32_t count, const std::function<std::string(int32_t)>& itemAt,
                              const std::string& value) {
  int32_t lo = 0, hi = count;
  while (lo < hi) {
    const int32_t mid = (lo + hi) / 2;
    if (CompareText(itemAt(mid), value) <= 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

TCustomListControl::TCustomListControl(TComponent* owner, TParentWindow* parent,
                                       const TMessages& messages)
    : TControl(owner, parent), messages_(messages) {}

int32_t TCustomListControl::Count() const {
  return handle_ ? static_cast<int32_t>(::SendMessageA(handle_, messages_.Count, 0, 0)) : 0;
}

std::string TCustomListControl::Items(int32_t index) const {
  if (!handle_ || index < 0) return std::string();
  // No count check for owner data: a message per item read; the owner
  // knows its items.
  if (ownerData_) return OwnerItem(index);
  const LRESULT length = ::SendMessageA(handle_, messages_.TextLength, index, 0);
  if (length <= 0) return std::string();  // also LB_ERR and CB_ERR
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got =
      ::SendMessageA(handle_, messages_.Text, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(static_cast<size_t>(std::max<LRESULT>(0, std::min(got, length))));
  return text;
}

int32_t TCustomListControl::Add(const std::string& value) {
  if (!handle_) return -1;
  const int32_t at = sorted_ && !ownerData_
                         ? VxWin::SortedPosition(
                               Count(), [this](int32_t i) { return Items(i); }, value)
                         : Count();
  return static_cast<int32_t>(
      ::SendMessageA(handle_, messages_.Insert, at, reinterpret_cast<LPARAM>(value.c_str())));
}

void TCustomListControl::Insert(int32_t index, const std::string& value) {
  if (sorted_ && !ownerData_) {
    Add(value);
    return;
  }
  if (handle_)
    ::SendMessageA(handle_, messages_.Insert, index, reinterpret_cast<LPARAM>(value.c_str()));
}

void TCustomListControl::Delete(int32_t index) {
  if (handle_) ::SendMessageA(handle_, messages_.Delete, index, 0);
}

void TCustomListControl::Clear() {
  if (handle_) ::SendMessageA(handle_, messages_.Reset, 0, 0);
}

void TCustomListControl::SetItems(const std::vector<std::string>& values) {
  if (!handle_) return;
  ::SendMessageA(handle_, WM_SETREDRAW, FALSE, 0);
  Clear();
  std::vector<std::string> items = values;
  if (sorted_)
    std::stable_sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
      return CompareText(a, b) < 0;
    });
  for (const std::string& s : items)
    ::SendMessageA(handle_, messages_.Insert, Count(), reinterpret_cast<LPARAM>(s.c_str()));
  ::SendMessageA(handle_, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(handle_, nullptr, TRUE);
}

int32_t TCustomListControl::IndexOf(const std::string& value) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (CompareText(Items(i), value) == 0) return i;
  return -1;
}

int32_t TCustomListControl::ItemIndex() const {
  if (!handle_) return -1;
  const LRESULT i = ::SendMessageA(handle_, messages_.GetSelection, 0, 0);
  return i < 0 ? -1 : static_cast<int32_t>(i);
}

void TCustomListControl::SetItemIndex(int32_t value) {
  if (handle_) ::SendMessageA(handle_, messages_.SetSelection, value, 0);
}

namespace {
const TCustomListControl::TMessages kListBoxMessages = {
    LB_GETCOUNT,     LB_GETTEXTLEN,   LB_GETTEXT,   LB_INSERTSTRING,
    LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL, LB_SETCURSEL};
const TCustomListControl::TMessages kComboBoxMessages = {
    CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_INSERTSTRING,
    CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL, CB_SETCURSEL};
}  // namespace

TListBox::TListBox(TComponent* owner, TParentWindow* parent, TListBoxStyle style)
    : TCustomListControl(owner, parent, kListBoxMessages), style_(style) {
  ownerData_ = style == TListBoxStyle::lbVirtual;
  // A list without data must draw its own items, at a fixed height.
  const DWORD ownerData = ownerData_ ? LBS_NODATA | LBS_OWNERDRAWFIXED : 0;
  CreateHandle("LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | ownerData,
               WS_EX_CLIENTEDGE);
  FitItemHeight();
}

void TListBox::SetSorted(bool value) {
  if (value == sorted_) return;
  sorted_ = value;
  if (!sorted_ || ownerData_) return;
  std::vector<std::string> items;
  for (int32_t i = 0; i < Count(); ++i) items.push_back(Items(i));
  SetItems(items);
}

void TListBox::SetCount(int32_t value) {
  if (handle_ && ownerData_) ::SendMessageA(handle_, LB_SETCOUNT, std::max(0, value), 0);
}

std::string TListBox::OwnerItem(int32_t index) const {
  std::string text;
  if (OnData) OnData(const_cast<TListBox*>(this), index, text);
  return text;
}

void TListBox::Command(uint16_t code) {
  if (code == LBN_SELCHANGE) Click();
  if (code == LBN_DBLCLK && OnDblClick) OnDblClick(this);
}

bool TListBox::WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) {
  // The control cannot search texts it does not hold: typing finds the item
  // here, and the selection moves as the user's own choice.
  if (msg != WM_CHAR || !ownerData_ || wParam < 32 || wParam > 255)
    return TCustomListControl::WndProc(msg, wParam, lParam, result);
  const int32_t caret = static_cast<int32_t>(::SendMessageA(handle_, LB_GETCARETINDEX, 0, 0));
  const int32_t current = ItemIndex() >= 0 ? ItemIndex() : (caret >= Count() ? -1 : caret);
  const int32_t found = typeAhead_.KeyTyped(
      static_cast<char>(wParam), ::GetTickCount(), current, Count(),
      [this](int32_t i) { return OwnerItem(i); }, sorted_);
  if (found >= 0 && found != ItemIndex()) {
    SetItemIndex(found);
    Command(LBN_SELCHANGE);
  }
  result = 0;
  return true;
}

bool TListBox::DrawItem(tagDRAWITEMSTRUCT* item) {
  if (!ownerData_ || item->CtlType != ODT_LISTBOX) return false;
  HDC dc = item->hDC;
  const RECT& r = item->rcItem;
  const bool focusOnly = item->itemAction == ODA_FOCUS;
  if (!focusOnly && item->itemID != static_cast<UINT>(-1)) {
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &r, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const std::string text = OwnerItem(static_cast<int32_t>(item->itemID));
    HGDIOBJ oldFont = ::SelectObject(dc, Font().Handle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(!Enabled() ? COLOR_GRAYTEXT
                                     : selected ? COLOR_HIGHLIGHTTEXT
                                                : COLOR_WINDOWTEXT));
    RECT textRect = r;
    textRect.left += 2;  // where the system's own list box puts its text
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
  }
  // The focus frame is drawn by inversion: on a focus change it toggles.
  if ((item->itemState & ODS_FOCUS) || focusOnly)
    if (!(item->itemState & ODS_NOFOCUSRECT)) ::DrawFocusRect(dc, &r);
  return true;
}

void TListBox::FontChanged() { FitItemHeight(); }

void TListBox::FitItemHeight() {
  // An owner-drawn list keeps the height it was made with; give it the
  // height of a line of its font, as a list of strings has.
  if (!handle_ || !ownerData_) return;
  HDC dc = ::GetDC(handle_);
  HGDIOBJ oldFont = ::SelectObject(dc, Font().Handle());
  TEXTMETRICA metrics = {};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, oldFont);
  ::ReleaseDC(handle_, dc);
  if (metrics.tmHeight > 0) ::SendMessageA(handle_, LB_SETITEMHEIGHT, 0, metrics.tmHeight);
}

TComboBox::TComboBox(TComponent* owner, TParentWindow* parent)
    : TCustomListControl(owner, parent, kComboBoxMessages) {
  // The window's height includes the dropped-down list.
  CreateHandle("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, 160);
}

std::string TComboBox::Text() const {
  const int32_t i = ItemIndex();
  return i < 0 ? std::string() : Items(i);
}

void TComboBox::Command(uint16_t code) {
  if (code == CBN_SELCHANGE && OnChange) OnChange(this);
}
