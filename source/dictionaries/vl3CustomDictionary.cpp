// The user-editable word store: ignore, exclude and auto-correct entries kept
// in a ".vlu" file that is the in-memory image (a hash table over a byte pool).
#include "vl3CustomDictionary.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>
#include <utility>

#include "vl3Platform.h"

using namespace VluFormat;

namespace {

// Keep at least this share (1/8) of the slots empty so that a probe for an
// absent word stops early; deleted slots are reclaimed by rebuilding.
bool TooFewEmptySlots(int64_t emptyAfterInsert, int64_t size) { return emptyAfterInsert * 8 < size; }

}  // namespace

// ---- TCustomDictionary ----------------------------------------------------

TCustomDictionary::TCustomDictionary() = default;

TCustomDictionary::~TCustomDictionary() { SetActive(false); }

void TCustomDictionary::SetFilename(const std::string& path) {
  std::unique_ptr<TCustomDictionaryFile> none;
  if (!ValidateFile(path, false, none)) return;
  bool wasActive = active_;
  SetActive(false);
  if (active_) return;  // its words could not be saved: it stays on its file
  path_ = path;
  tracking_ = !path.empty();
  SetActive(wasActive);
}

void TCustomDictionary::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (!value) {
    // Words that cannot be saved (a full disk, a read-only file) keep the
    // dictionary open with them pending, so a later save can still keep them.
    if (modified_ && !SaveChanges()) {
      active_ = true;
      return;
    }
    modified_ = false;
    ClearContent();
    ClearChanges();
    return;
  }
  loadFailed_ = false;
  if (path_.empty()) return;
  std::unique_ptr<TCustomDictionaryFile> file;
  if (!ValidateFile(path_, true, file)) {
    SetActive(false);
    return;
  }
  if (!file) {
    stamp_ = 0;
    modified_ = true;  // the new file is written on the next save
    return;
  }
  stamp_ = file->Stamp();
  ReadContent(*file);
}

int TCustomDictionary::CountIgnored() {
  BuildKindLists();
  return static_cast<int>(ignoreList_.size());
}

int TCustomDictionary::CountExcluded() {
  BuildKindLists();
  return static_cast<int>(excludeList_.size());
}

int TCustomDictionary::CountAutoCorrect() {
  BuildKindLists();
  return static_cast<int>(autoCorrectList_.size());
}

bool TCustomDictionary::ValidateFile(const std::string& path, bool keepOpen,
                                     std::unique_ptr<TCustomDictionaryFile>& file) {
  file.reset();
  if (path.empty()) return true;
  auto opened = std::make_unique<TCustomDictionaryFile>();
  bool valid = false;
  if (!CustomDictionarySave::OpenInTurn(path, *opened, valid)) return valid;
  if (keepOpen) {
    opened->Seek(kHeaderSize);
    file = std::move(opened);
  }
  return true;
}

void TCustomDictionary::ReadContent(TCustomDictionaryFile& file) {
  ClearContent();
  loadFailed_ = false;
  TBody body;
  if (!ReadBody(file, body)) {
    ClearContent();
    loadFailed_ = true;
    return;
  }
  table_.swap(body.table);
  pool_.swap(body.pool);
  poolUsed_ = body.poolUsed;
  ignoreCount_ = body.counts[0];
  excludeCount_ = body.counts[1];
  autoCorrectCount_ = body.counts[2];
  liveCount_ = body.counts[3];
  SanitizeLoadedContent();
}

