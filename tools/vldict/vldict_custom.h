// The "custom" commands of vldict: list, add and remove entries of a custom
// dictionary file. Kept apart from the main-dictionary commands.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// args: the words after "custom" ("list FILE.vlu", "add FILE.vlu I word", ...).
// Returns the exit status: 0 success, 1 entry refused, 2 bad usage or file.
int RunCustomCommand(const std::vector<std::string>& args);
// The usage lines of the custom commands; `standalone` starts the first with
// "usage:", otherwise every line is indented to follow vldict's own lines.
void WriteCustomUsage(std::ostream& out, bool standalone);
