// vxicon: turns a text pixel-art file into a Windows icon file (.ico) with
// 32x32 and 16x16 images, 32 bits per pixel with alpha.
//
// Usage: vxicon INPUT.txt OUTPUT.ico [OUTPUT.ppm]
//
// The input is plain text, so that the pictures can be read and reviewed
// like source code:
//
//   # a comment
//   colour . none            one character, then none or RRGGBB [alpha 0-255]
//   colour k 1f2a44
//   colour s 000000 60
//   size 32                  then 32 rows of 32 characters
//   ................................
//   ...
//   size 16                  optional: a hand-drawn small image; without it
//   ...                      the 32x32 image is halved (2x2 averages)
//
// The optional third argument writes the 32x32 image, composed on a light
// grey ground, as a portable pixmap for a quick look.
//
// Built for the build machine and run by the sample's build; it needs
// nothing but the standard library.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TPixel {
  uint8_t r = 0, g = 0, b = 0, a = 0;
};

struct TImage {
  int size = 0;
  std::vector<TPixel> pixels;  // row by row, top row first
};

bool ParseColour(const std::string& text, uint8_t& r, uint8_t& g, uint8_t& b) {
  if (text.size() != 6) return false;
  unsigned value = 0;
  for (char ch : text) {
    value <<= 4;
    if (ch >= '0' && ch <= '9')
      value |= static_cast<unsigned>(ch - '0');
    else if (ch >= 'a' && ch <= 'f')
      value |= static_cast<unsigned>(ch - 'a' + 10);
    else if (ch >= 'A' && ch <= 'F')
      value |= static_cast<unsigned>(ch - 'A' + 10);
    else
      return false;
  }
  r = static_cast<uint8_t>(value >> 16);
  g = static_cast<uint8_t>(value >> 8);
  b = static_cast<uint8_t>(value);
  return true;
}

// Reads the palette and the images; reports the first fault with its line.
bool ReadArt(const std::string& path, std::map<int, TImage>& images) {
  std::ifstream in(path);
  if (!in) {
    std::cerr << path << ": cannot open\n";
    return false;
  }
  std::map<char, TPixel> palette;
  TImage* current = nullptr;
  int rowsLeft = 0;
  std::string line;
  int number = 0;
  auto fail = [&](const std::string& why) {
    std::cerr << path << ":" << number << ": " << why << "\n";
    return false;
  };
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (rowsLeft > 0) {
      if (static_cast<int>(line.size()) != current->size) return fail("row must have " + std::to_string(current->size) + " characters");
      for (char ch : line) {
        auto found = palette.find(ch);
        if (found == palette.end()) return fail(std::string("colour '") + ch + "' is not defined");
        current->pixels.push_back(found->second);
      }
      --rowsLeft;
      continue;
    }
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    std::string keyword;
    words >> keyword;
    if (keyword == "colour") {
      std::string name, value;
      words >> name >> value;
      if (name.size() != 1) return fail("a colour is named by one character");
      TPixel p;
      if (value != "none") {
        if (!ParseColour(value, p.r, p.g, p.b)) return fail("colour must be none or RRGGBB");
        int alpha = 255;
        if (words >> alpha) {
          if (alpha < 0 || alpha > 255) return fail("alpha must be 0 to 255");
        }
        p.a = static_cast<uint8_t>(alpha);
      }
      palette[name[0]] = p;
    } else if (keyword == "size") {
      int size = 0;
      words >> size;
      if (size != 32 && size != 16) return fail("size must be 32 or 16");
      if (images.count(size)) return fail("size given twice");
      current = &images[size];
      current->size = size;
      rowsLeft = size;
    } else {
      return fail("unknown line: " + line);
    }
  }
  if (rowsLeft > 0) return fail("image ends early");
  if (!images.count(32)) return fail("no 32x32 image");
  return true;
}

