// The user-editable word store: ignore, exclude and auto-correct entries kept
// in a ".vlu" file that is the in-memory image (a hash table over a byte pool).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "vl3CustomDictionaryFormat.h"
#include "vl3CustomDictionarySave.h"

class TCustomDictionary {
 public:
  // How long a save waits for another program's save of the same file.
  static constexpr uint32_t kSaveLockWaitMs = 8000;

  TCustomDictionary();
  // Saves pending changes (SetActive(false)). A subclass with its own saving
  // must call SetActive(false) in its own destructor.
  virtual ~TCustomDictionary();
  TCustomDictionary(const TCustomDictionary&) = delete;
  TCustomDictionary& operator=(const TCustomDictionary&) = delete;

  // Virtual operations, in slot order.
  virtual void SetFilename(const std::string& path);
  // Deactivating saves pending changes; while that save fails the dictionary
  // stays active with them (and SetFilename keeps the old file).
  virtual void SetActive(bool value);
  virtual int CountIgnored();
  virtual int CountExcluded();
  virtual int CountAutoCorrect();
  // With keepOpen and an existing, valid file, `file` receives its bytes
  // positioned after the 121-byte header; otherwise `file` is reset.
  virtual bool ValidateFile(const std::string& path, bool keepOpen,
                            std::unique_ptr<TCustomDictionaryFile>& file);
  virtual void ReadContent(TCustomDictionaryFile& file);
  virtual bool WriteContent(const std::string& path);
  virtual void ListEntry(char kind, int32_t slotValue);
  virtual void BuildKindLists();
  virtual std::string ReadPoolString(int32_t offset);
  // kind is 'I', 'E', 'A' or '*'. slotValue/slotIndex describe the entry
  // found under the word, also when its kind differs (then the result is false).
  virtual bool FindEntry(char kind, const std::string& word, int32_t& slotValue,
                         int32_t& slotIndex);
  virtual void AppendToPool(const char* bytes, size_t length);
  virtual void PlaceInTable(std::vector<int32_t>& table, const std::string& word,
                            int32_t slotValue);
  virtual void AddToTable(const std::string& word, int32_t slotValue);
  virtual bool AddEntry(char kind, const std::string& word, const std::string& replacement);
  virtual bool RemoveEntry(char kind, const std::string& word);
  virtual std::unique_ptr<TCustomDictionary> CreateSameKind();
  // False when pending changes could not be written (another program kept
  // the file locked for the whole wait, kSaveLockWaitMs, or the write
  // failed): they stay pending for a later save. The file is left whole.
  virtual bool SaveChanges();
  virtual bool SaveCopyAs(const std::string& path);
  virtual std::string IgnoreWordAt(int index);
  virtual std::string ExcludeWordAt(int index);
  // False (both strings empty) when index is out of range.
  virtual bool AutoCorrectAt(int index, std::string& word, std::string& replacement);
  virtual bool HasIgnore(const std::string& word);
  virtual bool HasExclude(const std::string& word);
  virtual bool LookupAutoCorrect(const std::string& word, std::string& replacement);
  virtual bool AddIgnore(const std::string& word);
  virtual bool AddExclude(const std::string& word);
  virtual bool AddAutoCorrect(const std::string& word, const std::string& replacement);
  virtual bool RemoveIgnore(const std::string& word);
  virtual bool RemoveExclude(const std::string& word);
  virtual bool RemoveAutoCorrect(const std::string& word);
  virtual void ClearAll();

  // Properties.
  const std::string& DictionaryPath() const { return path_; }
  bool PendingChanges() const { return modified_; }
  void SetPendingChanges(bool value) { modified_ = value; }
  bool Active() const { return active_; }
  // How long SaveChanges waits for the file's lock (kSaveLockWaitMs unless set).
  void SetSaveLockWait(uint32_t ms) { saveLockWaitMs_ = ms; }

  // True after a load found a valid banner but content it could not read:
  // the dictionary is empty, and the next save moves the damaged file aside
  // (BackupPath) instead of overwriting it.
  bool LoadFailed() const { return loadFailed_; }
  const std::string& BackupPath() const { return backupPath_; }

  // The whole file as WriteContent writes it.
  std::string ContentImage() const;
  // Replaces the content with a file image (banner included), as a load
  // would; false when the banner is wrong. For tests and in-memory use.
  bool LoadContentImage(const std::string& image);

  int32_t TableSize() const { return static_cast<int32_t>(table_.size()); }
  int32_t LiveCount() const { return liveCount_; }
  size_t PoolUsed() const { return poolUsed_; }

 protected:
  // Sets an inactive dictionary active (loading it) before content is used.
  void EnsureActive();
  void ClearContent();
  void ClearChanges();
  // Re-inserts the live slots into a fresh table of `newSize` slots.
  bool RebuildTable(int32_t newSize);
  // Slot index of the word's entry by the probe sequence, -1 when absent.
  int64_t ProbeFor(const std::string& word) const;
  uint8_t PoolByte(int32_t offset) const;
  // Where the pool string from `start` ends: its 0x00, or the end of the
  // used pool when it has none.
  size_t PoolStringEnd(size_t start) const;
  bool PoolStringEquals(int32_t offset, const std::string& word) const;
  // Makes every positive slot name a complete entry of a known kind and
  // recounts the kinds, so that later reads can trust the table.
  void SanitizeLoadedContent();
  // The body of SaveChanges, run under the file's lock: writes the content
  // when the file is as loaded, otherwise replays the changes onto it.
  bool WriteOrMerge();
  // What follows a successful Add.../Remove... (`done`): the word goes to
  // the change log merged on saving, and the kind's count moves by `delta`.
  bool NoteChange(bool done, const std::string& word, std::vector<std::string>& log,
                  int32_t& count, int32_t delta);

  std::string path_;
  bool active_ = false;
  bool modified_ = false;
  bool tracking_ = false;
  bool loadFailed_ = false;
  std::string backupPath_;
  uint32_t saveLockWaitMs_ = kSaveLockWaitMs;

  int32_t ignoreCount_ = 0;
  int32_t excludeCount_ = 0;
  int32_t autoCorrectCount_ = 0;
  int32_t liveCount_ = 0;
  uint64_t stamp_ = 0;  // fingerprint remembered at load; 0: no file

  std::vector<char> pool_;  // size() is the allocation
  size_t poolUsed_ = 0;
  std::vector<int32_t> table_;
  int64_t emptySlots_ = 0;  // slots holding 0

  std::vector<int32_t> ignoreList_;
  std::vector<int32_t> excludeList_;
  std::vector<int32_t> autoCorrectList_;
  bool kindListsValid_ = false;

  TCustomDictionaryChanges changes_;  // kept while tracking_, for merging on save
};
