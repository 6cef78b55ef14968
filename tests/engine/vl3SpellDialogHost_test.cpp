// Dialog hosting without a window system: a fake form records what the
// component does with it, a string parser reports fixed screen rectangles.
#include <gtest/gtest.h>

#include <algorithm>

#include "vl3ConfigurationDialogCtrl.h"
#include "vl3SpellTestHost.h"
#include "vl3StringParser.h"

namespace {

using namespace spelltest;

class TFakeForm : public TCustomForm {
 public:
  TFakeForm() { dialogControl = new TConfigurationDialogCtrl(this); }

  void Show() override {
    visible = true;
    log.push_back("show");
    Raise(OnShow);
  }
  TModalResult ShowModal() override {
    modalResult = mrNone;
    visible = true;
    log.push_back("modal");
    Raise(OnShow);
    log.push_back(modalResult == mrOk ? "loop ended" : "loop open");
    visible = false;
    return modalResult;
  }
  void Hide() override {
    visible = false;
    log.push_back("hide");
  }
  void Release() override { log.push_back("release"); }
  bool Visible() const override { return visible; }
  TModalResult ModalResult() const override { return modalResult; }
  void SetModalResult(TModalResult value) override { modalResult = value; }
  TRect BoundsRect() const override { return bounds; }
  void MoveTo(int32_t left, int32_t top) override {
    bounds = TRect{left, top, left + bounds.Width(), top + bounds.Height()};
  }
  TRect MonitorRect() const override { return TRect{0, 0, 1000, 800}; }
  void CenterOnScreen() override { MoveTo(350, 325); }

  // As a real form does: the handler is copied first, since it may replace
  // itself while it runs.
  void Raise(const TFormNotifyEvent& event) {
    TFormNotifyEvent handler = event;
    if (handler) handler(this);
  }

  TConfigurationDialogCtrl* dialogControl;  // owned by the form
  TRect bounds{0, 0, 300, 150};
  bool visible = false;
  TModalResult modalResult = mrNone;
  std::vector<std::string> log;
};

// A string parser whose control and words sit at known places on screen:
// each word's rectangle follows the parser's column.
class TPlacedParser : public TStringParser {
 public:
  TPlacedParser(std::string& text, TRect control) : TStringParser(text), control_(control) {}
  void GetControlRect(TRect& r) override { r = control_; }
  void GetSelectionRect(TRect& r) override {
    const int32_t x = control_.Left + 10 * X();
    r = TRect{x, control_.Top + 20, x + 30, control_.Top + 36};
  }

 private:
  TRect control_;
};

class SpellDialogHost : public TEngineFixture {
 protected:
  void SetUp() override {
    TEngineFixture::SetUp();
    engine->SetUIType(suiDialog);
    engine->SetEndMessage(emNever);
    engine->OnPromptWord = nullptr;
    engine->OnCreateSpellDialog = [this](TVexlorSpell3Base*, TCustomForm*& form, bool create) {
      if (create) {
        form = &this->form;
        ++created;
      } else {
        EXPECT_EQ(form, &this->form);
        ++disposed;
      }
    };
    form.dialogControl->OnPromptWord = [this](TVexlorSpell3Base* sender, const std::string& word, bool) {
      prompts.push_back(word);
      positions.push_back(form.bounds);
      sender->Ignore();
    };
  }

  void CheckAt(std::string& text, TRect control) {
    engine->SetOwnsParser(true);
    engine->CheckParser(new TPlacedParser(text, control), ctAll);
  }

