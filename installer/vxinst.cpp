// The installer program: registers the suite's packages and help with the
// IDEs on this machine, working on the folder that holds the program.
#include <windows.h>

#include "InstallFiles.h"
#include "Main.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TInstallForm form(ProgramFolder());
  return form.Run();
}
