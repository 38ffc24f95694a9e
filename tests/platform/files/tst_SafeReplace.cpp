// Whole-file replacement: the order of writes, flushes and the rename, a
// failing close, permissions, and files that are symbolic links.
#include "platform/files/SafeReplace.h"
#include "support/FaultyFileOps.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
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
        const qsizetype rename = trace.indexOf("rename Category.cat.tmp Category.cat");
        const qsizetype flush = trace.indexOf("fsync Category.cat.tmp");
        QVERIFY(flush > trace.lastIndexOf("pwrite Category.cat.tmp"));
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
        QVERIFY(!QFile::exists(path + ".tmp"));
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
        QVERIFY(!QFile::exists(link + ".tmp"));

        const QString dangling = dir.filePath("Names.cat");
        QVERIFY(QFile::link(dir.filePath("gone/Names.cat"), dangling));
        QString error;
        QVERIFY(!SafeReplace::writeFile(dangling, "Ann\r\n", &error));
        QVERIFY(error.contains("does not exist"));
        QVERIFY(QFileInfo(dangling).isSymLink());
        QVERIFY(!QFile::exists(dir.filePath("gone")));
    }
};

QTEST_GUILESS_MAIN(tst_SafeReplace)
#include "tst_SafeReplace.moc"
