// The form layer's forms driven like a user drives them: keys typed into a
// dialog-style form, modal loops ended by a button or at once, deferred
// release, and a message box found on the screen and answered.
#include "vl3Form_win.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3DesktopLock_win.h"
#include "vl3Layout_win.h"
#include "vl3UserInput_win.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

// Shows the form and handles messages until it is the active window (the
// display reports activation asynchronously).
void ShowActive(TForm& form) {
  form.Show();
  for (int i = 0; i < 200 && ::GetActiveWindow() != form.Handle(); ++i) {
    Pump();
    ::Sleep(10);
  }
  Pump();
}

void TypeAltChar(char ch) {
  ::PostMessageA(::GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(ch), 1 << 29);
  Pump();
}

const TFormLayout kDialogLayout = {"Find Word", 300, 120, TFormBorderStyle::bsDialog,
                                   TPosition::poScreenCenter};

const TLayoutItem kDialogControls[] = {
    {"WordLabel", ckLabel, 8, 12, 60, 13, "&Word:", -1, nullptr, lfNone, "WordEdit"},
    {"WordEdit", ckEdit, 72, 8, 140, 21, "", 0},
    {"WholeCheck", ckCheckBox, 72, 36, 140, 17, "W&hole words", 1},
    {"OKButton", ckButton, 220, 8, 75, 23, "OK", 2, nullptr, lfDefault | lfModalOk},
    {"CancelButton", ckButton, 220, 36, 75, 23, "Cancel", 3, nullptr, lfCancel | lfModalCancel},
    {"NoteEdit", ckEdit, 8, 90, 204, 21, "read only", -1, nullptr, lfReadOnly | lfNoTabStop},
};

// A dialog-style form built from the table above, with click counters.
class TFindForm : public TForm {
 public:
  explicit TFindForm(TComponent* AOwner = nullptr) : TForm(AOwner) {
    ApplyLayout(*this, kDialogLayout, kDialogControls);
    WordEdit = Find<TEdit>("WordEdit");
    WholeCheck = Find<TCheckBox>("WholeCheck");
    OKButton = Find<TButton>("OKButton");
    CancelButton = Find<TButton>("CancelButton");
    OKButton->OnClick = [this](TComponent*) { ++okClicks; };
    CancelButton->OnClick = [this](TComponent*) { ++cancelClicks; };
    AfterConstruction();
  }
  TEdit* WordEdit;
  TCheckBox* WholeCheck;
  TButton* OKButton;
  TButton* CancelButton;
  int okClicks = 0, cancelClicks = 0;
};

// Sets a flag when the form that owns it is destroyed.
class TDestroyProbe : public TComponent {
 public:
  TDestroyProbe(TComponent* AOwner, bool& destroyed) : TComponent(AOwner), destroyed_(destroyed) {}
  ~TDestroyProbe() override { destroyed_ = true; }

 private:
  bool& destroyed_;
};

}  // namespace

