#include "OrpelloWindow.h"
#include "RunGame.h"

int main(int argc, char* argv[]) { return RunGame<orpello::TMyAppCumMenuSuite>(argc, argv); }
