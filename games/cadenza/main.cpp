#include "CadenzaWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<cadenza::TMyAppCumMenuSuite>(argc, argv); }
