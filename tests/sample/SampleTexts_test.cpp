// The rich-text files shipped beside the sample application: each loads as
// rich text into the system's rich edit, keeps its formatting, and holds the
// misspellings that the sample's checks are meant to find.
#include <windows.h>

#include <richedit.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "vl3Application_win.h"
#include "vl3Form_win.h"
#include "vl3RichEditBox_win.h"
#include "vl3Spell.h"
#include "vl3StringList.h"

namespace {

struct TSampleText {
  const char* file;
  const char* heading;
  std::vector<std::string> findings;  // in text order; "!" marks a repeated word
};

const TSampleText kTexts[] = {
    {"SpellText.rtf", "Checking a document", {"recieve", "seperate", "definately", "!the the", "documnet"}},
    {"ThesaurusText.rtf", "Finding a better word", {"untill", "independant"}},
    {"LiveSpellingText.rtf", "Spelling as you type", {"mispelled", "apear", "beleive", "acheive"}},
};

DWORD CharEffects(HWND rich, int at) {
  CHARRANGE range = {at, at + 1};
  ::SendMessageA(rich, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  CHARFORMAT2A format = {};
  format.cbSize = sizeof format;
  ::SendMessageA(rich, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format.dwEffects;
}

TEST(SampleTexts, LoadAsFormattedRichTextWithTheirMisspellings) {
  TForm host;
  host.SetBounds(40, 40, 600, 400);
  auto* rich = new TRichEdit(&host);
  rich->SetBounds(0, 0, host.ClientWidth(), host.ClientHeight());

  // The sample's own settings for what a check skips and reports.
  TVexlorSpell3 speller(&host);
  speller.SetUIType(suiSilent);
  speller.SetConfigStorage(csNone);
  speller.SetSuggestionsLearning(false);
  speller.SetEndMessage(emNever);
  TStringList folders, mains;
  folders.Add(VX_DATA_DIR);
  mains.Add("American.vlm");
  speller.SetConfigDictionaryDir(folders);
  speller.SetConfigDefaultMain(mains);
  speller.SetConfigDefaultActiveCustom("");
  speller.SetConfigDefaultOptions(TSpellOptions{soLiveSpelling, soLiveCorrect, soInternet, soAbbreviations, soRepeated});
  std::vector<std::string> found;
  speller.OnPromptWord = [&](TVexlorSpell3Base* sender, const std::string& word, bool repeated) {
    found.push_back(repeated ? "!" + word : word);
    if (repeated)
      sender->IgnoreRepeated();
    else
      sender->Ignore();
  };
  ASSERT_TRUE(speller.IsWordInDictionaries("receive")) << "the shipped dictionary is in " VX_DATA_DIR;

  for (const TSampleText& t : kTexts) {
    SCOPED_TRACE(t.file);
    rich->SetText("");
    ASSERT_TRUE(rich->LoadFromFile(std::string(VXDEMO_DATA_DIR) + "\\" + t.file));
    const std::string text = rich->Text();
    // Read as rich text, not shown as its source.
    EXPECT_EQ(text.find('\\'), std::string::npos);
    EXPECT_EQ(text.find("rtf1"), std::string::npos);
    EXPECT_EQ(text.rfind(t.heading, 0), 0u) << text.substr(0, 80);
    // A bold heading, plain text after it, italics further on.
    EXPECT_NE(CharEffects(rich->Handle(), 0) & CFE_BOLD, 0u);
    const int body = static_cast<int>(std::string(t.heading).size()) + 3;
    EXPECT_EQ(CharEffects(rich->Handle(), body) & CFE_BOLD, 0u);
    bool italic = false;
    for (int i = body; i < static_cast<int>(text.size()) && !italic; i += 7)
      italic = (CharEffects(rich->Handle(), i) & CFE_ITALIC) != 0;
    EXPECT_TRUE(italic);

    found.clear();
    speller.CheckWinControl(rich->Handle(), ctAll);
    Application().ProcessMessages();
    EXPECT_EQ(found, t.findings);
  }
}

}  // namespace
