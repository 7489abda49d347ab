#include "DedaloWindow.h"

#include "Services.h"
#include "ShowMessage.h"

#include <QCoreApplication>
#include <QDir>

namespace dedalo {
namespace {
const char* const kFacing[4] = {"Vers l'est", "Vers le nord", "Vers l'ouest", "Vers le sud"};
const char* const kWall[4] = {"Aïe, je me suis cogné contre le mur est.", "Aïe, je me suis cogné contre le mur nord.",
                              "Aïe, je me suis cogné contre le mur ouest.", "Aïe, je me suis cogné contre le mur sud."};

QString StartNotice() {
  return QStringLiteral("Si le logiciel ne marche pas\n") + QStringLiteral("et affiche le message : \n") +
         QStringLiteral("\n") + QStringLiteral("    'GDI file read failure'\n") + QStringLiteral("\n") +
         QStringLiteral("Vérifiez que les six fichiers suivants\n") +
         QStringLiteral("sont bien dans le répertoire courant :\n") + QStringLiteral("- ES512128.bmp\n") +
         QStringLiteral("- NO512128.bmp\n") + QStringLiteral("- OU512128.bmp\n") + QStringLiteral("- SU512128.bmp\n") +
         QStringLiteral("- SO512512.bmp\n") + QStringLiteral("- PL512512.bmp\n") + QStringLiteral("\n") +
         QStringLiteral("Pour plus d'information lisez\n") + QStringLiteral("dans l'aide 'dedalo.HLP' la rubrique\n") +
         QStringLiteral("'Création de placages personnels'.\n");
}
}  // namespace

TMainWindowSuite::TMainWindowSuite() : TMainWindowBase(Config()) {
  Services::InformationBox(nullptr, QStringLiteral("A  T  T  E  N  T  I  O  N "), StartNotice());
  // The pictures load while the windows are made; what is missing is told
  // before the first board shows.
  textures_.LoadSoon({QDir::currentPath(), QCoreApplication::applicationDirPath()}, QStringLiteral(":/dedalo/textures"));
  plan_ = new TFenGraPlan(this, rooms_, player_);
  plan_->cellClicked = [this](int cx, int cy) { AddRoom(cx, cy); };

  // Each command answers to its button and to its picture menu item.
  OnCommandPair({cmd::Small, cmd::SmallMenu}, [this] { SetViewExponent(6); });
  OnCommandPair({cmd::Normal, cmd::NormalMenu}, [this] { SetViewExponent(7); });
  OnCommandPair({cmd::Large, cmd::LargeMenu}, [this] { SetViewExponent(8); });
  OnCommandPair({cmd::TurnRight, cmd::TurnRightMenu}, [this] { Turn(true); });
  OnCommandPair({cmd::TurnLeft, cmd::TurnLeftMenu}, [this] { Turn(false); });
  OnCommandPair({cmd::Forward, cmd::ForwardMenu}, [this] { Walk(Forward); });
  OnCommandPair({cmd::Back, cmd::BackMenu}, [this] { Walk(Back); });
  OnCommandPair({cmd::StepRight, cmd::StepRightMenu}, [this] { Walk(StepRight); });
  OnCommandPair({cmd::StepLeft, cmd::StepLeftMenu}, [this] { Walk(StepLeft); });
  OnCommandPair({cmd::SeeMaze, cmd::SeeMazeMenu}, [this] { SeeMaze(); });
}

void TMainWindowSuite::SetupWindow() {
  if (!textures_.Missing().isEmpty())
    Services::InformationBox(
        nullptr, QStringLiteral("A  T  T  E  N  T  I  O  N "),
        QStringLiteral("Ces placages sont introuvables ou illisibles :\n- ") + textures_.Missing().join(QStringLiteral("\n- ")) +
            QStringLiteral("\n\nLe jeu utilise à leur place les placages fournis avec lui."));
  TMainWindowBase::SetupWindow();
}

void TMainWindowSuite::ResetGame() {
  rooms_.Clear();
  player_ = Player{};
  player_.room = &rooms_.Add(0, 0);
  SetViewExponent(7);
}

void TMainWindowSuite::PlacePlan() {
  const QRect area = DrawingArea();
  const int n = view_.Half();
  // On a screen too narrow for the large view the plan keeps its smallest width.
  plan_->Place(2 * n + 4, 0, std::max(TCaptionedWindow::kMinimumWidth, area.width() - 2 * n - 4),
               std::max(TCaptionedWindow::kMinimumHeight, area.height()));
  plan_->SetRoom(area);
  plan_->show();
}

void TMainWindowSuite::SetViewExponent(int s) {
  view_.SetExponent(s);
  rooms_.Scale(s);
  PlacePlan();
  SeeMaze();
}

void TMainWindowSuite::Redraw() {
  SetMessageField(kFacing[player_.facing]);
  plan_->ShowPlayer();
  view_.Render(Screen(), player_, textures_);
  update(view_.Area(Screen().size()));
}

void TMainWindowSuite::SeeMaze() {
  SetMessageField(kFacing[player_.facing]);
  plan_->Repaint();
  ClearScreen();
  view_.Render(Screen(), player_, textures_);
  update();
}

void TMainWindowSuite::AddRoom(int cx, int cy) {
  // An occupied cell, one that touches the maze by a corner or not at all, or a
  // full table: a beep and nothing else.
  if (!rooms_.CanAdd(cx, cy)) {
    Services::Beep();
    return;
  }
  rooms_.Add(cx, cy).Scale(view_.Exponent());
  plan_->Repaint();
}

void TMainWindowSuite::Walk(Move move) {
  const int d = MoveDirection(player_.facing, move);
  static constexpr int kDelta[4][2] = {{kStep, 0}, {0, kStep}, {-kStep, 0}, {0, -kStep}};
  const int tx = player_.px + kDelta[d][0], ty = player_.py + kDelta[d][1];
  Piece* room = rooms_.At(CellIndex(tx), CellIndex(ty));
  if (!room) {
    ShowMessage(this, "B O U M,  A T T E N T I O N", QString::fromUtf8(kWall[d]), 3, MessageOk);
    return;
  }
  player_.px = tx;
  player_.py = ty;
  player_.room = room;
  Redraw();
}

void TMainWindowSuite::Turn(bool right) {
  player_.facing = right ? (player_.facing + 3) % 4 : (player_.facing + 1) % 4;
  Redraw();
}

}  // namespace dedalo
