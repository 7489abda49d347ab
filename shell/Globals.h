#pragma once

class TMyAppCumMenu;
class TGameWindow;

// The application and the game window, set when they are made and cleared when
// they go, so that one process can make and destroy many game windows.
extern TMyAppCumMenu* gApp;
extern TGameWindow* gGameWindow;
