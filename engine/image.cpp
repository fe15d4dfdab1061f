#include "engine/image.h"

#include <SDL/SDL_image.h>

#include "engine/engine.h"
#include "engine/path_resolve.h"

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
  fileName = path;
  Log("Loaded " + path);
  return true;
}

void Image::SetColorKey(Uint8 r, Uint8 g, Uint8 b) {
  if (!surface) return;
  SDL_SetColorKey(surface, SDL_SRCCOLORKEY | SDL_RLEACCEL, SDL_MapRGB(surface->format, r, g, b));
}

void Image::SetAlpha(Uint8 alpha) {
  if (!surface) return;
  SDL_SetAlpha(surface, SDL_SRCALPHA | SDL_RLEACCEL, alpha);
  SDL_Surface* converted = SDL_DisplayFormatAlpha(surface);
  if (!converted) return;
  SDL_FreeSurface(surface);
  surface = converted;
}

void Image::Draw(Sint16 x, Sint16 y) {
  if (!surface || !screen) return;
  SDL_Rect destination = MakeRect(x, y, 0, 0);
  SDL_BlitSurface(surface, nullptr, screen, &destination);
}

void Image::DrawPart(Sint16 srcX, Sint16 srcY, Uint16 w, Uint16 h, Sint16 x, Sint16 y) {
  if (!surface || !screen) return;
  SDL_Rect source = MakeRect(srcX, srcY, w, h);
  SDL_Rect destination = MakeRect(x, y, 0, 0);
  SDL_BlitSurface(surface, &source, screen, &destination);
}

void Image::Free() {
  if (!surface) return;
  SDL_FreeSurface(surface);
  surface = nullptr;
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
