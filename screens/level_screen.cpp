#include "screens/level_screen.h"

#include "editor/editor_themes.h"
#include "engine/engine.h"
#include "engine/game_sounds.h"
#include "engine/progress.h"
#include "engine/state_manager.h"
#include "entities/level_timer.h"
#include "entities/player_tuning.h"
#include "entities/registry.h"
#include "input/gamepad.h"
#include "input/input.h"
#include "level/level_reader.h"
#include "world/camera.h"
#include "world/world.h"

namespace {
// Puts the 32x32 hero in the middle of the 640x480 view.
const int kCameraOffsetX = 304;
const int kCameraOffsetY = 224;
const int kTitleFontSize = 30;
const int kTextFontSize = 20;
const int kPauseX = 195;
const int kPauseY = 190;
const int kCharacterWidth = 20;

// The worlds' pieces follow the themes' order.
static_assert(kThemeCount == kWorldPieceCount, "one piece of music for each world");

bool StartHeld() { return IsKeyDown(SDLK_RETURN) || PadStart(); }

bool Minimised() {
  return inputEvent.type == SDL_ACTIVEEVENT && (inputEvent.active.state & SDL_APPACTIVE) &&
         inputEvent.active.gain == 0;
}
}  // namespace

void LevelScreen::Init() {
  LoadWorld(currentLevelFile);
  thePlayer = &player;
  player.StartLevel(world.startX, world.startY);
  CentreCamera();
  levelTimer.Reset();
  paused = false;
  pauseKeyHeld = false;
  pauseImage.Load("gfx/pause.png");
  // Keyed, unlike the panel: the pause picture is a frame whose see-through middle keeps the hero
  // in sight, where a solid panel hid him mid-jump.
  pauseImage.SetColorKey(255, 0, 255);
  panelImage.Load("gfx/level_screen.png");
  titleFont.Load("gfx/Fonts/Tumbo font.ttf", kTitleFontSize);
  textFont.Load("gfx/Fonts/Tumbo font.ttf", kTextFontSize);
  showingTitleCard = true;
  titleCardFrames = 0;
  showingResults = false;
  // A level of the world already playing (the next one, or this one again) keeps its piece going.
  PlayMusic(WorldPiece(ThemeWithLayers(world.background.paths)));
  DrawUnseen();
}

// Beyond the design: the first view and the title card are drawn once while the level loads,
// unseen (the screen is not flipped), so their texts are composed and their pictures read before
// any frame counts; the first frames of a level had cost two to three times the others.
void LevelScreen::DrawUnseen() {
  DrawPlayView();
  DrawTitleCard();
}

void LevelScreen::CentreCamera() {
  SetCamera(player.x - kCameraOffsetX, player.y - kCameraOffsetY);
}

void LevelScreen::HandleEvents() {
  if (Minimised()) paused = true;
  if (IsKeyDown(SDLK_ESCAPE)) SignalStateChange("TitleScreen");
  if (showingResults) {
    if (StartHeld()) LeaveResults();
    return;
  }
  if (showingTitleCard) return;
  if (PauseToggled()) return;
  if (paused) return;
  SteerPlayer();
}

// A held key toggles only once: the toggle waits for the key to be let go first.
bool LevelScreen::PauseToggled() {
  if (!FreshPress(StartHeld(), pauseKeyHeld)) return false;
  paused = !paused;
  PlayEffect(Effect::kPause);
  return true;
}

void LevelScreen::SteerPlayer() {
  if (IsKeyDown(SDLK_RIGHT) || PadRight()) {
    player.MoveRight();
  } else if (IsKeyDown(SDLK_LEFT) || PadLeft()) {
    player.MoveLeft();
  } else {
    player.StopWalking();
  }
  if (IsKeyDown(SDLK_UP) || PadJump()) {
    if (player.airborne) {
      player.JumpHold();
    } else {
      player.Jump();
    }
  }
  if (IsKeyDown(SDLK_SPACE) || PadAction()) {
    if (player.inTank) {
      player.Fire();
    } else {
      player.JetpackBoost();
    }
  }
}

