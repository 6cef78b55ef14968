// The page control: the system tab control shows the tabs, and each page is
// a container window placed in the tab control's display area.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>

#include "vl3PageControl_win.h"

// ---- TTabSheet -----------------------------------------------------------------

TTabSheet::TTabSheet(TComponent* owner, TPageControl* pageControl)
    : TControl(owner, pageControl), pageControl_(pageControl) {
  SetVisible(false);  // only the active page shows
  CreateHandle(VxWin::kPanelClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  if (handle_) AttachContainer(handle_);
  if (pageControl_) pageControl_->AddPage(this);
}

TTabSheet::~TTabSheet() {
  DestroyControls();
  if (pageControl_) pageControl_->RemovePage(this);
}

int32_t TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  const auto it = std::find(pages.begin(), pages.end(), this);
  return it == pages.end() ? -1 : static_cast<int32_t>(it - pages.begin());
}

void TTabSheet::SetText(const std::string& value) {
  caption_ = value;
  if (pageControl_) pageControl_->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (pageControl_) pageControl_->UpdateTabs();
}

// ---- TPageControl ----------------------------------------------------------------

TPageControl::TPageControl(TComponent* owner, TParentWindow* parent) : TControl(owner, parent) {
  CreateHandle(WC_TABCONTROLA, WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CONTROLPARENT);
  if (handle_) AttachContainer(handle_);
}

TPageControl::~TPageControl() { DestroyControls(); }

TTabSheet* TPageControl::Pages(int32_t index) const {
  return index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr;
}

void TPageControl::AddPage(TTabSheet* page) {
  pages_.push_back(page);
  UpdateTabs();
  if (!active_) SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (active_ == page) active_ = nullptr;
  UpdateTabs();
}

TRect TPageControl::PageRect() const {
  RECT r = {};
  if (!handle_) return TRect();
  ::GetClientRect(handle_, &r);
  ::SendMessageA(handle_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right, r.bottom};
}

void TPageControl::UpdateTabs() {
  if (!handle_) return;
  ::SendMessageA(handle_, TCM_DELETEALLITEMS, 0, 0);
  int32_t selected = -1, at = 0;
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(page->caption_.c_str());
    item.lParam = reinterpret_cast<LPARAM>(page);
    ::SendMessageA(handle_, TCM_INSERTITEMA, at, reinterpret_cast<LPARAM>(&item));
    if (page == active_) selected = at;
    ++at;
  }
  ::SendMessageA(handle_, TCM_SETCURSEL, selected, 0);
  Resized();  // the display area changes when the tabs wrap or vanish
}

void TPageControl::Resized() {
  const TRect r = PageRect();
  for (TTabSheet* page : pages_) page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

int32_t TPageControl::ActivePageIndex() const { return active_ ? active_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int32_t index) { SetActivePage(Pages(index)); }

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page == active_ || (page && page->pageControl_ != this)) return;
  TTabSheet* old = active_;
  active_ = page;
  // As users see it: the new page shows first, then the old one hides.
  if (page) {
    const TRect r = PageRect();
    page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    page->SetVisible(true);
    ::SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  int32_t tab = -1, at = 0;
  for (TTabSheet* p : pages_) {
    if (!p->TabVisible()) continue;
    if (p == page) tab = at;
    ++at;
  }
  ::SendMessageA(handle_, TCM_SETCURSEL, tab, 0);
  if (page && page->OnShow) page->OnShow(page);
  if (old) {
    // The focus must not stay on a control that disappears.
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(old->Handle(), focus)) ::SetFocus(handle_);
    old->SetVisible(false);
    if (old->OnHide) old->OnHide(old);
  }
}

bool TPageControl::Notify(tagNMHDR* header, intptr_t& result) {
  if (header->code != TCN_SELCHANGE) return false;
  const LRESULT selected = ::SendMessageA(handle_, TCM_GETCURSEL, 0, 0);
  TCITEMA item = {};
  item.mask = TCIF_PARAM;
  if (selected >= 0 &&
      ::SendMessageA(handle_, TCM_GETITEMA, selected, reinterpret_cast<LPARAM>(&item))) {
    SetActivePage(reinterpret_cast<TTabSheet*>(item.lParam));
    if (OnChange) OnChange(this);
  }
  result = 0;
  return true;
}

bool TPageControl::DialogChar(char ch) {
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible() || !IsAccel(ch, page->caption_)) continue;
    SetActivePage(page);
    if (OnChange) OnChange(this);
    return true;
  }
  return false;
}
