#include <gtest/gtest.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "engine/engine.h"
#include "engine/font.h"
#include "engine/image.h"
#include "engine/path_resolve.h"
#include "app/startup_loading.h"
#include "level/level_reader.h"
#include "support/headless.h"

namespace {
class ResourcesTest : public testing::Test {
 protected:
  void SetUp() override {
    StartHeadless();
    EnterGameDir();
    OpenLog("log.txt");
  }
  std::string LogText() {
    CloseLog();
    return ReadFile("log.txt");
  }
  // A 4x2 picture: magenta on the left half, red on the right.
  void WriteTestPicture(const std::string& path) {
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 2, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Rect left = MakeRect(0, 0, 2, 2);
    SDL_Rect right = MakeRect(2, 0, 2, 2);
    SDL_FillRect(picture, &left, SDL_MapRGB(picture->format, 255, 0, 255));
    SDL_FillRect(picture, &right, SDL_MapRGB(picture->format, 255, 0, 0));
    SDL_SaveBMP(picture, path.c_str());
    SDL_FreeSurface(picture);
  }
  Uint32 ScreenPixel(int x, int y) {
    return CheckedScreenPixel(x, y);
  }
};
}  // namespace

TEST_F(ResourcesTest, AMissingPictureIsLoggedAndDrawsNothing) {
  Image image;
  EXPECT_FALSE(image.Load("gfx/no-such-picture.png"));
  EXPECT_FALSE(image.IsLoaded());
  image.Draw(0, 0);
  image.Free();  // never loaded: no line
  EXPECT_EQ(LogText(), "Error: couldn't load gfx/no-such-picture.png\n");
}

// Each names its file on stderr once, however often it fails, and in log.txt every time.
TEST_F(ResourcesTest, AMissingPictureFontOrLevelNamesItselfOnceOnStderr) {
  boost::filesystem::create_directory("bare");
  ASSERT_EQ(chdir("bare"), 0);
  testing::internal::CaptureStderr();
  Image image;
  Font font;
  for (int round = 0; round < 2; ++round) {
    EXPECT_FALSE(image.Load("gfx/gone.png"));
    EXPECT_FALSE(font.Load("gfx/Fonts/gone.ttf", 12));
    EXPECT_FALSE(LoadWorld("Levels/gone.level"));
  }
  InitStoryAndSave();
  const std::string said = testing::internal::GetCapturedStderr();
  ASSERT_EQ(chdir(".."), 0);
  EXPECT_EQ(said,
            "Tumbo Man: Error: couldn't load gfx/gone.png\n"
            "Tumbo Man: Error: couldn't load gfx/Fonts/gone.ttf\n"
            "Tumbo Man: Error loading World: Levels/gone.level\n"
            "Tumbo Man: Error: missing folder Levels\n");
  const std::string log = LogText();
  const std::string line = "Error: couldn't load gfx/gone.png";
  EXPECT_NE(log.find(line), log.rfind(line));
}

TEST_F(ResourcesTest, APictureCanBeLoadedAgainAfterItWasFreed) {
  WriteTestPicture("pic.bmp");
  Image image;
  ASSERT_TRUE(image.Load("pic.bmp"));
  EXPECT_EQ(image.surface->w, 4);
  image.Free();
  EXPECT_FALSE(image.IsLoaded());
  ASSERT_TRUE(image.Load("pic.bmp"));
  image.Free();
  EXPECT_EQ(LogText(), "Loaded pic.bmp\nFreed pic.bmp\nLoaded pic.bmp\nFreed pic.bmp\n");
}

TEST_F(ResourcesTest, MagentaIsTransparentOnceKeyed) {
  WriteTestPicture("pic.bmp");
  SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 255));
  Image image;
  ASSERT_TRUE(LoadKeyed(image, "pic.bmp"));
  image.Draw(10, 10);
  EXPECT_EQ(ScreenPixel(10, 10), SDL_MapRGB(screen->format, 0, 0, 255));
  EXPECT_EQ(ScreenPixel(12, 10), SDL_MapRGB(screen->format, 255, 0, 0));
  image.Free();
}

