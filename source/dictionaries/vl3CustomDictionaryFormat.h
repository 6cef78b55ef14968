// The ".vlu" file format: its layout constants, the bound-checked reader of a
// file's bytes, and the reading and writing of the body (counts, table, pool).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Layout constants of ".vlu" (and ".vll") files.
namespace VluFormat {

constexpr size_t kBannerSize = 120;  // 119 text bytes and a 0x00
constexpr size_t kHeaderSize = 121;  // the banner and the 0x1A byte
// Five CR LF lines (35, 32, 25, 17 and 0 characters) and the 0x00.
extern const char kBanner[kBannerSize];
constexpr uint8_t kEndOfBanner = 0x1A;

constexpr char kIgnore = 'I';
constexpr char kExclude = 'E';
constexpr char kAutoCorrect = 'A';
constexpr char kAnyKind = '*';  // FindEntry: match an entry of any kind

constexpr size_t kMaxEntryText = 500;  // word and replacement together
constexpr size_t kPoolStep = 65535;

// The only table sizes a file may use; growth takes the next one.
constexpr int kTableSizeCount = 24;
extern const int32_t kTableSizes[kTableSizeCount];

// Home slot of a word in a table of `tableSize` slots (a listed size).
int32_t HashWord(const std::string& word, int32_t tableSize);
// True when `size` is 0 or one of kTableSizes.
bool IsTableSize(int32_t size);

}  // namespace VluFormat

// The bytes of one dictionary file, read in one piece, with a bound-checked
// read position: what ValidateFile hands to ReadContent as the open file.
class TCustomDictionaryFile {
 public:
  // Reads the whole file; false when it cannot be opened or read.
  bool Load(const std::string& path);
  // Takes bytes that did not come from a file (tests, in-memory images).
  void Assign(std::string bytes);

  const std::string& Bytes() const { return data_; }
  size_t Size() const { return data_.size(); }
  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  void Seek(size_t position) { pos_ = position < data_.size() ? position : data_.size(); }
  // Each read fails without moving when fewer bytes remain than it needs.
  bool ReadInt32(int32_t& value);
  bool ReadBytes(void* dest, size_t count);

  // Stands for the file's modification stamp: a fingerprint of its size and
  // contents, because file-system clocks are too coarse to tell two quick
  // rewrites apart. Never 0 (0 means "no file").
  uint64_t Stamp() const;

 private:
  std::string data_;
  size_t pos_ = 0;
};

namespace VluFormat {

// True when `bytes` start with the banner and have room for the 0x1A byte.
bool HasBanner(const std::string& bytes);
bool IsKnownKind(uint8_t kind);
// The next listed table size above `size`, 0 when `size` is the largest.
int32_t NextTableSize(int32_t size);

// What follows the 121-byte header: the stored counts (ignore, exclude,
// auto-correct, live), the hash table and the used part of the pool.
struct TBody {
  int32_t counts[4] = {0, 0, 0, 0};
  std::vector<int32_t> table;
  std::vector<char> pool;  // allocated in kPoolStep steps; size() is the allocation
  size_t poolUsed = 0;
};

// Reads the body from the file's position; false (and `body` partly filled)
// when a length or size is out of range or memory runs out.
bool ReadBody(TCustomDictionaryFile& file, TBody& body);
// The whole file: header, counts, table and the first `poolUsed` pool bytes.
std::string WriteImage(const int32_t counts[4], const std::vector<int32_t>& table, const char* pool,
                       size_t poolUsed);

}  // namespace VluFormat
