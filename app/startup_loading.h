#pragma once

// Loads the loading picture, then every module's art in a fixed order, stopping at the first
// module that fails. Returns false when one did.
bool LoadAllGraphics();
void FreeAllGraphics();

// Fills the story list and the editor's name table, resets the run's values and reads "save.txt".
bool InitStoryAndSave();
