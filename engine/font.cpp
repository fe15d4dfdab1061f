#include "engine/font.h"

#include <algorithm>

#include "engine/engine.h"
#include "engine/image.h"
#include "engine/path_resolve.h"

namespace {
// FreeType draws a letter the first time a font shows it, and SDL_ttf keeps it from then on. A
// level's first frames showed every letter of the title card and the status display for the
// first time, up to 0.8 ms of letters in one frame; so every letter text can use is drawn once
// when the font loads (1-1.5 ms a font), and no frame pays for it.
const char kFirstLetter = ' ';
const char kLastLetter = '~';

void DrawEveryLetterOnce(TTF_Font* font) {
  std::string letters;
  for (char letter = kFirstLetter; letter <= kLastLetter; ++letter) letters += letter;
  const SDL_Color white = {255, 255, 255, 0};
  SDL_Surface* drawn = TTF_RenderText_Solid(font, letters.c_str(), white);
  if (drawn) SDL_FreeSurface(drawn);
}
}  // namespace

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
  DrawEveryLetterOnce(opened);
  if (font) TTF_CloseFont(font);
  ForgetDrawn();  // drawn with the font replaced
  font = opened;
  fileName = path;
  Log("Loaded " + path);
  return true;
}

namespace {
// Texts kept per font: the status display draws four with one font every frame and the level
// screens up to six; the rest is room for a counter's old values to age out.
const size_t kKeptTexts = 8;
// The white ring round outlined text, in pixels on every side.
const int kRingWidth = 1;

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

bool SameColour(SDL_Color a, SDL_Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// A screen pixel value that neither text colour turns into, to mark where nothing was drawn.
Uint32 UnusedPixel(SDL_Color fill, SDL_Color outline) {
  const Uint32 fillPixel = SDL_MapRGB(screen->format, fill.r, fill.g, fill.b);
  const Uint32 outlinePixel = SDL_MapRGB(screen->format, outline.r, outline.g, outline.b);
  Uint32 unused = 0;
  while (unused == fillPixel || unused == outlinePixel) ++unused;
  return unused;
}

// An empty picture of the given size in the screen's format.
SDL_Surface* ScreenFormatPicture(int w, int h) {
  const SDL_PixelFormat* format = screen->format;
  SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, format->BitsPerPixel, format->Rmask,
                                              format->Gmask, format->Bmask, format->Amask);
  if (picture && format->palette) SDL_SetColors(picture, format->palette->colors, 0, format->palette->ncolors);
  return picture;
}

// The text drawn once, ring first, by SDL onto a picture in the screen's format and keyed where
// nothing was drawn: copying its drawn stretches gives the screen the very pixels SDL would give it.
SDL_Surface* Compose(TTF_Font* font, const std::string& text, SDL_Color fill, SDL_Color outline, int border) {
  SDL_Surface* letters = RenderKeyed(font, text, fill);
  if (!letters) return nullptr;
  SDL_Surface* ring = border ? RenderKeyed(font, text, outline) : nullptr;
  SDL_Surface* composed = ScreenFormatPicture(letters->w + 2 * border, letters->h + 2 * border);
  if (composed) {
    const Uint32 nothing = UnusedPixel(fill, outline);
    SDL_FillRect(composed, nullptr, nothing);
    for (int dy = -border; ring && dy <= border; ++dy) {
      for (int dx = -border; dx <= border; ++dx) {
        SDL_Rect at = MakeRect(border + dx, border + dy, 0, 0);
        if (dx || dy) SDL_BlitSurface(ring, nullptr, composed, &at);
      }
    }
    SDL_Rect at = MakeRect(border, border, 0, 0);
    SDL_BlitSurface(letters, nullptr, composed, &at);
    SDL_SetColorKey(composed, SDL_SRCCOLORKEY, nothing);
  }
  if (ring) SDL_FreeSurface(ring);
  SDL_FreeSurface(letters);
  return composed;
}

int Border(bool outlined) { return outlined ? kRingWidth : 0; }
}  // namespace

// Texts are not rendered anew on every draw: the status display draws the same few strings every
// frame, and rendering them (FreeType, then SDL converting 8-bit text to the screen's pixels, slow
// under the SDL 1.2 layer over SDL2) cost more than all the scenery. A text is rendered when it,
// its colours or its outline change, and otherwise copied from the picture kept of it.
const DrawnText* Font::Find(const std::string& text, SDL_Color fill, SDL_Color outline, bool outlined) {
  if (text.empty() || !font || !screen) return nullptr;
  // Pictures kept for another screen format (the video mode was set anew) would show wrong colours.
  if (!drawn.empty() && !SamePixelFormat(drawn.front().picture->format, screen->format)) ForgetDrawn();
  ++draws;
  if (!outlined) outline = fill;
  for (DrawnText& kept : drawn) {
    if (kept.text == text && kept.outlined == outlined && SameColour(kept.fill, fill) &&
        SameColour(kept.outline, outline)) {
      kept.lastUse = draws;
      return &kept;
    }
  }
  DrawnText made;
  made.picture = Compose(font, text, fill, outline, Border(outlined));
  if (!made.picture) return nullptr;
  FindKeyedSpans(made.picture, made.spans);
  made.text = text;
  made.fill = fill;
  made.outline = outline;
  made.outlined = outlined;
  made.lastUse = draws;
  if (drawn.size() >= kKeptTexts) {
    auto oldest = std::min_element(drawn.begin(), drawn.end(), [](const DrawnText& a, const DrawnText& b) {
      return a.lastUse < b.lastUse;
    });
    SDL_FreeSurface(oldest->picture);
    drawn.erase(oldest);
  }
  drawn.push_back(std::move(made));
  return &drawn.back();
}

void Font::DrawKept(const DrawnText* kept, Sint16 x, Sint16 y) {
  if (!kept) return;
  const int border = Border(kept->outlined);
  DrawOnScreen(kept->picture, nullptr, static_cast<Sint16>(x - border), static_cast<Sint16>(y - border), &kept->spans);
}

void Font::Draw(std::string text, Sint16 x, Sint16 y, Uint8 r, Uint8 g, Uint8 b) {
  const SDL_Color fill = {r, g, b, 0};
  DrawKept(Find(text, fill, fill, false), x, y);
}

void Font::DrawOutlined(const std::string& text, Sint16 x, Sint16 y, SDL_Color fill, SDL_Color outline) {
  DrawKept(Find(text, fill, outline, true), x, y);
}

void Font::ForgetDrawn() {
  for (DrawnText& kept : drawn) SDL_FreeSurface(kept.picture);
  drawn.clear();
}

void Font::Free() {
  ForgetDrawn();
  if (!font) return;
  TTF_CloseFont(font);
  font = nullptr;
  Log("Freed " + fileName);
}
