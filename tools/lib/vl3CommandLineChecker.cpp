// vxspell's checking: everything goes through a silent TVexlorSpell3Base, so
// the command line reports exactly what the components decide.
#include "vl3CommandLineChecker.h"

#include <cstdlib>
#include <istream>
#include <ostream>
#include <sstream>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3MainDictionary.h"
#include "vl3ParserBase.h"
#include "vl3SpellBase.h"
#include "vl3StringList.h"

namespace {

struct TOptionName {
  const char* name;
  TSpellOption option;
};

const TOptionName kOptionNames[] = {
    {"livespelling", soLiveSpelling},
    {"livecorrect", soLiveCorrect},
    {"upcase", soUpcase},
    {"numbers", soNumbers},
    {"html", soHTML},
    {"internet", soInternet},
    {"quoted", soQuoted},
    {"abbreviations", soAbbreviations},
    {"primaryonly", soPrimaryOnly},
    {"repeated", soRepeated},
};

// The code page of a dictionary's language (low byte: primary language).
int CodePageOfLanguage(uint32_t langId) {
  switch (langId & 0xFF) {
    case 0x02:
    case 0x19:
    case 0x22:
    case 0x23:
    case 0x2F:  // Bulgarian, Russian, Ukrainian, ...
      return 1251;
    case 0x05:
    case 0x0E:
    case 0x15:
    case 0x18:
    case 0x1A:
    case 0x1B:
    case 0x1C:
    case 0x24:
      return 1250;  // Czech, Hungarian, Polish, Romanian, Croatian, Slovak, Albanian, Slovenian
    default:
      return 1252;
  }
}

// The core's paths use '\\' (mapped back where the system wants '/').
std::string CorePath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// A personal dictionary given by bare name is a file of the current folder,
// not of the dictionary folders.
std::string PersonalPath(const std::string& name) {
  const std::string path = CorePath(name);
  if (path.empty() || path.find('\\') != std::string::npos) return path;
  return ".\\" + path;
}

std::vector<std::string> SplitCommas(const std::string& text) {
  std::vector<std::string> items;
  std::stringstream in(text);
  std::string item;
  while (std::getline(in, item, ',')) {
    if (!item.empty()) items.push_back(item);
  }
  return items;
}

}  // namespace

const char kCheckerUsage[] =
    "usage: vxspell (-l | -a) [options] [FILE...]\n"
    "  -l                 list the misspelled words of the files (or standard input)\n"
    "  -a                 ispell pipe mode on standard input\n"
    "  -d DICT[,DICT...]  main dictionaries, as paths or names (default American.vlm)\n"
    "  -p FILE.vlu        personal (custom) dictionary\n"
    "  -i ENCODING        utf-8 or cp1252 (default: from the locale)\n"
    "  --options LIST     upcase,numbers,html,internet,quoted,abbreviations,primaryonly,repeated\n"
    "  --max-suggestions N\n"
    "  --help\n";

bool ParseCommandLine(const std::vector<std::string>& args, TCheckerSettings& settings,
                      TCheckerMode& mode, std::vector<std::string>& files, std::string& error) {
  mode = cmNone;
  files.clear();
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string v;
    auto value = [&](std::string& out) {
      if (i + 1 >= args.size()) return false;
      out = args[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      mode = cmHelp;
      return true;
    } else if (arg == "-l" || arg == "-a") {
      const TCheckerMode chosen = arg == "-l" ? cmList : cmPipe;
      if (mode != cmNone && mode != chosen) {
        error = "choose one of -l and -a";
        return false;
      }
      mode = chosen;
    } else if (arg == "-d") {
      if (!value(v) || SplitCommas(v).empty()) {
        error = "-d needs a dictionary";
        return false;
      }
      settings.Dictionaries = SplitCommas(v);
    } else if (arg == "-p") {
      if (!value(v) || v.empty()) {
        error = "-p needs a file";
        return false;
      }
      settings.PersonalDictionary = v;
    } else if (arg == "-i") {
      if (!value(v)) {
        error = "-i needs an encoding";
        return false;
      }
      const std::string e = Ansi::LowerCase(v);
      if (e == "utf-8" || e == "utf8") {
        settings.Utf8 = true;
      } else if (e == "cp1252" || e == "windows-1252" || e == "ansi" || e == "latin1" ||
                 e == "iso-8859-1") {
        settings.Utf8 = false;
      } else {
        error = "unknown encoding '" + v + "'";
        return false;
      }
    } else if (arg == "--options") {
      if (!value(v)) {
        error = "--options needs a list";
        return false;
      }
      if (!ParseOptionList(v, settings.Options, error)) return false;
      settings.OptionsGiven = true;
    } else if (arg == "--max-suggestions") {
      if (!value(v)) {
        error = "--max-suggestions needs a number";
        return false;
      }
      char* end = nullptr;
      const long n = std::strtol(v.c_str(), &end, 10);
      if (v.empty() || *end || n < 0 || n > 1000) {
        error = "bad number '" + v + "'";
        return false;
      }
      settings.MaxSuggestions = static_cast<int>(n);
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      error = "unknown argument '" + arg + "'";
      return false;
    } else {
      files.push_back(arg);
    }
  }
  if (mode == cmNone) {
    error = "choose -l or -a";
    return false;
  }
  if (mode == cmPipe && !files.empty()) {
    error = "-a reads standard input only";
    return false;
  }
  return true;
}

