// Fuzz target for the thesaurus file reader: any bytes as a whole file, then
// look-ups and every node and meaning decoded.
#include <cstddef>
#include <cstdint>
#include <string>

#include "vl3ThesaurusFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TThesaurusFile file;
  if (!file.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size))) return 0;
  for (const char* word : {"a", "cat", "Happy", "HAPPY", "station", "e\xE9"}) file.Lookup(word);
  std::string word;
  for (uint32_t n = 0; n < file.NodeCount() && n < 4096; ++n) {
    file.NodeToWord(word, n);
    uint32_t found = 0;
    file.FindNode(word, found);
  }
  for (uint32_t m = 0; m < file.MeaningCount() && m < 1024; ++m) {
    TEntry entry;
    TThesaurusEntry result;
    if (file.ReadMeaning(m, entry)) file.BuildEntry(entry, result);
  }
  return 0;
}