TEST_F(ResourcesTest, FontsDrawTextAndIgnoreEmptyStrings) {
  Font font;
  ASSERT_TRUE(font.Load("gfx/Fonts/Editor font.ttf", 14));
  SDL_FillRect(screen, nullptr, 0);
  font.Draw("", 0, 0, 255, 255, 255);
  bool anyLit = false;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 60; ++x) anyLit |= ScreenPixel(x, y) != 0;
  }
  EXPECT_FALSE(anyLit);
  font.Draw("Tumbo", 0, 0, 255, 255, 255);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 60; ++x) anyLit |= ScreenPixel(x, y) != 0;
  }
  EXPECT_TRUE(anyLit);
  font.Free();
  Font missing;
  EXPECT_FALSE(missing.Load("gfx/Fonts/none.ttf", 10));
}

// The text as SDL draws it freshly rendered, nothing kept: what the kept pictures must reproduce.
void DrawRendered(const Font& font, const std::string& text, int x, int y, SDL_Color colour) {
  SDL_Surface* rendered = TTF_RenderText_Solid(font.font, text.c_str(), colour);
  ASSERT_NE(rendered, nullptr);
  SDL_SetColorKey(rendered, SDL_SRCCOLORKEY, 0);
  SDL_Rect at = MakeRect(x, y, 0, 0);
  SDL_BlitSurface(rendered, nullptr, screen, &at);
  SDL_FreeSurface(rendered);
}

std::vector<Uint8> ScreenBytes() {
  const Uint8* pixels = static_cast<const Uint8*>(screen->pixels);
  return std::vector<Uint8>(pixels, pixels + screen->pitch * screen->h);
}

// Texts are drawn from pictures kept between draws; every draw, first, repeated, after its text or
// colours changed and after being pushed out by other texts, must give the pixels of a fresh render
// (an outlined one: its ring drawn all around, then the text).
TEST_F(ResourcesTest, KeptTextsDrawTheirFreshlyRenderedPixels) {
  Font font;
  ASSERT_TRUE(font.Load("gfx/Fonts/Stat font.ttf", 18));
  const SDL_Color fill = {0, 0, 255, 0}, ring = {255, 255, 255, 0}, black = {0, 0, 0, 0};
  const Uint32 grey = SDL_MapRGB(screen->format, 90, 90, 90);
  SDL_FillRect(screen, nullptr, grey);
  const std::vector<Uint8> blank = ScreenBytes();
  auto expectSame = [&](const std::string& text, int x, int y, SDL_Color colour, const SDL_Color* outline) {
    SDL_FillRect(screen, nullptr, grey);
    if (outline) {
      font.DrawOutlined(text, Sint16(x), Sint16(y), colour, *outline);
    } else {
      font.Draw(text, Sint16(x), Sint16(y), colour.r, colour.g, colour.b);
    }
    const std::vector<Uint8> kept = ScreenBytes();
    SDL_FillRect(screen, nullptr, grey);
    for (int dy = -1; outline && dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (dx || dy) DrawRendered(font, text, x + dx, y + dy, *outline);
      }
    }
    DrawRendered(font, text, x, y, colour);
    EXPECT_TRUE(kept == ScreenBytes()) << text;
    EXPECT_TRUE(kept != blank) << text;
  };
  for (int pass = 0; pass < 2; ++pass) {
    expectSame("Lives x3", -3, 20, fill, &ring);  // cut by the screen's left edge
    expectSame("0:59", 600, 470, fill, &ring);    // and by its corner
    expectSame("Lives x3", 10, 20, black, &ring);
    expectSame("Lives x3", 10, 20, fill, &black);
    expectSame("Lives x3", 10, 20, fill, nullptr);
    expectSame("Lives x4", 10, 20, fill, &ring);
  }
  for (int count = 0; count < 20; ++count) font.Draw("x" + std::to_string(count), 0, 0, 255, 255, 0);
  expectSame("Lives x3", 10, 20, fill, &ring);
  font.Free();
  EXPECT_TRUE(font.drawn.empty());
}

TEST_F(ResourcesTest, FileNamesDifferingOnlyInCaseAreOneFile) {
  boost::filesystem::create_directories("Data/Fonts");
  std::ofstream("Data/Fonts/Editor font.ttf") << "x";
  EXPECT_EQ(ResolvePath("Data/Fonts/Editor Font.ttf"), "Data/Fonts/Editor font.ttf");
  EXPECT_EQ(ResolvePath("data/fonts/EDITOR FONT.TTF"), "Data/Fonts/Editor font.ttf");
  EXPECT_EQ(ResolvePath("Data/Fonts/Editor font.ttf"), "Data/Fonts/Editor font.ttf");
  EXPECT_EQ(ResolvePath("Data/Nothing/here.ttf"), "Data/Nothing/here.ttf");
  Font font;
  EXPECT_TRUE(font.Load("gfx/Fonts/Editor Font.ttf", 18));
  font.Free();
}

