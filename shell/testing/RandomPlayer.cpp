#include "RandomPlayer.h"

#include "GameHarness.h"

#include <QPoint>

void RandomPlayer::Play(int steps) {
  // Any question may get either answer, but the program is never told to quit.
  harness_.AnswerWith([this](const ShownMessage& m) {
    if (m.kind != MessageYesNo) return int(AnswerYes);
    return m.line1.contains(QStringLiteral("quitter")) ? int(AnswerNo) : 1 + Pick(2);
  });
  for (int i = 0; i < steps; ++i) {
    Step();
    harness_.TakeMessages();
  }
  harness_.AnswerWith(nullptr);
}

void RandomPlayer::Step() {
  const QRect area = harness_.Window().DrawingArea();
  // Points a little beyond the area's far edges too, to exercise the clamping;
  // nothing left of it or above it, where the bars are.
  auto point = [&] { return QPoint(Pick(area.width() + 20), Pick(area.height() + 20)); };
  switch (Pick(10)) {
    case 0: case 1: case 2:
      harness_.Click(point());
      break;
    case 3:
      harness_.Click(point(), Qt::RightButton);
      break;
    case 4: {
      const QPoint from = point();
      harness_.Press(from);
      harness_.Move(point());
      harness_.Release(point());
      break;
    }
    case 5:
      harness_.Move(point());
      break;
    case 6: case 7:
      if (!keys_.empty()) harness_.Key(keys_[Pick(static_cast<int>(keys_.size()))]);
      break;
    case 8:
      if (!commands_.empty()) harness_.Command(commands_[Pick(static_cast<int>(commands_.size()))]);
      break;
    default:
      harness_.StepTimers(Pick(1500));
      break;
  }
}
