#include "screens/level_select.h"

#include "engine/engine.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "input/input.h"

namespace {
class WorldEntry {
 public:
  const char* picture;
  const char* layers[ParallaxBackground::kLayerCount];  // farthest first
  const char* level;
};

const WorldEntry kWorlds[LevelSelect::kWorldCount] = {
    {"gfx/Level select/tumbo_world.png",
     {"gfx/Backgrounds/TumboWorld/layer3-2.png", "gfx/Backgrounds/TumboWorld/layer2-2.png",
      "gfx/Backgrounds/TumboWorld/layer1.png"},
     "Levels/TumboWorld.level"},
    {"gfx/Level select/blorp.png",
     {"gfx/Backgrounds/Blorp/layer3.png", "gfx/Backgrounds/Blorp/layer2.png", "gfx/Backgrounds/Blorp/layer1.png"},
     "Levels/Blorp.level"},
    {"gfx/Level select/space_pirate.png",
     {"gfx/Backgrounds/SpacePirate/layer3.png", "gfx/Backgrounds/SpacePirate/layer2.png",
      "gfx/Backgrounds/SpacePirate/layer1.png"},
     "Levels/SpacePirate.level"},
    {"gfx/Level select/robot_city.png",
     {"gfx/Backgrounds/RobotCity/layer3.png", "gfx/Backgrounds/RobotCity/layer2.png",
      "gfx/Backgrounds/RobotCity/layer1.png"},
     "Levels/RobotCity.level"},
    {"gfx/Level select/round_world.png",
     {"gfx/Backgrounds/RoundWorld/layer3.png", "gfx/Backgrounds/RoundWorld/layer2.png",
      "gfx/Backgrounds/RoundWorld/layer1.png"},
     "Levels/RoundWorld.level"},
};

const int kScrollSpeed = 5;
const int kHeadingX = 170;
const int kHeadingY = 30;
const int kEntryX = 270;
const int kFirstEntryY = 200;
const int kEntrySpacing = 20;
const int kCursorX = 255;
const int kFirstCursorY = 205;
}  // namespace

void LevelSelect::Init() {
  for (int i = 0; i < kWorldCount; ++i) {
    backgrounds[i].Load(kWorlds[i].layers[0], kWorlds[i].layers[1], kWorlds[i].layers[2]);
    LoadKeyed(worldPictures[i], kWorlds[i].picture);
  }
  LoadKeyed(heading, "gfx/Level select/level_select.png");
  cursor.Load("gfx/Level select/select.png");
  selected = 0;
  keyCounter = 0;
  keyDelay = kMenuDelay;
}

// Reacts to the current key-press event, which stays current while the key is held; the counter
// turns that into one step per delay.
void LevelSelect::HandleEvents() {
  if (IsKeyDown(SDLK_ESCAPE)) SignalStateChange("TitleScreen");
  if (keyCounter < keyDelay) ++keyCounter;
  if (inputEvent.type != SDL_KEYDOWN) return;
  const SDLKey key = inputEvent.key.keysym.sym;
  if (key == SDLK_RETURN) {
    currentLevelFile = kWorlds[selected].level;
    SignalStateChange("PlayLevel");
    return;
  }
  if (keyCounter < keyDelay) return;
  if (key == SDLK_UP && selected > 0) {
    --selected;
    keyCounter = 0;
  } else if (key == SDLK_DOWN && selected < worldCount - 1) {
    ++selected;
    keyCounter = 0;
  }
}

void LevelSelect::Logic() { backgrounds[selected].ScrollRight(kScrollSpeed); }

void LevelSelect::Render() {
  backgrounds[selected].Draw();
  heading.Draw(kHeadingX, kHeadingY);
  for (int i = 0; i < kWorldCount; ++i) worldPictures[i].Draw(kEntryX, kFirstEntryY + kEntrySpacing * i);
  cursor.Draw(kCursorX, kFirstCursorY + kEntrySpacing * selected);
  FlipScreen();
}

void LevelSelect::Cleanup() {
  for (int i = 0; i < kWorldCount; ++i) {
    backgrounds[i].Free();
    worldPictures[i].Free();
  }
  heading.Free();
  cursor.Free();
}
