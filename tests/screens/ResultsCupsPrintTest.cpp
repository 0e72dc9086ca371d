// Printing through the clinic's real print queue: the table and the graph go to CUPS's
// cups-pdf printer, and the PDFs it writes are read back with pdftotext. Skipped, with the
// reason, where no CUPS scheduler with a cups-pdf queue runs; failed instead under CI=true,
// whose machine sets the queue up (scripts/start-cups.sh).
#include "results/ResultsPrint.h"
#include "support/ResultsGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

using namespace trelon;
using namespace trelon::test;

namespace {

const QString kName = QStringLiteral("Ковалёва");

// The cups-pdf queue and the folder its PDFs of this user's jobs land in, or why there is none.
struct CupsPdf {
    QString queue;
    QString outputDir;
    QString missing;
};

CupsPdf findCupsPdf() {
    QProcess lpstat;
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-v")});
    if (!lpstat.waitForFinished(10000) || lpstat.exitCode() != 0) {
        return {{}, {}, QStringLiteral("no CUPS scheduler runs (lpstat -v failed)")};
    }
    CupsPdf found;
    for (const QString& line :
         QString::fromLocal8Bit(lpstat.readAllStandardOutput()).split(u'\n')) {
        const auto match =
            QRegularExpression(QStringLiteral("^device for (\\S+): cups-pdf:")).match(line);
        if (match.hasMatch()) {
            found.queue = match.captured(1);
        }
    }
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (found.queue.isEmpty() || !conf.open(QIODevice::ReadOnly)) {
        return {{}, {}, QStringLiteral("CUPS runs but has no cups-pdf queue")};
    }
    found.outputDir = QDir::homePath() + QStringLiteral("/PDF");
    for (const QByteArray& line : conf.readAll().split('\n')) {
        if (line.startsWith("Out ")) {
            found.outputDir = QString::fromLocal8Bit(line.mid(4).trimmed())
                                  .replace(QStringLiteral("${HOME}"), QDir::homePath());
        }
    }
    return found;
}

class ResultsCupsPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        cups = findCupsPdf();
        if (!cups.missing.isEmpty() && qEnvironmentVariable("CI") == QStringLiteral("true")) {
            FAIL() << "printing through CUPS not possible: " << cups.missing.toStdString();
        }
        if (!cups.missing.isEmpty()) {
            GTEST_SKIP() << "printing through CUPS not tested: " << cups.missing.toStdString();
        }
    }

    // Prints with draw on the cups-pdf queue under a title of its own and returns the text of
    // the PDF written, pages separated by form feeds.
    QString printed(const QString& title, const std::function<void(QPainter&, QPrinter&)>& draw) {
        const QString job =
            QStringLiteral("%1%2").arg(title).arg(QCoreApplication::applicationPid());
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(cups.queue);
        printer.setDocName(job);
        QPainter painter;
        EXPECT_TRUE(painter.begin(&printer)) << "cannot print to " << cups.queue.toStdString();
        draw(painter, printer);
        painter.end();
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 60000) {
            const QStringList pdfs =
                QDir(cups.outputDir).entryList({job + QStringLiteral("*.pdf")}, QDir::Files);
            if (!pdfs.isEmpty()) {
                QThread::msleep(500); // cups-pdf renames the finished file into place
                const QString pdf = cups.outputDir + QLatin1Char('/') + pdfs.first();
                QProcess text;
                text.start(QStringLiteral("pdftotext"),
                           {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
                text.waitForFinished(30000);
                QFile::remove(pdf);
                return QString::fromUtf8(text.readAllStandardOutput());
            }
            QThread::msleep(200);
        }
        ADD_FAILURE() << "no PDF of job " << job.toStdString() << " in "
                      << cups.outputDir.toStdString();
        return {};
    }

    QString printedTable(const QString& title, const ResultsTable& table) {
        return printed(title, [&](QPainter& painter, QPrinter& printer) {
            PrintResultsTable(
                painter, [&printer] { return printer.newPage(); }, table,
                {kName, ResultsScreenCaption(table.procedure)}, Settings());
        });
    }

    // The rows of each page as (palette, figure) pairs read in print order. The queue's
    // PostScript step keeps Cyrillic text readable but not every Latin letter and digit, so
    // the rows are told apart by these two Cyrillic cells, which the generator varies with
    // every session.
    static std::vector<QStringList> rowsPerPage(const QString& text) {
        std::vector<QStringList> pages;
        const QRegularExpression row(
            QStringLiteral("(Первая|Вторая|Третья)\\s+(Круг|Самолёт|Бабочка|Груша)"));
        for (const QString& page : text.split(u'\f', Qt::SkipEmptyParts)) {
            QStringList rows;
            for (auto it = row.globalMatch(page); it.hasNext();) {
                const auto match = it.next();
                rows << match.captured(1) + u' ' + match.captured(2);
            }
            if (!rows.isEmpty()) {
                pages.push_back(rows);
            }
        }
        return pages;
    }

    // The same pairs for the sessions of the printed table, oldest first.
    static QStringList expectedRows(const ResultsTable& table) {
        QStringList rows;
        for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
            rows << row->cells[4] + u' ' + row->cells[5];
        }
        return rows;
    }

    ResultsTable kosoglTable(int sessions) const {
        std::vector<StoredRecord> records;
        for (int i = 8 * sessions - 1; i >= 0; --i) {
            records.push_back({i, generatedResult(i, 3, kName)});
        }
        return FillResultsTable(ProcedureKind::DiagKosogl, records, 3, {});
    }

    CupsPdf cups;
};