TEST(WinForm, DialogKeysWalkTheTabOrderAndPressTheDefaultAndCancelButtons) {
  TFindForm form;
  ASSERT_NE(form.Handle(), nullptr);
  EXPECT_EQ(form.Caption(), "Find Word");
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.ClientHeight(), 120);
  ShowActive(form);
  EXPECT_TRUE(form.Visible());

  // Centred on its monitor.
  const TRect m = form.MonitorRect(), b = form.BoundsRect();
  EXPECT_LE(std::abs((b.Left - m.Left) - (m.Right - b.Right)), 1);
  EXPECT_LE(std::abs((b.Top - m.Top) - (m.Bottom - b.Bottom)), 1);

  // The first control in tab order has the focus; Tab walks the order and
  // skips the read-only edit without tab stop; Shift is not down.
  EXPECT_TRUE(form.WordEdit->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(form.WholeCheck->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(form.OKButton->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(form.CancelButton->Focused());
  PressKey(VK_TAB);
  EXPECT_TRUE(form.WordEdit->Focused()) << "wraps round to the first control";

  // Alt+H toggles the check box; Alt+W focuses the label's edit.
  form.CancelButton->SetFocus();
  TypeAltChar('h');
  EXPECT_TRUE(form.WholeCheck->Checked());
  EXPECT_TRUE(form.WholeCheck->Focused());
  TypeAltChar('W');
  EXPECT_TRUE(form.WordEdit->Focused());

  // Enter in the edit presses the default button, Escape the cancel button.
  PressKey(VK_RETURN);
  EXPECT_EQ(form.okClicks, 1);
  EXPECT_EQ(form.cancelClicks, 0);
  PressKey(VK_ESCAPE);
  EXPECT_EQ(form.cancelClicks, 1);

  // Enter on a focused button presses that button.
  form.CancelButton->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(form.cancelClicks, 2);
  EXPECT_EQ(form.okClicks, 1);

  // A disabled default button is not pressed; an OnKeyDown handler can take
  // the key first.
  form.OKButton->SetEnabled(false);
  form.WordEdit->SetFocus();
  PressKey(VK_RETURN);
  EXPECT_EQ(form.okClicks, 1);
  form.OKButton->SetEnabled(true);
  int enters = 0;
  form.WordEdit->OnKeyDown = [&](TComponent*, uint16_t& key) {
    if (key == VK_RETURN) {
      ++enters;
      key = 0;
    }
  };
  PressKey(VK_RETURN);
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(form.okClicks, 1);

  // Typing goes into the edit and raises its change event.
  int changes = 0;
  form.WordEdit->OnChange = [&](TComponent*) { ++changes; };
  ::PostMessageA(form.WordEdit->Handle(), WM_CHAR, 'x', 1);
  Pump();
  EXPECT_EQ(form.WordEdit->Text(), "x");
  EXPECT_EQ(changes, 1);
  form.Hide();
  EXPECT_FALSE(form.Visible());
}

TEST(WinForm, ModalLoopsEndByButtonOrAtOnceFromOnShowAndDisableTheOwner) {
  TForm owner;
  owner.SetCaption("Owner");
  owner.SetBounds(100, 100, 500, 400);
  owner.Show();
  Pump();

  // Ended by Enter on the default OK button; the owner form is disabled
  // meanwhile, and its window owns the dialog.
  auto* dialog = new TFindForm(&owner);
  dialog->SetPosition(TPosition::poOwnerFormCenter);
  EXPECT_EQ(::GetWindow(dialog->Handle(), GW_OWNER), owner.Handle());
  bool ownerEnabledInside = true;
  int shows = 0;
  dialog->OnShow = [&](TCustomForm*) {
    ++shows;
    ownerEnabledInside = ::IsWindowEnabled(owner.Handle()) != FALSE;
    ::PostMessageA(dialog->WordEdit->Handle(), WM_KEYDOWN, VK_RETURN, 1);
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_EQ(shows, 1);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(dialog->Visible());
  const TRect o = owner.BoundsRect(), d = dialog->BoundsRect();
  EXPECT_LE(std::abs((d.Left - o.Left) - (o.Right - d.Right)), 1) << "centred over the owner";

  // Ended by Escape: the cancel button's result.
  dialog->OnShow = [&](TCustomForm*) {
    ::PostMessageA(dialog->WordEdit->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);

  // A result set in OnShow ends the loop before it waits for anything.
  dialog->OnShow = [&](TCustomForm* sender) { sender->SetModalResult(mrOk); };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));

  // The close box asks OnCloseQuery; a refusal keeps the loop running.
  int queries = 0;
  dialog->OnCloseQuery = [&](TForm* sender, bool& canClose) {
    canClose = ++queries > 1;
    ::PostMessageA(sender->Handle(), WM_CLOSE, 0, 0);
  };
  dialog->OnShow = [&](TCustomForm*) { ::PostMessageA(dialog->Handle(), WM_CLOSE, 0, 0); };
  EXPECT_EQ(dialog->ShowModal(), mrCancel);
  EXPECT_EQ(queries, 2);
}

TEST(WinForm, ReleaseDestroysTheFormOnceItsQueuedMessagesAreHandled) {
  bool destroyed = false;
  auto* form = new TFindForm();
  new TDestroyProbe(form, destroyed);
  form->Show();
  HWND wnd = form->Handle();
  HWND edit = form->WordEdit->Handle();

  // A message queued before Release is still handled by the live form.
  ::PostMessageA(edit, WM_CHAR, 'a', 1);
  form->Release();
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(::IsWindow(wnd));
  Pump();
  EXPECT_TRUE(destroyed);
  EXPECT_FALSE(::IsWindow(wnd));
  EXPECT_FALSE(::IsWindow(edit));

  // Released from inside its own modal loop: gone after the loop returned.
  destroyed = false;
  form = new TFindForm();
  new TDestroyProbe(form, destroyed);
  form->OnShow = [&](TCustomForm* sender) {
    sender->SetModalResult(mrOk);
    sender->Release();
  };
  EXPECT_EQ(form->ShowModal(), mrOk);
  Pump();
  EXPECT_TRUE(destroyed);
}

namespace {

// A form whose memory is overwritten, and kept, when it is deleted: whatever
// reads it afterwards finds garbage at once instead of what happened to stay
// there.
class TPoisonedForm : public TFindForm {
 public:
  using TFindForm::TFindForm;
  static void* operator new(size_t size) { return ::operator new(size); }
  static void operator delete(void* p, size_t size) {
    std::memset(p, 0xA5, size);
    Graveyard().push_back(p);
  }
  static std::vector<void*>& Graveyard() {
    static std::vector<void*> graves;
    return graves;
  }
};

}  // namespace

TEST(WinForm, AFormDeletedByItsOwnHandlerEndsItsModalLoopUntouched) {
  TForm owner;
  owner.SetBounds(100, 100, 500, 400);
  owner.Show();
  Pump();
  // Each way a host's handler may delete the form while its loop runs, and
  // the result the loop then returns.
  struct TCase {
    const char* name;
    std::function<void(TPoisonedForm*)> arm;
    TModalResult result;
  };
  const TCase cases[] = {
      {"OK button's click",
       [](TPoisonedForm* f) {
         f->OKButton->OnClick = [f](TComponent*) { delete f; };
         f->OnShow = [f](TCustomForm*) { ::PostMessageA(f->OKButton->Handle(), BM_CLICK, 0, 0); };
       },
       mrOk},
      {"OnShow", [](TPoisonedForm* f) { f->OnShow = [](TCustomForm* s) { delete s; }; }, mrCancel},
      {"OnCloseQuery",
       [](TPoisonedForm* f) {
         f->OnCloseQuery = [](TForm* s, bool&) { delete s; };
         f->OnShow = [f](TCustomForm*) { ::PostMessageA(f->Handle(), WM_CLOSE, 0, 0); };
       },
       mrCancel},
      {"a key handler that passes the key on",
       [](TPoisonedForm* f) {
         f->WordEdit->OnKeyDown = [f](TComponent*, uint16_t&) { delete f; };
         f->OnShow = [f](TCustomForm*) {
           f->WordEdit->SetFocus();
           ::PostMessageA(f->WordEdit->Handle(), WM_KEYDOWN, VK_RETURN, 1);
         };
       },
       mrCancel},
  };
  for (const TCase& c : cases) {
    bool destroyed = false;
    auto* form = new TPoisonedForm(&owner);
    new TDestroyProbe(form, destroyed);
    HWND wnd = form->Handle();
    c.arm(form);
    EXPECT_EQ(form->ShowModal(), c.result) << c.name;
    EXPECT_TRUE(destroyed) << c.name;
    EXPECT_FALSE(::IsWindow(wnd)) << c.name;
    EXPECT_TRUE(::IsWindowEnabled(owner.Handle())) << c.name << ": the owner is given back";
    Pump();
  }
  for (void* grave : TPoisonedForm::Graveyard()) ::operator delete(grave);
  TPoisonedForm::Graveyard().clear();
}

TEST(WinForm, MessageBoxBelongsToTheActiveFormAndIsAnsweredByTheUser) {
  TFindForm form;
  ShowActive(form);
  ASSERT_EQ(Application().ActiveForm(), &form);

  // The test plays the user: once the box is up, it reads and answers it.
  std::string seenText;
  HWND seenOwner = nullptr;
  TTimer user(nullptr);
  user.SetInterval(50);
  user.OnTimer = [&](TComponent*) {
    HWND box = ::FindWindowA("#32770", "Confirmation");
    if (!box) return;
    user.SetEnabled(false);
    seenOwner = ::GetWindow(box, GW_OWNER);
    for (HWND c = ::GetWindow(box, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
      char cls[32] = {};
      ::GetClassNameA(c, cls, sizeof cls);
      if (std::string(cls) == "Static" && ::GetWindowTextLengthA(c) > 0) {
        char text[256] = {};
        ::GetWindowTextA(c, text, sizeof text);
        seenText = text;
      }
    }
    ::PostMessageA(::GetDlgItem(box, IDNO), BM_CLICK, 0, 0);
  };
  const int answer = Application().MessageBox("Delete the dictionary?", "Confirmation",
                                              MB_YESNO | MB_ICONEXCLAMATION);
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(seenText, "Delete the dictionary?");
  EXPECT_EQ(seenOwner, form.Handle());
}

TEST(WinForm, TheHourglassIsTheCursorOfEveryFormWindow) {
  TFindForm form;
  form.Show();
  Pump();
  Application().SetCursor(TAppCursor::crHourGlass);
  EXPECT_EQ(Application().Cursor(), TAppCursor::crHourGlass);
  // A window asks its parents before it shows its own cursor.
  ::SendMessageA(form.WordEdit->Handle(), WM_SETCURSOR,
                 reinterpret_cast<WPARAM>(form.WordEdit->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_WAIT));
  Application().SetCursor(TAppCursor::crDefault);
  EXPECT_EQ(Application().Cursor(), TAppCursor::crDefault);
}

TEST(WinForm, HelpTopicsGoThroughTheApplication) {
  std::vector<std::pair<uint32_t, intptr_t>> calls;
  Application().OnHelp = [&](uint32_t command, intptr_t data) {
    calls.emplace_back(command, data);
    return true;
  };
  EXPECT_TRUE(Application().HelpContext(42, "suite.hlp"));
  Application().OnHelp = nullptr;
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].first, static_cast<uint32_t>(HELP_CONTEXT));
  EXPECT_EQ(calls[0].second, 42);
  Application().SetHelpFile("");
  EXPECT_FALSE(Application().HelpContext(7)) << "no help file, nothing opened";
}

namespace {

const TFormLayout kOptionsLayout = {"Options", 320, 200, TFormBorderStyle::bsDialog,
                                    TPosition::poDesigned};

// Rows out of tab order, a group box with its own tab order inside, and a
// label whose focus control comes later.
// clang-format off
const TLayoutItem kOptionsControls[] = {
  // name          kind        left top width height caption          tab parent   flags        focus
  {"NameLabel",    ckLabel,       8,  8,  60, 13, "&Name:",           -1, nullptr, lfNone,      "NameEdit"},
  {"OKButton",     ckButton,    236,  8,  75, 23, "OK",                3, nullptr, lfDefault | lfModalOk},
  {"Group",        ckGroupBox,    8, 40, 220, 80, " Options: ",        2},
  {"SecondCheck",  ckCheckBox,   10, 40, 200, 17, "&Second",           1, "Group"},
  {"FirstCheck",   ckCheckBox,   10, 18, 200, 17, "&First",            0, "Group"},
  {"HiddenEdit",   ckEdit,        8,130, 100, 21, "",                  4, nullptr, lfHidden},
  {"NameEdit",     ckEdit,       72,  6, 150, 21, "",                  0},
  {"Notes",        ckMemo,        8,160, 220, 36, "one\r\ntwo",        1, nullptr, lfDisabled},
};
// clang-format on

}  // namespace

TEST(WinLayout, TableRowsBecomeNamedControlsInTabOrderAcrossGroupBoxes) {
  TForm form;
  const std::vector<TControl*> made = ApplyLayout(form, kOptionsLayout, kOptionsControls);
  ASSERT_EQ(made.size(), 8u);
  for (size_t i = 0; i < made.size(); ++i) {
    ASSERT_NE(made[i], nullptr);
    EXPECT_EQ(made[i]->Name(), kOptionsControls[i].Name);
  }
  auto* group = form.Find<TGroupBox>("Group");
  auto* first = form.Find<TCheckBox>("FirstCheck");
  auto* second = form.Find<TCheckBox>("SecondCheck");
  auto* name = form.Find<TEdit>("NameEdit");
  auto* notes = form.Find<TMemo>("Notes");
  EXPECT_EQ(form.Find<TLabel>("NameLabel")->FocusControl(), name);
  EXPECT_EQ(form.Find<TButton>("OKButton"), form.DefaultButton());
  EXPECT_EQ(form.Find<TButton>("NameEdit"), nullptr) << "a name finds its own kind only";
  // Positions inside a group box are the group's; the group moves its rows.
  EXPECT_EQ(first->ScreenRect().Left, group->ScreenRect().Left + 10);
  group->SetTop(50);
  EXPECT_EQ(first->ScreenRect().Top, group->ScreenRect().Top + 18);
  EXPECT_EQ(group->Text(), " Options: ");
  EXPECT_FALSE(form.Find<TEdit>("HiddenEdit")->Visible());
  EXPECT_FALSE(notes->Enabled());
  EXPECT_EQ(notes->LineCount(), 2);
  EXPECT_EQ(notes->Line(1), "two");
  notes->AddLine("three");
  EXPECT_EQ(notes->Text(), "one\r\ntwo\r\nthree");

  ShowActive(form);
  // Tab: name edit, into the group (first, second), out to OK; the hidden
  // edit and the disabled memo are skipped.
  EXPECT_TRUE(name->Focused());
  const std::vector<TControl*> order = {first, second, form.Find<TButton>("OKButton"), name};
  for (TControl* expected : order) {
    PressKey(VK_TAB);
    EXPECT_TRUE(expected->Focused()) << expected->Name();
  }
  // Mnemonics reach into the group box.
  TypeAltChar('s');
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
}

TEST(WinLayout, FontsFollowTheFormUnlessAControlHasItsOwn) {
  TForm form;
  EXPECT_EQ(form.Font().Name, "MS Sans Serif");
  EXPECT_EQ(form.Font().Height, -11);
  auto* label = new TLabel(&form);
  label->SetText("Replace &With:");
  auto* edit = new TEdit(&form);
  const int32_t narrow = label->Width();
  EXPECT_GT(narrow, 40) << "the label is as wide as its text";
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(edit->Handle(), WM_GETFONT, 0, 0)),
            form.Font().Handle());

  TFont own;
  own.Name = "Courier New";
  own.Height = -16;
  own.Style = {TFontStyle::fsBold};
  edit->SetFont(own);
  TFont big = form.Font();
  big.Height = -20;
  form.SetFont(big);
  EXPECT_EQ(label->Font().Height, -20);
  EXPECT_GT(label->Width(), narrow) << "an auto-sized label grows with its font";
  EXPECT_EQ(edit->Font(), own) << "a control with its own font keeps it";
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageA(edit->Handle(), WM_GETFONT, 0, 0)),
            own.Handle());
  EXPECT_EQ(own.Handle(), TFont(own).Handle()) << "one system font per description";
}