void TCustomDictionary::SanitizeLoadedContent() {
  const size_t used = poolUsed_;
  for (int32_t& slot : table_) {
    if (slot < 0) slot = -1;
    if (slot <= 0) continue;
    size_t kindAt = static_cast<size_t>(slot) - 1;
    bool valid = kindAt < used && IsKnownKind(static_cast<uint8_t>(pool_[kindAt]));
    size_t wordEnd = valid ? PoolStringEnd(kindAt + 1) : used;
    valid = valid && wordEnd < used;
    if (valid && pool_[kindAt] == kAutoCorrect) valid = PoolStringEnd(wordEnd + 1) < used;
    if (!valid) slot = -1;
  }
  // Each entry must be the one a look-up of its word reaches; misplaced or
  // repeated words (never written by a sound writer) get a fresh table.
  bool consistent = true;
  for (size_t i = 0; i < table_.size() && consistent; ++i) {
    if (table_[i] > 0) consistent = ProbeFor(ReadPoolString(table_[i])) == static_cast<int64_t>(i);
  }
  if (!consistent) {
    std::vector<int32_t> old;
    old.swap(table_);
    table_.assign(old.size(), 0);
    for (int32_t slot : old) {
      if (slot <= 0) continue;
      std::string word = ReadPoolString(slot);
      if (ProbeFor(word) < 0) PlaceInTable(table_, word, slot);  // first copy wins
    }
  }
  int32_t counts[3] = {0, 0, 0};
  emptySlots_ = 0;
  for (int32_t slot : table_) {
    if (slot == 0) ++emptySlots_;
    if (slot <= 0) continue;
    switch (pool_[static_cast<size_t>(slot) - 1]) {
      case kIgnore: ++counts[0]; break;
      case kExclude: ++counts[1]; break;
      default: ++counts[2]; break;
    }
  }
  // The table is the truth; stored counts that disagree would misdirect growth.
  ignoreCount_ = counts[0];
  excludeCount_ = counts[1];
  autoCorrectCount_ = counts[2];
  liveCount_ = counts[0] + counts[1] + counts[2];
  kindListsValid_ = false;
}

std::string TCustomDictionary::ContentImage() const {
  const int32_t counts[4] = {ignoreCount_, excludeCount_, autoCorrectCount_, liveCount_};
  return WriteImage(counts, table_, pool_.data(), poolUsed_);
}

bool TCustomDictionary::LoadContentImage(const std::string& image) {
  if (!HasBanner(image)) return false;
  TCustomDictionaryFile file;
  file.Assign(image);
  file.Seek(kHeaderSize);
  active_ = true;
  ReadContent(file);
  return true;
}

bool TCustomDictionary::WriteContent(const std::string& path) {
  try {
    return Platform::WriteWholeFile(path, ContentImage());
  } catch (const std::bad_alloc&) {
    return false;
  }
}

void TCustomDictionary::ListEntry(char kind, int32_t slotValue) {
  switch (kind) {
    case kAutoCorrect: autoCorrectList_.push_back(slotValue); break;
    case kExclude: excludeList_.push_back(slotValue); break;
    case kIgnore: ignoreList_.push_back(slotValue); break;
    default: break;
  }
}

void TCustomDictionary::BuildKindLists() {
  if (kindListsValid_) return;
  EnsureActive();
  ignoreList_.clear();
  excludeList_.clear();
  autoCorrectList_.clear();
  auto capacity = [&](int32_t stored) {
    return static_cast<size_t>(std::clamp<int64_t>(stored, 0, static_cast<int64_t>(table_.size()))) + 256;
  };
  ignoreList_.reserve(capacity(ignoreCount_));
  excludeList_.reserve(capacity(excludeCount_));
  autoCorrectList_.reserve(capacity(autoCorrectCount_));
  for (int32_t slot : table_) {
    if (slot > 0) ListEntry(static_cast<char>(PoolByte(slot - 1)), slot);
  }
  kindListsValid_ = true;
}

size_t TCustomDictionary::PoolStringEnd(size_t start) const {
  if (start >= poolUsed_) return poolUsed_;
  const void* end = std::memchr(pool_.data() + start, 0, poolUsed_ - start);
  return end ? static_cast<size_t>(static_cast<const char*>(end) - pool_.data()) : poolUsed_;
}

std::string TCustomDictionary::ReadPoolString(int32_t offset) {
  if (offset < 0 || static_cast<size_t>(offset) >= poolUsed_) return std::string();
  const size_t start = static_cast<size_t>(offset);
  return std::string(pool_.data() + start, PoolStringEnd(start) - start);
}

uint8_t TCustomDictionary::PoolByte(int32_t offset) const {
  if (offset < 0 || static_cast<size_t>(offset) >= poolUsed_) return 0;
  return static_cast<uint8_t>(pool_[static_cast<size_t>(offset)]);
}

