// Printing the page through the print dialog's stand-in, into PDF files.
#include "PlumetaFixture.h"
#include "Printout.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace plumeta;

namespace {
// Page objects in a PDF file (the page tree's own entry is "/Type /Pages").
int PageCount(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray pdf = file.readAll();
  int n = 0;
  for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1))
    n += pdf.mid(at + 11, 1) != "s";
  return n;
}
// The pixels darker than mid-grey: the rendering blurs the page's edges over a few pixels.
QRect DarkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 128) bounds |= QRect(x, y, 1, 1);
  return bounds;
}
}  // namespace

class PlumetaPrintTest : public PlumetaTest {
protected:
  QString Pdf() const { return dir.filePath(QStringLiteral("page.pdf")); }
  // The dialog answered "print to this file".
  void ChoosePdf(const QString& path) {
    h->AnswerPrintDialogsWith([this, path](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      layout = printer.pageLayout();
      return true;
    });
  }
  void Blacken(const QRect& r) {
    W().DrawBoth([&](TDC& dc) { dc.FillRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1, TBrush(TColor::Black)); });
  }

  QTemporaryDir dir;
  QPageLayout layout;
};

TEST_F(PlumetaPrintTest, TheFirstPrintAsksTheNextOnesGoStraightToTheChosenPrinter) {
  ChoosePdf(Pdf());
  h->Command(cmd::Print);
  EXPECT_EQ(h->PrintDialogs(), 1);
  EXPECT_EQ(PageCount(Pdf()), 1);
  QFile::remove(Pdf());
  h->Command(cmd::Print);
  EXPECT_EQ(h->PrintDialogs(), 1);
  EXPECT_EQ(PageCount(Pdf()), 1);
  // The choice of printer asks again, and prints nothing.
  QFile::remove(Pdf());
  h->Command(cmd::ChoosePrinter);
  EXPECT_EQ(h->PrintDialogs(), 2);
  EXPECT_FALSE(QFile::exists(Pdf()));
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(PlumetaPrintTest, ACancelledDialogPrintsNothingAndTheNextPrintAsksAgain) {
  h->AnswerPrintDialogsWith([](QPrinter&) { return false; });
  h->Command(cmd::Print);
  h->Command(cmd::ChoosePrinter);
  h->Command(cmd::Print);
  EXPECT_EQ(h->PrintDialogs(), 3);
  // A printer chosen beforehand: the print asks no more.
  ChoosePdf(Pdf());
  h->Command(cmd::ChoosePrinter);
  EXPECT_FALSE(QFile::exists(Pdf()));
  h->Command(cmd::Print);
  EXPECT_EQ(h->PrintDialogs(), 4);
  EXPECT_EQ(PageCount(Pdf()), 1);
  EXPECT_EQ(h->PendingMessages(), 0u);
}

TEST_F(PlumetaPrintTest, APrintThatCannotStartSaysSo) {
  ChoosePdf(dir.filePath(QStringLiteral("no/such/folder/page.pdf")));
  h->Command(cmd::Print);
  const auto shown = h->TakeMessages();
  ASSERT_EQ(shown.size(), 1u);
  ExpectMessage(shown[0], "A  T  T  E  N  T  I  O  N", "L'impression n'a pas pu se faire.", "", 1);
}

TEST_F(PlumetaPrintTest, ThePageFillsThePaperCentredInItsProportionsWithoutTheEraserCircle) {
  const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  const QRect area = W().DrawingArea();
  const QRect square(100, 100, 200, 200);
  Blacken(square);
  h->Command(cmd::LargeEraser);
  h->Move(QPoint(700, 400));  // its circle shows on the window
  ChoosePdf(Pdf());
  h->Command(cmd::Print);
  ASSERT_EQ(PageCount(Pdf()), 1);
  ASSERT_EQ(layout.orientation(), QPageLayout::Landscape);

  // Rendered at 72 dots an inch, a pixel of the picture is a point of the paper.
  const QString png = dir.filePath(QStringLiteral("page"));
  ASSERT_EQ(QProcess::execute(pdftoppm, {"-r", "72", "-png", "-singlefile", Pdf(), png}), 0);
  const QImage paper(png + QStringLiteral(".png"));
  ASSERT_FALSE(paper.isNull());
  EXPECT_GT(paper.width(), paper.height());
  // Where the page should lie: the printable area, the page fitted inside it.
  const QRectF printable = layout.paintRect(QPageLayout::Point);
  const double scale = std::min(printable.width() / area.width(), printable.height() / area.height());
  const QPointF origin(printable.left() + (printable.width() - area.width() * scale) / 2,
                       printable.top() + (printable.height() - area.height() * scale) / 2);
  const QRect ink = DarkBounds(paper);
  EXPECT_TRUE(ink.adjusted(-8, -8, 8, 8).contains(InkBounds(paper.convertToFormat(QImage::Format_RGB32))))
      << "the square alone is printed: no eraser circle, nothing else";
  SCOPED_TRACE(testing::Message() << "printable " << printable.x() << "," << printable.y() << " " << printable.width() << "x"
                                  << printable.height() << ", area " << area.width() << "x" << area.height() << ", paper "
                                  << paper.width() << "x" << paper.height());
  EXPECT_NEAR(ink.left(), origin.x() + square.left() * scale, 2);
  EXPECT_NEAR(ink.top(), origin.y() + square.top() * scale, 2);
  EXPECT_NEAR(ink.width(), square.width() * scale, 2);
  EXPECT_NEAR(ink.height(), square.height() * scale, 2);
  // The page takes the paper's whole width or height.
  EXPECT_TRUE(std::abs(area.width() * scale - printable.width()) < 1 ||
              std::abs(area.height() * scale - printable.height()) < 1);
}

TEST(Printout, APictureFitsTheAreaWholeInItsProportionsCentred) {
  EXPECT_EQ(TPrintout::Fit(QSize(400, 300), QRect(0, 0, 800, 800)), QRect(0, 100, 800, 600));
  EXPECT_EQ(TPrintout::Fit(QSize(300, 400), QRect(10, 20, 800, 800)), QRect(110, 20, 600, 800));
  EXPECT_EQ(TPrintout::Fit(QSize(979, 671), QRect(0, 0, 979, 671)), QRect(0, 0, 979, 671));
  EXPECT_TRUE(TPrintout::Fit(QSize(0, 300), QRect(0, 0, 800, 800)).isEmpty());
}
