// Phonetic rule tree, the built-in English, Russian and generic rule sets and
// the encoder used by the sound-alike suggestion search.
#include "vl3PhoneticsMap.h"

#include "vl3Ansi.h"

namespace {

struct TRuleDef {
  const char* source;
  const char* replacement;
  int consumed;
};

// Order matters only where a source repeats (the later rule wins); kept as
// listed for the record.
const TRuleDef kEnglishRules[] = {
    {"b", "b", 1},   {"cia", "x", 1}, {"ch", "x", 2},  {"ci", "s", 1},  {"ce", "s", 1},
    {"cy", "s", 1},  {"c", "k", 1},   {"dge", "j", 2}, {"dgy", "j", 2}, {"dgi", "j", 2},
    {"d", "t", 1},   {"f", "f", 1},   {"gha", "k", 2}, {"ghe", "k", 2}, {"ghi", "k", 2},
    {"gho", "k", 2}, {"ghu", "k", 2}, {"ghy", "k", 2}, {"gh", "", 2},   {"gn", "n", 2},
    {"gi", "j", 1},  {"ge", "j", 1},  {"gy", "j", 1},  {"g", "k", 1},   {"h", "h", 1},
    {"aha", "h", 2}, {"ahe", "h", 2}, {"ahi", "h", 2}, {"aho", "h", 2}, {"ahu", "h", 2},
    {"eha", "h", 2}, {"ehe", "h", 2}, {"ehi", "h", 2}, {"eho", "h", 2}, {"ehu", "h", 2},
    {"iha", "h", 2}, {"ihe", "h", 2}, {"ihi", "h", 2}, {"iho", "h", 2}, {"ihu", "h", 2},
    {"oha", "h", 2}, {"ohe", "h", 2}, {"ohi", "h", 2}, {"oho", "h", 2}, {"ohu", "h", 2},
    {"uha", "h", 2}, {"uhe", "h", 2}, {"uhi", "h", 2}, {"uho", "h", 2}, {"uhu", "h", 2},
    {"ah", "", 2},   {"eh", "", 2},   {"ih", "", 2},   {"oh", "", 2},   {"uh", "", 2},
    {"j", "j", 1},   {"ck", "k", 2},  {"k", "k", 1},   {"l", "l", 1},   {"m", "m", 1},
    {"n", "n", 1},   {"ph", "f", 2},  {"p", "p", 1},   {"q", "k", 1},   {"r", "r", 1},
    {"sh", "x", 2},  {"sio", "x", 1}, {"sia", "x", 1}, {"s", "s", 1},   {"tia", "x", 1},
    {"tio", "x", 1}, {"th", "0", 2},  {"tch", "x", 3}, {"t", "t", 1},   {"v", "f", 1},
    {"wa", "w", 1},  {"we", "w", 1},  {"wi", "w", 1},  {"wo", "w", 1},  {"wu", "w", 1},
    {"wy", "w", 1},  {"x", "ks", 1},  {"ya", "y", 1},  {"ye", "y", 1},  {"yi", "y", 1},
    {"yo", "y", 1},  {"yu", "y", 1},  {"yy", "y", 2},  {"z", "s", 1},
};

// Windows-1251 Cyrillic, written as bytes so the file stays code-page neutral.
const TRuleDef kRussianRules[] = {
    {"\xE1", "\xE1\xFC", 1},
    {"\xE2", "\xE2\xFC", 1},
    {"\xE3", "\xE3\xFC", 1},
    {"\xE4", "\xF2", 1},
    {"\xE7", "\xF1", 1},
    {"\xEA", "\xE3", 1},
    {"\xEB", "\xEB\xFC", 1},
    {"\xEC", "\xEC\xFC", 1},
    {"\xED", "\xED\xFC", 1},
    {"\xEF", "\xEF\xFC", 1},
    {"\xF0", "\xF0\xFC", 1},
    {"\xF1", "\xF1\xFC", 1},
    {"\xF2", "\xF2\xFC", 1},
    {"\xE6", "\xF8", 1},
    {"\xEE", "\xE0", 1},
    {"\xEE\xF0\xEE", "\xEE\xF0\xE0", 3},
    {"\xEE\xEB\xEE", "\xEE\xEB\xE0", 3},
    {"\xED\xED", "\xED", 2},
    {"\xF1\xF1", "\xF1", 2},
    {"\xE5\xE5", "\xE5", 2},
    {"\xE6\xE8", "\xE6\xFB", 2},
    {"\xF8\xE8", "\xF8\xFB", 2},
    {"\xF9", "\xF8\xFC", 1},
    {"\xF9\xF3", "\xF8\xFE", 2},
    {"\xF1\xF7", "\xF9", 2},
    {"\xF1\xF8", "\xF8", 1},
};

const TRuleDef kGenericRules[] = {
    {"b", "b", 1}, {"f", "b", 1}, {"p", "b", 1}, {"v", "b", 1}, {"c", "k", 1}, {"g", "k", 1},
    {"j", "k", 1}, {"k", "k", 1}, {"q", "k", 1}, {"s", "k", 1}, {"x", "k", 1}, {"z", "k", 1},
    {"d", "d", 1}, {"t", "d", 1}, {"l", "l", 1}, {"m", "m", 1}, {"n", "m", 1}, {"r", "r", 1},
};

constexpr uint32_t kLowByteEnglish = 9;
constexpr uint32_t kLowByteRussian = 25;

template <size_t N>
void AddRules(TReplaceNode& root, const TRuleDef (&rules)[N]) {
  for (const auto& r : rules) root.AddRule(r.source, r.replacement, r.consumed);
}

}  // namespace

