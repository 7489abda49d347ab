#pragma once

class TMyAppCumMenu;

// The application, set when it is made and cleared when it goes, so that one
// process can make and destroy many. The shell's own code reaches the bars
// through it; games are handed their window instead.
extern TMyAppCumMenu* gApp;
