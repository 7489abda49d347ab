#include "CorridoWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<corrido::TMyAppCumMenuSuite>(argc, argv); }
