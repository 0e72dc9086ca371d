// The printed table's pages and the text export's bytes.
#include "results/ResultsPrint.h"
#include "common/Cp1251.h"
#include "results/ResultsExport.h"
#include "results/ResultsTestFiles.h"
#include "results/VisionTypes.h"
#include "support/FileWriteFaults.h"
#include "support/PdfText.h"
#include "support/ResultsGenerator.h"

#include <QDir>
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

TEST(ResultsPrintTest, EveryPrintedRowReadsAsItsWholeCellsApart) {
    // Each procedure's sessions, with the longest diagnoses and a long figure name beside a
    // value, read back from the PDF: every row is its cells in order, each whole and apart.
    for (int kind = 1; kind <= 8; ++kind) {
        const auto procedure = static_cast<ProcedureKind>(kind);
        std::vector<StoredRecord> records;
        for (int i = 0; i < 7; ++i) {
            ResultRecord r = generatedResult(8 * i + kind - 1, 3, QStringLiteral("Ковалёва"));
            r.ObjectName = QStringLiteral("Мышеловка");
            r.ValueX = procedure == ProcedureKind::DiagCvetotest ? i + 1 : 0;
            records.push_back({i, r});
        }
        const ResultsTable table = FillResultsTable(procedure, records, 3, {});
        const QString text = printedText([&](QPainter& painter, QPdfWriter& pdf) {
            PrintResultsTable(
                painter, [&pdf] { return pdf.newPage(); }, table,
                {QStringLiteral("Ковалёва"), ResultsScreenCaption(procedure)}, Settings());
        });
        for (const ResultsRow& row : table.rows) {
            QStringList cells; // the words of the cells, escaped
            for (const QString& cell : row.cells.mid(0, table.columnCount() - 1)) {
                for (const QString& word : cell.split(u' ', Qt::SkipEmptyParts)) {
                    cells << QRegularExpression::escape(word);
                }
            }
            EXPECT_TRUE(text.contains(QRegularExpression(cells.join(QStringLiteral("\\s+")))))
                << kind << ": " << cells.join(u'|').toStdString() << "\n"
                << text.toStdString();
        }
    }
}

TEST(ResultsPrintTest, PrintedReserveMarkersAreAbout2mmAndNegativeOnesFilled) {
    std::vector<StoredRecord> records;
    for (int i = 0; i < 4; ++i) {
        ResultRecord r = generatedResult(8 * i + 3, 3, QStringLiteral("Ковалёва")); // DiagFuzia
        r.ObjectNumber = static_cast<std::uint16_t>(i % 2 + 1);                     // Р+, Р-
        records.push_back({i, r});
    }
    const GraphData graph =
        BuildGraphData(FillResultsTable(ProcedureKind::DiagFuzia, records, 3, {}), {});
    const QImage page = Printout([&](QPainter& painter, QPdfWriter&) {
                            PrintResultsGraph(painter, graph, {QStringLiteral("Ковалёва"), {}},
                                              Settings(), QStringLiteral("Номер сеанса"));
                        }).image(100);
    ASSERT_FALSE(page.isNull());
    // The legend's two markers, the only red and blue below the graph (T + Hg + 3 units).
    const auto legendMarker = [&page](auto isColour) {
        QRect box;
        for (int y = page.height() * 21 / 29; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (isColour(page.pixelColor(x, y))) {
                    box |= QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    };
    const QRect red = legendMarker([](QColor c) { return c.red() > 150 && c.green() < 100; });
    const QRect blue = legendMarker([](QColor c) { return c.blue() > 150 && c.red() < 100; });
    const double pixelsPerMm = 100 / 25.4;
    for (const QRect& marker : {red, blue}) {
        EXPECT_GT(marker.width(), 1.5 * pixelsPerMm);
        EXPECT_LT(marker.width(), 3 * pixelsPerMm);
        EXPECT_NEAR(marker.height(), marker.width(), 2);
    }
    EXPECT_GT(page.pixelColor(red.center()).green(), 200);  // open: white inside
    EXPECT_LT(page.pixelColor(blue.center()).green(), 100); // filled
}

TEST(ResultsPrintTest, PrintedScotomaPointsCountFromTheOldestUnderTheChosenDirection) {
    std::vector<StoredRecord> records;
    for (int i = 0; i < 3; ++i) {
        ResultRecord r = generatedResult(8 * i + 4, 3, QStringLiteral("Ковалёва")); // TrenScotoma
        r.WorkMode = 90;
        records.push_back({i, r});
    }
    ResultsFilters filters;
    filters.direction = 3; // 90 degrees
    const GraphData graph =
        BuildGraphData(FillResultsTable(ProcedureKind::TrenScotoma, records, 3, filters), filters);
    const Printout printout([&](QPainter& painter, QPdfWriter&) {
        PrintResultsGraph(painter, graph, {QStringLiteral("Ковалёва"), {}}, Settings(),
                          QStringLiteral("Номер сеанса"));
    });
    EXPECT_TRUE(printout.text().contains(
        QStringLiteral("Ликвидация функциональной скотомы - направление 90 град.")))
        << printout.text().toStdString();
    // Each number stands twice right of the vertical axis (a tenth of the page): under the axis
    // and beside its point, at nearly the same x.
    for (const char* digit : {"1", "2", "3"}) {
        const QString number = QString::fromLatin1(digit);
        std::vector<double> lefts;
        for (const Printout::Word& word : printout.words()) {
            if (word.text == number && word.left > 0.095) {
                lefts.push_back(word.left);
            }
        }
        ASSERT_EQ(lefts.size(), 2u) << number.toStdString();
        EXPECT_NEAR(lefts[0], lefts[1], 0.02) << number.toStdString();
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
