// vxscreens: runs every registered scene (or those named on the command
// line) and writes one picture per state into the working folder. Scenes
// named "*-ru" show Russian texts and run only under the Russian ANSI code
// page (./vx screenshots runs the program a second time for them).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "vl3Application_win.h"
#include "vxScenes.h"

namespace {

bool NeedsRussianCodePage(const std::string& name) {
  return name.size() > 3 && name.compare(name.size() - 3, 3, "-ru") == 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool russian = ::GetACP() == 1251;
  Application().Initialize();
  TSceneShot shot;
  int failures = 0;
  for (const TScene& scene : Scenes()) {
    bool wanted = argc < 2;
    for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], scene.Name) == 0;
    if (!wanted || NeedsRussianCodePage(scene.Name) != russian) continue;
    const size_t before = shot.Saved().size();
    try {
      scene.Run(shot);
    } catch (...) {
      // A scene that fails is reported; the others still run.
    }
    if (shot.Saved().size() == before) {
      std::fprintf(stderr, "vxscreens: scene %s saved no picture\n", scene.Name);
      ++failures;
    }
    Application().ProcessMessages();
  }
  for (const std::string& name : shot.Saved()) std::printf("%s\n", name.c_str());
  return failures == 0 ? 0 : 1;
}
