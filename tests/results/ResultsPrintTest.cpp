// The printed table's pages and the text export's bytes.
#include "results/ResultsPrint.h"
#include "common/Cp1251.h"
#include "results/ResultsExport.h"
#include "results/ResultsTestFiles.h"
#include "support/FileWriteFaults.h"
#include "support/PdfText.h"
#include "support/ResultsGenerator.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace trelon;
using namespace trelon::test;

namespace {

using Rows = std::vector<int>;

ResultsTable kosoglTable(int sessions) {
    std::vector<StoredRecord> records;
    for (int i = 8 * sessions - 1; i >= 0; --i) {
        records.push_back({i, generatedResult(i, 3, QStringLiteral("Ковалёва"))});
    }
    return FillResultsTable(ProcedureKind::DiagKosogl, records, 3, {});
}

} // namespace

TEST(ResultsPrintTest, LongTablesRepeatEachPagesLastRowAndEndWithTheNewest) {
    // 3 rows fit one page, oldest first.
    EXPECT_EQ(PrintedTablePages(3, 10, 1000, 100), (std::vector<Rows>{{3, 2, 1}}));
    // (1000 - 200) / 100 - 2 = 6 new rows a page: 7 rows each, the boundary row twice.
    const auto pages = PrintedTablePages(15, 100, 1000, 100);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], (Rows{15, 14, 13, 12, 11, 10, 9}));
    EXPECT_EQ(pages[1], (Rows{9, 8, 7, 6, 5, 4, 3}));
    EXPECT_EQ(pages[2], (Rows{3, 2, 1}));
    // So many rows that counting pages by the rows' height alone would drop the newest ones:
    // (470 + 2) rows of 10 over 800 make 6 pages, but 469 rows after the first at 78 a page
    // need 7.
    const auto many = PrintedTablePages(470, 10, 1000, 100);
    EXPECT_EQ(many.size(), 7u);
    EXPECT_EQ(many.back().back(), 1);
}

TEST(ResultsPrintTest, ATableLongerThanAPagePrintsOnSeveralPdfPages) {
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("t.pdf")));
    pdf.setResolution(300);
    QPainter painter(&pdf);
    Settings settings;
    const int pages = PrintResultsTable(
        painter, [&pdf] { return pdf.newPage(); }, kosoglTable(120),
        {QStringLiteral("Ковалёва"), QStringLiteral("Углы")}, settings);
    painter.end();
    EXPECT_GE(pages, 3);
}

namespace {

// Sessions of a procedure with a long figure name beside a value, alternating positive and
// negative reserves, the scotoma trained at 90 degrees and, in the colour test, every
// diagnosis.
ResultsTable longTextTable(ProcedureKind procedure, int sessions, const ResultsFilters& f = {}) {
    std::vector<StoredRecord> records;
    for (int i = 0; i < sessions; ++i) {
        const int kind = static_cast<int>(procedure);
        ResultRecord r = generatedResult(8 * i + kind - 1, 3, QStringLiteral("Ковалёва"));
        r.ObjectName = QStringLiteral("Мышеловка");
        r.ObjectNumber = static_cast<std::uint16_t>(i % 2 + 1); // reserves Р+, Р-
        r.WorkMode = procedure == ProcedureKind::TrenScotoma ? 90 : r.WorkMode;
        r.ValueX = procedure == ProcedureKind::DiagCvetotest ? i + 1 : r.ValueX;
        records.push_back({i, r});
    }
    return FillResultsTable(procedure, records, 3, f);
}

QByteArray printedGraph(const GraphData& graph, const QString& tool, const QStringList& options) {
    return readPrintout(
        [&](QPainter& painter, QPdfWriter&) {
            PrintResultsGraph(painter, graph, {QStringLiteral("Ковалёва"), {}}, Settings(),
                              QStringLiteral("Номер сеанса"));
        },
        tool, options);
}

} // namespace

TEST(ResultsPrintTest, EveryPrintedRowReadsAsItsWholeCellsApart) {
    for (int kind = 1; kind <= 8; ++kind) {
        const ResultsTable table = longTextTable(static_cast<ProcedureKind>(kind), 7);
        const QString text = QString::fromUtf8(readPrintout(
            [&](QPainter& painter, QPdfWriter& pdf) {
                PrintResultsTable(
                    painter, [&pdf] { return pdf.newPage(); }, table, {}, Settings());
            },
            QStringLiteral("pdftotext"), {QStringLiteral("-layout")}));
        for (const ResultsRow& row : table.rows) {
            QStringList words; // of the printed cells, in order
            for (const QString& cell : row.cells.mid(0, table.columnCount() - 1)) {
                for (const QString& word : cell.split(u' ', Qt::SkipEmptyParts)) {
                    words << QRegularExpression::escape(word);
                }
            }
            EXPECT_TRUE(text.contains(QRegularExpression(words.join(QStringLiteral("\\s+")))))
                << kind << ": " << words.join(u' ').toStdString() << "\n"
                << text.toStdString();
        }
    }
}

