// Runs a fuzz target's entry point over every file of a corpus folder, so the seed corpus
// is exercised by ctest in the ordinary build.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s corpus-folder\n", argv[0]);
        return 2;
    }
    const QFileInfoList files = QDir(QString::fromLocal8Bit(argv[1])).entryInfoList(QDir::Files, QDir::Name);
    if (files.isEmpty()) {
        std::fprintf(stderr, "empty corpus: %s\n", argv[1]);
        return 1;
    }
    for (const QFileInfo &info : files) {
        QFile file(info.filePath());
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(info.filePath()));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%d inputs replayed\n", int(files.size()));
    return 0;
}
