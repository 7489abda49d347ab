#include "SmallScreen.h"

#include "GameWindow.h"
#include "Services.h"
#include "ShowMessage.h"

void NoticeSmallScreen(TGameWindow& window) {
  const Services::ScreenMetrics screen = Services::Screen();
  if (screen.width >= kLeastScreenWidth && screen.height >= kLeastScreenHeight) return;
  ShowMessage(&window, QStringLiteral("A  T  T  E  N  T  I  O  N"),
              QStringLiteral("Cet écran (%1 x %2) est plus petit").arg(screen.width).arg(screen.height),
              QStringLiteral("que ce que les jeux demandent (%1 x %2) :").arg(kLeastScreenWidth).arg(kLeastScreenHeight),
              QStringLiteral("une partie du jeu peut ne pas se voir."), 5, MessageOk);
}
