#include "GigogneWindow.h"
#include "RunGame.h"

int main(int argc, char** argv) { return RunGame<gigogne::TMyAppCumMenuSuite>(argc, argv); }
