// A form that is never shown, for native tests that need a form only as an
// owner of components or as something to place: a 300 x 150 window on a
// 1000 x 800 monitor.
#pragma once

#include "vl3Forms.h"

class TStillForm : public TCustomForm {
 public:
  void Show() override {}
  TModalResult ShowModal() override { return mrOk; }
  void Hide() override {}
  void Release() override {}
  bool Visible() const override { return false; }
  TModalResult ModalResult() const override { return mrNone; }
  void SetModalResult(TModalResult) override {}
  TRect BoundsRect() const override { return TRect{0, 0, 300, 150}; }
  void MoveTo(int32_t, int32_t) override {}
  TRect MonitorRect() const override { return TRect{0, 0, 1000, 800}; }
  void CenterOnScreen() override {}
};
