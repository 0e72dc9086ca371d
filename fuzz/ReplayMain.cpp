// Runs a harness over every file of the folders (or files) given: the committed corpus of a
// fuzzer, replayed by the normal build's tests. An empty corpus fails, so a lost one is noticed.
#include "FuzzCheck.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        QStringList files;
        if (QFileInfo(path).isDir()) {
            QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                files << it.next();
            }
        } else {
            files << path;
        }
        for (const QString& file : files) {
            const QByteArray bytes = trelon::fuzz::readFile(file);
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size()));
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