using Sessions = std::vector<int>;

} // namespace

TEST_F(ResultsCupsPrintTest, ThreeRowsPrintOnOnePageOldestFirstUnderTheTitles) {
    const ResultsTable table = kosoglTable(3);
    const QString text = printedTable(QStringLiteral("trelonTable3x"), table);
    EXPECT_TRUE(text.contains(kName)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Углы косоглазия")));
    EXPECT_TRUE(text.contains(QStringLiteral("Фигура")));
    EXPECT_EQ(rowsPerPage(text), std::vector<QStringList>{expectedRows(table)});
}

TEST_F(ResultsCupsPrintTest, ALongTableRepeatsTheBoundaryRowOnTheNextPage) {
    const ResultsTable table = kosoglTable(60);
    const QString text = printedTable(QStringLiteral("trelonTable60x"), table);
    const auto pages = rowsPerPage(text);
    ASSERT_EQ(pages.size(), 3u) << text.toStdString();
    EXPECT_EQ(pages[0].size(), pages[1].size());
    QStringList all = pages[0];
    for (std::size_t p = 1; p < pages.size(); ++p) {
        EXPECT_EQ(pages[p].first(), pages[p - 1].last());
        all += pages[p].mid(1);
    }
    EXPECT_EQ(all, expectedRows(table)); // every session once, the newest last
    EXPECT_EQ(text.count(kName), 3);
    EXPECT_EQ(text.count(QStringLiteral("Фигура")), 3); // the title row, on every page only
}

TEST_F(ResultsCupsPrintTest, AGraphOfSixtySessionsCarriesTheNameTitleAndLegend) {
    const GraphData graph = BuildGraphData(kosoglTable(60), {});
    const QString text = printed(QStringLiteral("trelonGraph60x"), [&](QPainter& painter,
                                                                       QPrinter&) {
        PrintResultsGraph(painter, graph, {kName, {}}, Settings(), QStringLiteral("Номер сеанса"));
    });
    for (const QString& expected :
         {kName, QStringLiteral("Измерение угла косоглазия"), QStringLiteral("По горизонтали"),
          QStringLiteral("По вертикали"), QStringLiteral("Номер сеанса")}) {
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n"
                                             << text.toStdString();
    }
}
