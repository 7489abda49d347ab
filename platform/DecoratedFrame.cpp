#include "DecoratedFrame.h"

#include "ControlBar.h"
#include "Menu.h"
#include "StatusBar.h"
#include "Window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

TDecoratedFrame::TDecoratedFrame(const QString& caption, TWindow* client) : client_(client) {
  setWindowTitle(caption);
  setCentralWidget(client);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void TDecoratedFrame::Insert(TStatusBar* bar, Location) {
  status_ = bar;
  setStatusBar(bar);
}

void TDecoratedFrame::Insert(TControlBar* bar, Location) {
  controls_ = bar;
  bar->SetTarget(client_);
  addToolBar(Qt::LeftToolBarArea, bar);
}

void TDecoratedFrame::SetMenu(TMenu& menu) {
  menu.SetTarget(client_);
  setMenuBar(menu.Release());
}

void TDecoratedFrame::Create() {
  if (client_) client_->Create();
}

void TDecoratedFrame::closeEvent(QCloseEvent* event) {
  if (client_ && !client_->CanClose()) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::quit();
}
