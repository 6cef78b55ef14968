// The thesaurus component on real windows: the word at the caret of a rich
// edit is looked up, selected and replaced.
#include <gtest/gtest.h>
#include <richedit.h>
#include <windows.h>

#include <string>
#include <vector>

#include "vl3ThesaurusBase.h"

namespace {

const std::string kBrevant = std::string(VX_DATA_DIR) + "\\Brevant.vlt";

// A visible top-level window holding one rich edit.
class TRichEditHost {
 public:
  explicit TRichEditHost(const std::string& text) {
    ::LoadLibraryA("riched20.dll");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VxThesaurusTestHost";
    ::RegisterClassA(&wc);  // a second registration fails harmlessly
    form_ = ::CreateWindowExA(WS_EX_TOOLWINDOW, wc.lpszClassName, "Host", WS_POPUP, 40, 40, 500,
                              300, nullptr, nullptr, wc.hInstance, nullptr);
    edit_ =
        ::CreateWindowExA(0, "RichEdit20A", "", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE,
                          10, 10, 400, 200, form_, nullptr, wc.hInstance, nullptr);
    ::SendMessageA(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    ::ShowWindow(form_, SW_SHOWNOACTIVATE);
  }
  ~TRichEditHost() { ::DestroyWindow(form_); }

  HWND Edit() const { return edit_; }
  std::string Text() const {
    char buffer[1024] = {};
    ::GetWindowTextA(edit_, buffer, sizeof buffer);
    return buffer;
  }
  void PlaceCaret(int at) const { ::SendMessageA(edit_, EM_SETSEL, at, at); }
  std::pair<int, int> Selection() const {
    DWORD start = 0, end = 0;
    ::SendMessageA(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }

 private:
  HWND form_ = nullptr;
  HWND edit_ = nullptr;
};

TEST(ThesaurusWindowTest, WithoutADialogTheHostAnswersAndTheWordIsReplaced) {
  TRichEditHost host("We are happy today");
  host.PlaceCaret(9);  // inside "happy"
  TThesaurus3Base thesaurus;
  thesaurus.SetFilename(kBrevant);
  std::vector<std::string> headwords;
  std::pair<int, int> selected;
  thesaurus.OnPromptLookup = [&](TComponent*, const std::string& word,
                                 const TThesaurusEntryList& list) {
    EXPECT_EQ(word, "happy");
    for (const auto& e : list) headwords.push_back(e->Headword);
    selected = host.Selection();
    thesaurus.RequestReplace("glad");
  };
  EXPECT_TRUE(thesaurus.LookupWinControl(host.Edit()));
  EXPECT_EQ(host.Text(), "We are glad today");
  EXPECT_EQ(selected, std::make_pair(7, 12));  // the word was selected during the look-up
  ASSERT_FALSE(headwords.empty());
  EXPECT_EQ(headwords[0], "happy");
  // The word's place on the screen was taken for the dialog.
  const TRect word = thesaurus.DialogPosition();
  EXPECT_GT(word.Left, 40);
  EXPECT_GT(word.Top, 40);
  EXPECT_GT(word.Bottom, word.Top);

  TRichEditHost empty("   ");
  EXPECT_FALSE(thesaurus.LookupWinControl(empty.Edit()));
  EXPECT_FALSE(thesaurus.LookupWinControl(nullptr));
}

}  // namespace
