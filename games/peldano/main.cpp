#include "PeldanoWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<peldano::TMyAppCumMenuSuite>(argc, argv); }