void LevelScreen::Logic() {
  HoldMusic(paused);
  UpdateJetpackSound();
  if (paused) return;
  if (showingResults) {
    ResultsLogic();
  } else if (showingTitleCard) {
    if (++titleCardFrames >= kTitleCardFrames) showingTitleCard = false;
  } else {
    const bool wasDead = player.dead;
    const int killsBefore = world.enemiesKilled;
    PlayLogic();
    // Watched here, where every way of dying and of killing has been taken: spikes, sludge,
    // pits, blows and the boss kill the hero; stomps, shells and the tank count kills.
    if (player.dead && !wasDead) PlayEffect(Effect::kDeath);
    if (world.enemiesKilled > killsBefore) PlayEffect(Effect::kStomp);
  }
}

// The jetpack hisses from its launch until the hero lands, dies or runs out of fuel, or play stops
// for the pause or the results.
void LevelScreen::UpdateJetpackSound() {
  const bool jetpackOn = player.effectActive && player.effectType == kJetpackEffect;
  if (!jetpackOn || !player.airborne || player.dead || paused || showingResults) SetJetpackSound(false);
}

void LevelScreen::PlayLogic() {
  player.Update();
  if (!player.alive) {
    if (player.lifeCount <= 0) {
      SignalStateChange("GameOver");
      lives = kStartingLives;
      return;
    }
    LoseLife();
  }
  UpdateActiveTiles();
  UpdateEntities();
  levelTimer.Tick();
  if (world.levelComplete && !showingResults) {
    showingResults = true;
    FinishLevel();
  }
}

// Every enemy and item goes back to its starting place, as if the level began again.
void LevelScreen::LoseLife() {
  player.Respawn();
  CentreCamera();
  ClearEntities();
  ResetActiveTiles();
  ReloadEntities();
  --lives;
}

void LevelScreen::Render() {
  if (showingTitleCard) {
    DrawTitleCard();
  } else if (showingResults) {
    DrawResults();
  } else {
    DrawPlayView();
  }
  FlipScreen();
}

// A dying hero is drawn over the scenery so his fall stays visible.
void LevelScreen::DrawPlayView() {
  DrawWorldBack();
  DrawEntities();
  if (!player.dead) player.Draw();
  DrawWorldFront();
  if (player.dead) player.Draw();
  player.DrawStatus();
  if (paused) pauseImage.Draw(kPauseX, kPauseY);
}

void LevelScreen::DrawYellow(Font& font, const std::string& text, int x, int y) {
  font.Draw(text, x, y, 255, 255, 0);
}

void LevelScreen::DrawCentred(const std::string& text, int y) {
  DrawYellow(textFont, text, kScreenMiddleX - static_cast<int>(text.size()) * kCharacterWidth / 2, y);
}

void LevelScreen::DrawLevelStatistics() {
  DrawYellow(textFont, "Time: " + std::to_string(levelTimer.Minutes()) + ":" + std::to_string(levelTimer.Seconds()),
             20, 150);
  DrawYellow(textFont, "Enemies killed: " + std::to_string(world.enemiesKilled), 20, 210);
  DrawYellow(textFont, "Items grabbed: " + std::to_string(world.itemsGrabbed), 20, 270);
}

void LevelScreen::Cleanup() {
  SetJetpackSound(false);
  pauseImage.Free();
  panelImage.Free();
  titleFont.Free();
  textFont.Free();
  // Going on to another level (the next one, or this one again) keeps the world's background
  // pictures for it: that level frees them itself if its world has other pictures.
  const bool levelNext = stateManager.pending && stateManager.pendingKey == "PlayLevel";
  FreeWorld(levelNext ? BackgroundAtFree::kKeep : BackgroundAtFree::kFree);
  ClearEntities();
}
