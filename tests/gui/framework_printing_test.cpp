// Printing: the dialog seam, pages broken at line boundaries in blocks of
// 720 points, and a text printer that always advances.
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "framework/controls.h"
#include "framework/printing.h"
#include "framework_test_support.h"

namespace framework_test {
namespace {

class PrintingTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    pdf = dir.filePath("out.pdf").toStdString();
    OpenWindow([&](TestWindow& w) {
      area =
          Place<fw::TextArea>(w, "Area", 10, 10, 300, 200, {{"TextFont", std::string("Courier")}});
    });
    area->SetTextSize(12);
  }

  // The program's print loop: one block per page, a break between blocks.
  int PrintArea() {
    auto surface = fw::OpenPrinterDialog();
    if (!surface) return -1;
    auto printer = area->StyledTextPrinterFor(*surface, 540);
    int blocks = 0;
    while (!printer->EndOfFile()) {
      printer->DrawBlock(0, 0, 720);
      ++blocks;
      if (!printer->EndOfFile()) surface->NextPage();
      EXPECT_LT(blocks, 1000) << "printing does not advance";
      if (blocks >= 1000) break;
    }
    return blocks;
  }

  int PdfPages() const {
    QProcess info;
    info.start("pdfinfo", {QString::fromStdString(pdf)});
    info.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
      if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    return -1;
  }

  static std::string Lines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "Line " + std::to_string(i) + "\r";
    return text;
  }

  QTemporaryDir dir;
  std::string pdf;
  std::shared_ptr<fw::TextArea> area;
};

TEST_F(PrintingTest, ATextOfThreeBlocksPrintsOnThreePages) {
  // Courier 12 runs about 13.6 points a line: 52 lines to a block of 720.
  area->SetText(Lines(120));
  fw::seams::SetPrintDialogToPdf(pdf);
  EXPECT_EQ(PrintArea(), 3);
  EXPECT_EQ(fw::seams::PrintDialogsOpened(), 1);
  EXPECT_EQ(PdfPages(), 3);
}

TEST_F(PrintingTest, BlocksEndAtLineBoundariesSoEveryLineIsPrintedOnce) {
  area->SetText(Lines(120));
  fw::seams::SetPrintDialogToPdf(pdf);
  ASSERT_EQ(PrintArea(), 3);
  QProcess text;
  text.start("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
  text.waitForFinished(30000);
  const QString out = QString::fromUtf8(text.readAllStandardOutput());
  for (int i = 1; i <= 120; ++i)
    EXPECT_EQ(out.count(QRegularExpression(QString("\\bLine %1\\b").arg(i))), 1) << i;
}

TEST_F(PrintingTest, ACancelledDialogPrintsNothing) {
  area->SetText(Lines(5));
  fw::seams::SetPrintDialogCancels();
  EXPECT_EQ(PrintArea(), -1);
  EXPECT_EQ(fw::seams::PrintDialogsOpened(), 1);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(pdf)));
}

TEST_F(PrintingTest, AnEmptyTextIsAtItsEndAtOnceAndOneLineFitsOnePage) {
  fw::seams::SetPrintDialogToPdf(pdf);
  {
    auto surface = fw::OpenPrinterDialog();
    ASSERT_NE(surface, nullptr);
    EXPECT_TRUE(area->StyledTextPrinterFor(*surface, 540)->EndOfFile());
  }
  area->SetText("\r");
  EXPECT_EQ(PrintArea(), 1);
}

TEST_F(PrintingTest, ALineTallerThanABlockIsDrawnAloneSoPrintingAdvances) {
  area->SetTextSize(72);
  area->SetText("Tall\rTall\r");
  fw::seams::SetPrintDialogToPdf(pdf);
  auto surface = fw::OpenPrinterDialog();
  auto printer = area->StyledTextPrinterFor(*surface, 540);
  int blocks = 0;
  while (!printer->EndOfFile() && blocks < 10) {
    printer->DrawBlock(0, 0, 20);
    ++blocks;
  }
  EXPECT_EQ(blocks, 3);  // two lines and the empty last one
}

TEST_F(PrintingTest, ATextFarLongerThanOneLayoutPrintsEveryLineOnceEvenWhileItGoesIn) {
  // 26,000 lines of 72 points run past two million points, beyond the
  // coordinates that one layout of the whole text could hold.
  area->SetTextSize(72);
  const auto* edit = static_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*area));
  // Printed at once, while it goes into the area: a text set is printed
  // without waiting for it, a pasted one once it is all in.
  for (const bool pasted : {false, true}) {
    SCOPED_TRACE(pasted ? "pasted" : "set");
    area->SetText("Before\r");
    if (pasted) {
      area->SetSelLength(7);  // the paste takes its place
      QApplication::clipboard()->setText(QString::fromStdString(Lines(26000)));
      QTest::keyClick(fw::qt::WidgetOf(*area), Qt::Key_V, Qt::ControlModifier);
    } else {
      area->SetText(Lines(26000));
    }
    ASSERT_LT(edit->blockCount(), 26000) << "still going in";
    fw::seams::SetPrintDialogToPdf(pdf);
    {
      auto surface = fw::OpenPrinterDialog();
      auto printer = area->StyledTextPrinterFor(*surface, 540);
      for (int blocks = 0; !printer->EndOfFile() && blocks < 5000; ++blocks) {
        printer->DrawBlock(0, 0, 720);
        if (!printer->EndOfFile()) surface->NextPage();
      }
      EXPECT_TRUE(printer->EndOfFile());
    }
    EXPECT_EQ(edit->blockCount() > 26000, pasted);
    QProcess text;
    text.start("pdftotext", {QString::fromStdString(pdf), "-"});
    text.waitForFinished(60000);
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    for (int i : {1, 24000, 25000, 26000})
      EXPECT_EQ(out.count(QRegularExpression(QString("\\bLine %1\\b").arg(i))), 1) << i;
    EXPECT_FALSE(out.contains("Before"));
  }
}

}  // namespace
}  // namespace framework_test
