// How Jotwell reads its command line and writes its login entry.

#include "startup/Autostart.h"
#include "startup/LaunchOptions.h"
#include "platform/files/XdgFolders.h"
#include "platform/startup/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Action = LaunchOptions::Action;
using Start = InstanceChannel::Request;
Q_DECLARE_METATYPE(LaunchOptions::Action)

class tst_Startup : public QObject
{
    Q_OBJECT

private slots:
    void interpret_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("create");

        const QString here = QStringLiteral("/home/u/work");
        const QString data = QStringLiteral("/home/u/.local/share/jotwell");
        QTest::newRow("no argument: the current folder") << QStringList {} << true << Action::Run << here << false;
        QTest::newRow("relative folder") << QStringList {"notes"} << true << Action::Run << here + "/notes" << false;
        QTest::newRow("absolute folder") << QStringList {"/srv/notes/"} << true << Action::Run << "/srv/notes" << false;
        QTest::newRow("data folder, created") << QStringList {"--data-folder"} << true << Action::Run << data << true;
        QTest::newRow("autostart on") << QStringList {"--autostart", "on"} << true << Action::AutostartOn << QString() << false;
        QTest::newRow("autostart=off") << QStringList {"--autostart=off"} << true << Action::AutostartOff << QString() << false;

        QTest::newRow("two folders") << QStringList {"a", "b"} << false << Action::Run << QString() << false;
        QTest::newRow("autostart neither on nor off") << QStringList {"--autostart", "yes"} << false << Action::Run << QString() << false;
        QTest::newRow("autostart with a folder") << QStringList {"--autostart", "on", "notes"} << false << Action::Run << QString() << false;
        QTest::newRow("autostart with data folder") << QStringList {"--autostart", "off", "--data-folder"} << false << Action::Run << QString() << false;
        QTest::newRow("data folder and a folder") << QStringList {"--data-folder", "notes"} << false << Action::Run << QString() << false;
        QTest::newRow("empty folder") << QStringList {""} << false << Action::Run << QString() << false;
    }

    void interpret()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        LaunchOptions options;
        QVERIFY(options.parser().parse(QStringList {"jotwell"} + arguments));
        LaunchOptions::Request request;
        QString error;
        QCOMPARE(options.interpret("/home/u/work", "/home/u/.local/share/jotwell", &request, &error), accepted);
        if (!accepted) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QTEST(request.action, "action");
        QTEST(request.folder, "folder");
        QTEST(request.createFolder, "create");
    }

    // What the Jotwell of the folder is to do, with any folder choice; the
    // two requests exclude each other and --autostart starts nothing.
    void startRequest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Start>("start");
        QTest::addColumn<QString>("folder");

        QTest::newRow("plain start") << QStringList {} << true << Start::Open << "/home/u/work";
        QTest::newRow("new note, data folder") << QStringList {"--data-folder", "--new-note"} << true << Start::NewNote
                                               << "/home/u/.local/share/jotwell";
        QTest::newRow("new alarm, a folder") << QStringList {"--new-alarm", "/srv/notes"} << true << Start::NewAlarm
                                             << "/srv/notes";
        QTest::newRow("note and alarm") << QStringList {"--new-note", "--new-alarm"} << false << Start::Open << QString();
        QTest::newRow("autostart and new note") << QStringList {"--autostart", "on", "--new-note"} << false << Start::Open
                                                << QString();
    }

    void startRequest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        LaunchOptions options;
        QVERIFY(options.parser().parse(QStringList {"jotwell"} + arguments));
        LaunchOptions::Request request;
        QString error;
        QCOMPARE(options.interpret("/home/u/work", "/home/u/.local/share/jotwell", &request, &error), accepted);
        if (!accepted) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(request.action, Action::Run);
        QTEST(request.start, "start");
        QTEST(request.folder, "folder");
    }

    // The Exec key's quoting: reserved characters force double quotes, inside
    // which " ` $ \ are escaped, and the string escape doubles backslashes.
    void execQuoting_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("written");
        QTest::newRow("plain") << "/usr/bin/jotwell" << "/usr/bin/jotwell";
        QTest::newRow("space") << "/opt/my apps/jotwell" << "\"/opt/my apps/jotwell\"";
        QTest::newRow("single quote") << "/opt/it's/jotwell" << "\"/opt/it's/jotwell\"";
        QTest::newRow("dollar") << "/opt/a$b/jotwell" << "\"/opt/a\\\\$b/jotwell\"";
        QTest::newRow("double quote") << "/opt/a\"b/jotwell" << "\"/opt/a\\\\\"b/jotwell\"";
        QTest::newRow("backslash") << "/opt/a\\b/jotwell" << "\"/opt/a\\\\\\\\b/jotwell\"";
        QTest::newRow("percent") << "/opt/100%/jotwell" << "/opt/100%%/jotwell";
    }

    void execQuoting()
    {
        QFETCH(QString, argument);
        QTEST(Autostart::quoteExecArgument(argument), "written");
    }

    // Qt's standard options are QApplication's: the parser passes over them
    // (and their values), with one dash or two, joined by = or not.
    void qtOptionsArePassedOver()
    {
        const QList<QByteArray> given = {"jotwell", "-platform", "offscreen", "--style=fusion", "-reverse",
                                         "-qwindowtitle", "A title", "-stylesheet", "x.qss", "notes"};
        QList<char *> argv;
        for (const QByteArray &argument : given)
            argv << const_cast<char *>(argument.constData());
        LaunchOptions options;
        QCOMPARE(CommandLine::parse(options.parser(), int(argv.size()), argv.data()), std::nullopt);
        LaunchOptions::Request request;
        QString error;
        QVERIFY2(options.interpret("/home/u", "/data", &request, &error), qPrintable(error));
        QCOMPARE(request.folder, QStringLiteral("/home/u/notes"));
    }

    // A relative XDG_CONFIG_HOME or XDG_DATA_HOME is ignored, as the base
    // directory rules say; an absolute one is taken.
    void relativeXdgFoldersAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("taken");
        QTest::newRow("relative") << QByteArray("relcfg") << false;
        QTest::newRow("dot relative") << QByteArray("./cfg") << false;
        QTest::newRow("absolute") << QByteArray("/srv/cfg") << true;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void relativeXdgFoldersAreIgnored()
    {
        QFETCH(QByteArray, value);
        QFETCH(bool, taken);
        const QByteArray config = qgetenv("XDG_CONFIG_HOME"), data = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", value);
        qputenv("XDG_DATA_HOME", value);
        const QString configHome = XdgFolders::configHome(), dataHome = XdgFolders::dataHome();
        const QString entry = Autostart::entryPath(), notes = LaunchOptions::sessionDataFolder();
        qputenv("XDG_CONFIG_HOME", config);
        qputenv("XDG_DATA_HOME", data);
        QCOMPARE(configHome, taken ? QString::fromLatin1(value) : QDir::homePath() + "/.config");
        QCOMPARE(dataHome, taken ? QString::fromLatin1(value) : QDir::homePath() + "/.local/share");
        QCOMPARE(entry, configHome + "/autostart/jotwell.desktop");
        QCOMPARE(notes, dataHome + "/jotwell");
    }

    // A login entry that is a link is replaced by the entry; what it led to
    // (a desktop entry of the system, say) is not written.
    void linkedLoginEntryIsReplaced()
    {
        QTemporaryDir dir;
        const QString elsewhere = dir.filePath("jotwell-menu.desktop");
        QFile file(elsewhere);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[Desktop Entry]\n") > 0);
        file.close();
        const QString entry = dir.filePath("autostart/jotwell.desktop");
        QVERIFY(QDir(dir.path()).mkdir("autostart"));
        QVERIFY(QFile::link(elsewhere, entry));
        QString error;
        QVERIFY2(Autostart::enable(entry, "/usr/bin/jotwell", &error), qPrintable(error));
        QVERIFY(!QFileInfo(entry).isSymLink());
        QVERIFY(QFileInfo(entry).size() > 20);
        QCOMPARE(QFileInfo(elsewhere).size(), 16);
    }

    // The folder asked for, or nothing: one that cannot be entered is named
    // with the reason, and the current folder stays where it was.
    void folderThatCannotBeUsed_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("message");
        QTemporaryDir dir;
        QTest::newRow("longer than the system allows") << "/tmp/" + QString(5000, 'd')
                                                       << "cannot work in the folder /tmp/ddd";
        QTest::newRow("absent") << "/tmp/no/such/folder" << "There is no folder /tmp/no/such/folder.";
        QTest::newRow("a file") << "/dev/null" << "There is no folder /dev/null.";
    }
    void folderThatCannotBeUsed()
    {
        QFETCH(QString, folder);
        QFETCH(QString, message);
        const QString before = QDir::currentPath();
        QString error;
        QVERIFY(!LaunchOptions::prepareFolder(LaunchOptions::Request {Action::Run, folder, false}, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(QDir::currentPath(), before);
    }
};

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_Startup.moc"
