#include "RandomPlayer.h"

#include "RandomControls.h"

#include "EventWatchdog.h"
#include "GameHarness.h"
#include "ScrollBar.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>

namespace {
// Games with tree controls or child frames get one event in two on each kind.
bool ControlStep(GameHarness& harness, const std::function<int(int)>& pick, const std::function<void(std::string)>& log) {
  std::string event;
  if (!RandomTreeStep(harness, pick, event) && !RandomFrameStep(harness, pick, event)) return false;
  log(std::move(event));
  return true;
}
}  // namespace

namespace {
std::string At(QPoint p) { return std::to_string(p.x()) + "," + std::to_string(p.y()); }

// Keys a child may press by chance, beyond those a game asks for.
const int kKeys[] = {Qt::Key_Left,  Qt::Key_Up,     Qt::Key_Right,   Qt::Key_Down,  Qt::Key_Space, Qt::Key_Return,
                     Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,     Qt::Key_F1,    Qt::Key_Shift, Qt::Key_Control,
                     Qt::Key_Alt,   Qt::Key_A,      Qt::Key_E,       Qt::Key_O,     Qt::Key_Z,     Qt::Key_1,
                     Qt::Key_9,     Qt::Key_Delete, Qt::Key_Backspace};
}  // namespace

QPoint RandomPlayer::Point() {
  if (!aims_.empty() && Pick(2) == 0) {
    const QRect& r = aims_[static_cast<size_t>(Pick(static_cast<int>(aims_.size())))];
    return QPoint(r.left() + Pick(r.width()), r.top() + Pick(r.height()));
  }
  // Points a little beyond the area's far edges too, to exercise the clamping;
  // nothing left of it or above it, where the bars are.
  const QRect area = harness_.Window().DrawingArea();
  return QPoint(Pick(area.width() + 20), Pick(area.height() + 20));
}

QPoint RandomPlayer::FarPoint() {
  // Anywhere, thousands of pixels off the window on every side.
  return QPoint(Pick(8001) - 4000, Pick(6001) - 3000);
}

int RandomPlayer::AnyKey() {
  if (!keys_.empty() && Pick(2) == 0) return keys_[static_cast<size_t>(Pick(static_cast<int>(keys_.size())))];
  return kKeys[Pick(static_cast<int>(std::size(kKeys)))];
}

int RandomPlayer::AnyCommand() {
  const std::vector<int> ids = commands_.empty() ? harness_.Window().CommandIds() : commands_;
  return ids.empty() ? 0 : ids[static_cast<size_t>(Pick(static_cast<int>(ids.size())))];
}

std::string RandomPlayer::Tail() const {
  std::string text = "seed " + std::to_string(seed_) + ", event " + std::to_string(events_.size()) + "; last events:";
  const size_t from = events_.size() > 12 ? events_.size() - 12 : 0;
  for (size_t i = from; i < events_.size(); ++i) text += "\n  " + events_[i];
  return text;
}

PlayReport RandomPlayer::Play(int steps) {
  events_.clear();
  harness_.AnswerWith([this](const ShownMessage& m) {
    if (m.kind != MessageYesNo) return int(AnswerYes);
    // The gentle player never quits; the hostile one answers every question at random.
    if (!hostile_ && m.line1.contains(QStringLiteral("quitter"))) return int(AnswerNo);
    return 1 + Pick(2);
  });
  // Popups: nothing chosen, or any item.
  harness_.AnswerPopupsWith([this](const TMenuResource& items) {
    const int k = Pick(static_cast<int>(items.size()) + 1);
    return k == 0 ? 0 : items[static_cast<size_t>(k - 1)].id;
  });
  EventWatchdog watchdog(hangLimit_);
  PlayReport report;
  for (int i = 0; i < steps && report.ok; ++i) {
    watchdog.Begin(Tail() + "\n  (the next event is running)");
    const auto start = std::chrono::steady_clock::now();
    hostile_ ? HostileStep() : Step();
    const std::string last = events_.empty() ? std::string() : events_.back();
    harness_.TakeMessages();
    harness_.TakeInformationBoxes();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!harness_.FrameVisible()) {
      // The child said yes to the quit question: the program starts again, a
      // start and not an answer to an event, so not held to the event's limit.
      harness_.Relaunch();
      Log("program started again");
    }
    watchdog.End();
    ++report.events;
    if (ms > report.slowestMs) {
      report.slowestMs = ms;
      report.slowestEvent = last;
    }
    if (ms > static_cast<double>(limit_.count())) {
      report.ok = false;
      report.failure = "an event took " + std::to_string(static_cast<int>(ms)) + " ms (limit " +
                       std::to_string(limit_.count()) + " ms); " + Tail();
    }
  }
  harness_.AnswerWith(nullptr);
  harness_.AnswerPopupsWith(nullptr);
  return report;
}

