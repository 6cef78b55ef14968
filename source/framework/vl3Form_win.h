// The Windows form: a real top-level (or embedded) window that holds
// controls, with modeless and modal showing, placement and dialog keys.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "vl3Controls_win.h"
#include "vl3Forms.h"

enum class TFormBorderStyle : unsigned char { bsNone, bsSingle, bsSizeable, bsDialog };

enum class TPosition : unsigned char {
  poDesigned,         // where SetBounds put it
  poDefault,          // where the system puts a new window
  poScreenCenter,     // centred on the monitor
  poOwnerFormCenter,  // centred over the owner form (the screen without one)
};

class TForm;
using TCloseQueryEvent = std::function<void(TForm* sender, bool& canClose)>;

class TForm : public TCustomForm, public TParentWindow {
 public:
  // The window exists from here on, hidden. When a form is found in the
  // owner chain, its window owns this one (stays above it, hides with it).
  explicit TForm(TComponent* owner = nullptr);
  ~TForm() override;

  HWND__* Handle() const { return handle_; }
  static TForm* FromHandle(HWND__* wnd);
  HWND__* ClientHandle() const override { return handle_; }
  TForm* ParentForm() override { return this; }

  // TCustomForm
  void Show() override;
  TModalResult ShowModal() override;
  void Hide() override;
  void Release() override;
  bool Visible() const override;
  TModalResult ModalResult() const override { return modalResult_; }
  void SetModalResult(TModalResult value) override;
  TRect BoundsRect() const override;
  void MoveTo(int32_t left, int32_t top) override;
  TRect MonitorRect() const override;
  void CenterOnScreen() override;

  void SetVisible(bool value) { value ? Show() : Hide(); }
  // Asks OnCloseQuery; a modal form then ends with mrCancel, the main form
  // ends the application, any other form hides.
  void Close();
  bool Modal() const { return modalLevel_ > 0; }

  // Outer bounds: screen coordinates for a top-level form, the parent's
  // client coordinates for an embedded one.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);
  int32_t Left() const { return BoundsInParent().Left; }
  int32_t Top() const { return BoundsInParent().Top; }
  int32_t Width() const { return BoundsRect().Width(); }
  int32_t Height() const { return BoundsRect().Height(); }
  int32_t ClientWidth() const { return ClientRect().Width(); }
  int32_t ClientHeight() const { return ClientRect().Height(); }
  void SetClientSize(int32_t width, int32_t height);
  void SetClientHeight(int32_t height) { SetClientSize(ClientWidth(), height); }
  // The smallest outer size the user can drag a sizeable form to.
  void SetMinSize(int32_t width, int32_t height) {
    minWidth_ = width;
    minHeight_ = height;
  }

  std::string Caption() const;
  void SetCaption(const std::string& value);

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  // Keeps the client size.
  void SetBorderStyle(TFormBorderStyle value);
  TPosition Position() const { return position_; }
  // Applied when the form is next shown.
  void SetPosition(TPosition value);

  // Embeds the form in another container (no border; owner form's dialog
  // keys apply) or, with null, makes it top-level again.
  void SetParentWindow(TParentWindow* value);
  TParentWindow* ParentWindow() const { return parentWindow_; }
  // The form whose window owns this one, if any.
  TForm* OwnerForm() const { return ownerForm_; }

  const TFont& Font() const { return font_; }
  // Also given to every control that still follows the form's font.
  void SetFont(const TFont& value);

  // The control that gets the focus when the form is activated.
  TControl* ActiveControl() const;
  void SetActiveControl(TControl* value);

  TButton* DefaultButton() const;
  TButton* CancelButton() const;

  // The control owned by the form under that name, or null.
  TControl* FindControl(const std::string& name) const;
  template <class T>
  T* Find(const std::string& name) const {
    return dynamic_cast<T*>(FindControl(name));
  }

  // Raises OnCreate once; a form class calls it at the end of its
  // constructor, when its controls exist.
  void AfterConstruction();

  TNotifyEvent OnCreate;
  TFormNotifyEvent OnHide;
  TFormNotifyEvent OnResize;
  TCloseQueryEvent OnCloseQuery;

  // The dialog keys (Tab, Enter, Escape, mnemonics) of a queued message for
  // any window inside the form; true when the message was consumed.
  bool DialogMessage(void* message);

 private:
  static intptr_t __stdcall FormProc(HWND__* wnd, uint32_t msg, uintptr_t wParam, intptr_t lParam);
  intptr_t Message(uint32_t msg, uintptr_t wParam, intptr_t lParam, bool& handled);
  void ApplyPosition();
  void Activated(bool active);
  bool Mnemonic(char ch);
  TRect BoundsInParent() const;
  uint32_t Style() const;
  uint32_t ExStyle() const;

  // Outlives the form: a host may delete a form from one of its own handlers
  // (instead of releasing it), so code that runs handlers and then goes on
  // keeps a copy and looks at it before it touches the form again.
  struct TLifeSign {
    bool Alive = true;
    TModalResult LastResult = mrNone;  // the modal result when it was deleted
  };
  std::shared_ptr<TLifeSign> lifeSign_ = std::make_shared<TLifeSign>();

  HWND__* handle_ = nullptr;
  TForm* ownerForm_ = nullptr;
  TParentWindow* parentWindow_ = nullptr;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TPosition position_ = TPosition::poDesigned;
  bool positionPending_ = true;
  TModalResult modalResult_ = mrNone;
  int32_t modalLevel_ = 0;
  int32_t minWidth_ = 0, minHeight_ = 0;
  HWND__* focus_ = nullptr;  // the focused child, kept while inactive
  HWND__* activeControl_ = nullptr;
  TFont font_;
  bool created_ = false, releasing_ = false;
};
