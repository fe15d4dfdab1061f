#include "engine/image.h"

#include <SDL/SDL_image.h>

#include "engine/engine.h"
#include "engine/path_resolve.h"
#include "engine/row_copy.h"

bool Image::Load(std::string path) {
  SDL_Surface* loaded = IMG_Load(ResolvePath(path).c_str());
  if (!loaded) {
    ReportFault("Error: couldn't load " + path);
    return false;
  }
  SDL_Surface* converted = screen ? SDL_DisplayFormat(loaded) : nullptr;
  if (converted) {
    SDL_FreeSurface(loaded);
  } else {
    converted = loaded;  // no video surface yet: keep the file's own format
  }
  if (surface) SDL_FreeSurface(surface);
  surface = converted;
  hasSpans = false;
  fileName = path;
  Log("Loaded " + path);
  return true;
}

void Image::SetColorKey(Uint8 r, Uint8 g, Uint8 b) {
  if (!surface) return;
  // Keyed pictures are drawn from their own run lengths, found here at load time, instead of
  // SDL's RLE acceleration: SDL would encode the picture at its first blit (a hitch on a level's
  // first frame), and under the SDL 1.2 layer over SDL2 its RLE blit is slower than a plain copy.
  SDL_SetColorKey(surface, SDL_SRCCOLORKEY, SDL_MapRGB(surface->format, r, g, b));
  hasSpans = FindKeyedSpans(surface, spans);
}

void Image::SetAlpha(Uint8 alpha) {
  if (!surface) return;
  SDL_SetAlpha(surface, SDL_SRCALPHA | SDL_RLEACCEL, alpha);
  SDL_Surface* converted = SDL_DisplayFormatAlpha(surface);
  if (!converted) return;
  SDL_FreeSurface(surface);
  surface = converted;
  hasSpans = false;  // see-through pictures are left to SDL
}

Uint64 pixelsDrawn = 0;

void DrawOnScreen(SDL_Surface* picture, SDL_Rect* part, Sint16 x, Sint16 y, const KeyedSpans* spans) {
  if (!picture || !screen) return;
  SDL_Rect destination = MakeRect(x, y, 0, 0);
  // Every way leaves the clipped size in the destination, 0 by 0 when nothing was drawn.
  const bool copied = spans ? CopyKeyedSpans(picture, *spans, part, screen, destination)
                            : CopyOpaqueRows(picture, part, screen, destination);
  if (!copied) SDL_BlitSurface(picture, part, screen, &destination);
  pixelsDrawn += static_cast<Uint64>(destination.w) * destination.h;
}

void Image::Draw(Sint16 x, Sint16 y) {
  DrawOnScreen(surface, nullptr, x, y, Spans());
}

void Image::DrawPart(Sint16 srcX, Sint16 srcY, Uint16 w, Uint16 h, Sint16 x, Sint16 y) {
  SDL_Rect source = MakeRect(srcX, srcY, w, h);
  DrawOnScreen(surface, &source, x, y, Spans());
}

void Image::Free() {
  if (!surface) return;
  SDL_FreeSurface(surface);
  surface = nullptr;
  hasSpans = false;
  spans = KeyedSpans();
  Log("Freed " + fileName);
}

bool LoadNumbered(Image* images, int count, const std::string& prefix, Keying keying, AtFailure atFailure) {
  bool all = true;
  for (int index = 0; index < count && (all || atFailure == kTryTheRest); ++index) {
    const std::string path = prefix + std::to_string(index) + ".png";
    all = (keying == kKeyed ? LoadKeyed(images[index], path) : images[index].Load(path)) && all;
  }
  return all;
}

Image loadingImage;

void ShowLoadingPicture() {
  loadingImage.Draw(0, 0);
  FlipScreen();
}

bool LoadKeyed(Image& image, const std::string& path) {
  if (!image.Load(path)) return false;
  image.SetColorKey(255, 0, 255);
  return true;
}
