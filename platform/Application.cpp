#include "Application.h"

#include "DecoratedFrame.h"
#include "ProgramStyle.h"
#include "Services.h"

#include <QApplication>

TApplication::TApplication(const QString& name) : name_(name) {}

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
