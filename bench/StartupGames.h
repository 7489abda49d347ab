#pragma once
// Every game of the build, by name, with a way to make its application. The
// list is written by CMake from the build's games (StartupGames.cpp.in).
#include "AppCumMenu.h"

#include <memory>
#include <string>
#include <vector>

struct StartupGame {
  std::string name;
  std::unique_ptr<TMyAppCumMenu> (*make)();
};
std::vector<StartupGame> StartupGames();
