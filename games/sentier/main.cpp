#include "RunGame.h"
#include "SentierWindow.h"

int main(int argc, char** argv) { return RunGame<sentier::TMyAppCumMenuSuite>(argc, argv); }
