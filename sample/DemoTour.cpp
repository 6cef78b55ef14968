// The tour runs from a timer inside the message loop, so that it keeps going
// while a spelling check waits for the user in its own loop.
#include "DemoTour.h"

#include <windows.h>

#include <cstdio>

#include "Main.h"
#include "vl3Application_win.h"
#include "vl3PageControl_win.h"
#include "vl3Spell.h"

namespace {

const uint32_t kTickMs = 100;
// A wait (for a dialog to show, for a check to end) that takes longer than
// this is given up and reported.
const uint32_t kWaitLimitMs = 10000;

// "Spelling Check" -> "SpellingCheck".
std::string PictureName(const std::string& caption) {
  std::string name = "TDemoForm-";
  for (char c : caption)
    if (c != ' ' && c != '&') name += c;
  return name;
}

bool Showing(TCustomForm* form) { return form != nullptr && form->Visible(); }

}  // namespace

TDemoTour::TDemoTour(TDemoForm& form, const std::string& folder) : form_(form), folder_(folder) {
  if (!folder_.empty() && folder_.back() != '\\' && folder_.back() != '/') folder_ += '\\';
  for (int32_t page = 0; page < form_.PageControl->PageCount(); ++page) {
    if (form_.PageControl->Pages(page) != form_.OtherFeaturesSheet) {
      AddPage(page, -1);
      continue;
    }
    for (int32_t inner = 0; inner < form_.PageControl1->PageCount(); ++inner) AddPage(page, inner);
  }
  // The standard dialog over the first page, then the application's own one.
  AddCheck("TDemoForm-SpellingDialog", true, [this] {
    form_.PageControl->SetActivePage(form_.SpellingCheckSheet);
    ::PostMessageA(form_.SpellCheckButton->Handle(), BM_CLICK, 0, 0);
  });
  AddCheck("TSpellingForm", false, [this] {
    form_.PageControl->SetActivePage(form_.OtherFeaturesSheet);
    form_.PageControl1->SetActivePage(form_.CustomDialogsSheet);
    ::PostMessageA(form_.CustomDialogSpellCheckButton->Handle(), BM_CLICK, 0, 0);
  });
}

TDemoTour::~TDemoTour() = default;

void TDemoTour::Start() {
  timer_ = std::make_unique<TTimer>();
  timer_->SetInterval(kTickMs);
  timer_->OnTimer = [this](TComponent*) { Tick(); };
  timer_->SetEnabled(true);
}

void TDemoTour::Add(const std::string& what, TStep step) { steps_.emplace_back(what, std::move(step)); }

// One page (and inner page), with something to see on the pages that start
// empty.
void TDemoTour::AddPage(int32_t outer, int32_t inner) {
  TTabSheet* page = form_.PageControl->Pages(outer);
  TTabSheet* shown = inner >= 0 ? form_.PageControl1->Pages(inner) : page;
  Add("show " + shown->Text(), [this, page, inner] {
    form_.PageControl->SetActivePage(page);
    if (inner >= 0) form_.PageControl1->SetActivePageIndex(inner);
    if (form_.PageControl1->ActivePage() == form_.SilentCheckSheet && inner >= 0 &&
        form_.TextToParse->Text().empty()) {
      form_.TextToParse->SetText("Words are parsed and tested one by one; the misspelt\r\n"
                                 "ones are listed with their sugestions.");
      form_.ParseButtonClick();
    }
    return true;
  });
  Add("capture " + shown->Text(), [this, shown] {
    Capture({form_.Handle()}, PictureName(shown->Text()));
    return true;
  });
}

// Presses a button that starts a check, captures the dialog when it shows,
// cancels the check and waits for its end.
void TDemoTour::AddCheck(const std::string& picture, bool withMainForm, std::function<void()> press) {
  Add("start " + picture, [press] {
    press();
    return true;
  });
  Add("wait for " + picture, [this] { return Showing(form_.VexlorSpell->SpellDialog()); });
  Add("capture " + picture, [this, picture, withMainForm] {
    auto* dialog = dynamic_cast<TForm*>(form_.VexlorSpell->SpellDialog());
    if (!dialog) return true;
    if (withMainForm)
      Capture({form_.Handle(), dialog->Handle()}, picture);
    else
      Capture({dialog->Handle()}, picture);
    return true;
  });
  Add("cancel " + picture, [this] {
    if (form_.VexlorSpell->Checking()) form_.VexlorSpell->Cancel();
    return true;
  });
  Add("end of " + picture, [this] { return !form_.VexlorSpell->Checking(); });
}

void TDemoTour::Capture(const std::vector<HWND__*>& windows, const std::string& name) {
  if (!shot_.Capture(windows, folder_ + name)) failures_.push_back("no picture " + name);
}

void TDemoTour::Tick() {
  if (busy_) return;
  busy_ = true;
  if (next_ >= steps_.size()) {
    timer_->SetEnabled(false);
    form_.Close();
  } else {
    const uint32_t now = ::GetTickCount();
    if (waitingSince_ == 0) waitingSince_ = now;
    bool done = false;
    try {
      done = steps_[next_].second();
    } catch (...) {
      Application().ExceptionCaught("demo tour step", WM_TIMER);
      failures_.push_back("failed: " + steps_[next_].first);
      done = true;
    }
    if (!done && now - waitingSince_ > kWaitLimitMs) {
      failures_.push_back("gave up: " + steps_[next_].first);
      done = true;
    }
    if (done) {
      ++next_;
      waitingSince_ = 0;
    }
  }
  busy_ = false;
}
