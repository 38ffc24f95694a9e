// Arbitrary bytes as a line file: read, write back, read again. Aborts when a
// promise breaks.
#include "notebook/LineFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool promise)
{
    if (!promise)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1 << 16)
        return 0;
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Names.cat"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }

    QStringList lines;
    if (!LineFile::read(path, lines)) {
        // Only a list of more lines than a list holds is refused, and that takes more bytes.
        check(lines.isEmpty() && bytes.size() > LineFile::MaxEntries);
        return 0;
    }
    for (const QString &line : std::as_const(lines))
        check(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));
    check(lines.size() <= bytes.size());

    check(LineFile::write(path, lines));
    QStringList again;
    check(LineFile::read(path, again));
    check(again == lines);
    // Input already in the written form comes back byte for byte.
    const qsizetype pairs = bytes.count("\r\n");
    if (bytes.count('\r') == pairs && bytes.count('\n') == pairs && (bytes.isEmpty() || bytes.endsWith("\r\n"))) {
        QFile file(path);
        check(file.open(QIODevice::ReadOnly) && file.readAll() == bytes);
    }
    return 0;
}
