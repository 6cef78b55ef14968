// Files and folders for the installer: the shell's copy and delete with
// wildcards, existence tests, folder creation and text files as lines.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

bool FileExists(const std::string& path);  // an existing file, not a folder
bool DirectoryExists(const std::string& path);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ForceDirectories(const std::string& path);
// The part after the last "\", "/" or ":" of a path.
std::string ExtractFileName(const std::string& path);
// The folder of the running program, without a trailing separator.
std::string ProgramFolder();

// The shell's file operation with a wildcard source; errors are shown by the
// shell itself. `owner` parents its progress and error windows. True when
// every matching file is gone, or is in `folder` (a pattern that matches
// nothing is done at once).
bool ShellDelete(HWND owner, const std::string& pattern);
bool ShellCopy(HWND owner, const std::string& pattern, const std::string& folder);

// A text file as lines; CR LF, LF and CR all end a line. False when the file
// cannot be read.
bool LoadLines(const std::string& path, std::vector<std::string>& lines);
// Every file the installer writes goes this way: the text is written to a new
// file beside `path`, flushed to the disk and moved over the file, so a
// failure or a crash at any moment leaves the old file or the new one, whole.
// False (the old file kept, nothing left beside it) when any step fails.
bool ReplaceFileWhole(const std::string& path, const std::string& text);
// Writes each line followed by CR LF, through ReplaceFileWhole.
bool SaveLines(const std::string& path, const std::vector<std::string>& lines);