// Each small pixel averages four large ones, colours weighted by alpha.
TImage Halve(const TImage& big) {
  TImage small;
  small.size = big.size / 2;
  for (int y = 0; y < small.size; ++y)
    for (int x = 0; x < small.size; ++x) {
      unsigned r = 0, g = 0, b = 0, a = 0;
      for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
          const TPixel& p = big.pixels[(2 * y + dy) * big.size + 2 * x + dx];
          r += p.r * p.a;
          g += p.g * p.a;
          b += p.b * p.a;
          a += p.a;
        }
      TPixel q;
      if (a > 0) {
        q.r = static_cast<uint8_t>(r / a);
        q.g = static_cast<uint8_t>(g / a);
        q.b = static_cast<uint8_t>(b / a);
        q.a = static_cast<uint8_t>(a / 4);
      }
      small.pixels.push_back(q);
    }
  return small;
}

void Put16(std::string& out, unsigned v) {
  out += static_cast<char>(v & 0xff);
  out += static_cast<char>((v >> 8) & 0xff);
}

void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xffff);
  Put16(out, v >> 16);
}

// One icon image: a bitmap header of double height (colour image and mask),
// the colour rows bottom-up as BGRA, then the 1-bit AND mask.
std::string IconImage(const TImage& image) {
  std::string out;
  const int n = image.size;
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(n));
  Put32(out, static_cast<uint32_t>(2 * n));
  Put16(out, 1);   // planes
  Put16(out, 32);  // bits per pixel
  Put32(out, 0);   // BI_RGB
  const int maskStride = ((n + 31) / 32) * 4;
  Put32(out, static_cast<uint32_t>(n * n * 4 + maskStride * n));
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x) {
      const TPixel& p = image.pixels[y * n + x];
      out += static_cast<char>(p.b);
      out += static_cast<char>(p.g);
      out += static_cast<char>(p.r);
      out += static_cast<char>(p.a);
    }
  // The mask marks the fully transparent pixels, for systems that ignore
  // the alpha channel.
  for (int y = n - 1; y >= 0; --y) {
    std::string row(static_cast<size_t>(maskStride), '\0');
    for (int x = 0; x < n; ++x)
      if (image.pixels[y * n + x].a == 0) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
    out += row;
  }
  return out;
}

std::string IconFile(const std::vector<TImage>& images) {
  std::string header, data;
  Put16(header, 0);
  Put16(header, 1);  // an icon
  Put16(header, static_cast<unsigned>(images.size()));
  uint32_t offset = static_cast<uint32_t>(6 + 16 * images.size());
  for (const TImage& image : images) {
    const std::string bytes = IconImage(image);
    header += static_cast<char>(image.size);
    header += static_cast<char>(image.size);
    header += '\0';  // no palette
    header += '\0';
    Put16(header, 1);
    Put16(header, 32);
    Put32(header, static_cast<uint32_t>(bytes.size()));
    Put32(header, offset);
    offset += static_cast<uint32_t>(bytes.size());
    data += bytes;
  }
  return header + data;
}

std::string Pixmap(const TImage& image) {
  std::string out = "P6\n" + std::to_string(image.size) + " " + std::to_string(image.size) + "\n255\n";
  for (const TPixel& p : image.pixels) {
    const unsigned ground = 0xe0;
    out += static_cast<char>((p.r * p.a + ground * (255 - p.a)) / 255);
    out += static_cast<char>((p.g * p.a + ground * (255 - p.a)) / 255);
    out += static_cast<char>((p.b * p.a + ground * (255 - p.a)) / 255);
  }
  return out;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << path << ": cannot write\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::cerr << "usage: vxicon INPUT.txt OUTPUT.ico [OUTPUT.ppm]\n";
    return 2;
  }
  std::map<int, TImage> images;
  if (!ReadArt(argv[1], images)) return 1;
  const TImage& big = images[32];
  const TImage small = images.count(16) ? images[16] : Halve(big);
  if (!WriteFile(argv[2], IconFile({big, small}))) return 1;
  if (argc == 4 && !WriteFile(argv[3], Pixmap(big))) return 1;
  return 0;
}
