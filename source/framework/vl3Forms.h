// What portable components need of a form: showing it with or without a
// modal loop, its place on the screen, and the events they take over.
// The Windows form layer implements it; native tests use a small fake.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "vl3Component.h"
#include "vl3Geometry.h"

enum TModalResult : int32_t { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TCustomForm;
using TFormNotifyEvent = std::function<void(TCustomForm* sender)>;

class TCustomForm : public TComponent {
 public:
  explicit TCustomForm(TComponent* owner = nullptr) : TComponent(owner) {}

  // Makes the form visible and returns at once.
  virtual void Show() = 0;
  // Shows the form and runs its modal loop until ModalResult is set (also
  // from OnShow, before the loop starts); the owner window is disabled
  // meanwhile. Returns the modal result.
  virtual TModalResult ShowModal() = 0;
  virtual void Hide() = 0;
  // Destroys the form once the messages already queued for it are handled;
  // the caller must not touch it afterwards.
  virtual void Release() = 0;
  virtual bool Visible() const = 0;

  virtual TModalResult ModalResult() const = 0;
  // Anything but mrNone ends a running modal loop.
  virtual void SetModalResult(TModalResult value) = 0;

  // The outer rectangle in screen coordinates.
  virtual TRect BoundsRect() const = 0;
  // Moves the top-left corner to a screen position; the size stays.
  virtual void MoveTo(int32_t left, int32_t top) = 0;
  // The whole rectangle of the monitor that holds the form (the nearest one
  // when it is off screen).
  virtual TRect MonitorRect() const = 0;
  virtual void CenterOnScreen() = 0;

  // The help file and topic its Help button opens.
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(const std::string& value) { helpFile_ = value; }
  int32_t HelpContext() const { return helpContext_; }
  void SetHelpContext(int32_t value) { helpContext_ = value; }

  // Raised when the form becomes visible, gains and loses activation.
  // Components that host a form save these, chain them and put them back.
  TFormNotifyEvent OnShow;
  TFormNotifyEvent OnActivate;
  TFormNotifyEvent OnDeactivate;

 private:
  std::string helpFile_;
  int32_t helpContext_ = 0;
};
