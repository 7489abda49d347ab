#include "RempartWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<rempart::TMyAppCumMenuSuite>(argc, argv); }
