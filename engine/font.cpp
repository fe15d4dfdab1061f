#include "engine/font.h"

#include "engine/engine.h"
#include "engine/image.h"
#include "engine/path_resolve.h"

bool Font::Load(std::string path, int pointSize) {
  TTF_Font* opened = TTF_OpenFont(ResolvePath(path).c_str(), pointSize);
  if (!opened) {
    ReportFault("Error: couldn't load " + path);
    return false;
  }
  // Text is rendered solid, one bit per pixel, so the glyphs are hinted for that output. With the
  // default hinting, FreeType's TrueType interpreter fits glyphs to the pixel grid only vertically,
  // while each glyph still advances by a whole number of pixels: small DejaVu text then came out
  // with uneven gaps ("Le ve ls/Tum bo"). Monochrome hinting fits them across as well.
  TTF_SetFontHinting(opened, TTF_HINTING_MONO);
  if (font) TTF_CloseFont(font);
  font = opened;
  fileName = path;
  Log("Loaded " + path);
  return true;
}

namespace {
// Renders one line of solid text keyed on its background; null when there is nothing to draw.
SDL_Surface* RenderKeyed(TTF_Font* font, const std::string& text, SDL_Color colour) {
  if (text.empty() || !font || !screen) return nullptr;
  SDL_Surface* rendered = TTF_RenderText_Solid(font, text.c_str(), colour);
  if (!rendered) return nullptr;
  // Solid text keeps its background at palette index 0, in the inverse of the text colour; keying
  // the entry nearest black would hide dark text (blue status text) and show a yellow box instead.
  SDL_SetColorKey(rendered, SDL_SRCCOLORKEY, 0);
  return rendered;
}

void BlitAt(SDL_Surface* rendered, int x, int y) {
  DrawOnScreen(rendered, nullptr, static_cast<Sint16>(x), static_cast<Sint16>(y));
}
}  // namespace

void Font::Draw(std::string text, Sint16 x, Sint16 y, Uint8 r, Uint8 g, Uint8 b) {
  SDL_Surface* rendered = RenderKeyed(font, text, SDL_Color{r, g, b, 0});
  if (!rendered) return;
  BlitAt(rendered, x, y);
  SDL_FreeSurface(rendered);
}

void Font::DrawOutlined(const std::string& text, Sint16 x, Sint16 y, SDL_Color fill, SDL_Color outline) {
  SDL_Surface* ring = RenderKeyed(font, text, outline);
  if (!ring) return;
  // The ring is drawn eight times: converted to the screen's format once, with its opaque
  // stretches found once, each time is a few memory copies instead of SDL converting its 8-bit
  // pixels again (slow under the SDL 1.2 layer over SDL2).
  SDL_Surface* converted = SDL_DisplayFormat(ring);
  KeyedSpans spans;
  const bool spansFound = converted && FindKeyedSpans(converted, spans);
  SDL_Surface* drawn = converted ? converted : ring;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (dx == 0 && dy == 0) continue;
      DrawOnScreen(drawn, nullptr, static_cast<Sint16>(x + dx), static_cast<Sint16>(y + dy), spansFound ? &spans : nullptr);
    }
  }
  if (converted) SDL_FreeSurface(converted);
  SDL_FreeSurface(ring);
  Draw(text, x, y, fill.r, fill.g, fill.b);
}

void Font::Free() {
  if (!font) return;
  TTF_CloseFont(font);
  font = nullptr;
  Log("Freed " + fileName);
}
