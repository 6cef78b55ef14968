// A test host for the spell-checker component: a private dictionary folder
// with dictionaries compiled from word lists, and a scripted silent user.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3Platform.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"

namespace spelltest {

constexpr uint32_t kEnglish = 0x0409;
constexpr uint32_t kGerman = 0x0407;

// The native system's form of a path ('/' for '\\').
inline std::string SystemPath(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

// A folder of its own for each test, removed with its files at the end.
class TTempFolder {
 public:
  TTempFolder() {
    static int serial = 0;
    path_ = Platform::TempDirectory() + "\\vxengine_" + std::to_string(::getpid()) + "_" +
            std::to_string(++serial);
    Platform::CreateDirectory(path_);
  }
  ~TTempFolder() { Remove(path_); }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }
  std::string Sub(const std::string& name) const {
    Platform::CreateDirectory(File(name));
    return File(name);
  }

 private:
  // Native test runs only: the folder's system path has '/' for '\\'.
  static void Remove(const std::string& folder) {
    std::error_code ignored;
    std::filesystem::remove_all(SystemPath(folder), ignored);
  }
  std::string path_;
};

inline void CompileMain(const std::string& path, const std::vector<std::string>& words, uint32_t lang = kEnglish) {
  TDictionaryCompiler compiler;
  for (const std::string& w : words) compiler.AddWord(w);
  TDictionaryCompileOptions options;
  options.langId = lang;
  std::string error;
  ASSERT_TRUE(compiler.CompileToFile(options, path, error)) << error;
}

// Writes a custom dictionary file holding the given entries.
inline void WriteCustom(const std::string& path, const std::vector<std::string>& ignore,
                        const std::vector<std::string>& exclude = {},
                        const std::vector<std::pair<std::string, std::string>>& autoCorrect = {}) {
  TCustomDictionary dictionary;
  for (const auto& w : ignore) dictionary.AddIgnore(w);
  for (const auto& w : exclude) dictionary.AddExclude(w);
  for (const auto& p : autoCorrect) dictionary.AddAutoCorrect(p.first, p.second);
  ASSERT_TRUE(dictionary.SaveCopyAs(path));
}

inline TStringList List(const std::vector<std::string>& items) {
  TStringList list;
  for (const auto& s : items) list.Add(s);
  return list;
}

inline std::function<void(TVexlorSpell3Base*)> DoAddStep() {
  return [](TVexlorSpell3Base* e) { e->Add(); };
}

inline const std::vector<std::string>& DefaultWords() {
  static const std::vector<std::string> words = {
      "a", "the", "cat", "sat", "on", "mat", "dog", "dogs", "hello", "world", "Paris", "is", "in",
      "spring", "quick", "brown", "fox", "jumps", "over", "lazy", "colour", "color", "word",
      "check", "this", "text", "and", "one", "two", "three", "four", "it"};
  return words;
}

// The engine in a private folder, with no stored configuration: every
// load starts from the defaults set here.
class TEngineFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("VX_REGISTRY_FILE", folder.File("registry.ini").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", SystemPath(folder.Path()).c_str(), 1);
    Platform::SetMessageBoxHook([this](const std::string& text, const std::string& caption, uint32_t flags) {
      messages.push_back(caption + "|" + text + "|" + std::to_string(flags));
      return messageAnswer;
    });
    CompileMain(folder.File("Test.vlm"), DefaultWords());
    engine = MakeEngine();
  }
  void TearDown() override {
    engine.reset();
    Platform::SetMessageBoxHook(nullptr);
  }

  std::unique_ptr<TVexlorSpell3Base> MakeEngine(TConfigStorage storage = csNone) {
    auto e = std::make_unique<TVexlorSpell3Base>();
    e->SetConfigStorage(storage);
    e->SetConfigFilename(folder.File("Spell.cfg"));
    e->SetConfigDictionaryDir(List({folder.Path()}));
    e->SetConfigDefaultMain(List({"Test.vlm"}));
    e->SetConfigDefaultActiveCustom("User.vlu");
    e->SetSuggestionsLearningDict(folder.File("learn.vll"));
    e->OnPromptWord = [this](TVexlorSpell3Base* sender, const std::string& word, bool repeated) {
      prompts.push_back(repeated ? "[" + word + "]" : word);
      if (script.empty()) {
        sender->Ignore();
        return;
      }
      auto step = script.front();
      script.pop_front();
      step(sender);
    };
    return e;
  }

  // Checks a copy of text and returns the edited copy.
  std::string Check(const std::string& text) {
    std::string s = text;
    engine->CheckString(s);
    return s;
  }

  TTempFolder folder;
  std::unique_ptr<TVexlorSpell3Base> engine;
  std::vector<std::string> prompts;
  std::deque<std::function<void(TVexlorSpell3Base*)>> script;
  std::vector<std::string> messages;
  int messageAnswer = Platform::kIdOk;
};

}  // namespace spelltest
