// Starts copies of the running test program as separate processes, each
// running one test, for tests of several programs sharing one file.
#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>
extern char** environ;
#endif

class TTestProcess {
 public:
  TTestProcess() = default;
  ~TTestProcess() { Wait(); }
  TTestProcess(const TTestProcess&) = delete;
  TTestProcess& operator=(const TTestProcess&) = delete;

  // Runs this program with only the test `filter` and the environment
  // variable `name` set to `value` (the parent's copy is changed too).
  bool Start(const std::string& filter, const std::string& name, const std::string& value) {
    const std::string flag = "--gtest_filter=" + filter;
#ifdef _WIN32
    ::SetEnvironmentVariableA(name.c_str(), value.c_str());
    char exe[MAX_PATH + 1] = {};
    if (::GetModuleFileNameA(nullptr, exe, MAX_PATH) == 0) return false;
    std::string commandLine = "\"" + std::string(exe) + "\" " + flag;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(exe, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &info))
      return false;
    ::CloseHandle(info.hThread);
    process_ = info.hProcess;
    return true;
#else
    ::setenv(name.c_str(), value.c_str(), 1);
    char exe[] = "/proc/self/exe";
    std::string arg = flag;
    char* argv[] = {exe, &arg[0], nullptr};
    return ::posix_spawn(&pid_, exe, nullptr, nullptr, argv, environ) == 0;
#endif
  }

  // The exit status; -1 when the process did not end within `waitMs` (it
  // is then ended) or was never started.
  int Wait(unsigned waitMs = 120000) {
#ifdef _WIN32
    if (!process_) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(process_, waitMs) != WAIT_OBJECT_0)
      ::TerminateProcess(process_, static_cast<UINT>(-1));
    else
      ::GetExitCodeProcess(process_, &code);
    ::CloseHandle(process_);
    process_ = nullptr;
    return static_cast<int>(code);
#else
    if (pid_ <= 0) return -1;
    int status = 0;
    pid_t done = 0;
    for (unsigned waited = 0; (done = ::waitpid(pid_, &status, WNOHANG)) == 0 && waited < waitMs; waited += 5)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (done == 0) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, &status, 0);
    }
    pid_ = 0;
    return done > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  }

 private:
#ifdef _WIN32
  HANDLE process_ = nullptr;
#else
  pid_t pid_ = 0;
#endif
};
