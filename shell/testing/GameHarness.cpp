#include "GameHarness.h"

#include "ControlBar.h"
#include "DecoratedFrame.h"
#include "Menu.h"
#include "Random.h"
#include "Services.h"
#include "StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <QWindow>

GameHarness::GameHarness(const Options& options) : options_(options) {
  static Services::ScreenMetrics screen;
  screen = {options.screenWidth, options.screenHeight,
            QRect(0, 0, options.screenWidth, options.screenHeight - options.taskbarHeight)};
  if (!options.realScreen) Services::SetScreenForTesting(&screen);
  Services::SetBeepForTesting([this] { ++beeps_; });
  Services::SetInformationBoxForTesting([this](const QString& caption, const QString& text) {
    infoBoxes_.push_back(caption + '\n' + text);
  });
  SetMessageHandlerForTesting([this](const ShownMessage& m) { return Record(m); });
  TimerDriver::Install(&timers_);
  Random::FixSeed(false);
  Random::Seed(options.seed);
  Random::FixSeed(true);
  Random::Script(options.scriptedRandom);
}

GameHarness::~GameHarness() {
  app_.reset();
  TimerDriver::Install(nullptr);
  SetMessageHandlerForTesting(nullptr);
  Services::SetInformationBoxForTesting(nullptr);
  Services::SetBeepForTesting(nullptr);
  Services::SetScreenForTesting(nullptr);
  Random::FixSeed(false);
  Random::Script({});
}

void GameHarness::Relaunch() {
  app_.reset();
  Launch();
}

void GameHarness::Launch() {
  app_ = make_();
  app_->Start();
  QWindow* handle = Handle();
  if (handle) {
    handle->requestActivate();
    (void)QTest::qWaitForWindowExposed(handle, 1000);
  }
  Window().setFocus();
  QApplication::processEvents();
}

int GameHarness::Record(const ShownMessage& message) {
  messages_.push_back(message);
  if (chooser_) return chooser_(message);
  if (message.kind != MessageYesNo) return AnswerYes;
  if (answers_.empty()) {
    ++unexpected_;
    return AnswerNo;
  }
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

std::vector<ShownMessage> GameHarness::TakeMessages() { return std::exchange(messages_, {}); }
std::vector<QString> GameHarness::TakeInformationBoxes() { return std::exchange(infoBoxes_, {}); }

TDecoratedFrame& GameHarness::Frame() const { return *app_->GetMainWindow(); }
QWindow* GameHarness::Handle() const { return Frame().windowHandle(); }
QPoint GameHarness::DrawingOrigin() const { return Window().mapTo(&Frame(), QPoint(0, 0)); }
QPoint GameHarness::ToWindow(QPoint p) const { return DrawingOrigin() + p; }

void GameHarness::Press(QPoint p, Qt::MouseButton button) {
  QTest::mousePress(Handle(), button, Qt::NoModifier, ToWindow(p));
  QApplication::processEvents();
}

void GameHarness::Release(QPoint p, Qt::MouseButton button) {
  QTest::mouseRelease(Handle(), button, Qt::NoModifier, ToWindow(p));
  QApplication::processEvents();
}

void GameHarness::Click(QPoint p, Qt::MouseButton button) {
  Press(p, button);
  Release(p, button);
  QTest::qWait(0);
}

void GameHarness::DoubleClick(QPoint p) {
  QTest::mouseDClick(Handle(), Qt::LeftButton, Qt::NoModifier, ToWindow(p));
  QApplication::processEvents();
}

void GameHarness::Move(QPoint p) {
  QTest::mouseMove(Handle(), ToWindow(p));
  QApplication::processEvents();
}

void GameHarness::KeyPress(int key) {
  QTest::keyPress(Handle(), static_cast<Qt::Key>(key));
  QApplication::processEvents();
}

void GameHarness::KeyRelease(int key) {
  QTest::keyRelease(Handle(), static_cast<Qt::Key>(key));
  QApplication::processEvents();
}

void GameHarness::Key(int key) {
  KeyPress(key);
  KeyRelease(key);
}

void GameHarness::Command(int id) {
  Window().EvCommand(id);
  QApplication::processEvents();
}

void GameHarness::MenuCommand(int id) {
  // The frame's menu bar, searched through every popup, as the child opens it.
  std::function<QAction*(const QList<QAction*>&)> find = [&](const QList<QAction*>& actions) -> QAction* {
    for (QAction* a : actions) {
      if (a->menu()) {
        if (QAction* inner = find(a->menu()->actions())) return inner;
      } else if (!a->isSeparator() && a->data().toInt() == id) {
        return a;
      }
    }
    return nullptr;
  };
  if (QAction* action = find(Frame().menuBar()->actions())) action->trigger();
  QApplication::processEvents();
}

void GameHarness::ButtonCommand(int id) {
  if (QToolButton* button = Frame().ControlBar()->Button(id)) QTest::mouseClick(button, Qt::LeftButton);
  QApplication::processEvents();
}

void GameHarness::CloseFrame() {
  Frame().close();
  QApplication::processEvents();
}

QString GameHarness::MessageField() const { return app_->StatusBar()->GetText(); }
QString GameHarness::FirstField() const { return app_->FirstField()->GetText(); }
QString GameHarness::SecondField() const { return app_->SecondField()->GetText(); }
QString GameHarness::Caption() const { return Frame().windowTitle(); }
TCursor GameHarness::Pointer() const { return Window().CursorShape(); }
QImage GameHarness::Screen() const { return Window().Screen().copy(); }
QImage GameHarness::Copy() const { return Window().MemDC().Image()->copy(); }
QImage GameHarness::Grab() const {
  QApplication::processEvents();
  return Window().grab().toImage().convertToFormat(QImage::Format_RGB32);
}
bool GameHarness::FrameVisible() const { return app_->GetMainWindow() && Frame().isVisible(); }
