#include "MiradorWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<mirador::TMyAppCumMenuSuite>(argc, argv); }
