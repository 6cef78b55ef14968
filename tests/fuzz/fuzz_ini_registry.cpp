// Feeds arbitrary bytes to the POSIX INI reader and registry store as their
// files, then reads and writes through them.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "vl3Platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string dir = [] {
    char pattern[] = "/tmp/vxfuzz-XXXXXX";
    const char* made = mkdtemp(pattern);
    return std::string(made ? made : "/tmp");
  }();
  const std::string ini = dir + "/f.ini", reg = dir + "/r.ini";
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  Platform::WriteWholeFile(ini, bytes);
  Platform::IniReadString(ini, "Default", "_Main", "");
  Platform::IniReadKeys(ini, "Default");
  Platform::IniReadSections(ini);
  Platform::IniWriteString(ini, "Default", "_Main", "American.vlm");
  if (Platform::IniReadString(ini, "default", "_main", "") != "American.vlm") std::abort();
  Platform::IniDeleteSection(ini, "Default");

  setenv("VX_REGISTRY_FILE", reg.c_str(), 1);
  Platform::WriteWholeFile(reg, bytes);
  std::string value;
  std::vector<std::string> names;
  Platform::RegReadString(Platform::TRegistryRoot::CurrentUser, "Software\\Maker", "v", value);
  Platform::RegSubKeyNames(Platform::TRegistryRoot::CurrentUser, "", names);
  Platform::RegWriteString(Platform::TRegistryRoot::CurrentUser, "Software\\Maker", "v", "1");
  if (!Platform::RegReadString(Platform::TRegistryRoot::CurrentUser, "Software\\Maker", "v", value) ||
      value != "1")
    std::abort();
  return 0;
}
