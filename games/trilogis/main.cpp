#include "RunGame.h"
#include "TrilogisWindow.h"

int main(int argc, char** argv) { return RunGame<trilogis::TMyAppCumMenuSuite>(argc, argv); }
