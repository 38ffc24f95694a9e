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
    // What the command line asks for: which action, which folder, and what
    // the Jotwell of the folder is to do. The two requests exclude each other
    // and --autostart starts nothing.
    void interpret_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("create");
        QTest::addColumn<Start>("start");

        const QString here = QStringLiteral("/home/u/work");
        const QString data = QStringLiteral("/home/u/.local/share/jotwell");
        QTest::newRow("no argument: the current folder") << QStringList {} << true << Action::Run << here << false << Start::Open;
        QTest::newRow("relative folder") << QStringList {"notes"} << true << Action::Run << here + "/notes" << false << Start::Open;
        QTest::newRow("absolute folder") << QStringList {"/srv/notes/"} << true << Action::Run << "/srv/notes" << false << Start::Open;
        QTest::newRow("data folder, created") << QStringList {"--data-folder"} << true << Action::Run << data << true << Start::Open;
        QTest::newRow("autostart on") << QStringList {"--autostart", "on"} << true << Action::AutostartOn << QString() << false << Start::Open;
        QTest::newRow("autostart=off") << QStringList {"--autostart=off"} << true << Action::AutostartOff << QString() << false << Start::Open;
        QTest::newRow("new note, data folder") << QStringList {"--data-folder", "--new-note"} << true << Action::Run << data << true << Start::NewNote;
        QTest::newRow("new alarm, a folder") << QStringList {"--new-alarm", "/srv/notes"} << true << Action::Run << "/srv/notes" << false << Start::NewAlarm;

        const auto refused = [](const char *name, const QStringList &arguments) {
            QTest::newRow(name) << arguments << false << Action::Run << QString() << false << Start::Open;
        };
        refused("two folders", {"a", "b"});
        refused("autostart neither on nor off", {"--autostart", "yes"});
        refused("autostart with a folder", {"--autostart", "on", "notes"});
        refused("autostart with data folder", {"--autostart", "off", "--data-folder"});
        refused("data folder and a folder", {"--data-folder", "notes"});
        refused("empty folder", {""});
        refused("note and alarm", {"--new-note", "--new-alarm"});
        refused("autostart and new note", {"--autostart", "on", "--new-note"});
    }

    void interpret()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        QFETCH(Action, action);
        LaunchOptions options;
        QVERIFY(options.parser().parse(QStringList {"jotwell"} + arguments));
        LaunchOptions::Request request;
        QString error;
        QCOMPARE(options.interpret("/home/u/work", "/home/u/.local/share/jotwell", &request, &error), accepted);
        if (!accepted) {
            QVERIFY(!error.isEmpty());
            return;
        }
        QCOMPARE(request.action, action);
        QTEST(request.folder, "folder");
        QTEST(request.createFolder, "create");
        if (action == Action::Run)
            QTEST(request.start, "start");
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