TEST(ResultsPrintTest, PrintedReserveMarkersAreAbout2mmAndNegativeOnesFilled) {
    const QImage page = QImage::fromData(printedGraph(
        BuildGraphData(longTextTable(ProcedureKind::DiagFuzia, 4), {}), QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100")}));
    // The legend's markers, the only red and blue below the graph (21 units down).
    QRect red, blue;
    for (int y = page.height() * 21 / 29; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            red |= c.red() > 150 && c.green() < 100 ? QRect(x, y, 1, 1) : QRect();
            blue |= c.blue() > 150 && c.red() < 100 ? QRect(x, y, 1, 1) : QRect();
        }
    }
    for (const QRect& marker : {red, blue}) { // 1.5 to 3 mm at 100 dpi
        EXPECT_TRUE(marker.width() > 6 && marker.width() < 12 &&
                    std::abs(marker.height() - marker.width()) < 2)
            << marker.width() << "x" << marker.height();
    }
    EXPECT_GT(page.pixelColor(red.center()).green(), 200);  // open
    EXPECT_LT(page.pixelColor(blue.center()).green(), 100); // filled
}

TEST(ResultsPrintTest, PrintedScotomaPointsCountFromTheOldestUnderTheChosenDirection) {
    ResultsFilters f;
    f.direction = 3; // 90 degrees
    const GraphData graph = BuildGraphData(longTextTable(ProcedureKind::TrenScotoma, 3, f), f);
    const QString words = QString::fromUtf8(
        printedGraph(graph, QStringLiteral("pdftotext"), {QStringLiteral("-bbox")}));
    EXPECT_TRUE(words.contains(QStringLiteral(">направление</word>")) &&
                words.contains(QStringLiteral(">90</word>")));
    // Each number right of the vertical axis stands under the axis and beside its point at
    // nearly the same x (in points of the 595 wide page).
    for (const char* digit : {"1", "2", "3"}) {
        std::vector<double> xs;
        const QRegularExpression word(
            QStringLiteral("xMin=\"([0-9.]+)\"[^>]*>%1<").arg(QLatin1String(digit)));
        for (auto it = word.globalMatch(words); it.hasNext();) {
            const double x = it.next().captured(1).toDouble();
            if (x > 57) {
                xs.push_back(x);
            }
        }
        ASSERT_EQ(xs.size(), 2u) << digit;
        EXPECT_NEAR(xs[0], xs[1], 10) << digit;
    }
}

TEST(ResultsPrintTest, ExportsAppendWindows1251BlocksWithCrLf) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("rezults")));
    const QString path = ResultsExportPath(dir.path() + QLatin1Char('/'), 3);
    EXPECT_TRUE(path.endsWith(QStringLiteral("/rezults/3.txt")));
    const ResultsTable table = kosoglTable(2);
    const QByteArray block = ResultsExportBlock(QStringLiteral("Ковалёва"), table);
    ASSERT_TRUE(ExportResultsText(path, block).ok());
    ASSERT_TRUE(ExportResultsText(path, block).ok());

    const QByteArray expected =
        QByteArray("\xCA\xEE\xE2\xE0\xEB\xB8\xE2\xE0\r\n") +
        "\xC4\xE8\xE0\xE3\xED\xEE\xF1\xF2\xE8\xEA\xE0: " // "Диагностика: "
        "\xC8\xE7\xEC\xE5\xF0\xE5\xED\xE8\xE5 \xF3\xE3\xEB\xE0 "
        "\xEA\xEE\xF1\xEE\xE3\xEB\xE0\xE7\xE8\xFF\r\n" + // "Измерение угла косоглазия"
        QByteArray(27, '_') +
        "\r\n" +
        "N\tDate\t\xD0\xE0\xE7\xEC.\xE3\xF0.\tD,\xF1\xEC\t"
        "\xCF\xE0\xEB\xE8\xF2\xF0\xE0\t\xD4\xE8\xE3\xF3\xF0\xE0\tX,\xE3\xF0\xE0\xE4.\t"
        "Y,\xE3\xF0\xE0\xE4.\r\n" +
        *toCp1251(table.rows[1].cells.mid(0, 8).join(QLatin1Char('\t'))) + "\r\n" + // oldest
        *toCp1251(table.rows[0].cells.mid(0, 8).join(QLatin1Char('\t'))) + "\r\n";
    EXPECT_EQ(readRawFile(path), QByteArray(expected + expected));
}

TEST(ResultsPrintTest, AFailedExportNamesTheFileAndKeepsTheEarlierBlocks) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("12.txt"));
    ASSERT_TRUE(writeRawFile(path, "earlier\r\n"));
    FileWriteFaults::watch(dir.path());
    FileWriteFaults::reset();
    FileWriteFaults::arm(1, FileWriteFaults::Action::Fail, ENOSPC);
    const FileResult result = ExportResultsText(path, "block\r\n");
    FileWriteFaults::reset();
    FileWriteFaults::watch(QString());
    EXPECT_EQ(result.error, QStringLiteral("File ") + dir.filePath(QStringLiteral("12")) +
                                QStringLiteral(".txt is denyed for writing."));
    EXPECT_EQ(readRawFile(path), QByteArray("earlier\r\n"));
}
