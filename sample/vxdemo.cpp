// vxdemo: the sample application. With "/screenshots FOLDER" it tours its
// own pages, saves a picture of each into FOLDER and ends by itself. With
// VXDEMO_CAUGHT_LOG=FILE in its environment it appends to FILE a line for
// each exception a window procedure caught (for tools that drive it).
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "DemoTour.h"
#include "Main.h"
#include "vl3Application_win.h"

namespace {

// The tour ends in seconds; a tour that hangs must not keep a headless run
// waiting for ever.
const int kTourWatchdogSeconds = 50;

std::string ScreenshotFolder() {
  for (int i = 1; i + 1 < __argc; ++i)
    if (_stricmp(__argv[i], "/screenshots") == 0 || std::strcmp(__argv[i], "--screenshots") == 0)
      return __argv[i + 1];
  return std::string();
}

// Polled: a window procedure only records what it caught.
std::string caughtLog;
int32_t caughtReported = 0;

void CALLBACK ReportCaughtExceptions(HWND, UINT, UINT_PTR, DWORD) {
  const int32_t count = Application().CaughtExceptionCount();
  if (count == caughtReported) return;
  caughtReported = count;
  if (FILE* f = std::fopen(caughtLog.c_str(), "a")) {
    std::fprintf(f, "%d: %s\n", static_cast<int>(count), Application().LastCaughtException().c_str());
    std::fclose(f);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application().Initialize();
  const std::string pictures = ScreenshotFolder();
  auto form = std::make_unique<TDemoForm>();
  Application().SetMainForm(form.get());
  if (const char* log = std::getenv("VXDEMO_CAUGHT_LOG")) {
    caughtLog = log;
    if (!caughtLog.empty()) ::SetTimer(nullptr, 0, 100, ReportCaughtExceptions);
  }
  if (pictures.empty()) return Application().Run();

  std::thread([] {
    std::this_thread::sleep_for(std::chrono::seconds(kTourWatchdogSeconds));
    std::fprintf(stderr, "vxdemo: the tour did not end in %d s\n", kTourWatchdogSeconds);
    std::fflush(stderr);
    ::ExitProcess(3);
  }).detach();
  TDemoTour tour(*form, pictures);
  tour.Start();
  Application().Run();
  for (const std::string& failure : tour.Failures()) std::fprintf(stderr, "vxdemo: %s\n", failure.c_str());
  return tour.Failures().empty() ? 0 : 1;
}