bool TCustomDictionary::PoolStringEquals(int32_t offset, const std::string& word) const {
  if (offset < 0) return false;
  size_t start = static_cast<size_t>(offset);
  // The stored word and its terminator must both lie inside the used pool.
  if (start > poolUsed_ || poolUsed_ - start < word.size() + 1) return false;
  const char* p = pool_.data() + start;
  return p[word.size()] == 0 && std::memcmp(p, word.data(), word.size()) == 0;
}

int64_t TCustomDictionary::ProbeFor(const std::string& word) const {
  const int64_t size = static_cast<int64_t>(table_.size());
  if (size <= 0) return -1;
  int64_t index = HashWord(word, static_cast<int32_t>(size));
  const int64_t step = index % 97 + 1;
  // Every slot at most once: a table without empty slots must not trap us.
  for (int64_t visited = 0; visited < size; ++visited) {
    int32_t v = table_[static_cast<size_t>(index)];
    if (v == 0) return -1;
    if (v > 0 && PoolStringEquals(v, word)) return index;
    index = (index + step) % size;
  }
  return -1;
}

bool TCustomDictionary::FindEntry(char kind, const std::string& word, int32_t& slotValue,
                                  int32_t& slotIndex) {
  slotValue = 0;
  slotIndex = -1;
  EnsureActive();
  int64_t index = ProbeFor(word);
  if (index < 0) return false;
  slotValue = table_[static_cast<size_t>(index)];
  slotIndex = static_cast<int32_t>(index);
  return kind == kAnyKind || PoolByte(slotValue - 1) == static_cast<uint8_t>(kind);
}

void TCustomDictionary::AppendToPool(const char* bytes, size_t length) {
  while (pool_.size() - poolUsed_ <= length) pool_.resize(pool_.size() + kPoolStep);
  if (length > 0) std::memcpy(pool_.data() + poolUsed_, bytes, length);
  poolUsed_ += length;
}

void TCustomDictionary::PlaceInTable(std::vector<int32_t>& table, const std::string& word,
                                     int32_t slotValue) {
  const int64_t size = static_cast<int64_t>(table.size());
  if (size <= 0) return;
  const bool own = &table == &table_;
  int64_t index = HashWord(word, static_cast<int32_t>(size));
  if (table[static_cast<size_t>(index)] <= 0) {
    if (own && table[static_cast<size_t>(index)] == 0) --emptySlots_;
    table[static_cast<size_t>(index)] = slotValue;
    return;
  }
  const int64_t step = index % 97 + 1;
  int64_t firstDeleted = -1;
  for (int64_t visited = 1; visited < size; ++visited) {
    index = (index + step) % size;
    int32_t v = table[static_cast<size_t>(index)];
    if (v == 0) {
      if (own) --emptySlots_;
      table[static_cast<size_t>(index)] = slotValue;
      return;
    }
    if (v < 0 && firstDeleted < 0) firstDeleted = index;
  }
  // No empty slot anywhere (only reachable for tables we did not keep in
  // shape ourselves): a deleted slot on the probe path still gets found.
  if (firstDeleted >= 0) table[static_cast<size_t>(firstDeleted)] = slotValue;
}

bool TCustomDictionary::RebuildTable(int32_t newSize) {
  try {
    std::vector<int32_t> fresh(static_cast<size_t>(newSize), 0);
    for (int32_t slot : table_) {
      if (slot > 0) PlaceInTable(fresh, ReadPoolString(slot), slot);
    }
    table_.swap(fresh);
  } catch (const std::bad_alloc&) {
    return false;
  }
  emptySlots_ = std::count(table_.begin(), table_.end(), 0);
  kindListsValid_ = false;
  return true;
}

void TCustomDictionary::AddToTable(const std::string& word, int32_t slotValue) {
  const int64_t size = static_cast<int64_t>(table_.size());
  if (4 * static_cast<int64_t>(liveCount_) >= size) {
    int32_t next = NextTableSize(static_cast<int32_t>(size));
    if (next > 0) RebuildTable(next);
  } else if (TooFewEmptySlots(emptySlots_ - 1, size)) {
    RebuildTable(static_cast<int32_t>(size));
  }
  if (!table_.empty()) PlaceInTable(table_, word, slotValue);
}

