// vxspell's checking: everything goes through a silent TVexlorSpell3Base, so
// the command line reports exactly what the components decide.
#include "vl3CommandLineChecker.h"

#include <cstdlib>
#include <iterator>
#include <istream>
#include <ostream>
#include <sstream>

#include "vl3Ansi.h"
#include "vl3Codepage.h"
#include "vl3Configuration.h"
#include "vl3CustomDictionary.h"
#include "vl3DictionaryNames.h"
#include "vl3MainDictionary.h"
#include "vl3Platform.h"
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

// A core path as the user's system writes it, for messages.
std::string SystemPath(std::string path) {
#ifndef _WIN32
  for (char& c : path)
    if (c == '\\') c = '/';
#endif
  return path;
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
    "  -d DICT[,DICT...]  main dictionaries: paths, file names or languages\n"
    "                     (american, british, deutsch, de_DE, fr_FR, ru_RU, ...);\n"
    "                     also --lang=DICT and --master=DICT\n"
    "  -p FILE.vlu        personal (custom) dictionary; also --personal=FILE.vlu\n"
    "  -i ENCODING        utf-8, or a code page (cp1252, cp1251, cp1250, latin1)\n"
    "                     converted to the dictionary's, or ansi (the dictionary's);\n"
    "                     also --encoding=E; default: utf-8 unless the locale names\n"
    "                     a code page\n"
    "  --options LIST     upcase,numbers,html,internet,quoted,abbreviations,primaryonly,repeated\n"
    "                     (repeated: -l lists a doubled word as \"the the\"; -a has no answer\n"
    "                     for it and passes it)\n"
    "  --max-suggestions N\n"
    "  --suggestions MODE accurate (default: a wider search ranked by how people\n"
    "                     mistype) or standard (single edits and sounds-alike words,\n"
    "                     the component's default); also --suggestions=MODE\n"
    "  -H                 skip HTML and XML markup (also -T html|sgml|xml, --mode=html)\n"
    "  -B, -C             two words run together are errors (default) / are accepted\n"
    "  -v, -vv            print the version and stop\n"
    "  --help\n"
    "Accepted for ispell, aspell and hunspell clients and ignored: -m -P -S -t -n -x -b\n"
    "  -M -N -V -G -O -X, -w CHARS, -W N, -L N, --sug-mode=M, and -T/--mode with other types.\n";

std::string DictionaryBuildAdvice(const std::string& name) {
  std::string file = name;
  const size_t slash = file.find_last_of("/\\");
  if (slash != std::string::npos) file = file.substr(slash + 1);
  const std::string lower = Ansi::LowerCase(file);
  if (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".vlm") == 0) file.resize(file.size() - 4);
  std::string known;
  if (!DictionaryFileForLanguage(file, known)) return std::string();
  known.resize(known.size() - 4);
  if (known == "American" || known == "British") return "./vx build compiles " + known + ".vlm";
  return "./vx dictionaries " + known + " compiles " + known + ".vlm";
}

