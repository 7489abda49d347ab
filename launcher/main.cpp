#include "GameCatalog.h"
#include "GrownUpQuestion.h"
#include "GuiApplication.h"
#include "LauncherWindow.h"
#include "LevelQuery.h"
#include "SettingsPage.h"

int main(int argc, char** argv) {
  TGuiApplication app(argc, argv);
  const QString here = QCoreApplication::applicationDirPath();
  const std::vector<GameEntry> games = GameCatalog::Load(GameCatalog::DefaultFile(here), here);
  LauncherWindow window(games, StartDetached);
  window.openSettings = [&] {
    const auto [a, b] = GrownUpQuestion::RandomTerms();
    GrownUpQuestion question(a, b, &window);
    if (question.exec() != QDialog::Accepted) return;
    SettingsPage page(games, [](const GameEntry& game) { return AskGameLevels(game.program); }, &window);
    page.exec();
  };
  window.showMaximized();
  return app.exec();
}
