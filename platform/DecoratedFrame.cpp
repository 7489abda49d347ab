#include "DecoratedFrame.h"

#include "ControlBar.h"
#include "Menu.h"
#include "StatusBar.h"
#include "Window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>

#include "BitmapMenuStyle.h"

TDecoratedFrame::TDecoratedFrame(const QString& caption, TWindow* client) : client_(nullptr) {
  setWindowTitle(caption);
  setContextMenuPolicy(Qt::NoContextMenu);
  if (client) SetClient(client); else setCentralWidget(new QWidget);
}

void TDecoratedFrame::SetClient(TWindow* client) {
  client_ = client;
  setCentralWidget(client);
  if (controls_) controls_->SetTarget(client);
}

void TDecoratedFrame::SetPlaceholderMenu() {
  auto* bar = new QMenuBar;
  bar->setNativeMenuBar(false);
  bar->setStyle(BitmapMenuStyle::Instance());
  QPixmap entry(12, 28);
  entry.fill(Qt::lightGray);
  bar->addAction(QIcon(entry), QString());
  setMenuBar(bar);
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
  if (client_ && (client_->InputHeld() || !client_->CanClose())) {
    event->ignore();
    return;
  }
  event->accept();
  QCoreApplication::quit();
}