  TFakeForm form;
  int created = 0, disposed = 0;
  std::vector<TRect> positions;
};

TEST_F(SpellDialogHost, ModelessDialogIsLinkedShownChainedAndHandedBack) {
  int ownShows = 0, ownActivations = 0;
  form.OnShow = [&](TCustomForm*) { ++ownShows; };
  form.OnActivate = [&](TCustomForm*) { ++ownActivations; };
  int deactivations = 0, activations = 0;
  engine->OnDialogDeactivate = [&](TVexlorSpell3Base*) { ++deactivations; };
  engine->OnDialogActivate = [&](TVexlorSpell3Base*) { ++activations; };
  bool switched = false;
  engine->OnPromptWord = [&](TVexlorSpell3Base*, const std::string&, bool) {
    // While the dialog is up its events belong to the component, which
    // still calls the form's own handlers. Activation resynchronises, which
    // shows the word again: the user switches away once.
    if (prompts.size() < 2 || switched) return;
    switched = true;
    form.OnDeactivate(&form);
    form.OnDeactivate(&form);
    form.OnActivate(&form);
  };

  std::string text = "cat zz dog yy";
  CheckAt(text, TRect{100, 100, 400, 200});
  EXPECT_EQ(prompts, (std::vector<std::string>{"zz", "yy", "yy"}));
  EXPECT_EQ(form.dialogControl->SpellChecker(), engine.get());
  EXPECT_EQ(created, 1);
  EXPECT_EQ(disposed, 1);
  EXPECT_EQ(ownShows, 1);
  EXPECT_EQ(ownActivations, 1);
  EXPECT_EQ(deactivations, 1);  // only the first until the next activation
  EXPECT_EQ(activations, 1);
  EXPECT_EQ(form.log.front(), "show");
  EXPECT_EQ(form.log.back(), "hide");
  EXPECT_EQ(engine->SpellDialog(), nullptr);

  // Handed back: the form's own handlers alone.
  form.OnActivate(&form);
  EXPECT_EQ(ownActivations, 2);
  EXPECT_EQ(activations, 1);
}

TEST_F(SpellDialogHost, LastUserPositionIsStoredAndReusedOnTheMonitor) {
  std::string text = "zz";
  CheckAt(text, TRect{100, 100, 400, 200});
  // Never stored: placed below the control, which keeps it off the word.
  EXPECT_EQ(positions[0].Top, 200);
  EXPECT_EQ(engine->Configuration()->GetDialogX(), form.bounds.Left);
  EXPECT_EQ(engine->Configuration()->GetDialogY(), form.bounds.Top);

  // The user moves it far off the monitor; the next check clamps it back.
  form.MoveTo(950, 40);
  engine->Configuration()->SetDialogX(950);
  engine->Configuration()->SetDialogY(40);
  engine->SetDialogSelectionAvoid(saNone);
  text = "zz";
  CheckAt(text, TRect{100, 100, 400, 200});
  EXPECT_EQ(positions[1].Left, 700);
  EXPECT_EQ(positions[1].Top, 40);
}

TEST_F(SpellDialogHost, ControlPlacementFollowsTheFreeSideOfTheScreen) {
  engine->SetDialogInitialPos(ipAvoidControl);
  engine->SetDialogSelectionAvoid(saNone);
  struct Case {
    TRect control;
    int32_t left, top;
  };
  const std::vector<Case> cases = {
      {{100, 100, 400, 200}, 100, 200},  // below
      {{100, 700, 400, 790}, 400, 650},  // at the bottom: to the right, kept on the monitor
      {{100, 700, 900, 790}, 100, 550},  // wide at the bottom: above
      {{100, 0, 900, 790}, 110, 36},     // no room on any side: under the word
  };
  for (const Case& c : cases) {
    positions.clear();
    std::string text = "zz";
    CheckAt(text, c.control);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_EQ(positions[0].Left, c.left);
    EXPECT_EQ(positions[0].Top, c.top);
  }
}

TEST_F(SpellDialogHost, AvoidingTheSelectionMovesOnlyWhenNeededOrAlways) {
  engine->SetDialogInitialPos(ipIgnore);
  form.bounds = TRect{500, 500, 800, 650};
  engine->SetDialogSelectionAvoid(saAvoid);
  std::string text = "zz yy";
  CheckAt(text, TRect{0, 0, 400, 100});
  EXPECT_EQ(positions[0].Left, 500);  // the words are far from the form
  EXPECT_EQ(positions[1].Left, 500);

  positions.clear();
  engine->SetDialogSelectionAvoid(saMove);
  text = "zz yy";
  CheckAt(text, TRect{0, 0, 400, 100});
  ASSERT_EQ(positions.size(), 2u);
  EXPECT_EQ(positions[0].Top, 36);  // just under each word
  EXPECT_LT(positions[0].Left, positions[1].Left);
}

TEST_F(SpellDialogHost, ModalImmediateDialogRunsTheWholeCheckFromItsShowEvent) {
  engine->SetDialogShowModal(true);
  engine->SetDialogShowImmediate(true);
  engine->SetDialogInitialPos(ipScreenCenter);
  std::string text = "zz cat yy";
  CheckAt(text, TRect{100, 100, 400, 200});
  EXPECT_EQ(prompts, (std::vector<std::string>{"zz", "yy"}));
  EXPECT_EQ((std::vector<std::string>(form.log.begin(), form.log.begin() + 2)),
            (std::vector<std::string>{"modal", "loop ended"}));
  EXPECT_FALSE(engine->Checking());
  EXPECT_EQ(disposed, 1);
}

// Opened at the start, a modal dialog appears with the first word that
// needs the user; on a text with no mistakes it never appears, and only the
// end message is seen (none at all with emNoDialog).
TEST_F(SpellDialogHost, ModalImmediateDialogOnACleanTextIsNeverShown) {
  engine->SetDialogShowModal(true);
  engine->SetDialogShowImmediate(true);
  engine->SetDialogInitialPos(ipScreenCenter);
  int shows = 0, hides = 0;
  engine->OnSpellDialogShow = [&](TVexlorSpell3Base*) { ++shows; };
  engine->OnSpellDialogHide = [&](TVexlorSpell3Base*) { ++hides; };
  for (TSpellEndMessage end : {emAlways, emNoDialog}) {
    SCOPED_TRACE(int(end));
    engine->SetEndMessage(end);
    form.log.clear();
    messages.clear();
    std::string text = "the cat sat";
    CheckAt(text, TRect{100, 100, 400, 200});
    EXPECT_FALSE(engine->Checking());
    EXPECT_TRUE(prompts.empty());
    EXPECT_TRUE(std::find(form.log.begin(), form.log.end(), "modal") == form.log.end()) << "the dialog flashed up";
    EXPECT_FALSE(form.visible);
    EXPECT_EQ(messages.size(), end == emAlways ? 1u : 0u);
  }
  EXPECT_EQ(shows, 2);
  EXPECT_EQ(hides, 2);
  EXPECT_EQ(disposed, 2);
}

TEST_F(SpellDialogHost, BaseComponentWithoutAFormStillPromptsTheHost) {
  engine->OnCreateSpellDialog = nullptr;
  engine->OnPromptWord = [&](TVexlorSpell3Base* e, const std::string& w, bool) {
    prompts.push_back(w);
    e->Ignore();
  };
  std::string text = "zz";
  CheckAt(text, TRect{});
  EXPECT_EQ(prompts, (std::vector<std::string>{"zz"}));
  EXPECT_TRUE(form.log.empty());
}

}  // namespace
