// The engine behind vxspell: a silent spell-checker component configured
// from the command line, and the list (-l) and ispell pipe (-a) modes.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "vl3Configuration.h"
#include "vl3SpellTypes.h"

class TVexlorSpell3Base;

struct TCheckerSettings {
  std::vector<std::string> Dictionaries{"American.vlm"};  // names or paths
  std::vector<std::string> DictionaryFolders;
  std::string PersonalDictionary;  // the active custom dictionary; empty for none
  bool Utf8 = false;               // the text's encoding: UTF-8, else the ANSI code page
  int TextCodePage = 0;            // without Utf8: the text's code page, 0 for the dictionaries'
  bool OptionsGiven = false;       // otherwise the engine's default options
  TSpellOptions Options;
  int MaxSuggestions = -1;  // -1: all the engine offers
  TSuggestionMode Suggestions = smAccurate;  // --suggestions=standard for the engine's default
  TSpellOptions ExtraOptions;     // added to the options in force (-H: markup)
  bool RunTogetherLegal = false;  // -C: two words written as one are accepted
};

// Option names as the command line spells them, in option order.
bool ParseOptionList(const std::string& list, TSpellOptions& options, std::string& error);

enum TCheckerMode { cmNone, cmList, cmPipe, cmHelp, cmVersion };

// The command line without the program name. Flags that other ispell-style
// checkers take and that change nothing here are accepted, so that editors
// and mail programs can start this checker as they start theirs. Settings arrive with their
// defaults (encoding from the locale, dictionary folders) and leave with the
// arguments applied; false, with a message, for bad usage.
bool ParseCommandLine(const std::vector<std::string>& args, TCheckerSettings& settings,
                      TCheckerMode& mode, std::vector<std::string>& files, std::string& error);

extern const char kCheckerUsage[];

// How to build the missing dictionary of a file or language name
// ("./vx dictionaries German compiles German.vlm"); empty when none of ours.
std::string DictionaryBuildAdvice(const std::string& name);

class TCommandLineChecker {
 public:
  TCommandLineChecker();
  ~TCommandLineChecker();

  // False, with a message, when a dictionary cannot be used.
  bool Open(const TCheckerSettings& settings, std::string& error);

  // Prints each misspelled word of the text, once per occurrence.
  void ListMisspelled(std::istream& in, std::ostream& out);
  // The ispell pipe protocol: banner, then one answer block per input line.
  void RunPipe(std::istream& in, std::ostream& out);

  static const char* Banner();

 private:
  struct TFinding;
  void CheckText(std::string& text, std::vector<TFinding>& findings, bool everyWord);
  // lineOffset: characters of the input line before text (the '^' escape).
  void AnswerLine(const std::string& text, int lineOffset, std::ostream& out);
  void RunPipeCommand(const std::string& line, std::ostream& out);
  std::string ToEngine(const std::string& text) const;
  std::string FromEngine(const std::string& text) const;
  bool IsRunTogether(const std::string& word);

  std::unique_ptr<TVexlorSpell3Base> engine_;
  TCheckerSettings settings_;
  int codePage_ = 1252;  // of the engine's text: follows the first dictionary's language
  bool terse_ = false;
  bool listAllWords_ = false;                  // pipe mode wants a verdict for every word
  std::vector<TFinding>* findings_ = nullptr;  // of the text being checked
};
