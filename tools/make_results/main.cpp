// Writes a data folder with one patient whose results file holds sessions of all eight
// procedures, for looking at the results screen:
//     make_results <data folder> [sessions per procedure]
#include "support/ResultsGenerator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_results <data folder> [sessions per procedure]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const int perProcedure = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 12;
    const QString name = QStringLiteral("Ковалёва");
    QDir().mkpath(dir + QStringLiteral("/Rezults"));
    QFile people(dir + QStringLiteral("/People.txt"));
    QFile results(dir + QStringLiteral("/Rezults/1.dat"));
    const QByteArray list = QByteArray("\xCA\xEE\xE2\xE0\xEB\xB8\xE2\xE0\r\n1\r\n"); // Windows-1251
    const QByteArray bytes = trelon::test::generatedResultsFile(8 * perProcedure, 1, name);
    if (!people.open(QIODevice::WriteOnly) || people.write(list) != list.size() ||
        !results.open(QIODevice::WriteOnly) || results.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
