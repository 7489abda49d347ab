#include "CalcoWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<calco::TMyAppCumMenuSuite>(argc, argv); }
