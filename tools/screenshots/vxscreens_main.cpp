// vxscreens: runs every registered scene (or those named on the command
// line) and writes one picture per state into the working folder.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "vl3Application_win.h"
#include "vxScenes.h"

int main(int argc, char** argv) {
  Application().Initialize();
  TSceneShot shot;
  int failures = 0;
  for (const TScene& scene : Scenes()) {
    bool wanted = argc < 2;
    for (int i = 1; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], scene.Name) == 0;
    if (!wanted) continue;
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
