// Fuzz target: any bytes through the string parser, the parsing engine and
// every ignore filter, with edits and repositioning driven by the input.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "vl3Ignore.h"
#include "vl3ParseEngine.h"
#include "vl3StringParser.h"

namespace {
// Reached through the virtual operations rather than the direct string road.
struct TDerivedStringParser : TStringParser {};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // First byte: options and check type; second: the parser kind (high bit)
  // and the cursor; the rest is text.
  const uint8_t control = data[0];
  std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

  TSpellOptions options = TSpellOptions::FromBits(static_cast<uint16_t>(control << 2));
  auto filters = CreateIgnoreFilters(options, ">|");
  std::vector<TParserIgnore*> scan, lines;
  for (auto& f : filters) {
    if (f->UsesScanHooks()) scan.push_back(f.get());
    if (f->UsesLineCheck()) lines.push_back(f.get());
  }

  TMainParsingEngine engine;
  engine.OnScanChar = [&](char ch, TControlParser* p, bool& skip) {
    skip = RunScanCharFilters(scan, ch, p);
  };
  engine.OnScanWord = [&](const std::string& w, TControlParser* p, bool& skip) {
    skip = RunScanWordFilters(scan, w, p);
  };

  TStringParser plainParser;
  TDerivedStringParser derivedParser;
  TStringParser& parser = (data[1] & 0x80) ? derivedParser : plainParser;
  parser.Initialize(text);
  parser.SetPosition(data[1] & 0x7F, 0, ppCurrent);
  engine.Initialize(&parser, static_cast<TCheckType>(control % 5));
  std::string word;
  // Every step consumes text or edits it by a bounded amount, so this ends;
  // the limit only keeps single runs short.
  for (int step = 0; step < 4 * static_cast<int>(size) + 16; ++step) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    RunWordCheckFilters(filters, word, &parser);
    RunLineFilters(lines, text);
    parser.SelectWord(static_cast<int32_t>(word.size()));
    if (word.size() % 3 == 0)
      parser.ReplaceWord(word.substr(0, 2), 0);
    else
      parser.IgnoreWord(10);
  }
  return 0;
}
