// Words with the letters of their code page, checked in a real edit control
// against the small dictionaries the native build compiles in that code
// page: none of them is cut in two.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Codepage.h"
#include "vl3DesktopLock_win.h"
#include "vl3Form_win.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"

namespace {

[[maybe_unused]] TDesktopLock& desktop = HoldDesktop();

struct TEditCase {
  const char* dictionary;
  int codePage;
  const char* text;  // UTF-8; every word is in the dictionary
};

}  // namespace

TEST(CodePageEditWin, WordsOfTheDictionarysCodePageAreCheckedWhole) {
  const std::string folder = std::string(VX_DATA_DIR) + "\\codepages";
  if (!Platform::FileExists(folder + "\\Polish.vlm"))
    GTEST_SKIP() << folder << " is compiled by the native build";
  const std::vector<TEditCase> cases = {
      {"Polish.vlm", 1250, "\u201E\u0141\u00F3d\u017A\u201D \u2013 \u015Bwiat\u2026 g\u0119\u015B"},
      {"Czech.vlm", 1250, "\u010Ce\u0161tina \u2014 k\u016F\u0148"},
      {"French.vlm", 1252, "\u201Cc\u0153ur\u201D \u2013 s\u0153ur\u2026 \u0152dipe"},
  };
  TForm host;
  host.SetBounds(40, 40, 420, 160);
  auto* memo = new TMemo(&host);
  memo->SetBounds(8, 8, 380, 100);
  host.Show();
  for (const TEditCase& c : cases) {
    TVexlorSpell3Base spell;
    spell.SetConfigStorage(csNone);
    TStringList folders, mains;
    folders.Add(folder);
    mains.Add(c.dictionary);
    spell.SetConfigDictionaryDir(folders);
    spell.SetConfigDefaultMain(mains);
    spell.SetConfigDefaultActiveCustom("");
    std::vector<std::string> stopped;
    spell.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool) {
      stopped.push_back(Codepage::ToUtf8(word, c.codePage));
      sender->Ignore();
    };
    std::string text;
    Codepage::FromUtf8(c.text, c.codePage, text);
    memo->SetText(text);
    spell.CheckWinControl(memo->Handle(), ctAll);
    Application().ProcessMessages();
    EXPECT_TRUE(spell.GetMissingMainDictionaries().Empty()) << c.dictionary;
    EXPECT_EQ(stopped, std::vector<std::string>{}) << c.dictionary;
  }
}
