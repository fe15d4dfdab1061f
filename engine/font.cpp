#include "engine/font.h"

#include "engine/engine.h"
#include "engine/path_resolve.h"

bool Font::Load(std::string path, int pointSize) {
  TTF_Font* opened = TTF_OpenFont(ResolvePath(path).c_str(), pointSize);
  if (!opened) {
    Log("Error: couldn't load " + path);
    return false;
  }
  if (font) TTF_CloseFont(font);
  font = opened;
  fileName = path;
  Log("Loaded " + path);
  return true;
}

void Font::Draw(std::string text, Sint16 x, Sint16 y, Uint8 r, Uint8 g, Uint8 b) {
  if (text.empty() || !font || !screen) return;
  SDL_Color colour = {r, g, b, 0};
  SDL_Surface* rendered = TTF_RenderText_Solid(font, text.c_str(), colour);
  if (!rendered) return;
  // Solid text keeps its background at palette index 0, in the inverse of the text colour; keying
  // the entry nearest black would hide dark text (blue status text) and show a yellow box instead.
  SDL_SetColorKey(rendered, SDL_SRCCOLORKEY, 0);
  SDL_Rect destination = MakeRect(x, y, 0, 0);
  SDL_BlitSurface(rendered, nullptr, screen, &destination);
  SDL_FreeSurface(rendered);
}

void Font::Free() {
  if (!font) return;
  TTF_CloseFont(font);
  font = nullptr;
  Log("Freed " + fileName);
}
