#pragma once
// Printouts read back: a drawing made on an A4 PDF page and the text pdftotext finds in it,
// laid out as on the page (pages separated by form feeds).
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace trelon::test {

inline QString pdfText(const QString& pdf) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(30000)) << "pdftotext did not run";
    return QString::fromUtf8(text.readAllStandardOutput());
}

inline QString printedText(const std::function<void(QPainter&, QPdfWriter&)>& draw) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printout.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(600);
        QPainter painter(&pdf);
        draw(painter, pdf);
    }
    return pdfText(path);
}

} // namespace trelon::test
