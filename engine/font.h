#pragma once
#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include <string>
#include <vector>

#include "engine/row_copy.h"

// One text as last drawn: ready in the screen's format, keyed where nothing was drawn.
struct DrawnText {
  std::string text;
  SDL_Color fill = {0, 0, 0, 0};
  SDL_Color outline = {0, 0, 0, 0};
  bool outlined = false;
  SDL_Surface* picture = nullptr;  // owned; outlined text has a one-pixel border for the ring
  KeyedSpans spans;
  Uint32 lastUse = 0;
};

// One TrueType font at one size. The last few texts drawn are kept ready to copy (see Draw);
// Free releases them with the font.
class Font {
 public:
  TTF_Font* font = nullptr;
  std::string fileName;
  std::vector<DrawnText> drawn;  // at most kKeptTexts, the least recently drawn replaced first
  Uint32 draws = 0;

  bool Load(std::string path, int pointSize);
  void Draw(std::string text, Sint16 x, Sint16 y, Uint8 r, Uint8 g, Uint8 b);
  // Draw with a one-pixel ring of the outline colour around every letter, so the text reads over
  // any scenery.
  void DrawOutlined(const std::string& text, Sint16 x, Sint16 y, SDL_Color fill, SDL_Color outline);
  void Free();
  bool IsLoaded() const { return font != nullptr; }

 private:
  const DrawnText* Find(const std::string& text, SDL_Color fill, SDL_Color outline, bool outlined);
  void DrawKept(const DrawnText* kept, Sint16 x, Sint16 y);
  void ForgetDrawn();
};
