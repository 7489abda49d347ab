#include "SettingsPage.h"

#include "LevelSettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
QComboBox* LevelChoices(const GameLevels& levels, int current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (int k = 0; k < levels.count; ++k)
    box->addItem(QStringLiteral("%1 : %2").arg(k + 1).arg(levels.names.value(k)));
  box->setCurrentIndex(current);
  return box;
}

QLabel* Heading(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}
}  // namespace

SettingsPage::SettingsPage(const std::vector<GameEntry>& games, const AskLevels& levels, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(QStringLiteral("Réglages"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Pour chaque jeu à niveaux : le niveau où l'enfant commence et le plus "
                                              "haut niveau qu'il peut choisir.\nChaque choix est enregistré aussitôt."),
                               this));
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  auto* table = new QWidget(scroll);
  auto* grid = new QGridLayout(table);
  grid->addWidget(Heading(QStringLiteral("Jeu"), table), 0, 0);
  grid->addWidget(Heading(QStringLiteral("Niveau de départ"), table), 0, 1);
  grid->addWidget(Heading(QStringLiteral("Plus haut niveau permis"), table), 0, 2);
  rows_.reserve(games.size());
  for (const GameEntry& game : games) {
    const std::optional<GameLevels> known = levels ? levels(game) : std::nullopt;
    if (!known || known->count <= 0) continue;
    const LevelChoice choice = LevelSettings::For(game.name, known->count, known->ownStart);
    const int line = static_cast<int>(rows_.size()) + 1;
    grid->addWidget(new QLabel(game.title, table), line, 0);
    rows_.push_back(Row{game.name, LevelChoices(*known, choice.start, table), LevelChoices(*known, choice.top, table)});
    const Row& row = rows_.back();
    row.start->setAccessibleName(game.title + QStringLiteral(" : niveau de départ"));
    row.top->setAccessibleName(game.title + QStringLiteral(" : plus haut niveau"));
    grid->addWidget(row.start, line, 1);
    grid->addWidget(row.top, line, 2);
  }
  // Connected once the rows stand still: the vector no longer moves.
  for (const Row& row : rows_) {
    QObject::connect(row.start, &QComboBox::currentIndexChanged, this, [this, &row] { Changed(row, true); });
    QObject::connect(row.top, &QComboBox::currentIndexChanged, this, [this, &row] { Changed(row, false); });
  }
  if (rows_.empty()) grid->addWidget(new QLabel(QStringLiteral("Aucun jeu à niveaux n'a répondu."), table), 1, 0, 1, 3);
  grid->setRowStretch(grid->rowCount(), 1);
  scroll->setWidget(table);
  layout->addWidget(scroll, 1);
  status_ = new QLabel(QStringLiteral("Fichier des réglages : %1").arg(LevelSettings::File()), this);
  status_->setWordWrap(true);
  layout->addWidget(status_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Fermer"));
  QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(760, 560);
}

const SettingsPage::Row* SettingsPage::Find(const QString& game) const {
  for (const Row& row : rows_)
    if (row.game == game) return &row;
  return nullptr;
}

void SettingsPage::Changed(const Row& row, bool startMoved) {
  LevelChoice choice{row.start->currentIndex(), row.top->currentIndex()};
  if (choice.start > choice.top) {
    // The one the grown-up did not touch follows.
    if (startMoved) {
      choice.top = choice.start;
      const QSignalBlocker quiet(row.top);
      row.top->setCurrentIndex(choice.top);
    } else {
      choice.start = choice.top;
      const QSignalBlocker quiet(row.start);
      row.start->setCurrentIndex(choice.start);
    }
  }
  if (LevelSettings::Save(row.game, choice)) {
    status_->setText(QStringLiteral("Enregistré dans %1").arg(LevelSettings::File()));
  } else {
    status_->setText(QStringLiteral("Impossible d'enregistrer dans %1").arg(LevelSettings::File()));
  }
}