bool ParseOptionList(const std::string& list, TSpellOptions& options, std::string& error) {
  options = TSpellOptions();
  for (const std::string& item : SplitCommas(list)) {
    bool known = false;
    for (const TOptionName& o : kOptionNames) {
      if (Ansi::SameText(item, o.name)) {
        options.Include(o.option);
        known = true;
      }
    }
    if (!known) {
      error = "unknown option '" + item + "'";
      return false;
    }
  }
  return true;
}

// One checked word of pipe mode, in text order.
struct TCommandLineChecker::TFinding {
  std::string Word;
  std::string Replacement;  // an automatic correction the dictionaries know
  int Offset = 0;           // 0-based, in characters of the line
  bool Misspelled = false;
};

TCommandLineChecker::TCommandLineChecker() = default;
TCommandLineChecker::~TCommandLineChecker() = default;

const char* TCommandLineChecker::Banner() {
  return "@(#) International Ispell Version 3.1.20 (but really Vexlor vxspell 3.2.0 Pro)";
}

bool TCommandLineChecker::Open(const TCheckerSettings& settings, std::string& error) {
  settings_ = settings;
  engine_ = std::make_unique<TVexlorSpell3Base>(nullptr);
  TVexlorSpell3Base& e = *engine_;
  // Nothing is read from or written to a stored configuration.
  e.SetConfigStorage(csNone);
  e.SetConfigUseMSWordCustom(false);
  e.SetSuggestionsLearning(false);
  e.SetKeepDictionariesActive(true);
  e.SetSynchronousCheck(false);
  e.SetEndMessage(emNever);
  e.SetUseHourglassCursor(false);
  e.SetMaxUndo(0);
  e.SetMaxSuggestions(settings.MaxSuggestions);
  e.SetUIType(suiSilent);

  for (std::string& d : settings_.Dictionaries) d = CorePath(d);
  settings_.PersonalDictionary = PersonalPath(settings_.PersonalDictionary);
  TStringList folders, mains, none;
  for (const std::string& f : settings_.DictionaryFolders) folders.Add(CorePath(f));
  for (const std::string& d : settings_.Dictionaries) mains.Add(d);
  e.SetConfigDictionaryDir(folders);
  e.SetConfigDefaultMain(mains);
  e.SetConfigDefaultCustom(none);
  e.SetConfigDefaultActiveCustom(settings_.PersonalDictionary);
  if (settings.OptionsGiven) e.SetConfigDefaultOptions(settings.Options);

  // Opened here only to tell a bad name from a good one; the engine opens
  // its own set from the configuration.
  uint32_t language = 0;
  for (size_t i = 0; i < settings.Dictionaries.size(); ++i) {
    std::unique_ptr<TMainDictionary> dictionary = e.OpenMainDictionary(settings_.Dictionaries[i]);
    if (!dictionary) {
      error = "cannot open dictionary '" + settings.Dictionaries[i] + "'";
      return false;
    }
    if (i == 0) language = dictionary->LangId();
  }
  if (!settings_.PersonalDictionary.empty() &&
      !e.OpenCustomDictionary(settings_.PersonalDictionary)) {
    error = "cannot use personal dictionary '" + settings.PersonalDictionary + "'";
    return false;
  }
  codePage_ = CodePageOfLanguage(language);

  e.OnWordCheck = [this](TVexlorSpell3Base*, const std::string& word, TWordCheckType& type,
                         std::string& replacement) {
    // A known correction is still a misspelling to report, not to apply.
    bool misspelled = type == wcMisspelled || type == wcExcluded || type == wcAutoCorrect;
    if (type == wcAutoCorrect) type = wcMisspelled;
    if (listAllWords_ && findings_)
      findings_->push_back(TFinding{word, replacement, 0, misspelled});
  };
  e.OnPromptWord = [](TVexlorSpell3Base*, const std::string&, bool) {};

  // Loaded now, so that pipe commands before the first text line find the
  // personal dictionary.
  e.Configuration()->SetConfigLoaded(true);
  return true;
}

