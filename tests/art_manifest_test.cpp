// The generated game folder against tools/art/manifest.txt: every picture and
// font the game loads is there, loads through the game's own classes, has the
// size the game lays out around, and agrees with how the game keys it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/font.h"
#include "engine/image.h"
#include "engine/log.h"
#include "support/headless.h"

namespace {

struct ArtEntry {
  std::string path;
  int width = 0;
  int height = 0;
  std::string kind;  // key, opaque, alpha or font
};

std::vector<ArtEntry> ReadManifest() {
  std::vector<ArtEntry> entries;
  std::ifstream file(std::string(TUMBO_SOURCE_DIR) + "/tools/art/manifest.txt");
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    ArtEntry entry;
    std::string width, height;
    std::getline(fields, entry.path, '\t');
    std::getline(fields, width, '\t');
    std::getline(fields, height, '\t');
    std::getline(fields, entry.kind, '\t');
    entry.width = std::atoi(width.c_str());
    entry.height = std::atoi(height.c_str());
    entries.push_back(entry);
  }
  return entries;
}

struct PixelCount {
  int magenta = 0;
  int other = 0;
};

Uint32 ReadPixel(const SDL_Surface* surface, int x, int y) {
  const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
  const Uint8* p = row + x * surface->format->BytesPerPixel;
  switch (surface->format->BytesPerPixel) {
    case 1: return *p;
    case 2: return *reinterpret_cast<const Uint16*>(p);
    case 3: return p[0] | (p[1] << 8) | (p[2] << 16);
    default: return *reinterpret_cast<const Uint32*>(p);
  }
}

PixelCount CountMagenta(SDL_Surface* surface) {
  PixelCount count;
  SDL_LockSurface(surface);
  for (int y = 0; y < surface->h; ++y) {
    for (int x = 0; x < surface->w; ++x) {
      Uint8 r, g, b;
      SDL_GetRGB(ReadPixel(surface, x, y), surface->format, &r, &g, &b);
      if (r == 255 && g == 0 && b == 255) {
        ++count.magenta;
      } else {
        ++count.other;
      }
    }
  }
  SDL_UnlockSurface(surface);
  return count;
}

// Ground tiles fill their whole cell, so a keyed tile may have no magenta at all.
bool MayBeFullBleed(const std::string& path) { return path.compare(0, 10, "gfx/Tiles/") == 0; }

// Hat 0 is "No Hat": the hero draws it like any other hat, and it shows nothing.
bool MayBeEmpty(const std::string& path) { return path.compare(0, 11, "gfx/Hats/0-") == 0; }

class ArtManifestTest : public testing::Test {
 protected:
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    OpenLog("log.txt");
    entries = ReadManifest();
  }
  void TearDown() override { CloseLog(); }
  std::vector<ArtEntry> entries;
};

TEST_F(ArtManifestTest, EveryPictureLoadsWithItsSizeAndTransparency) {
  ASSERT_GT(entries.size(), 300u) << "tools/art/manifest.txt missing or truncated";
  for (const ArtEntry& entry : entries) {
    if (entry.kind == "font") continue;
    SCOPED_TRACE(entry.path);
    Image image;
    if (!image.Load(entry.path)) {
      ADD_FAILURE() << "cannot load " << entry.path;
      continue;
    }
    EXPECT_EQ(image.surface->w, entry.width);
    EXPECT_EQ(image.surface->h, entry.height);
    const PixelCount count = CountMagenta(image.surface);
    if (entry.kind == "key") {
      if (!MayBeEmpty(entry.path)) {
        EXPECT_GT(count.other, 0) << "a keyed picture that is all magenta draws nothing";
      }
      if (!MayBeFullBleed(entry.path)) {
        EXPECT_GT(count.magenta, 0) << "keyed picture with no see-through part";
      }
      image.SetColorKey(255, 0, 255);
    } else {
      // Drawn without a key, magenta would show as a pink hole.
      EXPECT_EQ(count.magenta, 0);
    }
    image.Free();
  }
}

TEST_F(ArtManifestTest, EveryFontLoadsAtTheSizesInUse) {
  int fonts = 0;
  for (const ArtEntry& entry : entries) {
    if (entry.kind != "font") continue;
    ++fonts;
    for (int size : {10, 30}) {
      Font font;
      EXPECT_TRUE(font.Load(entry.path, size)) << entry.path << " at " << size;
      font.Free();
    }
  }
  EXPECT_EQ(fonts, 3);
  // The game and the gamepad set-up ask for the editor font with a capital F;
  // only one file is shipped, so it must be found under that name too.
  Font other;
  EXPECT_TRUE(other.Load("gfx/Fonts/Editor Font.ttf", 18));
  other.Free();
}

}  // namespace