bool TCustomDictionary::AddEntry(char kind, const std::string& word,
                                 const std::string& replacement) {
  EnsureActive();
  if (!active_) return false;  // a file that could not be opened takes no entries
  if (!IsKnownKind(static_cast<uint8_t>(kind))) return false;
  const std::string& text = kind == kAutoCorrect ? replacement : std::string();
  if (word.size() + text.size() > kMaxEntryText) return false;
  if (word.empty()) return false;
  // A stored string ends at its first 0x00; such a word could never be found.
  if (word.find('\0') != std::string::npos || text.find('\0') != std::string::npos) return false;
  int32_t slotValue = 0;
  int32_t slotIndex = 0;
  if (FindEntry(kAnyKind, word, slotValue, slotIndex)) return false;

  std::string entry;
  entry.reserve(word.size() + text.size() + 3);
  entry.push_back(kind);
  entry.append(word);
  entry.push_back('\0');
  if (kind == kAutoCorrect) {
    entry.append(text);
    entry.push_back('\0');
  }
  // Slot values are positive 32-bit pool offsets.
  if (poolUsed_ + entry.size() + 1 > static_cast<size_t>(std::numeric_limits<int32_t>::max()))
    return false;
  const size_t oldUsed = poolUsed_;
  const int32_t oldLive = liveCount_;
  try {
    int32_t v = static_cast<int32_t>(poolUsed_) + 1;
    AppendToPool(entry.data(), entry.size());
    ++liveCount_;
    AddToTable(word, v);
    if (kindListsValid_) ListEntry(kind, v);
  } catch (const std::bad_alloc&) {
    poolUsed_ = oldUsed;
    liveCount_ = oldLive;
    return false;
  }
  return true;
}

bool TCustomDictionary::RemoveEntry(char kind, const std::string& word) {
  int32_t slotValue = 0;
  int32_t slotIndex = -1;
  if (!FindEntry(kind, word, slotValue, slotIndex)) return false;
  kindListsValid_ = false;
  table_[static_cast<size_t>(slotIndex)] = -1;
  --liveCount_;
  return true;
}

std::unique_ptr<TCustomDictionary> TCustomDictionary::CreateSameKind() {
  return std::make_unique<TCustomDictionary>();
}

bool TCustomDictionary::SaveChanges() {
  if (!modified_ || path_.empty()) {
    modified_ = false;
    ClearChanges();
    return true;
  }
  // The whole read-merge-write runs under the lock, so that programs saving
  // the same file at once take turns and each merges onto the other's file.
  Platform::TFileLock lock;
  if (lock.Acquire(path_, saveLockWaitMs_) == Platform::TLockResult::Busy)
    return false;  // the changes stay pending for a later save
  // Changes that could not be written (a full disk, a read-only file) stay
  // pending, so a later save can still keep them.
  if (!WriteOrMerge()) return false;
  modified_ = false;
  ClearChanges();
  return true;
}

bool TCustomDictionary::WriteOrMerge() {
  std::unique_ptr<TCustomDictionaryFile> file;
  if (!ValidateFile(path_, true, file)) return false;
  const bool fileExists = file != nullptr;
  const uint64_t current = fileExists ? file->Stamp() : stamp_;
  file.reset();
  // An inactive dictionary holds no content: writing it over an existing
  // file would empty that file, so it goes the merging way instead.
  if (current == stamp_ && (active_ || !fileExists)) {
    // Content that could not be read is kept, never overwritten.
    if (loadFailed_ && fileExists && !CustomDictionarySave::MoveFileAside(path_, backupPath_))
      return false;
    if (!WriteContent(path_)) return false;
    loadFailed_ = false;
    return true;
  }
  std::unique_ptr<TCustomDictionary> latest = CreateSameKind();
  latest->SetFilename(path_);
  if (latest->DictionaryPath() != path_) return false;
  latest->SetActive(true);
  changes_.ReplayOnto(*latest);
  const bool ok = latest->SaveChanges();
  if (!latest->BackupPath().empty()) backupPath_ = latest->BackupPath();
  latest->SetPendingChanges(false);  // ours stay pending; it must not retry on its own
  return ok;
}

bool TCustomDictionary::SaveCopyAs(const std::string& path) {
  EnsureActive();
  return WriteContent(path);
}

