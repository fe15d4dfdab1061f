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
  void Free();
  bool IsLoaded() const { return font != nullptr; }
};
