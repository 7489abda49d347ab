#include "LauncherWindow.h"

#include "GameButton.h"
#include "ShowMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kBand = 96;
constexpr int kSpacing = 16;
const QColor kNavy(0, 0, 127);
}  // namespace

bool StartDetached(const QString& program, const QStringList& arguments) {
  return QProcess::startDetached(program, arguments);
}

LauncherWindow::LauncherWindow(std::vector<GameEntry> games, StartProgram start, QWidget* parent)
    : QWidget(parent), games_(std::move(games)), start_(std::move(start)) {
  setWindowTitle(QStringLiteral("Tavreno"));
  setAutoFillBackground(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(palette);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(kSpacing, kBand + kSpacing, kSpacing, kSpacing);
  outer->setSpacing(kSpacing);

  scroll_ = new QScrollArea(this);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->viewport()->setAutoFillBackground(false);
  grid_ = new QWidget(scroll_);
  grid_->setAutoFillBackground(false);
  layout_ = new QGridLayout(grid_);
  layout_->setSpacing(kSpacing);
  layout_->setContentsMargins(0, 0, 0, 0);
  for (int k = 0; k < static_cast<int>(games_.size()); ++k) {
    auto* button = new GameButton(games_[k], grid_);
    QObject::connect(button, &QAbstractButton::clicked, this, [this, k] { Start(k); });
    button->arrow = [this](int dx, int dy) { Move(dx, dy); };
    if (!buttons_.empty()) setTabOrder(buttons_.back(), button);
    buttons_.push_back(button);
  }
  scroll_->setWidget(grid_);
  outer->addWidget(scroll_, 1);

  if (games_.empty()) {
    auto* none = new QLabel(QStringLiteral("Aucun jeu n'est installé."), this);
    outer->insertWidget(0, none);
  }

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  settings_ = new QPushButton(QStringLiteral("Réglages (pour l'adulte)"), this);
  settings_->setFocusPolicy(Qt::TabFocus);
  bottom->addWidget(settings_);
  outer->addLayout(bottom);
  QObject::connect(settings_, &QPushButton::clicked, this, [this] {
    if (openSettings) openSettings();
  });
  if (!buttons_.empty()) setTabOrder(buttons_.back(), settings_);

  Lay(3);
  if (!buttons_.empty()) buttons_.front()->setFocus();
}

void LauncherWindow::Lay(int columns) {
  columns = std::max(columns, 1);
  if (columns == columns_) return;
  columns_ = columns;
  for (auto* button : buttons_) layout_->removeWidget(button);
  for (int k = 0; k < static_cast<int>(buttons_.size()); ++k)
    layout_->addWidget(buttons_[k], k / columns, k % columns);
  for (int c = 0; c < layout_->columnCount(); ++c) layout_->setColumnStretch(c, c < columns ? 1 : 0);
  layout_->setRowStretch(layout_->rowCount(), 1);
}

void LauncherWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The layout has not yet passed the new width to the scroll area: the room
  // is the window's, less its margins and a vertical scroll bar.
  const int room = width() - 2 * kSpacing - scroll_->verticalScrollBar()->sizeHint().width();
  Lay((room + kSpacing) / (GameButton::kMinimumWidth + kSpacing));
}

int LauncherWindow::Focused() const {
  const auto it = std::find(buttons_.begin(), buttons_.end(), focusWidget());
  return it == buttons_.end() ? -1 : static_cast<int>(it - buttons_.begin());
}

void LauncherWindow::Move(int dx, int dy) {
  const int count = static_cast<int>(buttons_.size());
  const int from = Focused();
  if (count == 0) return;
  if (from < 0) {
    buttons_.front()->setFocus(Qt::OtherFocusReason);
    return;
  }
  const int column = from % columns_ + dx;
  const int to = from + dx + dy * columns_;
  if (column < 0 || column >= columns_ || to < 0 || to >= count) return;
  buttons_[to]->setFocus(Qt::OtherFocusReason);
  scroll_->ensureWidgetVisible(buttons_[to], 0, kSpacing);
}

void LauncherWindow::Start(int index) {
  if (index < 0 || index >= static_cast<int>(games_.size())) return;
  const GameEntry& game = games_[index];
  if (start_ && start_(game.program, {})) return;
  ShowMessage(nullptr, QStringLiteral("A  T  T  E  N  T  I  O  N"),
              QStringLiteral("Le jeu « %1 » n'a pas pu démarrer.").arg(game.title),
              QStringLiteral("Programme introuvable ou illisible :"), game.program, 0, MessageOk);
}

void LauncherWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(0, 0, width(), kBand, kNavy);
  p.setPen(Qt::black);
  p.drawLine(0, kBand - 1, width(), kBand - 1);
  QFont big = font();
  big.setPointSizeF(font().pointSizeF() * 2.6);
  big.setBold(true);
  p.setFont(big);
  p.setPen(Qt::white);
  const QFontMetrics m(big);
  p.drawText(QRect(kSpacing, 8, width() - 2 * kSpacing, m.height()), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("T  A  V  R  E  N  O"));
  QFont small = font();
  small.setPointSizeF(font().pointSizeF() * 1.3);
  p.setFont(small);
  p.drawText(QRect(kSpacing, 8 + m.height(), width() - 2 * kSpacing, kBand - 16 - m.height()),
             Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Choisis un jeu : clique sur son image, ou flèches puis Entrée."));
}
