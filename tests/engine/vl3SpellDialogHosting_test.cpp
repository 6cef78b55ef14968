// The dialog hosting on its own: finding a form's bridge, standing in for the
// form's events and giving them back, placement rules and the popup guard.
#include "vl3SpellDialogHosting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vl3StillForm.h"

namespace {

class TRecordingBridge : public TComponent, public TSpellDialogBridge {
 public:
  explicit TRecordingBridge(TComponent* owner) : TComponent(owner) {}
  void Attach(TVexlorSpell3Base*) override {}
  void SetCustomDictionary(TCustomDictionary*) override {}
  void RelayPromptWord(TVexlorSpell3Base*, const std::string& word, bool) override {
    words.push_back(word);
  }
  std::vector<std::string> words;
};

TEST(SpellDialogHosting, FindsTheBridgeAmongTheFormsComponents) {
  TStillForm form;
  EXPECT_EQ(TSpellDialogHosting::FindBridge(nullptr), nullptr);
  EXPECT_EQ(TSpellDialogHosting::FindBridge(&form), nullptr);
  new TComponent(&form);  // owned by the form
  auto* bridge = new TRecordingBridge(&form);
  EXPECT_EQ(TSpellDialogHosting::FindBridge(&form), bridge);
}

TEST(SpellDialogHosting, HooksStandInForTheFormsEventsUntilGivenBack) {
  TStillForm form;
  std::vector<std::string> log;
  form.OnShow = [&log](TCustomForm*) { log.push_back("own show"); };
  form.OnActivate = [&log](TCustomForm*) { log.push_back("own activate"); };
  form.OnDeactivate = nullptr;

  TSpellDialogHosting hosting;
  hosting.TakeOverFormEvents(
      &form, [&log] { log.push_back("show hook"); }, [&log] { log.push_back("deactivate hook"); },
      [&log] { log.push_back("activate hook"); });
  form.OnShow(&form);
  form.OnActivate(&form);
  form.OnDeactivate(&form);
  EXPECT_EQ(log, std::vector<std::string>({"show hook", "own show", "own activate", "activate hook",
                                           "deactivate hook"}));

  log.clear();
  hosting.GiveBackFormEvents(&form);
  form.OnShow(&form);
  form.OnActivate(&form);
  EXPECT_FALSE(form.OnDeactivate);
  EXPECT_EQ(log, std::vector<std::string>({"own show", "own activate"}));
}

TEST(SpellDialogHosting, TheFormGoesBesideTheControlWhereItFits) {
  const TRect monitor{0, 0, 1000, 800};
  const TRect form{0, 0, 300, 200};
  struct TCase {
    TRect control;
    bool centre, placed;
    int32_t left, top;
  } cases[] = {
      {{100, 100, 400, 300}, false, true, 100, 300},  // under
      {{100, 500, 400, 700}, false, true, 400, 500},  // right
      {{100, 500, 800, 700}, false, true, 100, 300},  // over
      {{400, 100, 800, 700}, false, true, 100, 100},  // left
      {{100, 100, 900, 700}, false, false, 0, 0},     // nowhere: the caller decides
      {{100, 100, 900, 700}, true, true, 350, 300},   // nowhere: centred on the control
  };
  for (const TCase& c : cases) {
    int32_t left = 0, top = 0;
    EXPECT_EQ(
        TSpellDialogHosting::PlaceBesideControl(form, monitor, c.control, c.centre, left, top),
        c.placed);
    if (!c.placed) continue;
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(top, c.top);
  }

  struct TAvoid {
    TSpellDialogAvoidPos avoid;
    bool overlaps, moves, horizontal;
  } avoids[] = {{saNone, true, false, false}, {saAvoid, false, false, true},
                {saAvoid, true, true, true},  {saAvoidUpDown, true, true, false},
                {saMove, false, true, true},  {saMoveUpDown, false, true, false}};
  for (const TAvoid& a : avoids) {
    bool horizontal = !a.horizontal;
    EXPECT_EQ(TSpellDialogHosting::MovesOffSelection(a.avoid, a.overlaps, horizontal), a.moves)
        << int(a.avoid);
    if (a.moves) {
      EXPECT_EQ(horizontal, a.horizontal) << int(a.avoid);
    }
  }
}

TEST(SpellDialogHosting, OnePopupMenuAtATime) {
  TSpellDialogHosting hosting;
  EXPECT_TRUE(hosting.BeginPopup());
  EXPECT_TRUE(hosting.PopupActive());
  EXPECT_FALSE(hosting.BeginPopup());
  hosting.PopupAction() = 7;
  hosting.PopupWord() = "the";
  hosting.EndPopup();
  EXPECT_FALSE(hosting.PopupActive());
  EXPECT_TRUE(hosting.BeginPopup());
  EXPECT_EQ(hosting.PopupAction(), 7);
  EXPECT_EQ(hosting.PopupWord(), "the");
}

}  // namespace
