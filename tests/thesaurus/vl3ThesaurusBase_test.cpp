// The thesaurus component and its dialog controller with a stand-in form: the
// look-up from a parser and from a string, the dialog's life, the choice and
// order of the lists, the texts, placement and the host's own forms.
#include "vl3ThesaurusBase.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../platform/vl3TestFolder.h"
#include "vl3Codepage.h"
#include "vl3ParseEngine.h"
#include "vl3Platform.h"
#include "vl3StringParser.h"
#include "vl3ThesaurusCompiler.h"
#include "vl3ThesaurusTestContent.h"
#include "vl3Util.h"

namespace {

// ---- A small thesaurus ---------------------------------------------------------

// "big" has four meanings: one per way of choosing the list to show.
std::string SmallThesaurus() {
  TThesaurusContent c;
  c.Name = "Test Words";
  c.CategoryNames = {"noun", "verb", "adjective", "adverb", "other"};
  c.Meanings.push_back(Meaning("big", 2, {{{"big"}, {"large", "huge", "Great"}, {"small"}, {}}}));
  c.Meanings.push_back(Meaning("Big", 0, {{{"x"}, {"bigness", "BIG"}, {}, {}}}));
  c.Meanings.push_back(Meaning("bulky", 3, {{{"big", "bulky"}, {}, {"massive", "heavy"}, {}}}));
  c.Meanings.push_back(Meaning("boss", 0, {{{"a", "b"}, {"e", "d", "c"}, {"f", "g", "h"}, {}}}));
  c.Meanings.push_back(Meaning("large", 2, {{{}, {"big", "large", "wide"}, {}, {}}}));
  c.Headwords.push_back({"big", {0 * 5 + 2, 1 * 5 + 0, 2 * 5 + 3, 3 * 5 + 0}});
  c.Headwords.push_back({"large", {4 * 5 + 2}});
  c.Headwords.push_back({"lonely", {}});
  std::string bytes, error;
  EXPECT_TRUE(WriteThesaurus(c, bytes, nullptr, &error)) << error;
  return bytes;
}

// ---- A stand-in form -----------------------------------------------------------

// What the stand-in forms saw; it outlives the forms.
struct TFormLog {
  int shown = 0;
  int released = 0;
  int activated = 0;
  bool centredOnScreen = false;
  TPoint movedTo{-1, -1};
  Platform::TCursor cursorWhileCreating = Platform::TCursor::Default;
  Platform::TCursor cursorWhileShown = Platform::TCursor::Hourglass;
  std::vector<std::string> lookedUp;               // words of OnPromptLookup
  std::vector<std::string> headwords;              // of the last one
  std::vector<std::vector<std::string>> contexts;  // word lists of OnPromptContext
  TThesaurusDialogCommands enabled, visible;
};

class TFakeForm : public TCustomForm {
 public:
  TFakeForm(TComponent* AOwner, TFormLog& log, bool withController = true)
      : TCustomForm(AOwner), log_(log) {
    if (withController) {
      Control = new TThesaurusDialogCtrl(this);
      Control->OnActivate = [this](TThesaurusDialogCtrl* sender) {
        ++log_.activated;
        log_.enabled = sender->CommandsEnabled();
        log_.visible = sender->CommandsVisible();
      };
      Control->OnPromptLookup = [this](TComponent*, const std::string& word,
                                       const TThesaurusEntryList& list) {
        log_.lookedUp.push_back(word);
        log_.headwords.clear();
        for (const auto& e : list) log_.headwords.push_back(e->Headword);
        // As the standard dialog does: the first meaning is chosen at once.
        if (!list.empty()) Control->SelectContext(0);
      };
      Control->OnPromptContext = [this](TComponent*, const TStringList& words) {
        log_.contexts.push_back(words.ToVector());
      };
    }
  }

  // What the user does while the dialog is up.
  std::function<void(TFakeForm&)> User;
  TThesaurusDialogCtrl* Control = nullptr;

