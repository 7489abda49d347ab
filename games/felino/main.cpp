#include "FelinoWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<felino::TMyAppCumMenuSuite>(argc, argv); }
