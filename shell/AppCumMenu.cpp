#include "AppCumMenu.h"

#include "ControlBar.h"
#include "DecoratedFrame.h"
#include "DrawingArea.h"
#include "GameWindow.h"
#include "Globals.h"
#include "StatusBar.h"

#include <algorithm>

TMyAppCumMenu* gApp = nullptr;

TFont TMyAppCumMenu::MakeSharedFont() { return TFont(QStringLiteral("Times New Roman"), 20, 700); }

TMyAppCumMenu::TMyAppCumMenu(const GameConfig& config)
    : TApplication(config.title, config.startImages), config_(config), font_(MakeSharedFont()) {
  gApp = this;
}

TMyAppCumMenu::~TMyAppCumMenu() {
  SetMainWindow(nullptr);  // the frame and the game window go before the pointers are cleared
  if (gApp == this) gApp = nullptr;
}

void TMyAppCumMenu::InitMainWindow() {
  // The frame and its bars come first, so that the game window's drawing area
  // can be fitted to the room they leave.
  auto* frame = new TDecoratedFrame(config_.title);
  status_ = new TStatusBar(font_, frame);
  first_ = new TTextGadget(0, config_.fieldChars);
  status_->Insert(first_);
  first_->SetText(QStringLiteral(" "));
  second_ = new TTextGadget(1, config_.secondFieldChars > 0 ? config_.secondFieldChars : config_.fieldChars);
  status_->Insert(second_);
  second_->SetText(QStringLiteral(" "));
  if (config_.clock) status_->Insert(new TTimeGadget(0, 12));
  frame->Insert(status_, TDecoratedFrame::Bottom);
  buttons_ = new TControlBar(frame);
  buttons_->SetColumns(config_.barColumns);
  // As wide as the real bar will be, for the measure of the room it leaves.
  for (int i = 0; i < config_.barColumns; ++i)
    buttons_->Insert(TButtonGadget{config_.buttons.empty() ? QString() : config_.buttons.front().picture, 0});
  frame->Insert(buttons_, TDecoratedFrame::Left);
  frame->SetPlaceholderMenu();
  MeasureClientRoom(*frame);

  window_ = CreateGameWindow();
  ForgetClientRoom();
  // The area never changes during a run: where the window manager later gives
  // the frame less room, the game window keeps its size rather than cut the area
  // or the room the game reserves beside it.
  window_->setMinimumSize(window_->DrawingArea().size() + QSize(config_.reserveRight, config_.reserveBottom));
  frame->SetClient(window_);
  buttons_->Clear();
  // Gaps that fill the bar no taller than it is: a bar that asked for more
  // would make the frame taller than the screen.
  const int height = std::min(window_->DrawingArea().height(), buttons_->Room());
  const int separator = config_.separatorD > 0 ? (height - config_.separatorK * 32) / config_.separatorD
                                               : config_.separatorFixed;
  for (const BarButton& b : config_.buttons) {
    buttons_->Insert(TButtonGadget{b.picture, b.command, b.group});
    for (int i = 0; i < b.separatorsAfter; ++i) buttons_->Insert(TSeparatorGadget{separator});
  }
  SetMainWindow(frame);
}

void WriteStatusField(StatusField field, const QString& text) {
  if (!gApp) return;
  switch (field) {
    case StatusField::Message:
      if (gApp->StatusBar()) gApp->StatusBar()->SetText(text);
      break;
    case StatusField::First:
      if (gApp->FirstField()) gApp->FirstField()->SetText(text);
      break;
    case StatusField::Second:
      if (gApp->SecondField()) gApp->SecondField()->SetText(text);
      break;
  }
}