  void Show() override { visible_ = true; }
  TModalResult ShowModal() override {
    modalResult_ = mrNone;
    visible_ = true;
    ++log_.shown;
    if (OnShow) OnShow(this);
    log_.cursorWhileShown = Platform::GetCursor();
    if (modalResult_ == mrNone && User) User(*this);
    visible_ = false;
    return modalResult_;
  }
  void Hide() override { visible_ = false; }
  void Release() override {
    ++log_.released;
    delete this;
  }
  bool Visible() const override { return visible_; }
  TModalResult ModalResult() const override { return modalResult_; }
  void SetModalResult(TModalResult Value) override { modalResult_ = Value; }
  TRect BoundsRect() const override { return bounds_; }
  void MoveTo(int32_t Left, int32_t Top) override {
    bounds_ = TRect{Left, Top, Left + bounds_.Width(), Top + bounds_.Height()};
    log_.movedTo = TPoint{Left, Top};
  }
  TRect MonitorRect() const override { return TRect{0, 0, 1024, 768}; }
  void CenterOnScreen() override { log_.centredOnScreen = true; }

  void SetBounds(const TRect& r) { bounds_ = r; }

 private:
  TFormLog& log_;
  bool visible_ = false;
  TModalResult modalResult_ = mrNone;
  TRect bounds_{0, 0, 361, 211};
};

// The component with a stand-in standard dialog.
class TTestThesaurus : public TThesaurus3Base {
 public:
  TTestThesaurus(TComponent* AOwner, TFormLog& log) : TThesaurus3Base(AOwner), log_(log) {}
  std::function<void(TFakeForm&)> User;

  void CreateDialog() override {
    log_.cursorWhileCreating = Platform::GetCursor();
    auto* form = new TFakeForm(this, log_);
    form->User = User;
    SetDialogForm(form);
  }

 private:
  TFormLog& log_;
};

// A string parser whose selection is on screen at a fixed place.
class TScreenParser : public TStringParser {
 public:
  TScreenParser(std::string& text, int32_t caret, TRect wordRect)
      : TStringParser(text), rect_(wordRect) {
    SetPosition(caret, 0, ppCurrent);
  }
  void GetSelectionRect(TRect& r) override { r = rect_; }

 private:
  TRect rect_;
};

class ThesaurusBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = folder_.File("small.vlt");
    ASSERT_TRUE(Platform::WriteWholeFile(path_, SmallThesaurus()));
    thesaurus_ = std::make_unique<TTestThesaurus>(nullptr, log_);
    thesaurus_->SetFilename(path_);
  }

  // The first word of the list a meaning shows is chosen and replaced.
  static void ChooseFirstWord(TFakeForm& form) {
    form.Control->Replace(form.Control->Thesaurus()->ThesaurusFile()->Results()[0]->Lists[1][0]);
  }

  TTestFolder folder_;
  std::string path_;
  TFormLog log_;
  std::unique_ptr<TTestThesaurus> thesaurus_;
};

using Words = std::vector<std::string>;

// ---- Properties ----------------------------------------------------------------

TEST(ThesaurusDefaultsTest, PropertiesStartAtTheirDefaults) {
  TThesaurus3Base t;
  EXPECT_EQ(t.Filename(), "%AppDir%\\Brevant.vlt");
  EXPECT_FALSE(t.SortedLists());
  EXPECT_EQ(t.DoubleClickAction(), dcaLookup);
  EXPECT_EQ(t.UILanguage(), TThesaurusLanguageType::ltEnglish);
  EXPECT_EQ(t.CommandsEnabled().ToBits(), 0x1F);
  EXPECT_EQ(t.CommandsVisible().ToBits(), 0x1F);
  EXPECT_EQ(t.HelpFile(), "");
  EXPECT_EQ(t.HelpCtxThesaurusDialog(), 0);
  EXPECT_EQ(t.Version(), "3.2.0 Pro");
  EXPECT_FALSE(t.OnCreateThesaurusDialog || t.OnPromptLookup || t.OnPromptContext ||
               t.OnBeforeChange || t.OnGetString);
  EXPECT_NE(dynamic_cast<TMainParsingEngine*>(t.ParsingEngine()), nullptr);
  EXPECT_FALSE(t.ThesaurusFile()->Loaded());
  EXPECT_EQ(t.DialogPosition(), (TRect{-1, -1, -1, -1}));
  // A missing default file is not handed to the reader.
  EXPECT_EQ(t.ThesaurusFile()->FileName(), "");
  t.SetParsingEngine(nullptr);
  EXPECT_NE(t.ParsingEngine(), nullptr);
}

