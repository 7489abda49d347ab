#pragma once
#include "GameCatalog.h"
#include "LevelQuery.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;

// The grown-up's page: for each game with levels, the level it starts at and
// the highest level the child may choose, each saved to the settings file as
// soon as it is chosen. The highest level never lies below the start: moving
// one moves the other with it.
class SettingsPage : public QDialog {
public:
  using AskLevels = std::function<std::optional<GameLevels>(const GameEntry&)>;
  SettingsPage(const std::vector<GameEntry>& games, const AskLevels& levels, QWidget* parent = nullptr);

  struct Row {
    QString game;
    QComboBox* start;
    QComboBox* top;
  };
  const std::vector<Row>& Rows() const { return rows_; }
  const Row* Find(const QString& game) const;
  QLabel* Status() const { return status_; }

private:
  void Changed(const Row& row, bool startMoved);

  std::vector<Row> rows_;
  QLabel* status_;
};
