#pragma once
#include <SDL/SDL.h>

#include <string>

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
};

// Loads the picture and keys it with magenta, the transparent colour of all the game's art.
bool LoadKeyed(Image& image, const std::string& path);

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