TEST_F(ThesaurusBaseTest, FilenameIsExpandedUnlessDesigning) {
  TThesaurus3Base designed;
  designed.SetComponentState(TComponentStateFlag::csDesigning, true);
  designed.SetFilename(path_);
  EXPECT_EQ(designed.Filename(), path_);
  EXPECT_EQ(designed.ThesaurusFile()->FileName(), "");

  TThesaurus3Base t;
  setenv("VX_THES_DIR", folder_.Path().c_str(), 1);
  t.SetFilename("%VX_THES_DIR%\\small.vlt");
  EXPECT_EQ(t.Filename(), "%VX_THES_DIR%\\small.vlt");
  EXPECT_EQ(t.ThesaurusFile()->FileName(), path_);
  EXPECT_FALSE(t.ThesaurusFile()->Loaded());  // read only for a look-up
}

// ---- The look-up from a text source ---------------------------------------------

TEST_F(ThesaurusBaseTest, WordUnderTheCaretIsLookedUpSelectedAndReplaced) {
  std::string text = "a big house";
  TScreenParser parser(text, 4, TRect{100, 100, 140, 116});  // caret inside "big"
  int beforeChange = 0;
  thesaurus_->OnBeforeChange = [&](TThesaurus3Base* sender) {
    EXPECT_EQ(sender, thesaurus_.get());
    EXPECT_EQ(text, "a big house");
    ++beforeChange;
  };
  thesaurus_->User = [&](TFakeForm& form) {
    EXPECT_TRUE(thesaurus_->LookingUp());
    EXPECT_TRUE(thesaurus_->ThesaurusFile()->Loaded());
    EXPECT_EQ(form.HelpFile(), "thes.hlp");
    EXPECT_EQ(form.HelpContext(), 12);
    ChooseFirstWord(form);
  };
  thesaurus_->SetHelpFile("thes.hlp");
  thesaurus_->SetHelpCtxThesaurusDialog(12);
  Platform::SetCursor(Platform::TCursor::Default);

  EXPECT_TRUE(thesaurus_->LookupParser(&parser));

  EXPECT_EQ(text, "a large house");
  EXPECT_EQ(beforeChange, 1);
  EXPECT_EQ(log_.shown, 1);
  EXPECT_EQ(log_.released, 1);
  EXPECT_EQ(log_.activated, 1);
  EXPECT_EQ(log_.lookedUp, Words{"big"});
  EXPECT_EQ(log_.headwords, (Words{"big", "Big", "bulky", "boss"}));
  // The hourglass shows from the start of the look-up until the dialog is up.
  EXPECT_EQ(log_.cursorWhileCreating, Platform::TCursor::Hourglass);
  EXPECT_EQ(log_.cursorWhileShown, Platform::TCursor::Default);
  EXPECT_EQ(Platform::GetCursor(), Platform::TCursor::Default);
  // Placed just below the word, aligned with its left edge.
  EXPECT_EQ(log_.movedTo.X, 100);
  EXPECT_EQ(log_.movedTo.Y, 116);
  // The file was loaded for this look-up only; nothing of it stays bound.
  EXPECT_FALSE(thesaurus_->ThesaurusFile()->Loaded());
  EXPECT_FALSE(thesaurus_->LookingUp());
  EXPECT_EQ(thesaurus_->DialogForm(), nullptr);
  EXPECT_EQ(thesaurus_->DialogCtrl(), nullptr);
}

