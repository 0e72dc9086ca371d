#pragma once
// Printouts read back: a drawing made on an A4 PDF page, the text pdftotext finds in it (laid
// out as on the page, pages separated by form feeds), its words with their places, and the
// page as pdftoppm renders it.
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace trelon::test {

class Printout {
public:
    explicit Printout(const std::function<void(QPainter&, QPdfWriter&)>& draw) {
        QPdfWriter pdf(path_);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(600);
        QPainter painter(&pdf);
        draw(painter, pdf);
    }

    QString text() const { return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout")}); }

    // A word and its left edge as a share of the page width.
    struct Word {
        QString text;
        double left;
    };
    std::vector<Word> words() const {
        std::vector<Word> found;
        const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox")});
        const double width = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\""))
                                 .match(html)
                                 .captured(1)
                                 .toDouble();
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            found.push_back({match.captured(2), match.captured(1).toDouble() / width});
        }
        return found;
    }

    // The first page rendered at dpi.
    QImage image(int dpi) const {
        const QString stem = dir_.filePath(QStringLiteral("page"));
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi),
                      QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                      QStringLiteral("1"), QStringLiteral("-singlefile"), path_, stem});
        EXPECT_TRUE(render.waitForFinished(30000)) << "pdftoppm did not run";
        return QImage(stem + QStringLiteral(".png"));
    }

private:
    QString run(const QString& program, QStringList arguments) const {
        arguments << path_ << QStringLiteral("-");
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString() << " did not run";
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("printout.pdf"));
};

inline QString printedText(const std::function<void(QPainter&, QPdfWriter&)>& draw) {
    return Printout(draw).text();
}

} // namespace trelon::test
