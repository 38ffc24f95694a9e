// Arbitrary bytes as Notes.dat: open, count, read every record, search, run a
// reminder pass and delete the first note. Aborts when a promise breaks.
#include "notebook/ContactSearch.h"
#include "notebook/RecordStore.h"
#include "reminders/ReminderScan.h"

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

qint64 roundedCount(qint64 size)
{
    const qint64 whole = size / 244;
    const qint64 rest = size % 244;
    return whole + (rest > 122 || (rest == 122 && whole % 2 == 1) ? 1 : 0);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    check(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64 * 244)
        return 0;
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile file(dir.filePath(QStringLiteral("Notes.dat")));
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }

    // Opening leaves whole records: the counted ones, a partial last one
    // completed with zero bytes; the bytes left out are kept in a file aside.
    RecordStore store(dir.path());
    check(store.openAndCount());
    const qint64 counted = roundedCount(bytes.size());
    check(store.RecordCount == std::max<qint64>(counted, 1));
    const qint64 shownEnd = 244 * counted;
    QByteArray whole = bytes.left(shownEnd);
    whole.append(shownEnd - whole.size(), '\0');
    check(contents(dir.filePath(QStringLiteral("Notes.dat"))) == whole);
    const QString aside = dir.filePath(QStringLiteral("Notes.dat.fragment"));
    const bool leftOut = bytes.size() > shownEnd;
    check(QFile::exists(aside) == leftOut && store.notice().isEmpty() == !leftOut);
    if (leftOut) {
        check(contents(aside) == bytes.mid(shownEnd));
        check(QFile::remove(aside));
    }

    for (int k = 1; k <= store.RecordCount + 1; ++k) {
        char raw[244];
        bool found = false;
        check(store.readRecordBytes(k, raw, found));
        const qint64 offset = 244 * qint64(k - 1);
        check(found == (offset < shownEnd));
        if (!found)
            continue;
        check(QByteArray(raw, 244) == whole.mid(offset, 244));
        // Every byte survives a read into a note and a write back.
        check(NoteRecord::fromBytes(raw).toBytes() == QByteArray(raw, 244));
        check(store.readRecord(k));
    }

    const QString answer = QString::fromLatin1(bytes.left(8));
    const ContactSearch::Result result = ContactSearch::find(store, answer);
    check(result.ok && result.record >= 0 && result.record <= store.RecordCount);
    check(ReminderScan::runPass(store, 45000, [] {}));

    // The delete removes exactly the first note's bytes and nothing else.
    const qint32 count = store.RecordCount;
    check(store.deleteRecord(1));
    check(store.RecordCount == std::max(count - 1, 1));
    check(contents(dir.filePath(QStringLiteral("Notes.dat"))) == whole.mid(244));
    return 0;
}
