#include "entities/player_status_display.h"

#include <algorithm>

#include "entities/hero_graphics.h"
#include "entities/player.h"

namespace {
const SDL_Color kTextColour = {0, 0, 255, 0};
// The blue letters get a white ring: blue alone vanished into blue skies and dark space. The ring
// also cuts the power-up bar where it runs through the time, so the bar reads as lying behind it.
const SDL_Color kTextOutline = {255, 255, 255, 0};
const int kHeartsX = 50;
const int kHeartSpacing = 20;
const int kLivesIconY = 22;
const int kLivesTextX = 20;
const int kLivesTextY = 18;
const int kMoneyIconY = 44;
const int kMoneyTextX = 22;
const int kMoneyTextY = 40;
const int kEffectBoxX = 610;
const int kEffectIconX = 612;
const int kEffectIconY = 2;
const int kEffectBarX = 530;
const int kEffectBarY = 33;
const int kEffectBarFullWidth = 100;
const int kEffectBarHeight = 2;
const int kEffectUnitsPerPixel = 10;
const int kTimeX = 580;
const int kTimeY = 25;

void DrawStatText(const std::string& text, int x, int y) {
  statFont.DrawOutlined(text, x, y, kTextColour, kTextOutline);
}

void DrawEffect(const Player& hero) {
  effectBox.Draw(kEffectBoxX, 0);
  if (!hero.effectActive || hero.effectType < 0 || hero.effectType > 1) return;
  effectIcons[hero.effectType].Draw(kEffectIconX, kEffectIconY);
  effectBar.DrawPart(0, 0, EffectBarWidth(hero.effectElapsed), kEffectBarHeight, kEffectBarX, kEffectBarY);
}
}  // namespace

std::string LevelTimeText(const LevelTimer& timer) {
  const int seconds = timer.Seconds();
  return std::to_string(timer.Minutes()) + ":" + (seconds < 10 ? "0" : "") + std::to_string(seconds);
}

int EffectBarWidth(int effectElapsed) {
  // The blit takes an unsigned width: a spent effect must give 0, not a wrapped huge width.
  return std::max(0, kEffectBarFullWidth - effectElapsed / kEffectUnitsPerPixel);
}

void Player::DrawStatus() {
  DrawStatText("Life:", 0, 0);
  for (int i = 0; i < health; ++i) healthIcon.Draw(kHeartsX + kHeartSpacing * i, 0);
  lifeIcon.Draw(0, kLivesIconY);
  DrawStatText("x" + std::to_string(lifeCount), kLivesTextX, kLivesTextY);
  moneyIcon.Draw(0, kMoneyIconY);
  DrawStatText("x" + std::to_string(levelMoney), kMoneyTextX, kMoneyTextY);
  DrawEffect(*this);
  DrawStatText(LevelTimeText(levelTimer), kTimeX, kTimeY);
}
