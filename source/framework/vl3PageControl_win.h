// The page control: a system tab control whose pages are containers; tabs
// can be hidden while their page stays usable.
#pragma once

#include <cstdint>
#include <vector>

#include "vl3Controls_win.h"

class TPageControl;

class TTabSheet : public TControl, public TParentWindow {
 public:
  TTabSheet(TComponent* owner, TPageControl* pageControl);
  ~TTabSheet() override;
  HWND__* ClientHandle() const override { return handle_; }
  TForm* ParentForm() override { return TControl::ParentForm(); }

  TPageControl* PageControl() const { return pageControl_; }
  int32_t PageIndex() const;
  // The tab's caption.
  void SetText(const std::string& value) override;
  std::string Text() const override { return caption_; }
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);

  // Raised when the page becomes the visible one and when it stops being it.
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 private:
  friend class TPageControl;
  TPageControl* pageControl_;
  std::string caption_;
  bool tabVisible_ = true;
};

class TPageControl : public TControl, public TParentWindow {
 public:
  explicit TPageControl(TComponent* owner, TParentWindow* parent = nullptr);
  ~TPageControl() override;
  HWND__* ClientHandle() const override { return handle_; }
  TForm* ParentForm() override { return TControl::ParentForm(); }

  int32_t PageCount() const { return static_cast<int32_t>(pages_.size()); }
  TTabSheet* Pages(int32_t index) const;
  TTabSheet* ActivePage() const { return active_; }
  void SetActivePage(TTabSheet* page);
  int32_t ActivePageIndex() const;
  void SetActivePageIndex(int32_t index);
  // The area the pages fill, in the page control's client coordinates.
  TRect PageRect() const;

  // The user chose another tab.
  TNotifyEvent OnChange;

  bool Notify(tagNMHDR* header, intptr_t& result) override;
  bool DialogChar(char ch) override;

 protected:
  void Resized() override;

 private:
  friend class TTabSheet;
  void AddPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  // Rebuilds the row of tabs from the pages whose tab is visible.
  void UpdateTabs();
  std::vector<TTabSheet*> pages_;  // in page order; owned through TParentWindow
  TTabSheet* active_ = nullptr;
};
