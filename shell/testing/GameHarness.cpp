#include "GameHarness.h"

#include "LevelSettings.h"

#include "ControlBar.h"
#include "DecoratedFrame.h"
#include "Menu.h"
#include "PopupMenu.h"
#include "Printer.h"
#include "Random.h"
#include "ScrollBar.h"
#include "Services.h"
#include "StatusBar.h"

#include <QAction>
#include <algorithm>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
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
  SetPopupHandlerForTesting([this](const TMenuResource& items, QPoint point) {
    popups_.push_back({items, point});
    if (popupChooser_) return popupChooser_(items);
    if (popupAnswers_.empty()) return 0;
    const int id = popupAnswers_.front();
    popupAnswers_.pop_front();
    return id;
  });
  TPrinter::SetDialogForTesting([this](QPrinter& printer) {
    ++printDialogs_;
    return printChooser_ ? printChooser_(printer) : false;
  });
  TimerDriver::Install(&timers_);
  Random::FixSeed(false);
  Random::Seed(options.seed);
  // The machine's own settings never reach a test: only the file it names.
  LevelSettings::UseFile(options.settingsFile);
  LevelSettings::SetStartOption(options.startLevelOption);
  Random::FixSeed(true);
  Random::Script(options.scriptedRandom);
}

GameHarness::~GameHarness() {
  app_.reset();
  TimerDriver::Install(nullptr);
  SetMessageHandlerForTesting(nullptr);
  SetPopupHandlerForTesting(nullptr);
  TPrinter::SetDialogForTesting(nullptr);
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

void GameHarness::Drag(QPoint from, QPoint to, int steps) {
  Press(from);
  steps = std::max(1, steps);
  for (int i = 1; i <= steps; ++i) Move(from + (to - from) * i / steps);
  Release(to);
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

namespace {
TScrollBar* FindScrollBar(const QWidget& window, int id) {
  // By dynamic_cast: a search by type would also match the plain scroll bars
  // inside other controls (a tree's), the class having no meta-object of its own.
  for (QWidget* w : window.findChildren<QWidget*>())
    if (auto* bar = dynamic_cast<TScrollBar*>(w); bar && bar->Id() == id) return bar;
  return nullptr;
}

QStyleOptionSlider StyleOf(const TScrollBar& bar) {
  QStyleOptionSlider option;
  option.initFrom(&bar);
  option.subControls = QStyle::SC_All;
  option.orientation = bar.orientation();
  option.minimum = bar.minimum();
  option.maximum = bar.maximum();
  option.sliderPosition = bar.sliderPosition();
  option.sliderValue = bar.value();
  option.singleStep = bar.singleStep();
  option.pageStep = bar.pageStep();
  if (bar.orientation() == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
  return option;
}

// Presses and lets go the left button on the middle of a part of the bar.
void ClickPart(TScrollBar& bar, QStyle::SubControl part) {
  const QStyleOptionSlider option = StyleOf(bar);
  const QRect r = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
  if (r.isEmpty()) return;
  QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, r.center());
  QApplication::processEvents();
}
}  // namespace

void GameHarness::ScrollArrow(int id, int steps) {
  if (TScrollBar* bar = FindScrollBar(Window(), id))
    for (int i = 0; i < std::abs(steps); ++i)
      ClickPart(*bar, steps > 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
}

void GameHarness::ScrollPage(int id, int pages) {
  if (TScrollBar* bar = FindScrollBar(Window(), id))
    for (int i = 0; i < std::abs(pages); ++i)
      ClickPart(*bar, pages > 0 ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
}

void GameHarness::DragThumb(int id, int position) {
  TScrollBar* bar = FindScrollBar(Window(), id);
  if (!bar) return;
  const QStyleOptionSlider option = StyleOf(*bar);
  const QRect thumb = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, thumb.center());
  // The thumb follows the pointer to the wanted position, then is let go there.
  bar->setSliderPosition(position);
  QApplication::processEvents();
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, thumb.center());
  QApplication::processEvents();
}

void GameHarness::ScrollWheel(int id, int notches) {
  TScrollBar* bar = FindScrollBar(Window(), id);
  if (!bar) return;
  const QPoint at = bar->rect().center();
  QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120 * notches), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &wheel);
  QApplication::processEvents();
}

int GameHarness::ScrollPosition(int id) const {
  const TScrollBar* bar = FindScrollBar(Window(), id);
  return bar ? bar->GetPosition() : -1;
}

bool GameHarness::ButtonPressed(int command) const {
  const QToolButton* b = Frame().ControlBar()->Button(command);
  return b && b->isChecked();
}
