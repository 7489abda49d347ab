#include "MiradorWindow.h"

#include "DC.h"

namespace mirador {
namespace {
// The left half of the horizontal axis, the top half of the vertical one, and
// a 3 x 3 block where they would meet.
void DrawAxes(TDC& dc, const TPen& pen, QSize size) {
  const int w = size.width() / 2, h = size.height() / 2;
  dc.SelectObject(pen);
  dc.MoveTo(0, h);
  dc.LineTo(w - 5, h);
  dc.MoveTo(w, 0);
  dc.LineTo(w, h - 5);
  for (int y = h - 1; y <= h + 1; ++y) {
    dc.MoveTo(w - 1, y);
    dc.LineTo(w + 2, y);
  }
}
}  // namespace

const reseau::Variante& TMainWindowSuite::Game() {
  using reseau::Quadrant;
  static const reseau::Variante variante{
      .columns = {3, 4, 5, 6},
      .rows = [](int n) { return n - 1; },
      .maxRows = 30,
      .maxColumns = 20,
      .models = {{{"H0.0 H0.1 V0.2", "H0.0 V0.1 H1.1", "H0.0 V0.0 V0.2 H1.0 H1.1"},
                  {"H0.2 V0.2 V0.3 V1.0 H1.1 V1.1 H2.0",
                   "H0.0 V0.0 H0.2 V0.2 V0.3 H1.0 V1.0 H1.1 V1.2 V1.3 H2.0 H2.2",
                   "H0.0 V0.0 V0.1 H1.0 H1.1 V1.2 H2.1 H2.2"},
                  {"H0.1 V0.1 H0.2 V0.3 H1.0 V1.0 V1.2 H1.3 V1.4 H2.0 H2.1 V2.2 H2.3 V2.3 H3.2",
                   "H0.1 V0.1 H0.2 V0.3 H1.1 V1.1 V1.2 V2.1 H3.0 H3.1",
                   "H0.2 V0.2 V0.3 V0.4 H1.1 V1.1 V1.3 V1.4 H2.0 V2.0 V2.3 V2.4 H3.0 H3.1 H3.2 H3.3"},
                  {"H0.0 V0.0 H0.1 H0.2 H0.3 H0.4 V0.5 V1.0 H1.1 V1.1 H1.2 H1.3 V1.4 V1.5 V2.0 V2.1 H2.2 V2.2 V2.3 "
                   "V2.4 V2.5 V3.0 H3.1 V3.3 V3.4 V3.5 H4.0 H4.1 H4.2 H4.4",
                   "H0.0 V0.0 H0.1 H0.2 V0.3 H0.4 V0.5 V1.0 H1.1 V1.1 H1.2 V1.5 V2.0 H2.1 H2.2 H2.3 V2.4 V2.5 V3.0 "
                   "H3.2 V3.2 H3.3 V3.5 H4.0 H4.2 H4.3 H4.4",
                   "H0.3 V0.3 H0.4 V0.5 H1.2 V1.2 H1.4 V1.4 H2.1 V2.1 H2.3 V2.3 H3.0 V3.0 H3.2 V3.2 H4.0 H4.1"}}},
      .copies = {{Quadrant::NorEst, {.columns = true, .rows = false}},
                 {Quadrant::SudWst, {.columns = false, .rows = true}},
                 {Quadrant::SudEst, {.columns = true, .rows = true}}},
      .modelTitle = " A T T E N T I O N , CE DESSIN NE DOIT PAS ETRE   M O D I F I E.",
      .modelLines = {"Il faut le reproduire symétriquement", "dans les autres rectangles.", nullptr},
      .missLine = "Il faut cliquer sur les lignes.",
      .oneErrorLine = "Mais il  reste encore une erreur.",
      .drawAxes = DrawAxes,
  };
  return variante;
}

TMainWindowSuite::TMainWindowSuite() : reseau::TMainWindowReseau(Config(), Game()) {}

}  // namespace mirador
