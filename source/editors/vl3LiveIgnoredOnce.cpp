// The words ignored once with their preceding words; kept for the life of
// the rich edit, never stored.
#include "vl3LiveIgnoredOnce.h"

#include "vl3Ansi.h"
#include "vl3CustomDictionary.h"
#include "vl3StringList.h"

TLiveIgnoredOnce::TLiveIgnoredOnce() : words_(std::make_unique<TCustomDictionary>()) {}

TLiveIgnoredOnce::~TLiveIgnoredOnce() = default;

bool TLiveIgnoredOnce::TTextLess::operator()(const std::string& a, const std::string& b) const {
  return Ansi::CompareText(a, b) < 0;
}

void TLiveIgnoredOnce::Add(const std::string& word, const std::string& previous) {
  // Kept in lower case: the list compares without case.
  words_->AddIgnore(Ansi::LowerCase(word));
  auto& list = context_[word];
  if (!list) {
    list = std::make_unique<TStringList>();
    list->SetSorted(true);
  }
  list->Add(previous);
}

bool TLiveIgnoredOnce::Accepts(const std::string& word, const std::string& previous) const {
  if (!words_->HasIgnore(Ansi::LowerCase(word))) return false;
  auto it = context_.find(word);
  return it != context_.end() && it->second->IndexOf(previous) >= 0;
}
