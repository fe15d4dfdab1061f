#include <gtest/gtest.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <fstream>

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
