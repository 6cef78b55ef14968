// What the installer does for each IDE: the table of supported IDEs, the
// machine scan, copying, package registration, library paths and help.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct TIdeInfo {
  const char* DisplayName;
  const char* RegistryKey;  // below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER
  const char* PackageSuffix;
  const char* HelpBaseName;
};

constexpr int kIdeCount = 5;
extern const TIdeInfo kIdes[kIdeCount];

// What the start-up scan found out about one IDE.
struct TIdeState {
  bool PackagesAvailable = false;
  bool Installed = false;
  bool DataAwareAllowed = false;
  std::string RootDir;  // without a trailing separator
};

using TInstallLog = std::function<void(const std::string& line)>;

// The machine registry and the installer's BPL folder for IDE `index`. An
// IDE whose root folder is not named or not there counts as not installed:
// its keys are what an uninstaller left behind.
TIdeState ScanIde(int index, const std::string& installerFolder);

// A ";"-separated library path with every earlier entry of the suite for
// this IDE dropped and `folder` (the IDE's target folder, whose tail from
// "\Source" is `marker`) appended. An empty list stays empty.
std::string UpdatePathList(const std::string& list, const std::string& folder,
                           const std::string& marker);

// Makes `line` one line of the text file `path`: other lines containing
// `marker` go, and the file is written only when the line was missing.
// Returns false (and logs) when the file does not exist.
bool EnsureLine(const std::string& path, const std::string& line, const std::string& marker,
                const TInstallLog& log);

struct TInstallRequest {
  HWND Owner = nullptr;  // parent of the shell's progress and error windows
  std::string InstallerFolder;
  bool WithHelp = true;
};

// Copies the files for IDE `index` and registers its packages (and its help
// when asked), logging each stage and each failure ("** ..."). Nothing is
// registered when the files could not be copied. False when any step failed.
bool InstallIde(const TInstallRequest& request, int index, const TIdeState& state,
                const TInstallLog& log);

// Names the suite's help files in the Windows help registry and drops the
// stale help index; done once after every IDE. False (and logged) when a
// step failed.
bool InstallWindowsHelp(const std::string& installerFolder, const TInstallLog& log);