namespace {

// Flags of other ispell-style checkers that change nothing here.
const char* const kIgnoredFlags[] = {"-m", "-P", "-S", "-t", "-n", "-x", "-b",
                                     "-M", "-N", "-V", "-G", "-O", "-X"};
// The same, with a value that follows as the next argument.
const char* const kIgnoredValueFlags[] = {"-w", "-W", "-L"};

bool IsOneOf(const std::string& arg, const char* const* list, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (arg == list[i]) return true;
  return false;
}

bool IsMarkupMode(const std::string& mode) {
  const std::string m = Ansi::LowerCase(mode);
  return m == "html" || m == "sgml" || m == "xml";
}

// Text encodings the checker reads: UTF-8, or a single-byte code page,
// converted when it is not the dictionaries' own ("ansi": theirs).
bool ParseEncoding(const std::string& name, TCheckerSettings& settings, std::string& error) {
  int codePage = 0;
  if (Ansi::LowerCase(name) == "ansi") {
    settings.Utf8 = false;
    settings.TextCodePage = 0;
    return true;
  }
  if (Codepage::FromName(name, codePage)) {
    settings.Utf8 = codePage == Codepage::kUtf8;
    settings.TextCodePage = settings.Utf8 ? 0 : codePage;
    return true;
  }
  error = "unknown encoding '" + name + "' (utf-8, cp1252, cp1251, cp1250 or latin1)";
  return false;
}

// Each item of a -d list: a path or file name as given, or the file of a
// language name.
bool ResolveDictionaries(const std::string& list, std::vector<std::string>& files,
                         std::string& error) {
  files.clear();
  for (const std::string& item : SplitCommas(list)) {
    const std::string lower = Ansi::LowerCase(item);
    const bool isFile = item.find_first_of("/\\") != std::string::npos ||
                        (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".vlm") == 0);
    std::string file;
    if (isFile) {
      files.push_back(item);
    } else if (DictionaryFileForLanguage(item, file)) {
      files.push_back(file);
    } else {
      error = "unknown dictionary '" + item + "': give a .vlm file or one of " +
              KnownDictionaryLanguages();
      return false;
    }
  }
  if (files.empty()) {
    error = "-d needs a dictionary";
    return false;
  }
  return true;
}

}  // namespace

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
    // aspell's --name=value options.
    const size_t equals = arg.find('=');
    const std::string longName = arg.compare(0, 2, "--") == 0 ? arg.substr(0, equals) : "";
    const std::string longValue = equals == std::string::npos ? "" : arg.substr(equals + 1);
    if (arg == "--help" || arg == "-h") {
      mode = cmHelp;
      return true;
    } else if (arg == "-v" || arg == "-vv" || arg == "--version") {
      mode = cmVersion;
      return true;
    } else if (arg == "-l" || arg == "-a") {
      const TCheckerMode chosen = arg == "-l" ? cmList : cmPipe;
      if (mode != cmNone && mode != chosen) {
        error = "choose one of -l and -a";
        return false;
      }
      mode = chosen;
    } else if (arg == "-d" || ((longName == "--lang" || longName == "--master") && equals != std::string::npos)) {
      if (arg == "-d" && !value(v)) {
        error = "-d needs a dictionary";
        return false;
      }
      if (!ResolveDictionaries(arg == "-d" ? v : longValue, settings.Dictionaries, error))
        return false;
    } else if (arg == "-p" || (longName == "--personal" && equals != std::string::npos)) {
      if (arg == "-p" ? !value(v) || v.empty() : (v = longValue).empty()) {
        error = "-p needs a file";
        return false;
      }
      settings.PersonalDictionary = v;
    } else if (arg == "-i" || (longName == "--encoding" && equals != std::string::npos)) {
      if (arg == "-i" && !value(v)) {
        error = "-i needs an encoding";
        return false;
      }
      if (!ParseEncoding(arg == "-i" ? v : longValue, settings, error)) return false;
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
    } else if (arg == "--suggestions" || (longName == "--suggestions" && equals != std::string::npos)) {
      if (arg == "--suggestions" && !value(v)) {
        error = "--suggestions needs a mode (accurate or standard)";
        return false;
      }
      const std::string chosen = Ansi::LowerCase(arg == "--suggestions" ? v : longValue);
      if (chosen != "accurate" && chosen != "standard") {
        error = "bad suggestion mode '" + chosen + "' (accurate or standard)";
        return false;
      }
      settings.Suggestions = chosen == "accurate" ? smAccurate : smStandard;
    } else if (arg == "-H") {
      settings.ExtraOptions.Include(soHTML);
    } else if (arg == "-B" || arg == "-C") {
      settings.RunTogetherLegal = arg == "-C";
    } else if (arg == "-T" || (longName == "--mode" && equals != std::string::npos)) {
      if (arg == "-T" && !value(v)) {
        error = "-T needs a formatter type";
        return false;
      }
      if (IsMarkupMode(arg == "-T" ? v : longValue)) settings.ExtraOptions.Include(soHTML);
    } else if (IsOneOf(arg, kIgnoredValueFlags, std::size(kIgnoredValueFlags))) {
      if (!value(v)) {
        error = arg + " needs a value";
        return false;
      }
    } else if (IsOneOf(arg, kIgnoredFlags, std::size(kIgnoredFlags)) ||
               (longName == "--sug-mode" && equals != std::string::npos)) {
      continue;
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      error = "unknown argument '" + arg + "' (vxspell --help lists the arguments)";
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
  e.SetConfigDefaultSuggestionMode(settings.Suggestions);
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
  e.SetConfigDefaultOptions((settings.OptionsGiven ? settings.Options : e.ConfigDefaultOptions()) +
                            settings.ExtraOptions);

  // Opened here only to tell a bad name from a good one; the engine opens
  // its own set from the configuration.
  uint32_t language = 0;
  for (size_t i = 0; i < settings.Dictionaries.size(); ++i) {
    const std::string& name = settings_.Dictionaries[i];
    std::unique_ptr<TMainDictionary> dictionary = e.OpenMainDictionary(name);
    if (!dictionary) {
      error = "cannot open dictionary '" + settings.Dictionaries[i] + "'";
      if (name.find('\\') == std::string::npos) {
        // A bare name: say where it was looked for.
        std::string searched;
        for (const std::string& f : settings_.DictionaryFolders)
          searched += (searched.empty() ? "" : ", ") + SystemPath(e.ExpandPath(CorePath(f)));
        error += ": not found in " + (searched.empty() ? std::string("no folder") : searched);
      } else if (Platform::FileExists(e.ExpandPath(name))) {
        error += ": not a main dictionary, or damaged";
      } else {
        error += ": no such file";
      }
      const std::string advice = DictionaryBuildAdvice(name);
      if (!advice.empty()) error += " (" + advice + ")";
      return false;
    }
    if (i == 0) language = dictionary->LangId();
  }
  if (!settings_.PersonalDictionary.empty() &&
      !e.OpenCustomDictionary(settings_.PersonalDictionary)) {
    error = "cannot use personal dictionary '" + settings.PersonalDictionary + "'";
    return false;
  }
  // The component makes the letters of the dictionaries' code pages word
  // characters by itself.
  codePage_ = Codepage::OfLanguage(language);

  e.OnWordCheck = [this](TVexlorSpell3Base*, const std::string& word, TWordCheckType& type,
                         std::string& replacement) {
    // A known correction is still a misspelling to report, not to apply.
    if (type == wcMisspelled && settings_.RunTogetherLegal && IsRunTogether(word))
      type = wcAccepted;
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

// Two dictionary words written as one ("spellchecker"); parts of fewer
// than three letters do not count, or nearly any typing slip would pass.
bool TCommandLineChecker::IsRunTogether(const std::string& word) {
  constexpr size_t kShortestPart = 3;
  TVexlorSpell3Base& e = *engine_;
  auto known = [&](const std::string& part) {
    return e.IsWordInDictionaries(part) || e.IsWordInDictionaries(Ansi::LowerCase(part));
  };
  for (size_t split = kShortestPart; split + kShortestPart <= word.size(); ++split) {
    if (known(word.substr(0, split)) && known(word.substr(split))) return true;
  }
  return false;
}

std::string TCommandLineChecker::ToEngine(const std::string& text) const {
  if (!settings_.Utf8) {
    const int from = settings_.TextCodePage;
    return from == 0 || from == codePage_ ? text : Codepage::Convert(text, from, codePage_);
  }
  std::string ansi;
  // A character with no single-byte form separates words.
  Codepage::FromUtf8(text, codePage_, ansi, ' ');
  return ansi;
}

std::string TCommandLineChecker::FromEngine(const std::string& text) const {
  if (settings_.Utf8) return Codepage::ToUtf8(text, codePage_);
  const int to = settings_.TextCodePage;
  return to == 0 || to == codePage_ ? text : Codepage::Convert(text, codePage_, to);
}

void TCommandLineChecker::CheckText(std::string& text, std::vector<TFinding>& findings,
                                    bool everyWord) {
  findings_ = &findings;
  listAllWords_ = everyWord;
  TVexlorSpell3Base& e = *engine_;
  e.CheckString(text);
  while (e.Checking()) {
    if (e.PromptIsRepeated()) {
      // Listed only when the user asked for repetitions; the pipe protocol
      // has no answer for them.
      if (!everyWord && settings_.OptionsGiven && settings_.Options.Contains(soRepeated))
        findings.push_back(TFinding{e.CurrentWord(), std::string(), 0, true});  // "the the"
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
  // A file's size is known: one allocation instead of a doubling string.
  const std::streampos here = in.tellg();
  if (here != std::streampos(-1) && in.seekg(0, std::ios::end)) {
    const std::streamoff size = in.tellg() - here;
    in.seekg(here);
    if (size > 0 && size < (std::streamoff(1) << 31)) text.reserve(static_cast<size_t>(size));
  }
  in.clear();
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
        (personal ? personal : e.InternalDictionary())->AddIgnore(Ansi::LowerCase(word, codePage_));
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
