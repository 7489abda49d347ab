#include "Help.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {
QPointer<QTextBrowser> g_viewer;
QString g_page;

QString PageFor(const QString& file) {
  return QStringLiteral(":/help/") + QFileInfo(file).completeBaseName() + QStringLiteral(".html");
}
}  // namespace

void WinHelp(QWidget* owner, const QString& file, int command) {
  if (command == HELP_QUIT) {
    if (g_viewer) g_viewer->close();
    delete g_viewer.data();
    g_page.clear();
    return;
  }
  if (command != HELP_CONTENTS) return;
  if (!g_viewer) {
    g_viewer = new QTextBrowser;
    g_viewer->setAttribute(Qt::WA_DeleteOnClose);
    g_viewer->setOpenExternalLinks(false);
    g_viewer->resize(720, 640);
    QObject::connect(g_viewer, &QObject::destroyed, [] { g_page.clear(); });
  }
  const QString page = PageFor(file);
  g_viewer->setWindowTitle(QStringLiteral("Aide"));
  if (QFile::exists(page)) {
    g_viewer->setSource(QUrl(QStringLiteral("qrc") + page));
    if (!g_viewer->documentTitle().isEmpty())
      g_viewer->setWindowTitle(g_viewer->documentTitle());
  } else {
    g_viewer->setHtml(QStringLiteral("<h2>Aide introuvable</h2><p>Le fichier d'aide %1 est introuvable.</p>").arg(file));
  }
  g_page = file;
  if (owner && owner->window()) g_viewer->move(owner->window()->geometry().center() - QPoint(360, 320));
  g_viewer->show();
  g_viewer->raise();
  g_viewer->activateWindow();
}

QString HelpViewer::ShownPage() { return g_viewer && g_viewer->isVisible() ? g_page : QString(); }
