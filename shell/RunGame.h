#pragma once
#include "GameOptions.h"
#include "GuiApplication.h"

// The whole of a game program: its own options first, then the Qt application
// on the desktop's display and the game's application, run until its window
// closes.
template <class App>
int RunGame(int argc, char** argv) {
  if (const auto status = HandleGameOptions(App::GameConfiguration(), argc, argv)) return *status;
  TGuiApplication qt(argc, argv);
  App app;
  return app.Run();
}
