#pragma once
#include "GameCatalog.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class GameButton;
class QGridLayout;
class QPushButton;
class QScrollArea;

// Starts a program on its own, detached from the launcher; false when it
// could not be started.
using StartProgram = std::function<bool(const QString& program, const QStringList& arguments)>;
bool StartDetached(const QString& program, const QStringList& arguments);

// The launcher's window: a navy band with the suite's name, every game as a
// large picture button in a grid that follows the window's width, and the
// grown-up's « Réglages » below. A click or Enter starts the game as its own
// program and the launcher stays open; arrows and Tab move between games.
class LauncherWindow : public QWidget {
public:
  LauncherWindow(std::vector<GameEntry> games, StartProgram start, QWidget* parent = nullptr);

  const std::vector<GameButton*>& Buttons() const { return buttons_; }
  QPushButton* SettingsButton() const { return settings_; }
  int Columns() const { return columns_; }
  // What « Réglages » does; by default, the grown-up question then the page.
  std::function<void()> openSettings;

  // Starts the game of button `index`; a program that cannot start is told
  // in the games' message dialog.
  void Start(int index);
  // Moves the focus by (dx, dy) in the grid, stopping at its edges.
  void Move(int dx, int dy);

protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  void Lay(int columns);
  int Focused() const;

  std::vector<GameEntry> games_;
  StartProgram start_;
  std::vector<GameButton*> buttons_;
  QScrollArea* scroll_;
  QWidget* grid_;
  QGridLayout* layout_;
  QPushButton* settings_;
  int columns_ = 0;
};
