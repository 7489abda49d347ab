#include "TrazadoWindow.h"

#include "DC.h"

namespace trazado {
namespace {
// One axis down the middle of the board.
void DrawAxis(TDC& dc, const TPen& pen, QSize size) {
  dc.SelectObject(pen);
  dc.MoveTo(size.width() / 2, 0);
  dc.LineTo(size.width() / 2, size.height() - 5);
}
}  // namespace

const reseau::Variante& TMainWindowSuite::Game() {
  static const reseau::Variante variante{
      .columns = {2, 3, 4, 5},
      .rows = [](int n) { return 2 * n - 2; },  // the lattice fills the whole height
      .maxRows = 60,
      .maxColumns = 40,
      .models = {{{"V0.0 H1.0", "V0.0 V0.1 H1.0", "H0.0 V0.0 H1.0"},
                  {"H0.0 V0.0 H0.1 H1.0 V1.1 H2.0 V2.0 H2.1 V2.2 H3.0 H3.1",
                   "H0.0 V0.0 V0.1 V1.0 V1.1 V2.0 H2.1 V2.2 H3.0 H3.1",
                   "H0.0 V0.0 V0.1 H1.0 H1.1 V1.1 V1.2 H2.0 V2.0 H2.1 V2.1 H3.0"},
                  {"H0.0 V0.0 H0.1 H0.2 V0.3 V1.0 H1.1 V1.1 H1.2 V2.0 H2.1 V2.2 V3.0 H3.1 V3.1 V4.0 V4.1 H5.0",
                   "H0.1 V0.1 V0.2 H1.0 V1.0 H1.2 V1.3 H2.0 V2.1 H2.2 V2.2 H3.1 H4.0 V4.0 H4.1 H4.2 V4.3 H5.0 H5.1 H5.2",
                   "H0.0 V0.0 H0.1 H0.2 V0.3 V1.0 H1.1 V1.1 V1.2 V1.3 V2.0 V2.1 V2.3 V3.0 H3.1 H3.2 V4.0 H4.1 H4.2 V4.3 "
                   "H5.0 H5.1 H5.2"},
                  {"H0.1 V0.1 H0.2 V0.3 H1.0 V1.1 H1.3 V1.3 H2.1 H2.2 V2.2 V2.4 H3.0 V3.0 H3.1 V3.1 H3.2 H3.3 V3.3 "
                   "V4.1 V4.3 H5.1 V5.1 H5.2 V5.3 V6.1 V6.3 H7.0 H7.3",
                   "H0.0 V0.0 H0.1 H0.2 H0.3 V0.4 V1.0 H1.1 V1.1 H1.2 V1.3 V1.4 V2.0 V2.1 V2.2 V2.3 V2.4 V3.0 V3.1 "
                   "H3.2 V3.4 V4.0 H4.1 H4.2 H4.3 V5.0 H5.1 V5.1 H5.2 H5.3 V5.4 V6.0 H6.1 H6.2 V6.4 H7.0 H7.1 H7.2 H7.3",
                   "V0.2 H1.1 H1.2 V1.2 H2.1 H2.2 V2.2 V2.4 V3.0 H3.1 V3.1 V3.2 V3.4 H4.0 H4.1 H4.3 V4.3 V4.4 H5.2 "
                   "V5.2 V5.4 V6.0 H6.1 V6.1 V6.4 H7.0 H7.1 H7.2 H7.3"}}},
      .copies = {{reseau::Quadrant::NorEst, {}}},
      .modelTitle = " A T T E N T I O N !",
      .modelLines = {"Ce dessin ne doit pas être modifié.", "Il faut le reproduire identiquement",
                     "dans le rectangle à droite."},
      .missLine = "Il faut cliquer sur le bord des rectangles.",
      .oneErrorLine = "Mais il y reste une erreur.",
      .drawAxes = DrawAxis,
  };
  return variante;
}

TMainWindowSuite::TMainWindowSuite() : reseau::TMainWindowReseau(Config(), Game()) {}

}  // namespace trazado
