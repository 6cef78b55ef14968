// Fuzz target for the custom dictionary reader: any bytes as a ".vlu" image,
// then every look-up, enumeration and edit on whatever was loaded.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vl3CustomDictionary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  // Without the banner the reader stops at once; give most inputs one so the
  // fuzzer spends its time on the content.
  const std::string banner(VluFormat::kBanner, VluFormat::kBannerSize);
  if (bytes.compare(0, banner.size(), banner) != 0 && !(size > 0 && data[0] == 0xFF))
    bytes = banner + '\x1A' + bytes;

  TCustomDictionary d;
  if (!d.LoadContentImage(bytes)) return 0;
  const int ignored = d.CountIgnored();
  const int excluded = d.CountExcluded();
  const int pairs = d.CountAutoCorrect();
  if (d.LiveCount() != ignored + excluded + pairs) std::abort();

  std::string word, replacement;
  for (int i = 0; i <= ignored; ++i) d.HasIgnore(d.IgnoreWordAt(i));
  for (int i = 0; i <= excluded; ++i) d.HasExclude(d.ExcludeWordAt(i));
  for (int i = 0; i <= pairs; ++i) {
    d.AutoCorrectAt(i, word, replacement);
    d.LookupAutoCorrect(word, replacement);
  }
  // Reloading the cleaned content must give the same image.
  const std::string image = d.ContentImage();
  TCustomDictionary again;
  if (!again.LoadContentImage(image) || again.ContentImage() != image) std::abort();

  // Edits with words taken from the input's tail.
  const std::string tail = size > 16 ? std::string(reinterpret_cast<const char*>(data) + size - 16, 16)
                                     : std::string("fuzz");
  std::string w = tail.substr(0, tail.find('\0'));
  if (d.AddIgnore(w) && !d.HasIgnore(w)) std::abort();
  if (d.RemoveIgnore(w) && d.HasIgnore(w)) std::abort();
  if (d.AddAutoCorrect(w + "x", tail) && !d.LookupAutoCorrect(w + "x", replacement)) std::abort();
  for (int i = 0; i < 70; ++i) d.AddExclude("e" + std::to_string(i));  // grows the table
  d.RemoveExclude("e3");
  d.ContentImage();
  d.ClearAll();
  return 0;
}