namespace {
// A surface of the given depth filled with noise; 8-bit ones get the same made-up palette.
SDL_Surface* NoiseSurface(int w, int h, int depth) {
  static const Uint32 masks[][3] = {{0, 0, 0}, {0xF800, 0x7E0, 0x1F}, {0xFF0000, 0xFF00, 0xFF}, {0xFF0000, 0xFF00, 0xFF}};
  const Uint32* m = masks[depth / 8 - 1];
  SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, depth, m[0], m[1], m[2], 0);
  if (depth == 8) {
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = {Uint8(i), Uint8(255 - i), Uint8(i * 7), 0};
    SDL_SetColors(surface, colours, 0, 256);
  }
  Uint8* bytes = static_cast<Uint8*>(surface->pixels);
  for (int i = 0; i < surface->pitch * h; ++i) bytes[i] = static_cast<Uint8>(std::rand());
  // The unused top byte of a 32-bit pixel stays 0, as in every picture converted for the screen.
  if (depth == 32) {
    for (int i = 3; i < surface->pitch * h; i += 4) bytes[i] = 0;
  }
  return surface;
}

bool SamePixels(const SDL_Surface* a, const SDL_Surface* b) {
  for (int y = 0; y < a->h; ++y) {
    const Uint8* rowA = static_cast<const Uint8*>(a->pixels) + y * a->pitch;
    const Uint8* rowB = static_cast<const Uint8*>(b->pixels) + y * b->pitch;
    if (std::memcmp(rowA, rowB, static_cast<size_t>(a->w) * a->format->BytesPerPixel) != 0) return false;
  }
  return true;
}

// Opaque stretches of key colour here and there, and the picture keyed with it.
void KeyWithHoles(SDL_Surface* picture, KeyedSpans& spans) {
  const int bytes = picture->format->BytesPerPixel;
  Uint32 key = 0;
  std::memcpy(&key, picture->pixels, static_cast<size_t>(bytes));
  for (int y = 0; y < picture->h; ++y) {
    Uint8* row = static_cast<Uint8*>(picture->pixels) + y * picture->pitch;
    for (int x = std::rand() % 4; x < picture->w; x += 1 + std::rand() % 6) {
      for (int run = std::rand() % 5; run > 0 && x < picture->w; --run, ++x) std::memcpy(row + x * bytes, &key, static_cast<size_t>(bytes));
    }
  }
  SDL_SetColorKey(picture, SDL_SRCCOLORKEY, key);
  ASSERT_TRUE(FindKeyedSpans(picture, spans));
}
}  // namespace

// The game's own copiers stand in for SDL's blit of opaque and keyed pictures: at every depth,
// clipped on every side, whole or in part, they must leave the same pixels and the same drawn
// rectangle as SDL.
TEST(RowCopyTest, DrawsExactlyWhatSdlsBlitDraws) {
  std::srand(11);
  const SDL_Rect parts[] = {{0, 0, 0, 0}, {5, 3, 20, 9}, {-4, -6, 30, 40}, {40, 30, 50, 50}, {60, 0, 5, 5}};
  const int places[][2] = {{0, 0}, {7, 3}, {-20, -11}, {90, 70}, {-60, 5}, {45, 60}, {200, 200}};
  for (int depth : {8, 16, 24, 32}) {
    for (bool keyed : {false, true}) {
      SDL_Surface* picture = NoiseSurface(53, 37, depth);
      KeyedSpans spans;
      if (keyed) KeyWithHoles(picture, spans);
      SDL_Surface* bySdl = NoiseSurface(100, 80, depth);
      SDL_Surface* byRows = NoiseSurface(100, 80, depth);
      SDL_BlitSurface(bySdl, nullptr, byRows, nullptr);  // the same starting pixels
      const SDL_Rect clip = MakeRect(3, 5, 90, 70);
      SDL_SetClipRect(bySdl, &clip);
      SDL_SetClipRect(byRows, &clip);
      for (bool whole : {true, false}) {
        for (SDL_Rect part : parts) {
          for (const auto& place : places) {
            SDL_Rect partForSdl = part, partForRows = part;
            SDL_Rect sdlDone = MakeRect(place[0], place[1], 0, 0), rowsDone = sdlDone;
            SDL_Rect* rowsPart = whole ? nullptr : &partForRows;
            SDL_BlitSurface(picture, whole ? nullptr : &partForSdl, bySdl, &sdlDone);
            ASSERT_TRUE(keyed ? CopyKeyedSpans(picture, spans, rowsPart, byRows, rowsDone)
                              : CopyOpaqueRows(picture, rowsPart, byRows, rowsDone));
            SCOPED_TRACE(std::to_string(depth) + " bpp at " + std::to_string(place[0]) + "," +
                         std::to_string(place[1]) + (keyed ? ", keyed" : ""));
            EXPECT_EQ(rowsDone.w, sdlDone.w);
            EXPECT_EQ(rowsDone.h, sdlDone.h);
            if (sdlDone.w) {
              EXPECT_EQ(rowsDone.x, sdlDone.x);
              EXPECT_EQ(rowsDone.y, sdlDone.y);
            }
            ASSERT_TRUE(SamePixels(byRows, bySdl));
          }
          if (whole) break;
        }
      }
      // A see-through picture, or one with other colours at 8 bits, is left to SDL.
      SDL_Rect anywhere = MakeRect(0, 0, 0, 0);
      EXPECT_FALSE(CopyOpaqueRows(picture, nullptr, byRows, anywhere) && keyed);
      SDL_SetAlpha(picture, SDL_SRCALPHA, 128);
      EXPECT_FALSE(CopyOpaqueRows(picture, nullptr, byRows, anywhere) || CopyKeyedSpans(picture, spans, nullptr, byRows, anywhere));
      SDL_SetAlpha(picture, 0, 255);
      if (depth == 8) {
        SDL_Color grey = {9, 9, 9, 0};
        SDL_SetColors(picture, &grey, 17, 1);
        EXPECT_FALSE(CopyOpaqueRows(picture, nullptr, byRows, anywhere) || CopyKeyedSpans(picture, spans, nullptr, byRows, anywhere));
      }
      SDL_FreeSurface(picture);
      SDL_FreeSurface(bySdl);
      SDL_FreeSurface(byRows);
    }
  }
}

