#include "VeliscaWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<velisca::TMyAppCumMenuSuite>(argc, argv); }
