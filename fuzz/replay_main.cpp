// Runs a fuzz target over every file of the given folders (or files), so that the seed corpus and
// any crash found by the fuzzer are replayed by ordinary test runs.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace
{
int runFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return 1;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    int failures = 0;
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            const QFileInfoList files = QDir(arg).entryInfoList(QDir::Files, QDir::Name);
            for (const QFileInfo &f : files) {
                failures += runFile(f.absoluteFilePath());
                ++count;
            }
        } else {
            failures += runFile(arg);
            ++count;
        }
    }
    std::printf("replayed %d inputs\n", count);
    return (failures == 0 && count > 0) ? 0 : 1;
}
