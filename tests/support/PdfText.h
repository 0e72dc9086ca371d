#pragma once
// Printouts read back: a drawing made on an A4 PDF page at 600 dpi, and what a poppler tool
// (pdftotext, pdftoppm) writes of that PDF to its standard output with the given options.
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace trelon::test {

inline QByteArray readPrintout(const std::function<void(QPainter&, QPdfWriter&)>& draw,
                               const QString& tool, QStringList options) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("printout.pdf"));
    {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(600);
        QPainter painter(&pdf);
        draw(painter, pdf);
    }
    options << path;
    if (tool == QLatin1String("pdftotext")) {
        options << QStringLiteral("-");
    }
    QProcess process;
    process.start(tool, options);
    EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString() << " did not run";
    return process.readAllStandardOutput();
}

} // namespace trelon::test
