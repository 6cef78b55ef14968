// The ".vlu" file format: its layout constants, the bound-checked reader of a
// file's bytes, and the reading and writing of the body (counts, table, pool).
#include "vl3CustomDictionaryFormat.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "vl3Platform.h"

namespace VluFormat {

#define VLU_BANNER_TEXT                 \
  "Vexlor User Dictionary, Version 4.0\r\n" \
  "Copyright (c) Vexlor Labs, 2026.\r\n"    \
  "http://www.vexlor-labs.io\r\n"           \
  "support@vexlor.io\r\n"                   \
  "\r\n"
static_assert(sizeof(VLU_BANNER_TEXT) == kBannerSize, "banner text is 119 bytes and a 0x00");
const char kBanner[kBannerSize] = VLU_BANNER_TEXT;
#undef VLU_BANNER_TEXT

const int32_t kTableSizes[kTableSizeCount] = {
    251,      509,      1021,      2039,      4093,      8191,       16381,      32749,
    65521,    131071,   262139,    524287,    1048573,   2097143,    4194301,    8388593,
    16777213, 33554393, 67108859,  134217689, 268435399, 536870909, 1073741789, 2147483647};

namespace {

// Signed 32-bit arithmetic that wraps instead of overflowing.
int32_t WrapMul(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b));
}
int32_t WrapAdd(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

}  // namespace

int32_t HashWord(const std::string& word, int32_t tableSize) {
  if (tableSize <= 2) return 0;  // not a listed size; keeps the modulo defined
  int32_t r = 0;
  int32_t m = 31415;
  for (unsigned char b : word) {
    r = WrapAdd(WrapMul(m, r), b) % tableSize;
    if (r < 0) r = (-r) % tableSize;
    m = WrapMul(m, 27183) % (tableSize - 1);
  }
  return r;
}

bool IsTableSize(int32_t size) {
  return size == 0 || std::binary_search(kTableSizes, kTableSizes + kTableSizeCount, size);
}

bool HasBanner(const std::string& bytes) {
  return bytes.size() >= kHeaderSize && std::memcmp(bytes.data(), kBanner, kBannerSize) == 0;
}

bool IsKnownKind(uint8_t kind) {
  return kind == kIgnore || kind == kExclude || kind == kAutoCorrect;
}

int32_t NextTableSize(int32_t size) {
  for (int32_t s : kTableSizes) {
    if (s > size) return s;
  }
  return 0;  // already the largest
}

namespace {

void PutInt32(std::string& out, int32_t value) {
  uint32_t u = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

}  // namespace

bool ReadBody(TCustomDictionaryFile& file, TBody& body) {
  int32_t tableSize = 0;
  int32_t poolSize = 0;
  bool ok = true;
  for (int32_t& c : body.counts) ok = ok && file.ReadInt32(c);
  ok = ok && file.ReadInt32(tableSize) && tableSize >= 0 && IsTableSize(tableSize) &&
       static_cast<uint64_t>(tableSize) * 4 <= file.Remaining();
  try {
    if (ok) {
      body.table.assign(static_cast<size_t>(tableSize), 0);
      for (int32_t& slot : body.table) file.ReadInt32(slot);  // length checked above
    }
    ok = ok && file.ReadInt32(poolSize) && poolSize >= 0 &&
         static_cast<uint64_t>(poolSize) <= file.Remaining();
    if (ok) {
      size_t allocation = (static_cast<size_t>(poolSize) / kPoolStep + 1) * kPoolStep;
      body.pool.assign(allocation, 0);
      file.ReadBytes(body.pool.data(), static_cast<size_t>(poolSize));
      body.poolUsed = static_cast<size_t>(poolSize);
    }
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  return ok;
}

std::string WriteImage(const int32_t counts[4], const std::vector<int32_t>& table,
                       const char* pool, size_t poolUsed) {
  std::string out;
  out.reserve(kHeaderSize + 24 + table.size() * 4 + poolUsed);
  out.append(kBanner, kBannerSize);
  out.push_back(static_cast<char>(kEndOfBanner));
  for (int i = 0; i < 4; ++i) PutInt32(out, counts[i]);
  PutInt32(out, static_cast<int32_t>(table.size()));
  for (int32_t slot : table) PutInt32(out, slot);
  PutInt32(out, static_cast<int32_t>(poolUsed));
  if (poolUsed > 0) out.append(pool, poolUsed);
  return out;
}

}  // namespace VluFormat

// ---- TCustomDictionaryFile ------------------------------------------------

bool TCustomDictionaryFile::Load(const std::string& path) {
  pos_ = 0;
  data_.clear();
  if (path.empty()) return false;
  try {
    return Platform::ReadWholeFile(path, data_);
  } catch (const std::bad_alloc&) {
    data_.clear();
    return false;
  }
}

void TCustomDictionaryFile::Assign(std::string bytes) {
  data_ = std::move(bytes);
  pos_ = 0;
}

bool TCustomDictionaryFile::ReadInt32(int32_t& value) {
  if (Remaining() < 4) return false;
  const auto* p = reinterpret_cast<const uint8_t*>(data_.data()) + pos_;
  value = static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                               static_cast<uint32_t>(p[2]) << 16 |
                               static_cast<uint32_t>(p[3]) << 24);
  pos_ += 4;
  return true;
}

bool TCustomDictionaryFile::ReadBytes(void* dest, size_t count) {
  if (Remaining() < count) return false;
  if (count > 0) std::memcpy(dest, data_.data() + pos_, count);
  pos_ += count;
  return true;
}

uint64_t TCustomDictionaryFile::Stamp() const {
  uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : data_) {
    h ^= c;
    h *= 1099511628211ull;
  }
  h ^= static_cast<uint64_t>(data_.size()) * 0x9E3779B97F4A7C15ull;
  return h == 0 ? 1 : h;
}
