#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// What the fuzz targets share. Each target is a libFuzzer entry point (LLVMFuzzerInitialize,
// LLVMFuzzerTestOneInput); `make fuzz` links it with libFuzzer, and `make test` with replay_main.cpp,
// which feeds it every seed and every stored finding.

enum FuzzStart { kFilesOnly, kWholeGame };

// A fresh working folder under the system's temporary folder, seeing the built game's pictures and
// fonts; removed again when the process ends. The game's files (log.txt, save.txt, gamepad.txt,
// levels) are written there, never into the game folder. With kWholeGame also a 640 x 480 screen on
// SDL's dummy drivers, SDL_ttf, and all the game's art, as at start-up.
void StartFuzzing(FuzzStart start);

// A fresh log.txt, and the input written to path, as the game will read it.
void TakeInput(const std::string& path, const uint8_t* data, size_t size);
std::string ReadWhole(const std::string& path);

// A finding the sanitizers cannot see (a round trip that changes what it carries): said on stderr,
// then the process aborts so that libFuzzer keeps the input and the replay fails.
[[noreturn]] void FuzzFinding(const std::string& what);