TEST_F(ThesaurusBaseTest, ClosingReplacesNothingAndALoadedFileStaysLoaded) {
  std::string text = "big";
  TScreenParser parser(text, 1, TRect{100, 700, 140, 716});  // near the bottom
  thesaurus_->User = [](TFakeForm& form) { form.Control->Close(); };
  thesaurus_->OnBeforeChange = [](TThesaurus3Base*) { FAIL() << "nothing is replaced"; };
  thesaurus_->ThesaurusFile()->SetLoaded(true);

  EXPECT_TRUE(thesaurus_->LookupParser(&parser));
  EXPECT_EQ(text, "big");
  EXPECT_TRUE(thesaurus_->ThesaurusFile()->Loaded());
  // Above the word, since below would leave the monitor.
  EXPECT_EQ(log_.movedTo.X, 100);
  EXPECT_EQ(log_.movedTo.Y, 700 - 211);
}

TEST_F(ThesaurusBaseTest, NoWordOrNoFileShowsNothing) {
  std::string blank = "  ...  ";
  TScreenParser none(blank, 1, TRect{});
  EXPECT_FALSE(thesaurus_->LookupParser(&none));
  EXPECT_FALSE(thesaurus_->LookupParser(nullptr));
  EXPECT_EQ(log_.shown, 0);

  // A missing file: a word is found at the caret, but nothing shows.
  auto missing = std::make_unique<TTestThesaurus>(nullptr, log_);
  missing->SetFilename(folder_.File("missing.vlt"));
  bool prompted = false;
  missing->OnPromptLookup = [&](TComponent*, const std::string&, const TThesaurusEntryList&) {
    prompted = true;
  };
  std::string text = "big";
  TScreenParser parser(text, 1, TRect{});
  Platform::SetCursor(Platform::TCursor::Default);
  EXPECT_TRUE(missing->LookupParser(&parser));
  std::string replacement = "kept";
  missing->LookupString("big", replacement);
  EXPECT_EQ(replacement, "kept");
  EXPECT_EQ(text, "big");
  EXPECT_FALSE(prompted);
  EXPECT_EQ(log_.shown, 0);
  EXPECT_EQ(Platform::GetCursor(), Platform::TCursor::Default);
}

// ---- The look-up of a string ------------------------------------------------------

TEST_F(ThesaurusBaseTest, AWordWithoutMeaningsStillShowsTheDialog) {
  for (const char* word : {"lonely", "unknown"}) {
    log_ = TFormLog{};
    thesaurus_->User = [](TFakeForm& form) { form.Control->Close(); };
    std::string replacement;
    thesaurus_->LookupString(word, replacement);
    EXPECT_EQ(log_.shown, 1) << word;
    EXPECT_EQ(log_.lookedUp, Words{word});
    EXPECT_TRUE(log_.headwords.empty());
    EXPECT_EQ(replacement, "");
    EXPECT_TRUE(log_.centredOnScreen);  // no word position, no owner form
  }
}

TEST_F(ThesaurusBaseTest, DialogWithoutPositionIsCentredOnItsOwnerForm) {
  TFormLog ownerLog;
  TFakeForm owner(nullptr, ownerLog, false);
  owner.SetBounds(TRect{200, 100, 800, 500});
  auto* thesaurus = new TTestThesaurus(&owner, log_);  // owned by the form
  thesaurus->SetFilename(path_);
  thesaurus->User = [](TFakeForm& form) { form.Control->Close(); };
  std::string replacement;
  thesaurus->LookupString("big", replacement);
  EXPECT_FALSE(log_.centredOnScreen);
  EXPECT_EQ(log_.movedTo.X, 200 + (600 - 361) / 2);
  EXPECT_EQ(log_.movedTo.Y, 100 + (400 - 211) / 2);
}

