// Words the user ignored once in a live-spelling rich edit, each with the
// words that preceded it there: the same word after the same word is accepted.
#pragma once

#include <map>
#include <memory>
#include <string>

class TCustomDictionary;
class TStringList;

class TLiveIgnoredOnce {
 public:
  TLiveIgnoredOnce();
  ~TLiveIgnoredOnce();
  TLiveIgnoredOnce(const TLiveIgnoredOnce&) = delete;
  TLiveIgnoredOnce& operator=(const TLiveIgnoredOnce&) = delete;

  // Whether words ignored once are looked at (only when the menu offers
  // Ignore); checking then tracks the word before each word.
  bool UseContext() const { return useContext_; }
  void SetUseContext(bool useContext) { useContext_ = useContext; }

  void Add(const std::string& word, const std::string& previous);
  // True when word was ignored once after previous.
  bool Accepts(const std::string& word, const std::string& previous) const;

 private:
  bool useContext_ = true;
  std::unique_ptr<TCustomDictionary> words_;
  // Compares as the framework's string lists do: without case.
  struct TTextLess {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  // Each word ignored once -> the sorted, duplicate-free words that preceded it.
  std::map<std::string, std::unique_ptr<TStringList>, TTextLess> context_;
};