// Rows whose target lies a few bytes past their source within a 4096-byte page are copied in
// blocks from their end (see CopyBytes); every such offset must still copy whole rows exactly.
TEST(RowCopyTest, RowsJustPastTheirSourceInAPageCopyExactly) {
  std::srand(12);
  const int kPitch = 4096, kRows = 3, kWidth = 1000;
  std::vector<Uint8*> buffers;
  auto pageSurface = [&](int w) {
    Uint8* pixels = static_cast<Uint8*>(std::aligned_alloc(kPitch, kPitch * kRows));
    // No magenta, and the unused top byte 0 as in every picture converted for the screen.
    for (int i = 0; i < kPitch * kRows; ++i) pixels[i] = static_cast<Uint8>(i % 4 == 3 ? 0 : std::rand() & 0x7F);
    buffers.push_back(pixels);
    return SDL_CreateRGBSurfaceFrom(pixels, w, kRows, 32, kPitch, 0xFF0000, 0xFF00, 0xFF, 0);
  };
  SDL_Surface* picture = pageSurface(kWidth);
  for (bool keyed : {false, true}) {
    KeyedSpans spans;
    if (keyed) {  // one keyed pixel a row leaves stretches far longer than a block
      for (int y = 0; y < kRows; ++y) static_cast<Uint32*>(picture->pixels)[y * kPitch / 4 + 500] = 0xFF00FF;
      SDL_SetColorKey(picture, SDL_SRCCOLORKEY, 0xFF00FF);
      ASSERT_TRUE(FindKeyedSpans(picture, spans));
    }
    for (int x = 0; x <= 17; ++x) {
      SDL_Surface* bySdl = pageSurface(kPitch / 4);
      SDL_Surface* byRows = pageSurface(kPitch / 4);
      SDL_BlitSurface(bySdl, nullptr, byRows, nullptr);
      SDL_Rect sdlDone = MakeRect(static_cast<Sint16>(x), 0, 0, 0), rowsDone = sdlDone;
      SDL_BlitSurface(picture, nullptr, bySdl, &sdlDone);
      ASSERT_TRUE(keyed ? CopyKeyedSpans(picture, spans, nullptr, byRows, rowsDone)
                        : CopyOpaqueRows(picture, nullptr, byRows, rowsDone));
      EXPECT_TRUE(SamePixels(byRows, bySdl)) << "at x " << x << (keyed ? ", keyed" : "");
      SDL_FreeSurface(bySdl);
      SDL_FreeSurface(byRows);
    }
  }
  SDL_FreeSurface(picture);
  for (Uint8* pixels : buffers) std::free(pixels);
}
