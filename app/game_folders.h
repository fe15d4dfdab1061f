#pragma once

// Chooses where the game works, before the engine opens log.txt. The game's files keep their
// relative names ("save.txt", "gfx/...", "Levels/Custom/...") wherever it runs.
//
// Started from the build's game folder (the program lies beside "gfx/"), nothing changes: the game
// works in the folder it was started in, as it always has. An installed game cannot write beside
// its data, so it works in the player's own folder instead, "$XDG_DATA_HOME/tumbo-man" (by default
// "~/.local/share/tumbo-man"), made with "Levels/Custom" inside when missing: save.txt,
// gamepad.txt, log.txt and the editor's levels go there, and the pictures, fonts, sounds and story
// levels are read from the installed data folder (see SetDataFolder).
//
// When the data folder is missing, or the player's folder cannot be made, entered or written, one
// line naming the folder goes to stderr and the answer is false: the game must not start then, since
// it would lose its save or run without its pictures.
bool ChooseGameFolders();
