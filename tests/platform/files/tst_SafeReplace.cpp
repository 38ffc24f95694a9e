// Whole-file replacement: the order of writes, flushes and the rename, a
// failing close, permissions, and files that are symbolic links.
#include "platform/files/SafeReplace.h"
#include "support/FaultyFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QStringList files(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden, QDir::Name);
}

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

} // namespace

class tst_SafeReplace : public QObject
{
    Q_OBJECT

private slots:
    // The temporary file is flushed after its last write and before the
    // rename; the folder is flushed after the rename.
    void flushComesBetweenWriteAndRename()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Category.cat");
        QVERIFY(put(path, "old\r\n"));
        FaultyFileOps faults;
        {
            ScopedFileOps use(&faults);
            QVERIFY(SafeReplace::writeFile(path, "new\r\n", nullptr));
        }
        const QStringList trace = faults.trace();
        const qsizetype rename = trace.indexOf(QRegularExpression("^rename Category\\.cat\\.\\w{8}\\.tmp Category\\.cat$"));
        const QString temp = trace.value(rename).section(' ', 1, 1);
        const qsizetype flush = trace.indexOf("fsync " + temp);
        QVERIFY(flush > trace.lastIndexOf("pwrite " + temp));
        QVERIFY(rename > flush);
        QVERIFY(trace.lastIndexOf("fsync " + QFileInfo(dir.path()).fileName()) > rename);
        QCOMPARE(contents(path), QByteArray("new\r\n"));
    }

    // A close that fails may have lost written bytes: the old file stays.
    void failingCloseKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Names.cat");
        QVERIFY(put(path, "Ann\r\n"));
        FaultyFileOps probe;
        {
            ScopedFileOps use(&probe);
            QVERIFY(SafeReplace::writeFile(path, "Bob\r\n", nullptr));
        }
        QVERIFY(put(path, "Ann\r\n"));
        FaultyFileOps faults;
        faults.failCall(int(probe.log().indexOf("close")) + 1, EIO);
        QString error;
        {
            ScopedFileOps use(&faults);
            QVERIFY(!SafeReplace::writeFile(path, "Bob\r\n", &error));
        }
        QCOMPARE(contents(path), QByteArray("Ann\r\n"));
        QCOMPARE(files(dir.path()), QStringList{"Names.cat"});
        QVERIFY(error.contains(FileOps::errorText(EIO)));
    }

    // The new file has the old one's permissions exactly, whatever the umask.
    void keepsTheOldPermissions_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("shared with everyone") << 0666;
        QTest::newRow("owner only") << 0600;
    }
    void keepsTheOldPermissions()
    {
        QFETCH(int, mode);
        QTemporaryDir dir;
        const QString path = dir.filePath("Category.cat");
        QVERIFY(put(path, "old\r\n"));
        QVERIFY(::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0);
        const mode_t before = ::umask(022);
        const bool written = SafeReplace::writeFile(path, "new\r\n", nullptr);
        ::umask(before);
        QVERIFY(written);
        QCOMPARE(int(modeOf(path)), mode);
    }

    // A linked file is replaced where it lives and the link stays; a link that
    // leads nowhere is reported and nothing is created through it.
    void linkedFileIsReplacedWhereItLives()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("synced"));
        const QString real = dir.filePath("synced/Category.cat");
        const QString link = dir.filePath("Category.cat");
        QVERIFY(put(real, "old\r\n"));
        QVERIFY(QFile::link(real, link));
        QVERIFY(SafeReplace::writeFile(link, "new\r\n", nullptr));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(contents(real), QByteArray("new\r\n"));
        QCOMPARE(files(dir.path()), (QStringList{"Category.cat", "synced"}));

        const QString dangling = dir.filePath("Names.cat");
        QVERIFY(QFile::link(dir.filePath("gone/Names.cat"), dangling));
        QString error;
        QVERIFY(!SafeReplace::writeFile(dangling, "Ann\r\n", &error));
        QVERIFY(error.contains("does not exist"));
        QVERIFY(QFileInfo(dangling).isSymLink());
        QVERIFY(!QFile::exists(dir.filePath("gone")));
    }

    // The login entry's way: a link in the file's place is itself replaced
    // by a regular file, and what it led to stays as it was.
    void linkCanBeReplacedInstead()
    {
        QTemporaryDir dir;
        const QString elsewhere = dir.filePath("system.desktop");
        const QString link = dir.filePath("jotwell.desktop");
        QVERIFY(put(elsewhere, "theirs\n"));
        QVERIFY(QFile::link(elsewhere, link));
        QVERIFY(SafeReplace::writeFile(link, "ours\n", nullptr, SafeReplace::Links::ReplaceLink));
        QVERIFY(!QFileInfo(link).isSymLink());
        QCOMPARE(contents(link), QByteArray("ours\n"));
        QCOMPARE(contents(elsewhere), QByteArray("theirs\n"));
    }

    // Every write takes a temporary name of its own: a name already taken
    // (by a writer in another process, say) is neither removed nor written
    // through; the write takes another.
    void temporaryNameAlreadyTakenIsPassedOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Names.cat");
        FaultyFileOps faults;
        faults.failCall(2, EEXIST); // the first exclusive creation, after the lstat of Names.cat
        {
            ScopedFileOps use(&faults);
            QVERIFY(SafeReplace::writeFile(path, "Ann\r\n", nullptr));
        }
        QCOMPARE(faults.log().mid(0, 3), (QStringList{"lstat", "open", "open"}));
        const QStringList opened = faults.trace().filter(QRegularExpression("^open "));
        QCOMPARE(opened.size(), 3); // two temporary names, then the folder to flush it
        QVERIFY(opened.at(0) != opened.at(1));
        QCOMPARE(contents(path), QByteArray("Ann\r\n"));
        QCOMPARE(files(dir.path()), QStringList{"Names.cat"});
    }

    // Two writers replacing one file through two links at once: no write
    // fails on the other's temporary file, and the file is always one of the
    // complete versions.
    void simultaneousWritersThroughLinks()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b") && QDir(dir.path()).mkpath("real"));
        const QString real = dir.filePath("real/Names.cat");
        QVERIFY(put(real, ""));
        QVERIFY(QFile::link(real, dir.filePath("a/Names.cat")));
        QVERIFY(QFile::link(real, dir.filePath("b/Names.cat")));
        const QByteArray first(64 * 1024, 'a'), second(64 * 1024, 'b');
        QAtomicInt failures;
        auto writer = [&](const QString &link, const QByteArray &data) {
            for (int i = 0; i < 40; ++i) {
                if (!SafeReplace::writeFile(link, data, nullptr))
                    failures.ref();
            }
        };
        std::unique_ptr<QThread> a(QThread::create(writer, dir.filePath("a/Names.cat"), first));
        std::unique_ptr<QThread> b(QThread::create(writer, dir.filePath("b/Names.cat"), second));
        a->start();
        b->start();
        QVERIFY(a->wait(60000) && b->wait(60000));
        QCOMPARE(failures.loadRelaxed(), 0);
        const QByteArray last = contents(real);
        QVERIFY(last == first || last == second);
        QCOMPARE(files(dir.filePath("real")), QStringList{"Names.cat"});
    }
};

QTEST_GUILESS_MAIN(tst_SafeReplace)
#include "tst_SafeReplace.moc"
