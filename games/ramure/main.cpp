#include "RamureWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<ramure::TMyAppCumMenuSuite>(argc, argv); }
