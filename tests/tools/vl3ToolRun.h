// Runs one of our command-line tools, built beside the test programs, the way
// a user's shell would, and keeps its exit status and standard output.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

struct TToolRun {
  int status = -1;
  std::string out;
};

// The tool's path beside the running test program.
inline std::string ToolBesideTest(const std::string& tool) {
  std::string buffer(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", &buffer[0], buffer.size());
  if (n <= 0) return tool;
  buffer.resize(static_cast<size_t>(n));
  return buffer.substr(0, buffer.rfind('/') + 1) + tool;
}

// Runs a shell command line and keeps what it writes to standard output.
inline TToolRun RunShellCommand(const std::string& command) {
  TToolRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

// Standard error is dropped unless the arguments send it elsewhere first.
inline TToolRun RunToolBesideTest(const std::string& tool, const std::string& arguments) {
  const bool ownRedirection = arguments.find("2>&1") != std::string::npos;
  return RunShellCommand(ToolBesideTest(tool) + " " + arguments +
                         (ownRedirection ? "" : " 2>/dev/null"));
}
