#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>

// One TrueType font at one size. Text is rendered anew on every Draw; nothing is cached.
class Font {
 public:
  TTF_Font* font = nullptr;
  std::string fileName;

  bool Load(std::string path, int pointSize);
  void Draw(std::string text, Sint16 x, Sint16 y, Uint8 r, Uint8 g, Uint8 b);
  // Draw with a one-pixel ring of the outline colour around every letter, so the text reads over
  // any scenery.
  void DrawOutlined(const std::string& text, Sint16 x, Sint16 y, SDL_Color fill, SDL_Color outline);
  void Free();
  bool IsLoaded() const { return font != nullptr; }
};