TEST_F(ThesaurusBaseTest, DoubleClickLooksUpReplacesOrDoesNothing) {
  // dcaLookup: the word is looked up in the same dialog.
  thesaurus_->User = [](TFakeForm& form) {
    form.Control->DoubleClick("large");
    EXPECT_EQ(form.ModalResult(), mrNone);
    form.Control->Close();
  };
  std::string replacement;
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(log_.lookedUp, (Words{"big", "large"}));
  EXPECT_EQ(log_.headwords, Words{"large"});
  EXPECT_EQ(log_.contexts.back(), (Words{"big", "large", "wide"}));
  EXPECT_EQ(replacement, "");

  thesaurus_->SetDoubleClickAction(dcaReplace);
  thesaurus_->User = [](TFakeForm& form) { form.Control->DoubleClick("huge"); };
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(replacement, "huge");

  thesaurus_->SetDoubleClickAction(dcaNone);
  log_.lookedUp.clear();
  thesaurus_->User = [](TFakeForm& form) {
    form.Control->DoubleClick("huge");
    EXPECT_EQ(form.ModalResult(), mrNone);
    form.Control->Close();
  };
  replacement = "old";
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(replacement, "");  // closing chose nothing
  EXPECT_EQ(log_.lookedUp, Words{"big"});
}

TEST_F(ThesaurusBaseTest, ALookUpStartedDuringOneReturnsAtOnce) {
  int prompts = 0;
  thesaurus_->OnPromptLookup = [&](TComponent*, const std::string&, const TThesaurusEntryList&) {
    ++prompts;
    std::string inner = "untouched";
    thesaurus_->LookupString("large", inner);
    EXPECT_EQ(inner, "untouched");
  };
  thesaurus_->User = ChooseFirstWord;
  std::string replacement;
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(log_.shown, 1);
  EXPECT_EQ(replacement, "large");
}

// ---- Choosing and ordering the lists ------------------------------------------------

TEST_F(ThesaurusBaseTest, EachMeaningShowsTheListItsCategoryChooses) {
  std::vector<TStringList> seen;
  thesaurus_->OnPromptContext = [&](TComponent* sender, const TStringList& words) {
    EXPECT_EQ(sender, thesaurus_.get());
    seen.push_back(words);
  };
  thesaurus_->User = [](TFakeForm& form) {
    for (int i = 1; i <= 4; ++i) form.Control->SelectContext(i);  // 4 is out of range
    form.Control->SelectContext(-1);
    form.Control->Close();
  };
  std::string replacement;
  thesaurus_->LookupString("big", replacement);
  const std::vector<Words> expected = {
      {"large", "huge", "Great"},  // category 2: list 2
      {"bigness", "BIG"},          // category 0: the list holding the headword
      {"massive", "heavy"},        // category 3: list 3, though "big" is in list 1
      {"e", "d", "c"},             // category 0, headword in no list: the longest, earliest
  };
  ASSERT_EQ(seen.size(), expected.size());
  for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i].ToVector(), expected[i]);
  // The controller's event follows the component's with the same list.
  EXPECT_EQ(log_.contexts, expected);
}

TEST_F(ThesaurusBaseTest, SortedListsOrderMeaningsOrdinallyAndWordsWithoutCase) {
  thesaurus_->SetSortedLists(true);
  thesaurus_->User = [](TFakeForm& form) { form.Control->Close(); };
  std::string replacement;
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(log_.headwords, (Words{"Big", "big", "boss", "bulky"}));
  EXPECT_EQ(log_.contexts.front(), (Words{"BIG", "bigness"}));
}

