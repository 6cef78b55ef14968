// Phonetic codes for the suggestion search: a tree of context-sensitive
// replacement rules per language and the encoder that reduces a word to a code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One node of the rule tree. A rule's source is the path from the root to the
// node that ends it; source characters beyond the consumed count are right
// context that must be present but stay in the word for the next step.
class TReplaceNode {
 public:
  TReplaceNode();
  virtual ~TReplaceNode();
  TReplaceNode(const TReplaceNode&) = delete;
  TReplaceNode& operator=(const TReplaceNode&) = delete;

  // Longest rule whose source matches `word` from `position` (1-based) on.
  virtual bool MatchRule(const std::string& word, int position, std::string& replacement,
                         int& consumed) const;
  virtual void ClearRules();
  // Adds a rule or replaces the one with the same source. Hosts must pass a
  // non-empty source and 1 <= consumed <= source length.
  virtual void AddRule(const std::string& source, const std::string& replacement, int consumed);

  bool HasChildren() const { return hasChildren_; }
  const TReplaceNode* Child(unsigned char c) const { return children_ ? children_[c].get() : nullptr; }
  bool RuleEnd() const { return ruleEnd_; }
  const std::string& Replacement() const { return replacement_; }
  int Consumed() const { return consumed_; }
  // The longest source added through this node (0 without rules): how far
  // ahead of the current character a rule can look.
  size_t MaxSourceLength() const { return maxSourceLength_; }

 protected:
  // The node ending the longest rule that matches text[0..length), or null.
  const TReplaceNode* FindLongestRule(const char* text, size_t length) const;

 private:
  void ReleaseChildren();

  bool hasChildren_ = false;
  // The 256 child slots, indexed by byte value. Allocated with the first
  // child: most nodes end a rule and have none, and the engine rebuilds the
  // tree whenever it switches between the English and the generic rules.
  std::unique_ptr<std::unique_ptr<TReplaceNode>[]> children_;
  size_t maxSourceLength_ = 0;
  bool ruleEnd_ = false;
  std::string replacement_;
  int consumed_ = 0;
};

constexpr uint32_t kPhoneticNoLanguage = 0xFFFFFFFFu;

// The root of the rule tree plus the encoder settings. The engine publishes
// Depth, Divisor and MaxDistance as PhoneticDepth, PhoneticDivisor and
// PhoneticMaxDistance.
class TPhoneticsMap : public TReplaceNode {
 public:
  TPhoneticsMap();
  ~TPhoneticsMap() override;

  // Loads the built-in rules: English for low byte 9, Russian + generic for
  // low byte 25, generic for everything else. Same value: nothing happens
  // (rules a host added after the last change stay).
  virtual void SetLanguage(uint32_t language);
  // Values below 1 are ignored.
  virtual void SetDepth(int depth);
  // Writes the code of word[0..length) into `code` (its capacity is reused,
  // so repeated calls do not allocate). The code keeps the first Depth
  // lower-cased characters and is at most Depth + 7 characters long.
  virtual void Encode(const char* word, size_t length, std::string& code);
  // distance <= length(word) div Divisor and distance <= MaxDistance.
  virtual bool AcceptDistance(const std::string& word, int distance) const;

  std::string Encode(const std::string& word) {
    std::string code;
    Encode(word.data(), word.size(), code);
    return code;
  }

  uint32_t Language() const { return language_; }
  int Depth() const { return depth_; }
  int Divisor() const { return divisor_; }
  // A divisor below 1 would divide by zero: such values are ignored.
  void SetDivisor(int divisor) {
    if (divisor >= 1) divisor_ = divisor;
  }
  int MaxDistance() const { return maxDistance_; }
  void SetMaxDistance(int distance) { maxDistance_ = distance; }
  bool RemoveDuplicates() const { return removeDuplicates_; }
  void SetRemoveDuplicates(bool value) { removeDuplicates_ = value; }
  int Limit() const { return limit_; }
  char LowerCase(char c) const { return lowerCase_[static_cast<unsigned char>(c)]; }
  // The rule Encode applies at text[0..length), or null.
  const TReplaceNode* RuleAt(const char* text, size_t length) const {
    return FindLongestRule(text, length);
  }

 private:
  int depth_ = 2;
  bool removeDuplicates_ = true;
  int limit_ = 6;
  uint32_t language_ = kPhoneticNoLanguage;
  int divisor_ = 2;
  int maxDistance_ = 4;
  std::string lowered_;  // scratch for Encode
  char lowerCase_[256];  // the ANSI lower-case mapping, cached for Encode
};

// Follows the phonetic code of a word prefix as a depth-first walk of a letter
// tree lengthens and shortens it, and tells when no word that begins with the
// prefix can have a given code, so that the walk can skip that subtree. A
// rule applied at a position from which its whole source lies inside the
// prefix decides the same way for every longer word, so the code it produces
// is final; only those steps are taken. Valid for the map's own Encode and
// only while the map's rules and settings stay unchanged.
class TPhoneticPrefixFilter {
 public:
  TPhoneticPrefixFilter(const TPhoneticsMap& map, const std::string& code);

  // text[0..length) is the prefix. `known` is a shorter length of the same
  // text that was passed before, or 0.
  bool MayMatch(const char* text, size_t length, size_t known);

 private:
  // Where the encoder stands after the steps that are final for a prefix.
  struct TState {
    bool started = false;  // the prefix is at least the copied depth long
    bool ended = false;    // the budget ran out: the code is complete
    size_t position = 0;
    size_t codeLength = 0;  // code_[0..codeLength) is what the steps produced
    int budget = 0;
  };

  const TPhoneticsMap& map_;
  const std::string& code_;
  size_t depth_;
  size_t lookAhead_;
  std::vector<TState> states_;  // by prefix length
  std::string lowered_;         // the prefix in lower case
};
