#pragma once

// Registers the eleven screens with the state manager under their keys, in the game's order.
void RegisterScreens();
