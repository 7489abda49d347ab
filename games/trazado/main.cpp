#include "RunGame.h"
#include "TrazadoWindow.h"

int main(int argc, char** argv) { return RunGame<trazado::TMyAppCumMenuSuite>(argc, argv); }
