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
    qint64 count = whole + (rest > 122 || (rest == 122 && whole % 2 == 1) ? 1 : 0);
    return count < 1 ? 1 : count;
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

    RecordStore store(dir.path());
    check(store.openAndCount());
    check(store.RecordCount == roundedCount(bytes.size()));
    const qint64 shownEnd = std::min<qint64>(bytes.size(), 244 * qint64(store.RecordCount));

    for (int k = 1; k <= store.RecordCount + 1; ++k) {
        char raw[244];
        bool found = false;
        check(store.readRecordBytes(k, raw, found));
        const qint64 offset = 244 * qint64(k - 1);
        check(found == (offset < shownEnd));
        if (!found)
            continue;
        const qint64 present = std::min<qint64>(244, shownEnd - offset);
        check(QByteArray(raw, present) == bytes.mid(offset, present));
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
    QFile file(dir.filePath(QStringLiteral("Notes.dat")));
    check(file.open(QIODevice::ReadOnly));
    check(file.readAll() == bytes.mid(std::min<qint64>(244, shownEnd)));
    return 0;
}