// ---- TReplaceNode -------------------------------------------------------

TReplaceNode::TReplaceNode() = default;

TReplaceNode::~TReplaceNode() { ReleaseChildren(); }

bool TReplaceNode::MatchRule(const std::string& word, int position, std::string& replacement,
                             int& consumed) const {
  // The longest match below this node: the deepest rule end on the path the
  // word spells from `position` on (a loop, so that a host's very long rule
  // cannot exhaust the stack).
  // A position outside the word leaves no characters to follow.
  const bool inside = position >= 1 && static_cast<size_t>(position) <= word.size();
  const size_t from = inside ? static_cast<size_t>(position - 1) : word.size();
  const TReplaceNode* rule = FindLongestRule(word.data() + from, word.size() - from);
  if (rule == nullptr) return false;
  replacement = rule->replacement_;
  consumed = rule->consumed_;
  return true;
}

const TReplaceNode* TReplaceNode::FindLongestRule(const char* text, size_t length) const {
  const TReplaceNode* best = ruleEnd_ ? this : nullptr;
  const TReplaceNode* node = this;
  for (size_t i = 0; i < length; ++i) {
    node = node->Child(static_cast<unsigned char>(text[i]));
    if (node == nullptr) break;
    if (node->ruleEnd_) best = node;
  }
  return best;
}

void TReplaceNode::ClearRules() {
  maxSourceLength_ = 0;
  if (!hasChildren_) return;
  ReleaseChildren();
  hasChildren_ = false;
}

void TReplaceNode::ReleaseChildren() {
  // Frees the subtree table by table rather than by recursive destructors,
  // which a host's very long rule would turn into a stack overflow.
  std::vector<std::unique_ptr<std::unique_ptr<TReplaceNode>[]>> tables;
  if (children_) tables.push_back(std::move(children_));
  while (!tables.empty()) {
    std::unique_ptr<std::unique_ptr<TReplaceNode>[]> table = std::move(tables.back());
    tables.pop_back();
    for (int c = 0; c < 256; ++c) {
      if (table[c] && table[c]->children_) tables.push_back(std::move(table[c]->children_));
    }
  }
}

void TReplaceNode::AddRule(const std::string& source, const std::string& replacement,
                           int consumed) {
  // Iterative so that a host's very long source cannot exhaust the stack.
  if (source.size() > maxSourceLength_) maxSourceLength_ = source.size();
  TReplaceNode* node = this;
  for (char ch : source) {
    if (!node->children_) node->children_ = std::make_unique<std::unique_ptr<TReplaceNode>[]>(256);
    auto& child = node->children_[static_cast<unsigned char>(ch)];
    if (!child) {
      child = std::make_unique<TReplaceNode>();
      node->hasChildren_ = true;
    }
    node = child.get();
  }
  node->ruleEnd_ = true;
  node->replacement_ = replacement;
  node->consumed_ = consumed;
}

// ---- TPhoneticsMap ------------------------------------------------------

TPhoneticsMap::TPhoneticsMap() {
  for (int c = 0; c < 256; ++c) lowerCase_[c] = Ansi::ToLower(static_cast<char>(c));
}

TPhoneticsMap::~TPhoneticsMap() { ClearRules(); }

