#include "PlumetaWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<plumeta::TMyAppCumMenuSuite>(argc, argv); }