std::string TCommandLineChecker::ToEngine(const std::string& text) const {
  if (!settings_.Utf8) return text;
  std::string ansi;
  // A character with no single-byte form separates words.
  Codepage::FromUtf8(text, codePage_, ansi, ' ');
  return ansi;
}

std::string TCommandLineChecker::FromEngine(const std::string& text) const {
  return settings_.Utf8 ? Codepage::ToUtf8(text, codePage_) : text;
}

void TCommandLineChecker::CheckText(std::string& text, std::vector<TFinding>& findings,
                                    bool everyWord) {
  findings_ = &findings;
  listAllWords_ = everyWord;
  TVexlorSpell3Base& e = *engine_;
  e.CheckString(text);
  while (e.Checking()) {
    if (e.PromptIsRepeated()) {
      e.IgnoreRepeated();
      continue;
    }
    int x = 0, y = 0;
    if (e.Parser()) e.Parser()->GetPosition(x, y);  // the prompted word is selected: x is its start
    if (everyWord) {
      if (!findings.empty()) findings.back().Offset = x - 1;
    } else {
      findings.push_back(TFinding{e.CurrentWord(), std::string(), x - 1, true});
    }
    e.Ignore();
  }
  findings_ = nullptr;
}

void TCommandLineChecker::ListMisspelled(std::istream& in, std::ostream& out) {
  // The whole text in one check, so that filters and repeated words see
  // across lines; read in blocks to spare the stream's per-character path.
  std::string text;
  char block[65536];
  while (in.read(block, sizeof block) || in.gcount() > 0)
    text.append(block, static_cast<size_t>(in.gcount()));
  if (settings_.Utf8) text = ToEngine(text);
  std::vector<TFinding> findings;
  CheckText(text, findings, false);
  std::string buffer;
  for (const TFinding& f : findings) {
    buffer += FromEngine(f.Word);
    buffer += '\n';
  }
  out << buffer;
}

void TCommandLineChecker::AnswerLine(const std::string& line, int lineOffset, std::ostream& out) {
  std::string text = ToEngine(line);
  std::vector<TFinding> findings;
  CheckText(text, findings, true);
  for (const TFinding& f : findings) {
    if (!f.Misspelled) {
      if (!terse_) out << "*\n";
      continue;
    }
    TStringList found;
    engine_->GetSuggestions(f.Word, found);
    std::vector<std::string> suggestions;
    if (!f.Replacement.empty()) suggestions.push_back(f.Replacement);
    for (int i = 0; i < found.Count(); ++i) {
      if (found[i] != f.Replacement) suggestions.push_back(found[i]);
    }
    if (settings_.MaxSuggestions >= 0 && suggestions.size() > size_t(settings_.MaxSuggestions))
      suggestions.resize(settings_.MaxSuggestions);
    if (suggestions.empty()) {
      out << "# " << FromEngine(f.Word) << ' ' << f.Offset + lineOffset << '\n';
      continue;
    }
    out << "& " << FromEngine(f.Word) << ' ' << suggestions.size() << ' ' << f.Offset + lineOffset
        << ':';
    for (size_t i = 0; i < suggestions.size(); ++i)
      out << (i ? ", " : " ") << FromEngine(suggestions[i]);
    out << '\n';
  }
  out << '\n';
}

void TCommandLineChecker::RunPipeCommand(const std::string& line, std::ostream& out) {
  TVexlorSpell3Base& e = *engine_;
  const std::string word = ToEngine(line.substr(1));
  TCustomDictionary* personal = e.ActiveCustomDictionary();
  switch (line[0]) {
    case '*':  // add to the personal dictionary (for this session when there is none)
      if (!word.empty()) (personal ? personal : e.InternalDictionary())->AddIgnore(word);
      break;
    case '&':  // the same, in lower case
      if (!word.empty())
        (personal ? personal : e.InternalDictionary())->AddIgnore(Ansi::LowerCase(word));
      break;
    case '@':  // accept for this session
      if (!word.empty()) e.InternalDictionary()->AddIgnore(word);
      break;
    case '#':
      if (personal) personal->SaveChanges();
      break;
    case '!':
      terse_ = true;
      break;
    case '%':
      terse_ = false;
      break;
    case '^':  // offsets count the escape, as editors expect
      AnswerLine(line.substr(1), 1, out);
      break;
    default:  // '+', '-', '~', '$': modes and parameters this checker does not have
      break;
  }
}

void TCommandLineChecker::RunPipe(std::istream& in, std::ostream& out) {
  out << Banner() << '\n' << std::flush;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && std::string("*&@#!%^+-~$").find(line[0]) != std::string::npos) {
      RunPipeCommand(line, out);
    } else {
      AnswerLine(line, 0, out);
    }
    out << std::flush;
  }
}
