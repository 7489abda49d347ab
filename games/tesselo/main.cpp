#include "RunGame.h"
#include "TesseloWindow.h"

int main(int argc, char** argv) { return RunGame<tesselo::TMyAppCumMenuSuite>(argc, argv); }