// Accented words sort in the dialog language's order, not after "z" as their
// byte values would. The words are written here in UTF-8 and stored in the
// language's code page.
TEST_F(ThesaurusBaseTest, SortedWordListsFollowTheLanguagesOrder) {
  struct TCase {
    TThesaurusLanguageType language;
    Words words, sorted;
  };
  const TCase cases[] = {
      {TThesaurusLanguageType::ltEnglish,
       {"zest", "élan", "eager", "Ärger", "Apple"},
       {"Apple", "Ärger", "eager", "élan", "zest"}},
      {TThesaurusLanguageType::ltGerman,
       {"übel", "Straße", "Strasse", "Ufer", "Ärger", "Zaun"},
       {"Ärger", "Straße", "Strasse", "übel", "Ufer", "Zaun"}},
      {TThesaurusLanguageType::ltSwedish,
       {"öl", "zon", "år", "ära", "élan", "apa"},
       {"apa", "élan", "zon", "år", "ära", "öl"}},
      {TThesaurusLanguageType::ltDanish,
       {"år", "øl", "zone", "æble"},
       {"zone", "æble", "øl", "år"}},
      {TThesaurusLanguageType::ltCzech,
       {"idea", "chata", "hrad", "čaj", "cukr"},
       {"cukr", "čaj", "hrad", "chata", "idea"}},
      {TThesaurusLanguageType::ltPolish,
       {"żaba", "źdźbło", "zupa", "łódź", "lato", "świat", "sowa"},
       {"lato", "łódź", "sowa", "świat", "zupa", "źdźbło", "żaba"}},
      {TThesaurusLanguageType::ltRussian,
       {"яблоко", "ёлка", "аист", "Ель"},
       {"аист", "ёлка", "Ель", "яблоко"}},
  };
  for (const TCase& c : cases) {
    const int codePage = ThesaurusLanguageCodePage(c.language);
    auto inCodePage = [codePage](const Words& utf8) {
      Words converted;
      for (const std::string& w : utf8) {
        converted.emplace_back();
        EXPECT_TRUE(Codepage::FromUtf8(w, codePage, converted.back())) << w;
      }
      return converted;
    };
    TThesaurusContent content;
    content.Name = "Sorting";
    content.CategoryNames = {"noun", "verb", "adjective", "adverb", "other"};
    content.Meanings.push_back(Meaning("word", 1, {{inCodePage(c.words), {}, {}, {}}}));
    content.Headwords.push_back({"word", {0 * 5 + 1}});
    std::string bytes, error;
    ASSERT_TRUE(WriteThesaurus(content, bytes, nullptr, &error)) << error;
    ASSERT_TRUE(Platform::WriteWholeFile(path_, bytes));
    thesaurus_->SetFilename(folder_.File("other.vlt"));  // the file is read again
    thesaurus_->SetFilename(path_);
    thesaurus_->SetSortedLists(true);
    thesaurus_->SetUILanguage(c.language);
    thesaurus_->User = [](TFakeForm& form) { form.Control->Close(); };
    log_.contexts.clear();
    std::string replacement;
    thesaurus_->LookupString("word", replacement);
    ASSERT_EQ(log_.contexts.size(), 1u);
    EXPECT_EQ(log_.contexts.front(), inCodePage(c.sorted)) << static_cast<int>(c.language);
  }
}

// ---- Without a dialog -----------------------------------------------------------------

TEST_F(ThesaurusBaseTest, WithoutAFormResultsReachOnlyOnPromptLookup) {
  std::vector<bool> creates;
  for (bool useEvent : {false, true}) {
    TThesaurus3Base base;  // no standard dialog
    base.SetFilename(path_);
    if (useEvent) {
      base.OnCreateThesaurusDialog = [&](TThesaurus3Base*, TCustomForm*& form, bool create) {
        EXPECT_EQ(form, nullptr);
        creates.push_back(create);
      };
    }
    std::vector<std::string> headwords;
    base.OnPromptLookup = [&](TComponent* sender, const std::string& word,
                              const TThesaurusEntryList& list) {
      EXPECT_EQ(sender, &base);
      EXPECT_EQ(word, "Large");
      for (const auto& e : list) headwords.push_back(e->Headword);
      // The host answers through the component.
      base.RequestReplace("Wide");
    };
    std::string text = "Large";
    TScreenParser parser(text, 1, TRect{});
    EXPECT_TRUE(base.LookupParser(&parser));
    EXPECT_EQ(headwords, Words{"Large"});  // capitalised like the word
    EXPECT_EQ(text, "Wide");
  }
  EXPECT_EQ(creates, (std::vector<bool>{true, false}));
}

