// Replays fuzz inputs without libFuzzer: each argument is a file whose bytes
// are handed to the target once, or a folder whose files all are. Lets every
// fuzz target build with g++ and replay its seed corpus.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    if (std::filesystem::is_directory(argv[i], ec)) {
      for (const auto& entry : std::filesystem::directory_iterator(argv[i], ec)) {
        if (!entry.is_regular_file(ec)) continue;
        Replay(entry.path());
        ++replayed;
      }
    } else {
      Replay(argv[i]);
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  // A folder argument without inputs means the corpus is missing.
  return argc > 1 && replayed == 0 ? 1 : 0;
}
