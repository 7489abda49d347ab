#include "OrugaWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<oruga::TMyAppCumMenuSuite>(argc, argv); }
