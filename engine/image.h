#pragma once
#include <SDL/SDL.h>

#include <cstddef>
#include <string>

#include "engine/row_copy.h"

// One picture in the screen's pixel format. Destroying an Image does not release it; only Free does.
class Image {
 public:
  SDL_Surface* surface = nullptr;
  std::string fileName;

  bool Load(std::string path);
  void SetColorKey(Uint8 r, Uint8 g, Uint8 b);
  void SetAlpha(Uint8 alpha);
  void Draw(Sint16 x, Sint16 y);
  void DrawPart(Sint16 srcX, Sint16 srcY, Uint16 w, Uint16 h, Sint16 x, Sint16 y);
  void Free();
  bool IsLoaded() const { return surface != nullptr; }

  // Where a keyed picture is opaque, found when it is keyed; drawing copies just those stretches.
  KeyedSpans spans;
  bool hasSpans = false;
  const KeyedSpans* Spans() const { return hasSpans ? &spans : nullptr; }
};

// Draws a whole picture (part null) or a part of it onto the screen with its corner at (x, y),
// clipped as SDL clips a blit, and counts the screen pixels it covers in pixelsDrawn. Opaque
// pictures and keyed ones with their spans are copied by the game itself; the rest SDL blits.
void DrawOnScreen(SDL_Surface* picture, SDL_Rect* part, Sint16 x, Sint16 y, const KeyedSpans* spans = nullptr);
// Screen pixels covered by pictures and texts so far; the benchmark weighs a frame's drawing
// against plain memory copies of as many pixels.
extern Uint64 pixelsDrawn;

// Loads the picture and keys it with magenta, the transparent colour of all the game's art.
bool LoadKeyed(Image& image, const std::string& path);

// Numbered pictures: prefix + "0.png", prefix + "1.png" and so on. Keyed with magenta unless opaque.
// True when every one loaded; some modules give up at the first that fails, others try them all so
// one missing frame costs only that frame.
enum Keying { kKeyed, kOpaque };
enum AtFailure { kTryTheRest, kStop };
bool LoadNumbered(Image* images, int count, const std::string& prefix, Keying keying = kKeyed,
                  AtFailure atFailure = kTryTheRest);
template <size_t Count>
bool LoadNumbered(Image (&images)[Count], const std::string& prefix, Keying keying = kKeyed,
                  AtFailure atFailure = kTryTheRest) {
  return LoadNumbered(images, static_cast<int>(Count), prefix, keying, atFailure);
}
// A table with a row per direction or look, keyed: folder + row + "-" + column + ".png".
template <int Rows, int Columns>
bool LoadNumberedTable(Image (&table)[Rows][Columns], const std::string& folder, AtFailure atFailure = kTryTheRest) {
  bool all = true;
  for (int row = 0; row < Rows && (all || atFailure == kTryTheRest); ++row) {
    all = LoadNumbered(table[row], folder + std::to_string(row) + "-", kKeyed, atFailure) && all;
  }
  return all;
}

// Frees every picture of an array of any shape.
inline void FreeImages(Image& image) { image.Free(); }
template <class T, size_t Count>
void FreeImages(T (&images)[Count]) {
  for (T& image : images) FreeImages(image);
}

// The pictures and fonts of one part of the game, loaded once at start-up and freed once at exit.
// Loading returns false when something the part cannot do without failed.
struct ArtModule {
  bool (*load)();
  void (*free)();
};

// Shown while the art and each level load.
extern Image loadingImage;
// Puts the loading picture on the whole screen at once.
void ShowLoadingPicture();