TEST_F(ThesaurusBaseTest, AHostFormIsHandedBackAndMayOutliveTheComponent) {
  TFormLog hostLog;
  auto host = std::make_unique<TFakeForm>(nullptr, hostLog);
  host->User = ChooseFirstWord;
  host->OnShow = [&](TCustomForm*) { ++hostLog.activated; };  // the form's own handler
  std::vector<bool> creates;
  {
    TThesaurus3Base base;
    base.SetFilename(path_);
    base.OnCreateThesaurusDialog = [&](TThesaurus3Base*, TCustomForm*& form, bool create) {
      creates.push_back(create);
      if (create)
        form = host.get();
      else
        EXPECT_EQ(form, host.get());
    };
    std::string replacement;
    base.LookupString("big", replacement);
    EXPECT_EQ(replacement, "large");
    EXPECT_EQ(hostLog.released, 0);
    EXPECT_EQ(host->Control->Thesaurus(), &base);
    ASSERT_TRUE(host->OnShow);  // its own handler is back
    // Bound once: a second look-up does not activate the controller again.
    base.LookupString("large", replacement);
    EXPECT_EQ(hostLog.shown, 2);
    EXPECT_EQ(hostLog.activated, 1 + 2);  // one activation, two own show handlers
  }
  EXPECT_EQ(creates, (std::vector<bool>{true, false, true, false}));
  // The component is gone: the controller forwards nothing any more.
  EXPECT_EQ(host->Control->Thesaurus(), nullptr);
  host->Control->Lookup("big");
  std::string text = "x";
  host->Control->GetString(tlsCaption, text);
  EXPECT_EQ(text, "");
}

TEST_F(ThesaurusBaseTest, AFormWithoutControllerStillShows) {
  TThesaurus3Base base;
  base.SetFilename(path_);
  base.OnCreateThesaurusDialog = [&](TThesaurus3Base*, TCustomForm*& form, bool create) {
    if (create) {
      auto* bare = new TFakeForm(nullptr, log_, false);
      bare->User = [](TFakeForm& f) { f.SetModalResult(mrCancel); };
      form = bare;
    } else {
      form->Release();
    }
  };
  std::string replacement;
  base.LookupString("big", replacement);
  EXPECT_EQ(log_.shown, 1);
  EXPECT_EQ(log_.released, 1);
  EXPECT_TRUE(log_.lookedUp.empty());
}

// ---- Controller and texts ------------------------------------------------------------------

TEST_F(ThesaurusBaseTest, ControllerCopiesTheCommandsAndForwardsOnlyWhenBound) {
  TFormLog unboundLog;
  TFakeForm unbound(nullptr, unboundLog);
  unbound.Control->SelectContext(0);
  unbound.Control->Replace("x");
  unbound.Control->DoubleClick("x");
  unbound.Control->Close();
  std::string text = "x";
  unbound.Control->GetString(tlsClose, text);
  EXPECT_EQ(text, "");
  EXPECT_EQ(unbound.Control->Version(), "3.2.0 Pro");

  thesaurus_->SetCommandsEnabled(TThesaurusDialogCommands{tdcClose, tdcReplace});
  thesaurus_->SetCommandsVisible(TThesaurusDialogCommands{tdcLookedUp});
  thesaurus_->User = [](TFakeForm& form) { form.Control->Close(); };
  std::string replacement;
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(log_.enabled, (TThesaurusDialogCommands{tdcClose, tdcReplace}));
  EXPECT_EQ(log_.visible, TThesaurusDialogCommands{tdcLookedUp});
}

TEST_F(ThesaurusBaseTest, CaptionCarriesTheThesaurusName) {
  std::string caption, close;
  thesaurus_->SetUILanguage(TThesaurusLanguageType::ltCzech);
  thesaurus_->User = [&](TFakeForm& form) {
    form.Control->GetString(tlsCaption, caption);
    form.Control->GetString(tlsClose, close);
    form.Control->Close();
  };
  std::string replacement;
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(caption, "Thesaurus: Test Words");
  EXPECT_EQ(close, "Z&av\xF8\xEDt");  // in code page 1250

  // The host's text still gets the name, in its first "%name%" only.
  thesaurus_->OnGetString = [](TThesaurus3Base*, TThesaurusLanguageString id, std::string& text) {
    if (id == tlsCaption) text = "%name% / %name%";
  };
  thesaurus_->LookupString("big", replacement);
  EXPECT_EQ(caption, "Test Words / %name%");
  EXPECT_EQ(close, "Z&av\xF8\xEDt");
}

}  // namespace
