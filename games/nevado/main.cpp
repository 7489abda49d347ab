#include "NevadoWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<nevado::TMyAppCumMenuSuite>(argc, argv); }
