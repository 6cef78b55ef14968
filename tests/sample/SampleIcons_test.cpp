// The sample's icons as Windows loads them: both sizes of every icon match
// their pixel art in sample/icons pixel for pixel, alpha included.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// One image of the art file as 0xAARRGGBB values, top row first.
std::vector<uint32_t> ReadArt(const std::string& path, int size) {
  std::ifstream in(path);
  std::map<char, uint32_t> palette;
  std::vector<uint32_t> pixels;
  std::string line;
  int rows = 0;
  bool wanted = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (rows > 0) {
      --rows;
      if (wanted)
        for (char ch : line) pixels.push_back(palette[ch]);
      continue;
    }
    std::istringstream words(line);
    std::string keyword, name, value;
    words >> keyword;
    if (keyword == "colour") {
      words >> name >> value;
      int alpha = 255;
      words >> alpha;
      palette[name[0]] = value == "none" ? 0 : (static_cast<uint32_t>(alpha) << 24) | std::stoul(value, nullptr, 16);
    } else if (keyword == "size") {
      words >> rows;
      wanted = rows == size;
    }
  }
  return pixels;
}

// The colour image of a loaded icon, read back as 32-bit top-down pixels.
std::vector<uint32_t> IconPixels(HICON icon, int size) {
  ICONINFO info = {};
  if (!::GetIconInfo(icon, &info)) return {};
  std::vector<uint32_t> pixels(static_cast<size_t>(size * size));
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
  bmi.bmiHeader.biWidth = size;
  bmi.bmiHeader.biHeight = -size;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  HDC dc = ::GetDC(nullptr);
  const int lines = ::GetDIBits(dc, info.hbmColor, 0, size, pixels.data(), &bmi, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(info.hbmColor);
  ::DeleteObject(info.hbmMask);
  if (lines != size) return {};
  return pixels;
}

TEST(SampleIcons, BothSizesOfEveryIconMatchTheirPixelArt) {
  for (const char* name : {"vxdemo", "SpellCheck", "Thesaurus", "LiveSpelling", "OtherFeatures"}) {
    for (int size : {32, 16}) {
      SCOPED_TRACE(std::string(name) + " " + std::to_string(size));
      const std::vector<uint32_t> art = ReadArt(std::string(VXDEMO_ART_DIR) + "\\" + name + ".txt", size);
      ASSERT_EQ(art.size(), static_cast<size_t>(size * size));
      const std::string file = std::string(VXDEMO_ICON_DIR) + "\\" + name + ".ico";
      HICON icon = static_cast<HICON>(::LoadImageA(nullptr, file.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
      ASSERT_NE(icon, nullptr);
      const std::vector<uint32_t> pixels = IconPixels(icon, size);
      ::DestroyIcon(icon);
      ASSERT_EQ(pixels.size(), art.size());
      int transparent = 0, wrong = 0;
      for (size_t i = 0; i < art.size(); ++i) {
        if ((art[i] >> 24) == 0) {
          ++transparent;
          if ((pixels[i] >> 24) != 0) ++wrong;
        } else if (pixels[i] != art[i]) {
          ++wrong;
        }
      }
      EXPECT_EQ(wrong, 0);
      // A shape of its own: neither a filled square nor next to nothing.
      EXPECT_GT(transparent, size * size / 10);
      EXPECT_LT(transparent, size * size * 9 / 10);
    }
  }
}

}  // namespace
