// The "custom" commands of vldict: list, add and remove entries of a custom
// dictionary file, always through TCustomDictionary so the file stays valid.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "vl3CustomDictionary.h"
#include "vl3Platform.h"
#include "vldict_custom.h"

namespace {

constexpr int kOk = 0;
constexpr int kRefused = 1;
constexpr int kBad = 2;

const char kCustomUsageLines[] =
    "vldict custom list FILE.vlu\n"
    "       vldict custom add FILE.vlu I|E|A WORD [REPLACEMENT]\n"
    "       vldict custom remove FILE.vlu I|E|A WORD\n";

int Usage(const std::string& message) {
  std::cerr << "vldict: " << message << "\n";
  WriteCustomUsage(std::cerr, true);
  return kBad;
}

int Bad(const std::string& message) {
  std::cerr << "vldict: " << message << "\n";
  return kBad;
}

void WriteLine(const std::vector<std::string>& fields) {
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) std::fputc('\t', stdout);
    std::fwrite(fields[i].data(), 1, fields[i].size(), stdout);
  }
  std::fputc('\n', stdout);
}

// Opens an existing, readable dictionary for listing; the reason on failure.
bool OpenExisting(TCustomDictionary& dictionary, const std::string& path, std::string& problem) {
  if (!Platform::FileExists(path)) {
    problem = path + ": no such file";
    return false;
  }
  dictionary.SetFilename(path);
  if (dictionary.DictionaryPath() != path) {
    problem = path + ": not a custom dictionary file";
    return false;
  }
  dictionary.SetActive(true);
  if (!dictionary.Active()) {
    problem = path + ": cannot be read";
    return false;
  }
  if (dictionary.LoadFailed()) {
    problem = path + ": the dictionary's content is damaged";
    return false;
  }
  return true;
}

int List(const std::vector<std::string>& args) {
  if (args.size() != 2) return Usage("custom list takes one file");
  TCustomDictionary dictionary;
  std::string problem;
  if (!OpenExisting(dictionary, args[1], problem)) return Bad(problem);
  for (int i = 0; i < dictionary.CountIgnored(); ++i) WriteLine({"I", dictionary.IgnoreWordAt(i)});
  for (int i = 0; i < dictionary.CountExcluded(); ++i) WriteLine({"E", dictionary.ExcludeWordAt(i)});
  std::string word, replacement;
  for (int i = 0; i < dictionary.CountAutoCorrect(); ++i) {
    dictionary.AutoCorrectAt(i, word, replacement);
    WriteLine({"A", word, replacement});
  }
  std::fflush(stdout);
  return std::ferror(stdout) ? kBad : kOk;
}

// add and remove share everything but the operation.
int Change(const std::vector<std::string>& args, bool add) {
  const std::string verb = add ? "add" : "remove";
  if (args.size() < 4) return Usage("custom " + verb + " needs a file, a kind and a word");
  const std::string& path = args[1];
  const std::string& kind = args[2];
  const std::string& word = args[3];
  if (kind != "I" && kind != "E" && kind != "A") return Usage("the kind must be I, E or A");
  const bool withReplacement = add && kind == "A";
  if (args.size() != (withReplacement ? 5u : 4u)) {
    return Usage(withReplacement ? "custom add with kind A needs a word and its replacement"
                                 : "custom " + verb + " " + kind + " takes exactly one word");
  }

  // Held from the first look at the file to the save, so that what this run
  // finds (the word present or not) is still true when it writes; other
  // programs saving the same file meanwhile wait their turn.
  Platform::TFileLock lock;
  if (lock.Acquire(path, TCustomDictionary::kSaveLockWaitMs) == Platform::TLockResult::Busy)
    return Bad(path + ": another program kept the dictionary locked; " + word + " was not " +
               (add ? "added" : "removed"));
  TCustomDictionary dictionary;
  const bool existed = Platform::FileExists(path);
  if (existed) {
    std::string problem;
    if (!OpenExisting(dictionary, path, problem)) return Bad(problem + "; file left unchanged");
  } else {
    dictionary.SetFilename(path);
    if (dictionary.DictionaryPath() != path) return Bad(path + ": cannot be created");
    dictionary.SetActive(true);
  }

  bool done;
  if (add) {
    done = kind == "I"   ? dictionary.AddIgnore(word)
           : kind == "E" ? dictionary.AddExclude(word)
                         : dictionary.AddAutoCorrect(word, args[4]);
  } else {
    done = kind == "I"   ? dictionary.RemoveIgnore(word)
           : kind == "E" ? dictionary.RemoveExclude(word)
                         : dictionary.RemoveAutoCorrect(word);
  }
  if (!done) {
    dictionary.SetPendingChanges(false);  // a refused change creates no file either
    if (add) {
      std::string replacement;
      bool present = dictionary.HasIgnore(word) || dictionary.HasExclude(word) ||
                     dictionary.LookupAutoCorrect(word, replacement);
      std::cerr << "vldict: " << word << ": "
                << (present ? "already in the dictionary"
                            : "refused (empty, too long or holding a zero byte)")
                << "\n";
    } else {
      std::cerr << "vldict: " << word << ": no " << kind << " entry to remove\n";
    }
    return kRefused;
  }
  if (!dictionary.SaveChanges())
    return Bad(path + ": could not be written; " + word + " was not " + (add ? "added" : "removed"));
  return kOk;
}

}  // namespace

void WriteCustomUsage(std::ostream& out, bool standalone) {
  out << (standalone ? "usage: " : "       ") << kCustomUsageLines;
}

int RunCustomCommand(const std::vector<std::string>& args) {
  if (args.empty()) return Usage("custom needs a command");
  const std::string& command = args[0];
  if (command == "list") return List(args);
  if (command == "add") return Change(args, true);
  if (command == "remove") return Change(args, false);
  return Usage("unknown custom command " + command);
}