void TPhoneticsMap::SetLanguage(uint32_t language) {
  if (language == language_) return;
  language_ = language;
  ClearRules();
  uint32_t lowByte = language & 0xFF;
  if (lowByte == kLowByteEnglish) {
    AddRules(*this, kEnglishRules);
    return;
  }
  if (lowByte == kLowByteRussian) AddRules(*this, kRussianRules);
  AddRules(*this, kGenericRules);
}

void TPhoneticsMap::SetDepth(int depth) {
  if (depth >= 1) depth_ = depth;
}

void TPhoneticsMap::Encode(const char* word, size_t length, std::string& code) {
  code.clear();
  if (word == nullptr || length == 0) return;
  lowered_.resize(length);
  for (size_t i = 0; i < length; ++i) lowered_[i] = lowerCase_[static_cast<unsigned char>(word[i])];

  size_t pos = 0;
  if (depth_ > 0) {
    pos = static_cast<size_t>(depth_) < length ? static_cast<size_t>(depth_) : length;
    code.append(lowered_, 0, pos);
  }
  int budget = limit_;
  const char* text = lowered_.data();
  while (pos < length) {
    const TReplaceNode* rule = FindLongestRule(text + pos, length - pos);
    size_t consumed = 1;
    if (rule != nullptr) {
      const std::string& repl = rule->Replacement();
      // A host rule may claim to consume nothing or more than is left;
      // always move forward and never past the end.
      if (rule->Consumed() > 1) consumed = static_cast<size_t>(rule->Consumed());
      bool duplicate = removeDuplicates_ && !code.empty() && rule->Consumed() == 1 &&
                       !repl.empty() && repl[0] == code.back();
      if (!duplicate) {
        code += repl;
        budget -= static_cast<int>(repl.size());
        if (budget <= 0) break;
      }
    }
    pos += consumed < length - pos ? consumed : length - pos;
  }
}

bool TPhoneticsMap::AcceptDistance(const std::string& word, int distance) const {
  int divisor = divisor_ >= 1 ? divisor_ : 1;
  return distance <= static_cast<int>(word.size()) / divisor && distance <= maxDistance_;
}

// ---- TPhoneticPrefixFilter ----------------------------------------------

TPhoneticPrefixFilter::TPhoneticPrefixFilter(const TPhoneticsMap& map, const std::string& code)
    : map_(map),
      code_(code),
      depth_(static_cast<size_t>(map.Depth() < 1 ? 1 : map.Depth())),
      lookAhead_(map.MaxSourceLength() < 1 ? 1 : map.MaxSourceLength()) {}

bool TPhoneticPrefixFilter::MayMatch(const char* text, size_t length, size_t known) {
  if (known > length || known >= states_.size()) known = 0;
  if (states_.size() <= length) states_.resize(length + 1);
  if (lowered_.size() < length) lowered_.resize(length);
  for (size_t i = known; i < length; ++i) lowered_[i] = map_.LowerCase(text[i]);

  TState s = known == 0 ? TState() : states_[known];
  if (!s.started) {
    if (length < depth_) {
      states_[length] = s;
      return true;
    }
    // Encode copies the first `depth` characters as they are.
    if (code_.size() < depth_ || code_.compare(0, depth_, lowered_, 0, depth_) != 0) return false;
    s.started = true;
    s.position = depth_;
    s.codeLength = depth_;
    s.budget = map_.Limit();
  }

  const char* lowered = lowered_.data();
  while (!s.ended && s.position + lookAhead_ <= length) {
    const TReplaceNode* rule = map_.RuleAt(lowered + s.position, lookAhead_);
    size_t consumed = 1;
    if (rule != nullptr) {
      if (rule->Consumed() > 1) consumed = static_cast<size_t>(rule->Consumed());
      // A rule that consumes more than its source: where it leaves the
      // encoder depends on the word's end, so decide on a longer prefix.
      if (s.position + consumed > length) break;
      const std::string& repl = rule->Replacement();
      // The steps so far produced a prefix of the code, so its last
      // character is the code's.
      bool duplicate = map_.RemoveDuplicates() && s.codeLength > 0 && rule->Consumed() == 1 &&
                       !repl.empty() && repl[0] == code_[s.codeLength - 1];
      if (!duplicate) {
        if (code_.compare(s.codeLength, repl.size(), repl) != 0 ||
            s.codeLength + repl.size() > code_.size())
          return false;
        s.codeLength += repl.size();
        s.budget -= static_cast<int>(repl.size());
        if (s.budget <= 0) s.ended = true;
      }
    }
    if (!s.ended) s.position += consumed;
  }
  if (s.ended && s.codeLength != code_.size()) return false;
  states_[length] = s;
  return true;
}
