#include "GuiApplication.h"

#include <cstdio>
#include <cstdlib>

namespace {
QtMessageHandler g_previous = nullptr;

void WhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // Qt's notes about platform plugins while it looks for a display are for its
  // developers; only the failure matters, and it is told once, plainly.
  if (type != QtFatalMsg) {
    if (context.category && qstrncmp(context.category, "qt.qpa", 6) == 0) return;
    std::fprintf(stderr, "%s\n", qFormatLogMessage(type, context, message).toLocal8Bit().constData());
    return;
  }
  const QByteArray display = qgetenv("DISPLAY");
  const QString line = display.isEmpty()
      ? QStringLiteral("Tavreno : aucun écran n'est indiqué (la variable DISPLAY est vide) ; "
                       "lancer le jeu depuis une session de bureau.")
      : QStringLiteral("Tavreno : impossible d'ouvrir l'écran « %1 » (variable DISPLAY) ; "
                       "lancer le jeu depuis une session de bureau.").arg(QString::fromLocal8Bit(display));
  std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
  std::fflush(stderr);
  std::_Exit(1);
}
}  // namespace

TDisplayGuard::TDisplayGuard() { g_previous = qInstallMessageHandler(WhileConnecting); }

void TDisplayGuard::Release() { qInstallMessageHandler(g_previous); }

TGuiApplication::TGuiApplication(int& argc, char** argv) : QApplication(argc, argv) { Release(); }
