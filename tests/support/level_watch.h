#pragma once
// Watching a story level played through the real play screen with no keys held.
class GameObject;
class RouteRun;

// Starts the story level and plays through its title card.
void PlayTitleCard(RouteRun& run, int story);

// The most times any one entity of the story level turned around over `frames` frames after the
// title card. `direction` gives an entity's direction, or -1 for an entity not watched. An enemy
// placed a pixel off its floor or inside a wall turns back on every frame and stands still.
int MostTurnsOfAny(int story, int frames, int (*direction)(GameObject*));
