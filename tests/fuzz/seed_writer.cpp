// Writes the fuzz targets' seed corpora: small valid files made by our own
// compilers and writers, so that fuzzing starts past the format checks.
// Usage: seed_writer FOLDER (one subfolder per fuzz target).
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "vl3CustomDictionary.h"
#include "vl3DictionaryCompiler.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
#include "vl3ThesaurusCompiler.h"

namespace {

std::string gRoot;
bool gOk = true;

void Write(const std::string& target, const std::string& name, const std::string& bytes) {
  const std::string folder = gRoot + "/" + target;
  ::mkdir(folder.c_str(), 0777);
  if (!Platform::WriteWholeFile(folder + "/" + name, bytes)) {
    std::fprintf(stderr, "seed_writer: cannot write %s/%s\n", folder.c_str(), name.c_str());
    gOk = false;
  }
}

std::string ReadBack(const std::string& path) {
  std::string bytes;
  Platform::ReadWholeFile(path, bytes);
  return bytes;
}

const std::vector<std::string> kWords = {
    "a",     "ab",      "abc",     "about",  "cat",   "cats",  "catalogue", "dog",     "dogs",
    "fone",  "phone",   "phoned",  "phones", "phoan", "the",   "The",       "THE",     "them",
    "then",  "there",   "station", "happy",  "Happy", "zz",    "zebra",     "\xE9t\xE9", "caf\xE9",
    "don't", "o'clock", "colour",  "color",  "night", "knight"};

// The fuzz target puts the banner in front of every input itself.
void MainDictionarySeeds() {
  TDictionaryCompileOptions options;
  options.title = "Seed words";
  for (int variant = 0; variant < 2; ++variant) {
    options.compressPaths = variant == 0;
    options.commonChildrenFirst = variant == 0;
    TDictionaryCompiler compiler;
    for (const std::string& w : kWords) compiler.AddWord(w);
    std::string image, error;
    if (!compiler.Compile(options, image, error) || image.size() < VlmFormat::kBannerSize) {
      std::fprintf(stderr, "seed_writer: %s\n", error.c_str());
      gOk = false;
      return;
    }
    Write("fuzz_main_dictionary", "words" + std::to_string(variant), image.substr(VlmFormat::kBannerSize));
  }
  // The wide layout, forced on the small list (no child list fits the links).
  options.allowWide = true;
  options.linkLimit = 0;
  TDictionaryCompiler compiler;
  for (const std::string& w : kWords) compiler.AddWord(w);
  std::string image, error;
  if (!compiler.Compile(options, image, error) || image.size() < VlmFormat::kBannerSize) {
    std::fprintf(stderr, "seed_writer: %s\n", error.c_str());
    gOk = false;
    return;
  }
  Write("fuzz_main_dictionary", "wide", "W" + image.substr(VlmFormat::kBannerSize));
}

void CustomDictionarySeeds() {
  TCustomDictionary small;
  small.AddIgnore("colour");
  small.AddIgnore("fuzz");
  small.AddExclude("teh");
  small.AddAutoCorrect("recieve", "receive");
  small.AddIgnore("gone");
  small.RemoveIgnore("gone");
  Write("fuzz_custom_dictionary", "small.vlu", small.ContentImage());

  // Past the first growth of the table, with deleted slots in it.
  TCustomDictionary grown;
  for (int i = 0; i < 80; ++i) grown.AddIgnore("word" + std::to_string(i));
  for (int i = 0; i < 80; i += 7) grown.RemoveIgnore("word" + std::to_string(i));
  grown.AddAutoCorrect("adn", "and");
  Write("fuzz_custom_dictionary", "grown.vlu", grown.ContentImage());
}

void ThesaurusSeeds() {
  const std::string source =
      "ISO8859-1\n"
      "happy|2\n(adj)|felicitous|glad|content (similar term)\n(adj)|well-chosen|unhappy (antonym)\n"
      "cat|2\n(noun)|true cat|feline (generic term)\n(verb)|vomit|spew\n"
      "station|1\n(noun)|post|place (generic term)\n"
      "a|1\n(noun)|angstrom|metric unit (generic term)\n"
      "glad|1\n(adj)|happy|pleased (similar term)\n";
  std::vector<TSourceEntry> entries;
  std::string bytes, error;
  TCompileStats stats;
  TCompileOptions options;
  options.Name = "Seed thesaurus";
  if (!ParseMythes(source, entries, error) || !CompileThesaurus(entries, options, bytes, stats, error)) {
    std::fprintf(stderr, "seed_writer: %s\n", error.c_str());
    gOk = false;
    return;
  }
  Write("fuzz_thesaurus_file", "small.vlt", bytes);
  TThesaurusContent content;
  content.Name = "Seed thesaurus";
  content.CategoryNames = {"noun", "verb", "adjective", "adverb", "other"};
  TThesaurusMeaning meaning;
  meaning.Headword = "glad";
  meaning.Category = 2;
  meaning.Lists[1] = {"glad", "happy", "pleased"};
  meaning.Lists[3] = {"sad"};
  content.Meanings.push_back(meaning);
  content.Headwords.push_back({"happy", {2}});
  content.Headwords.push_back({"glad", {2}});
  content.Headwords.push_back({"a", {2}});
  if (!WriteWideThesaurus(content, bytes, nullptr, &error)) {
    std::fprintf(stderr, "seed_writer: %s\n", error.c_str());
    gOk = false;
    return;
  }
  Write("fuzz_thesaurus_file", "wide.vlt", bytes);
}

// Written through the INI and registry writers themselves, then taken as bytes.
void IniAndRegistrySeeds() {
  const std::string ini = gRoot + "/seed.ini";
  Platform::IniWriteString(ini, "Default", "_Main", "American.vlm");
  Platform::IniWriteString(ini, "Default", "_Custom", "Custom.vlu");
  Platform::IniWriteString(ini, "Default", "_ActiveCustom", "Custom.vlu");
  Platform::IniWriteString(ini, "Other", "Options", "\"quoted value\"");
  Write("fuzz_ini_registry", "config.ini", ReadBack(ini));
  std::remove(ini.c_str());

  const std::string reg = gRoot + "/seed-registry.ini";
  ::setenv("VX_REGISTRY_FILE", reg.c_str(), 1);
  const auto user = Platform::TRegistryRoot::CurrentUser;
  Platform::RegWriteString(user, "Software\\Maker", "v", "0");
  Platform::RegWriteString(user, "Software\\Maker\\Spell", "_Main", "American.vlm");
  Platform::RegWriteString(user, "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries", "1",
                           "CUSTOM.DIC");
  Write("fuzz_ini_registry", "registry.ini", ReadBack(reg));
  std::remove(reg.c_str());
  std::remove((reg + ".lock").c_str());  // the registry store's own lock file
}

// Two control bytes (options and check type; parser kind and cursor), then
// text with markup, addresses, quoted lines, numbers and abbreviations.
void ParseEngineSeeds() {
  const std::string text =
      "<html><body><p class=\"x\">Helo <b>wrold</b> &amp; more</p>\r\n"
      "See http://www.example.com/a?b=c or mail me@example.com, www.x.org.\r\n"
      "> a quoted line\r\n"
      "NASA and e.g. Mr. Smith paid 1,200.50 on 3rd May; don't stop-gap the the word.\r\n"
      "</body></html>";
  const unsigned char controls[][2] = {{0x3E, 0x00}, {0x1F, 0x85}, {0x00, 0x03}, {0x0C, 0x90}};
  int n = 0;
  for (const auto& c : controls) {
    std::string seed;
    seed.push_back(static_cast<char>(c[0]));
    seed.push_back(static_cast<char>(c[1]));
    Write("fuzz_parse_engine", "markup" + std::to_string(n++), seed + text);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: seed_writer FOLDER\n");
    return 2;
  }
  gRoot = argv[1];
  ::mkdir(gRoot.c_str(), 0777);
  MainDictionarySeeds();
  CustomDictionarySeeds();
  ThesaurusSeeds();
  IniAndRegistrySeeds();
  ParseEngineSeeds();
  return gOk ? 0 : 1;
}
