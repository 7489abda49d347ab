#include "TorretaWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<torreta::TMyAppCumMenuSuite>(argc, argv); }
