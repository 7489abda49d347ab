#include "CapucineWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<capucine::TMyAppCumMenuSuite>(argc, argv); }
