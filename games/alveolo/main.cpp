#include "AlveoloWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<alveolo::TMyAppCumMenuSuite>(argc, argv); }
