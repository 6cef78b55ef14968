// An independent model of the ".vlu" layout for the custom dictionary tests:
// its own hash, insertion rule, reader and writer, plus scratch folders.
#pragma once

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace VluModel {

// Written out by hand rather than taken from the unit under test.
inline std::string Banner() {
  std::string b;
  b += "Vexlor User Dictionary, Version 4.0\r\n";
  b += "Copyright (c) Vexlor Labs, 2026.\r\n";
  b += "http://www.vexlor-labs.io\r\n";
  b += "support@vexlor.io\r\n";
  b += "\r\n";
  b.push_back('\0');
  return b;  // 120 bytes
}

inline const std::vector<int64_t>& Sizes() {
  static const std::vector<int64_t> sizes = {
      251,      509,      1021,     2039,      4093,      8191,      16381,      32749,
      65521,    131071,   262139,   524287,    1048573,   2097143,   4194301,    8388593,
      16777213, 33554393, 67108859, 134217689, 268435399, 536870909, 1073741789, 2147483647};
  return sizes;
}

// Reduces to signed 32 bits the way the format's wrap-around arithmetic does.
inline int64_t Wrap32(int64_t x) {
  uint64_t u = static_cast<uint64_t>(x) & 0xFFFFFFFFull;
  return u >= 0x80000000ull ? static_cast<int64_t>(u) - 0x100000000ll : static_cast<int64_t>(u);
}

// Remainder of truncating division, spelled out.
inline int64_t TruncMod(int64_t a, int64_t b) {
  int64_t q = a / b;  // C++ division truncates toward zero
  return a - q * b;
}

inline int64_t Hash(const std::string& word, int64_t size) {
  int64_t r = 0;
  int64_t m = 31415;
  for (unsigned char b : word) {
    r = TruncMod(Wrap32(Wrap32(m * r) + b), size);
    if (r < 0) r = TruncMod(-r, size);
    m = TruncMod(Wrap32(m * 27183), size - 1);
  }
  return r;
}

inline void Place(std::vector<int32_t>& table, const std::string& word, int32_t value) {
  int64_t size = static_cast<int64_t>(table.size());
  int64_t i = Hash(word, size);
  if (table[i] <= 0) {
    table[i] = value;
    return;
  }
  int64_t step = i % 97 + 1;
  do {
    i = (i + step) % size;
  } while (table[i] != 0);
  table[i] = value;
}

struct Entry {
  char kind;
  std::string word;
  std::string replacement;
};

// A conforming writer's picture of a file: counts, table and pool.
struct Image {
  int32_t ignore = 0, exclude = 0, autoCorrect = 0, live = 0;
  std::vector<int32_t> table;
  std::string pool;
  bool ok = false;

  // Adds entries one by one, growing as a conforming writer does.
  void Add(const Entry& e) {
    int32_t v = static_cast<int32_t>(pool.size()) + 1;
    pool.push_back(e.kind);
    pool += e.word;
    pool.push_back('\0');
    if (e.kind == 'A') {
      pool += e.replacement;
      pool.push_back('\0');
    }
    ++live;
    if (e.kind == 'I') ++ignore;
    if (e.kind == 'E') ++exclude;
    if (e.kind == 'A') ++autoCorrect;
    if (4 * static_cast<int64_t>(live) >= static_cast<int64_t>(table.size())) {
      int64_t next = 0;
      for (int64_t s : Sizes()) {
        if (s > static_cast<int64_t>(table.size())) {
          next = s;
          break;
        }
      }
      std::vector<int32_t> fresh(static_cast<size_t>(next), 0);
      for (int32_t slot : table) {
        if (slot > 0) Place(fresh, WordAt(slot), slot);
      }
      table.swap(fresh);
    }
    Place(table, e.word, v);
  }

  std::string WordAt(int32_t v) const { return std::string(pool.c_str() + v); }

  int64_t SlotOf(const std::string& word) const {
    for (size_t i = 0; i < table.size(); ++i) {
      if (table[i] > 0 && WordAt(table[i]) == word) return static_cast<int64_t>(i);
    }
    return -1;
  }

  std::string Bytes() const {
    std::string out = Banner();
    out.push_back('\x1A');
    auto put = [&](int32_t x) {
      uint32_t u = static_cast<uint32_t>(x);
      for (int k = 0; k < 4; ++k) out.push_back(static_cast<char>((u >> (8 * k)) & 0xFF));
    };
    put(ignore);
    put(exclude);
    put(autoCorrect);
    put(live);
    put(static_cast<int32_t>(table.size()));
    for (int32_t s : table) put(s);
    put(static_cast<int32_t>(pool.size()));
    out += pool;
    return out;
  }

  static Image Parse(const std::string& bytes) {
    Image im;
    size_t pos = 121;
    auto get = [&](int32_t& x) {
      if (bytes.size() < pos + 4) return false;
      uint32_t u = 0;
      for (int k = 0; k < 4; ++k) u |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[pos + k])) << (8 * k);
      x = static_cast<int32_t>(u);
      pos += 4;
      return true;
    };
    if (bytes.size() < 121 || bytes.compare(0, 120, Banner()) != 0 || bytes[120] != '\x1A') return im;
    int32_t size = 0, poolSize = 0;
    if (!get(im.ignore) || !get(im.exclude) || !get(im.autoCorrect) || !get(im.live) || !get(size))
      return im;
    if (size < 0) return im;
    im.table.resize(static_cast<size_t>(size));
    for (int32_t& s : im.table) {
      if (!get(s)) return im;
    }
    if (!get(poolSize) || poolSize < 0 || bytes.size() != pos + static_cast<size_t>(poolSize))
      return im;
    im.pool = bytes.substr(pos);
    im.ok = true;
    return im;
  }
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder per test, removed again afterwards.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& tag) {
    dir_ = std::filesystem::temp_directory_path() /
           ("vxcustom-" + tag + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

 private:
  std::filesystem::path dir_;
};

}  // namespace VluModel