// An edit whose own window procedure fails on one message.
class TFailingEdit : public TEdit {
 public:
  using TEdit::TEdit;
  bool WndProc(uint32_t msg, uintptr_t wParam, intptr_t lParam, intptr_t& result) override {
    if (msg == WM_APP + 7) throw std::runtime_error("edit failed");
    return TEdit::WndProc(msg, wParam, lParam, result);
  }
};

TEST(WinLayout, TimersAndHandlersThatThrowStayInsideTheMessageLoop) {
  TFindForm form;
  form.Show();
  Pump();
  // Each window finds its one object, and nothing else.
  EXPECT_EQ(TForm::FromHandle(form.Handle()), &form);
  EXPECT_EQ(TControl::FromHandle(form.OKButton->Handle()), form.OKButton);
  EXPECT_EQ(TForm::FromHandle(form.OKButton->Handle()), nullptr);
  EXPECT_EQ(TControl::FromHandle(form.Handle()), nullptr);
  EXPECT_EQ(TForm::FromHandle(::GetDesktopWindow()), nullptr);

  // An exception from a click handler does not leave the window procedure;
  // the application records it with the message it came from.
  Application().ClearCaughtExceptions();
  form.OKButton->OnClick = [](TComponent*) { throw std::runtime_error("handler failed"); };
  ::SendMessageA(form.OKButton->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(::IsWindow(form.Handle()));
  EXPECT_EQ(Application().CaughtExceptionCount(), 1);
  EXPECT_EQ(Application().LastCaughtException(), "form, message 0x0111: handler failed");

  // So does a control's own procedure; the message still reaches the edit.
  auto* edit = new TFailingEdit(&form);
  ::SendMessageA(edit->Handle(), WM_APP + 7, 0, 0);
  ::SetWindowTextA(edit->Handle(), "still works");
  EXPECT_EQ(edit->Text(), "still works");
  EXPECT_EQ(Application().CaughtExceptionCount(), 2);
  EXPECT_EQ(Application().LastCaughtException(), "subclassed window, message 0x8007: edit failed");

  // A timer fires from the loop until it is switched off; a failing tick is
  // recorded too.
  int ticks = 0;
  TTimer timer(&form);
  timer.SetInterval(10);
  timer.OnTimer = [&](TComponent* sender) {
    if (++ticks == 3) static_cast<TTimer*>(sender)->SetEnabled(false);
    if (ticks == 2) throw 42;
  };
  for (int i = 0; i < 200 && timer.Enabled(); ++i) {
    Application().HandleMessage();
  }
  EXPECT_EQ(ticks, 3);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(Application().CaughtExceptionCount(), 3);
  EXPECT_EQ(Application().LastCaughtException(),
            "timer, message 0x0113: an exception of unknown type");
  // Recorded on purpose here: the check every Windows test program makes at
  // its end would report them.
  Application().ClearCaughtExceptions();
}
