#include "Application.h"

#include "DecoratedFrame.h"
#include "ImageMemory.h"
#include "ProgramStyle.h"
#include "Services.h"

#include <QApplication>
#include <QScreen>

TApplication::TApplication(const QString& name, int startImages) : name_(name) {
  // The main window keeps what it shows in an image of its size, and Qt a copy
  // of the window for the window system: their memory, and that of the other
  // large images, is made ready on another thread while the fonts and the
  // windows are set up.
  QSize largest;
  for (const QScreen* screen : QGuiApplication::screens()) largest = largest.expandedTo(screen->size());
  PrepareImageMemory(largest, startImages);
}

TApplication::~TApplication() = default;

void TApplication::SetMainWindow(TDecoratedFrame* frame) { frame_.reset(frame); }

void TApplication::Start() {
  TProgramStyle::InstallForApplication();
  InitMainWindow();
  if (!frame_) return;
  frame_->Create();
  Services::ShowMaximised(*frame_);
  frame_->activateWindow();
  if (frame_->centralWidget()) frame_->centralWidget()->setFocus();
}

int TApplication::Run() {
  Start();
  return frame_ ? QApplication::exec() : 1;
}
