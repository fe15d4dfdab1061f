#pragma once

// The view onto the World: the 640 x 480 window of world pixels whose top-left corner is
// (world.cameraX, world.cameraY). Scrolling sideways moves the World's background along with it.

// Scrolling stops at the level's edges.
void ScrollRight(int dx);
void ScrollLeft(int dx);
void ScrollDown(int dy);
void ScrollUp(int dy);
// Puts the view's corner at (x, y), kept within the level.
void SetCamera(int x, int y);

// The box lies wholly beside, above or below the view; a box touching its edge is still in view.
bool OutOfView(int x, int y, int w, int h);
