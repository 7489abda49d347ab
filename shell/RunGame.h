#pragma once
#include "GuiApplication.h"

// The whole of a game program: the Qt application on the desktop's display,
// then the game's application, run until its window closes.
template <class App>
int RunGame(int argc, char** argv) {
  TGuiApplication qt(argc, argv);
  App app;
  return app.Run();
}
