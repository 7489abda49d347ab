#include "VisadoWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<visado::TMyAppCumMenuSuite>(argc, argv); }
