// What the installer does for each IDE: the table of supported IDEs, the
// machine scan, copying, package registration, library paths and help.
#include "InstallSteps.h"

#include "InstallFiles.h"
#include "InstallRegistry.h"

const TIdeInfo kIdes[kIdeCount] = {
    {"Delphi 4.0", "\\Software\\Borland\\Delphi\\4.0", "d4", "delphi4"},
    {"Delphi 5.0", "\\Software\\Borland\\Delphi\\5.0", "d5", "delphi5"},
    {"Delphi 6.0", "\\Software\\Borland\\Delphi\\6.0", "d6", "delphi6"},
    {"C++Builder 4.0", "\\Software\\Borland\\C++Builder\\4.0", "cb4", "bcb4"},
    {"C++Builder 5.0", "\\Software\\Borland\\C++Builder\\5.0", "cb5", "bcb5"},
};

namespace {

constexpr int kDelphi4 = 0;

bool SameText(const std::string& a, const std::string& b) {
  return ::lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string WithoutTrailingBackslash(std::string path) {
  while (!path.empty() && path.back() == '\\') path.pop_back();
  return path;
}

std::string TargetFolder(const std::string& installerFolder, const TIdeInfo& ide) {
  return installerFolder + "\\Source\\" + ide.PackageSuffix;
}

// Passes the log lines on and remembers whether any step failed.
class TStepLog {
 public:
  explicit TStepLog(const TInstallLog& log) : log_(log) {}
  void Line(const std::string& line) const { log_(line); }
  void Failure(const std::string& what) {
    log_("** " + what);
    ok_ = false;
  }
  // A step that has logged its own failure.
  void Check(bool done) { ok_ = ok_ && done; }
  bool Ok() const { return ok_; }

 private:
  const TInstallLog& log_;
  bool ok_ = true;
};

void DeleteFileLogged(const std::string& path, TStepLog& log) {
  if (FileExists(path) && !::DeleteFileA(path.c_str())) log.Failure("Unable to delete: " + path);
}

// Value names may be paths themselves ("Known Packages"): set apart from the key.
std::string ValueName(const TRegKey& key, const std::string& name) {
  return key.Name() + ", value \"" + name + "\"";
}

// Drops every value whose name ends in the file name `package`: the same
// package registered from any folder.
void DeletePackageValues(TRegKey& key, const std::string& package, TStepLog& log) {
  for (const std::string& name : key.ValueNames()) {
    if (SameText(ExtractFileName(name), package) && !key.DeleteValue(name)) {
      log.Failure("Unable to delete: " + ValueName(key, name));
    }
  }
}

void WriteValueLogged(TRegKey& key, const std::string& name, const std::string& data,
                      TStepLog& log) {
  if (!key.WriteString(name, data)) log.Failure("Unable to write: " + ValueName(key, name));
}

void UpdateLibraryValue(TRegKey& library, const std::string& value, const std::string& folder,
                        const std::string& marker, TStepLog& log) {
  const std::string list = library.ReadString(value);
  if (list.empty()) return;
  WriteValueLogged(library, value, UpdatePathList(list, folder, marker), log);
}

// Per-user keys exist only once the user has started the IDE; without them
// there is nothing to register into.
void RegisterPackage(const std::string& ideKey, const std::string& folder,
                     const std::string& package, const std::string& description,
                     const std::string& marker, TStepLog& log) {
  TRegKey disabled(HKEY_CURRENT_USER, ideKey + "\\Disabled Packages");
  if (disabled.IsOpen()) DeletePackageValues(disabled, package, log);

  TRegKey known(HKEY_CURRENT_USER, ideKey + "\\Known Packages");
  if (known.IsOpen()) {
    DeletePackageValues(known, package, log);
    WriteValueLogged(known, folder + "\\" + package, description, log);
  }

  TRegKey library(HKEY_CURRENT_USER, ideKey + "\\Library");
  if (library.IsOpen()) {
    UpdateLibraryValue(library, "Search Path", folder, marker, log);
    UpdateLibraryValue(library, "Browsing Path", folder, marker, log);
  }
}

void InstallIdeHelp(int index, const std::string& rootDir, TStepLog& log) {
  const std::string base = rootDir + "\\Help\\" + kIdes[index].HelpBaseName;
  const TInstallLog lines = [&log](const std::string& line) { log.Line(line); };
  if (index == kDelphi4) {
    log.Check(EnsureLine(base + ".cnt", ":Include VexlorV3.cnt", "VexlorV3.cnt", lines));
    log.Check(EnsureLine(base + ".cnt", ":Index Vexlor=VexlorV3.hlp", "VexlorV3.hlp", lines));
  }
  log.Check(EnsureLine(base + ".ohc", ":INCLUDE VexlorV3.toc", "Vexlor", lines));
  log.Check(EnsureLine(base + ".ohi",
                       ":Index Vexlor Spelling Check and Thesaurus Suite =VexlorV3.hlp", "Vexlor",
                       lines));
  log.Check(EnsureLine(base + ".ohl", ":LINK VexlorV3.hlp", "Vexlor", lines));
  // The IDE rebuilds its help index on the next use.
  DeleteFileLogged(base + ".gid", log);
}

}  // namespace

TIdeState ScanIde(int index, const std::string& installerFolder) {
  const TIdeInfo& ide = kIdes[index];
  TIdeState state;
  // Reading is all the scan needs, and all that a user without full rights
  // on the machine may do there.
  TRegKey key(HKEY_LOCAL_MACHINE, ide.RegistryKey, TRegKey::kRead);
  if (key.IsOpen()) {
    // Only Delphi 4.0's standard edition ships the database units the
    // data-aware package needs.
    state.DataAwareAllowed = key.ReadString("Version") != "STD" || index == kDelphi4;
    state.RootDir = WithoutTrailingBackslash(key.ReadExpandedString("RootDir"));
    state.Installed = !state.RootDir.empty() && DirectoryExists(state.RootDir);
  }
  state.PackagesAvailable =
      FileExists(installerFolder + "\\BPL\\vexlor3_" + ide.PackageSuffix + ".bpl");
  return state;
}

std::string UpdatePathList(const std::string& list, const std::string& folder,
                           const std::string& marker) {
  if (list.empty()) return list;
  std::string result;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    const std::string entry = list.substr(start, end - start);
    start = end + 1;
    if (entry.empty()) continue;
    const bool earlierSuiteFolder = SameText(entry, folder) ||
                                    (Contains(entry, marker) && Contains(entry, "Vexlor")) ||
                                    Contains(entry, "Vexlor3") || Contains(entry, "vexlor3");
    if (earlierSuiteFolder) continue;
    result += entry + ";";
  }
  return result + folder;
}

