// Fuzz target for the main dictionary reader: the input, behind the fixed
// banner of either layout, is a whole file; every look-up and walk must stay
// inside it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "vl3MainDictionary.h"
#include "vl3PhoneticsMap.h"
#include "vl3Platform.h"
#include "vl3StringList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The banner is prepended so the fuzzer spends its time on the tree.
  static const std::string path = Platform::TempDirectory() + "\\fuzz_main_dictionary_" +
                                  std::to_string(static_cast<long>(getpid())) + ".vlm";
  static TPhoneticsMap* map = [] {
    auto* m = new TPhoneticsMap();
    m->SetLanguage(0x0409);
    return m;
  }();

  // An input that begins with 'W' is read behind the wide layout's banner.
  const bool wide = size > 0 && data[0] == 'W';
  std::string file(wide ? VlmFormat::kWideBanner : VlmFormat::kBanner, VlmFormat::kBannerSize);
  file.append(reinterpret_cast<const char*>(data) + (wide ? 1 : 0), size - (wide ? 1 : 0));
  if (!Platform::WriteWholeFile(path, file)) return 0;

  TMainDictionary dictionary;
  dictionary.Open(path);
  static const char* const kProbes[] = {"a",   "ab",   "abc",   "the", "The", "THE",
                                        "cat", "cats", "phone", "zz",  "",    "\xE9t\xE9"};
  for (const char* probe : kProbes) dictionary.WordExists(probe);
  size_t listed = 0;
  dictionary.EnumerateWords("", [&](const std::string&) { return ++listed < 10000; });
  TStringList results;
  dictionary.FindPhoneticMatches("phoan", *map, results);
  dictionary.FindPhoneticMatches("abcd", *map, results);
  return 0;
}