// Games with scroll bars get one event in six on them; the others play the
// same sequences as before.
bool RandomPlayer::ScrollStep() {
  std::vector<TScrollBar*> bars;
  for (QWidget* w : harness_.Window().findChildren<QWidget*>())  // not by type: see FindScrollBar
    if (auto* b = dynamic_cast<TScrollBar*>(w); b && b->isVisible()) bars.push_back(b);
  if (bars.empty() || Pick(6) != 0) return false;
  const TScrollBar& bar = *bars[static_cast<size_t>(Pick(static_cast<int>(bars.size())))];
  const int id = bar.Id();
  const std::string name = "scroll bar " + std::to_string(id);
  switch (Pick(4)) {
    case 0: {
      const int steps = Pick(2) ? 1 : -1;
      harness_.ScrollArrow(id, steps);
      Log(name + " arrow " + std::to_string(steps));
      break;
    }
    case 1: {
      const int pages = Pick(2) ? 1 : -1;
      harness_.ScrollPage(id, pages);
      Log(name + " page " + std::to_string(pages));
      break;
    }
    case 2: {
      const int to = bar.minimum() + Pick(bar.maximum() - bar.minimum() + 1);
      harness_.DragThumb(id, to);
      Log(name + " thumb to " + std::to_string(to));
      break;
    }
    default: {
      const int notches = Pick(5) - 2;
      harness_.ScrollWheel(id, notches);
      Log(name + " wheel " + std::to_string(notches));
      break;
    }
  }
  return true;
}

void RandomPlayer::Step() {
  if (ScrollStep() || ControlStep(harness_, [this](int n) { return Pick(n); }, [this](std::string e) { Log(std::move(e)); }))
    return;
  switch (Pick(10)) {
    case 0: case 1: case 2: {
      const QPoint p = Point();
      harness_.Click(p);
      Log("click " + At(p));
      break;
    }
    case 3: {
      const QPoint p = Point();
      harness_.Click(p, Qt::RightButton);
      Log("right click " + At(p));
      break;
    }
    case 4: {
      const QPoint from = Point(), via = Point(), to = Point();
      harness_.Press(from);
      harness_.Move(via);
      harness_.Release(to);
      Log("drag " + At(from) + " " + At(via) + " " + At(to));
      break;
    }
    case 5: {
      const QPoint p = Point();
      harness_.Move(p);
      Log("move " + At(p));
      break;
    }
    case 6: case 7:
      if (!keys_.empty()) {
        const int key = keys_[static_cast<size_t>(Pick(static_cast<int>(keys_.size())))];
        harness_.Key(key);
        Log("key " + std::to_string(key));
      } else {
        Log("no key");
      }
      break;
    case 8:
      if (!commands_.empty()) {
        const int id = commands_[static_cast<size_t>(Pick(static_cast<int>(commands_.size())))];
        harness_.Command(id);
        Log("command " + std::to_string(id));
      } else {
        Log("no command");
      }
      break;
    default: {
      const int ms = Pick(1500);
      harness_.StepTimers(ms);
      Log("timers " + std::to_string(ms));
      break;
    }
  }
}

void RandomPlayer::HostileStep() {
  static const Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
  if (ScrollStep() || ControlStep(harness_, [this](int n) { return Pick(n); }, [this](std::string e) { Log(std::move(e)); }))
    return;
  switch (Pick(20)) {
    case 0: case 1: case 2: case 3: {
      const Qt::MouseButton button = kButtons[Pick(4)];
      const QPoint p = Point();
      harness_.Click(p, button);
      Log("click " + std::to_string(int(button)) + " " + At(p));
      break;
    }
    case 4: {
      const QPoint p = Point();
      harness_.DoubleClick(p);
      Log("double click " + At(p));
      break;
    }
    case 5: case 6: {
      // A drag that may leave the window far away and end there.
      const Qt::MouseButton button = kButtons[Pick(4)];
      const QPoint from = Point();
      harness_.Press(from, button);
      std::string text = "drag " + std::to_string(int(button)) + " " + At(from);
      for (int n = 1 + Pick(4); n > 0; --n) {
        const QPoint via = Pick(3) == 0 ? FarPoint() : Point();
        harness_.Move(via);
        text += " " + At(via);
      }
      const QPoint to = Pick(2) == 0 ? FarPoint() : Point();
      harness_.Release(to, button);
      Log(text + " " + At(to));
      break;
    }
    case 7: {
      const QPoint p = Pick(4) == 0 ? FarPoint() : Point();
      harness_.Move(p);
      Log("move " + At(p));
      break;
    }
    case 8: {
      // A press or a release without its pair.
      const Qt::MouseButton button = kButtons[Pick(4)];
      const QPoint p = Point();
      const bool press = Pick(2) == 0;
      press ? harness_.Press(p, button) : harness_.Release(p, button);
      Log(std::string(press ? "press " : "release ") + std::to_string(int(button)) + " " + At(p));
      break;
    }
    case 9: case 10: {
      const int key = AnyKey();
      harness_.Key(key);
      Log("key " + std::to_string(key));
      break;
    }
    case 11: {
      const int key = AnyKey();
      const bool press = Pick(2) == 0;
      press ? harness_.KeyPress(key) : harness_.KeyRelease(key);
      Log(std::string(press ? "key press " : "key release ") + std::to_string(key));
      break;
    }
    case 12: case 13: {
      const int id = AnyCommand();
      harness_.Command(id);
      Log("command " + std::to_string(id));
      break;
    }
    case 14: {
      const int id = AnyCommand();
      harness_.MenuCommand(id);
      Log("menu item " + std::to_string(id));
      break;
    }
    case 15: {
      const int id = AnyCommand();
      harness_.ButtonCommand(id);
      Log("button " + std::to_string(id));
      break;
    }
    case 16: {
      const int id = Pick(2000);  // most of these no handler knows
      harness_.Command(id);
      Log("command " + std::to_string(id));
      break;
    }
    case 17:
      if (Pick(4) == 0) {
        harness_.CloseFrame();
        Log("close box");
        break;
      }
      [[fallthrough]];
    default: {
      const int ms = Pick(1500);
      harness_.StepTimers(ms);
      Log("timers " + std::to_string(ms));
      break;
    }
  }
}
