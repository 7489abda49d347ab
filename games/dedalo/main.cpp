#include "DedaloWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<dedalo::TMyAppCumMenuSuite>(argc, argv); }