bool EnsureLine(const std::string& path, const std::string& line, const std::string& marker,
                const TInstallLog& log) {
  std::vector<std::string> lines;
  if (!FileExists(path) || !LoadLines(path, lines)) {
    log("** File Not Found: " + path);
    return false;
  }
  bool present = false;
  std::vector<std::string> kept;
  for (const std::string& existing : lines) {
    if (SameText(existing, line)) {
      present = true;
      kept.push_back(existing);
    } else if (!Contains(existing, marker)) {
      kept.push_back(existing);
    }
  }
  // A file that already names the suite keeps its time stamp.
  if (present) return true;
  kept.push_back(line);
  if (!SaveLines(path, kept)) {
    log("** Unable to write: " + path);
    return false;
  }
  return true;
}

bool InstallIde(const TInstallRequest& request, int index, const TIdeState& state,
                const TInstallLog& lines) {
  const TIdeInfo& ide = kIdes[index];
  const std::string& installer = request.InstallerFolder;
  const std::string suffix = ide.PackageSuffix;
  const std::string folder = TargetFolder(installer, ide);
  TStepLog log(lines);
  log.Line(std::string("Performing Installation for: ") + ide.DisplayName);
  // Gone since the scan: there is nothing left to register into, and the
  // help steps would work at the root of the current drive.
  if (state.RootDir.empty() || !DirectoryExists(state.RootDir)) {
    log.Failure("IDE folder not found: " + state.RootDir);
    return false;
  }
  if (!ForceDirectories(folder)) {
    log.Failure("Unable to create: " + folder);
    return false;
  }

  log.Line("    Deleting Old Files");
  // Files left behind are overwritten by the copy or merely stale: worth
  // reporting, not worth stopping for.
  if (!ShellDelete(request.Owner, folder + "\\*.*"))
    log.Failure("Unable to delete: " + folder + "\\*.*");
  // Files that differ for this IDE come first; the common sources and the
  // packages are copied over them. An IDE whose files are incomplete is not
  // told about the packages.
  const auto copy = [&](const std::string& pattern) {
    if (ShellCopy(request.Owner, pattern, folder)) return true;
    log.Failure("Unable to copy: " + pattern + " to " + folder);
    return false;
  };
  if (DirectoryExists(folder + "inst") && !copy(folder + "inst\\*.*")) return false;

  log.Line("    Copying Files");
  if (!copy(installer + "\\Source\\*.*") || !copy(installer + "\\BPL\\vexlor3_" + suffix + ".*") ||
      !copy(installer + "\\BPL\\vexlor3db_" + suffix + ".*")) {
    return false;
  }
  const std::string package = "vexlor3_" + suffix + ".bpl";
  if (!FileExists(folder + "\\" + package)) {
    log.Failure("File Not Found: " + folder + "\\" + package);
    return false;
  }

  log.Line("    Installing Packages Into IDE");
  // The tail of the folder from "\Source" marks entries of earlier installs
  // from other installer folders.
  const std::string marker = "\\Source\\" + suffix;
  RegisterPackage(ide.RegistryKey, folder, package, "Vexlor 3.2 Package", marker, log);
  const std::string dataAware = "vexlor3db_" + suffix + ".bpl";
  if (state.DataAwareAllowed && FileExists(folder + "\\" + dataAware)) {
    RegisterPackage(ide.RegistryKey, folder, dataAware, "Vexlor 3.2 Package (DB Aware)", marker,
                    log);
  }

  if (request.WithHelp) {
    log.Line("    Installing Help Into IDE");
    InstallIdeHelp(index, state.RootDir, log);
  }
  return log.Ok();
}

bool InstallWindowsHelp(const std::string& installerFolder, const TInstallLog& lines) {
  TStepLog log(lines);
  const std::string helpFolder = installerFolder + "\\Help";
  TRegKey help(HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\Help");
  if (help.IsOpen()) {
    for (const char* file : {"VexlorV3.hlp", "VexlorV3.cnt", "VexlorV3.toc"}) {
      WriteValueLogged(help, file, helpFolder, log);
    }
  }
  DeleteFileLogged(helpFolder + "\\VexlorV3.gid", log);
  return log.Ok();
}