std::string TCustomDictionary::IgnoreWordAt(int index) {
  BuildKindLists();
  if (index < 0 || static_cast<size_t>(index) >= ignoreList_.size()) return std::string();
  return ReadPoolString(ignoreList_[static_cast<size_t>(index)]);
}

std::string TCustomDictionary::ExcludeWordAt(int index) {
  BuildKindLists();
  if (index < 0 || static_cast<size_t>(index) >= excludeList_.size()) return std::string();
  return ReadPoolString(excludeList_[static_cast<size_t>(index)]);
}

bool TCustomDictionary::AutoCorrectAt(int index, std::string& word, std::string& replacement) {
  word.clear();
  replacement.clear();
  BuildKindLists();
  if (index < 0 || static_cast<size_t>(index) >= autoCorrectList_.size()) return false;
  int32_t v = autoCorrectList_[static_cast<size_t>(index)];
  word = ReadPoolString(v);
  replacement = ReadPoolString(static_cast<int32_t>(v + static_cast<int64_t>(word.size()) + 1));
  return true;
}

bool TCustomDictionary::HasIgnore(const std::string& word) {
  int32_t v = 0;
  int32_t i = 0;
  return FindEntry(kIgnore, word, v, i);
}

bool TCustomDictionary::HasExclude(const std::string& word) {
  int32_t v = 0;
  int32_t i = 0;
  return FindEntry(kExclude, word, v, i);
}

bool TCustomDictionary::LookupAutoCorrect(const std::string& word, std::string& replacement) {
  replacement.clear();
  int32_t v = 0;
  int32_t i = 0;
  if (!FindEntry(kAutoCorrect, word, v, i)) return false;
  replacement = ReadPoolString(static_cast<int32_t>(v + static_cast<int64_t>(word.size()) + 1));
  return true;
}

bool TCustomDictionary::NoteChange(bool done, const std::string& word,
                                   std::vector<std::string>& log, int32_t& count, int32_t delta) {
  if (!done) return false;
  if (tracking_) log.push_back(word);
  modified_ = true;
  count += delta;
  return true;
}

bool TCustomDictionary::AddIgnore(const std::string& word) {
  return NoteChange(AddEntry(kIgnore, word, std::string()), word, changes_.addedIgnore,
                    ignoreCount_, 1);
}

bool TCustomDictionary::AddExclude(const std::string& word) {
  return NoteChange(AddEntry(kExclude, word, std::string()), word, changes_.addedExclude,
                    excludeCount_, 1);
}

bool TCustomDictionary::AddAutoCorrect(const std::string& word, const std::string& replacement) {
  if (!NoteChange(AddEntry(kAutoCorrect, word, replacement), word, changes_.addedAutoCorrect,
                  autoCorrectCount_, 1))
    return false;
  if (tracking_) changes_.addedReplacements.push_back(replacement);
  return true;
}

bool TCustomDictionary::RemoveIgnore(const std::string& word) {
  return NoteChange(RemoveEntry(kIgnore, word), word, changes_.removedIgnore, ignoreCount_, -1);
}

bool TCustomDictionary::RemoveExclude(const std::string& word) {
  return NoteChange(RemoveEntry(kExclude, word), word, changes_.removedExclude, excludeCount_, -1);
}

bool TCustomDictionary::RemoveAutoCorrect(const std::string& word) {
  return NoteChange(RemoveEntry(kAutoCorrect, word), word, changes_.removedAutoCorrect,
                    autoCorrectCount_, -1);
}

void TCustomDictionary::ClearAll() {
  EnsureActive();
  ClearContent();
  ClearChanges();
}

void TCustomDictionary::EnsureActive() {
  if (!active_) SetActive(true);
}

void TCustomDictionary::ClearContent() {
  ignoreCount_ = 0;
  excludeCount_ = 0;
  autoCorrectCount_ = 0;
  liveCount_ = 0;
  std::vector<char>().swap(pool_);
  poolUsed_ = 0;
  std::vector<int32_t>().swap(table_);
  emptySlots_ = 0;
  ignoreList_.clear();
  excludeList_.clear();
  autoCorrectList_.clear();
  kindListsValid_ = false;
}

void TCustomDictionary::ClearChanges() { changes_.Clear(); }
