// How Jotwell reads its command line and writes its login entry.

#include "startup/Autostart.h"
#include "startup/LaunchOptions.h"

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
};

QTEST_GUILESS_MAIN(tst_Startup)
#include "tst_Startup.moc"
