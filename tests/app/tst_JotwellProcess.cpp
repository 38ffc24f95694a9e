// The real programs as processes: what they answer before any window opens,
// where Jotwell keeps its notes, and its login entry.

#include "NoteFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

// Runs program in folder with the display variables removed and the given
// ones set; a value of null removes that variable.
Outcome run(const QString &program, const QStringList &arguments, const QString &folder,
            const QList<std::pair<QString, QString>> &environment = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    for (const auto &[name, value] : environment)
        value.isNull() ? env.remove(name) : env.insert(name, value);
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

const QString Jotwell = QStringLiteral(JOTWELL_PATH);

// A display of its own with a notification area: Xvfb on a free display
// number, a window manager when there is one, and trayer as the area, a
// 32-pixel square in the top right corner, so the icon's place is known.
class TrayDesktop
{
public:
    static constexpr int Width = 1024;

    bool start()
    {
        m_xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                              QStringLiteral("0"), QStringLiteral("%1x600x24").arg(Width)});
        if (!m_xvfb.waitForReadyRead(10000))
            return false;
        display = QLatin1Char(':') + QString::fromLatin1(m_xvfb.readAllStandardOutput()).trimmed();
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        // The icon goes into the area on the display, not to a desktop bus.
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        m_wm.setProcessEnvironment(env);
        if (!QStandardPaths::findExecutable(QStringLiteral("openbox")).isEmpty())
            m_wm.start(QStringLiteral("openbox"), {});
        m_tray.setProcessEnvironment(env);
        m_tray.start(QStringLiteral("trayer"), {"--edge", "top", "--align", "right", "--widthtype", "pixel", "--width",
                                                "32", "--heighttype", "pixel", "--height", "32"});
        if (!m_tray.waitForStarted())
            return false;
        // The area's window up, so that Jotwell finds a tray when it starts.
        for (int i = 0; i < 100 && !xdotool({"search", "--classname", "trayer"}); ++i)
            QTest::qWait(100);
        return true;
    }
    ~TrayDesktop()
    {
        for (QProcess *p : {&m_tray, &m_wm, &m_xvfb}) {
            p->kill();
            p->waitForFinished();
        }
    }
    // xdotool on this display; true when it succeeded.
    bool xdotool(const QStringList &arguments) const
    {
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), arguments);
        return tool.waitForFinished(10000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    }
    bool hasWindow(const QString &title) const { return xdotool({"search", "--name", title}); }
    // Clicks the tray icon until its menu is up: the icon reaches the tray a
    // moment after the program's first window, and the menu comes the
    // double-click interval after the click. True once a new window shows.
    bool openTrayMenu() const
    {
        const int before = visibleWindows();
        for (int attempt = 0; attempt < 8; ++attempt) {
            xdotool({"mousemove", QString::number(Width - 16), "16", "click", "1"});
            for (int i = 0; i < 30; ++i) {
                QTest::qWait(100);
                if (visibleWindows() > before)
                    return true;
            }
        }
        return false;
    }
    int visibleWindows() const
    {
        QProcess tool;
        tool.setProcessEnvironment(env);
        tool.start(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--classname", "jotwell"});
        tool.waitForFinished(10000);
        return int(tool.readAllStandardOutput().count('\n'));
    }

    QString display;
    QProcessEnvironment env;

private:
    QProcess m_xvfb, m_wm, m_tray;
};

} // namespace

class tst_JotwellProcess : public QObject
{
    Q_OBJECT

private slots:
    // Answered without a display and without touching the current folder.
    void answersWithoutDisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString host = QStringLiteral(ZVCAL_HOST_PATH);
        QTest::newRow("help") << Jotwell << QStringList {"--help"} << 0 << "Usage: jotwell [options] [FOLDER]" << "";
        QTest::newRow("version") << Jotwell << QStringList {"--version"} << 0 << "Jotwell 1.0.17\n" << "";
        QTest::newRow("unknown option") << Jotwell << QStringList {"--bogus"} << 2 << "" << "Usage: jotwell";
        QTest::newRow("autostart maybe") << Jotwell << QStringList {"--autostart", "maybe"} << 2 << "" << "Usage: jotwell";
        QTest::newRow("two folders") << Jotwell << QStringList {"a", "b"} << 2 << "" << "Usage: jotwell";
        QTest::newRow("host help") << host << QStringList {"--help"} << 0 << "Usage: zvcal-host [options]" << "";
        QTest::newRow("host unknown option") << host << QStringList {"--bogus"} << 2 << "" << "Usage: zvcal-host";
        QTest::newRow("host version") << host << QStringList {"--version"} << 0 << "zvcal-host 2.1.0.1\n" << "";
    }

    void answersWithoutDisplay()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir folder;
        const Outcome outcome = run(program, arguments, folder.path());
        QTEST(outcome.status, "status");
        QVERIFY2(out.isEmpty() ? outcome.out.isEmpty() : outcome.out.startsWith(out), qPrintable(outcome.out));
        QVERIFY2(err.isEmpty() ? outcome.err.isEmpty() : outcome.err.contains(err), qPrintable(outcome.err));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void missingDisplayIsOneSentence_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("sentence");
        QTest::newRow("no display set") << QString() << "Jotwell needs a desktop: no display was found (neither DISPLAY nor WAYLAND_DISPLAY is set).\n";
        // No X server listens on this display number.
        QTest::newRow("display not answering") << ":59999" << "Jotwell cannot open a window: the display \":59999\" does not answer.\n";
    }

    void missingDisplayIsOneSentence()
    {
        QFETCH(QString, display);
        QTemporaryDir folder;
        const Outcome outcome = run(Jotwell, {}, folder.path(), {{"DISPLAY", display}});
        QCOMPARE(outcome.status, 1);
        QTEST(outcome.err, "sentence");
    }

    // From the desktop entry Jotwell works in ${XDG_DATA_HOME}/jotwell,
    // created when absent, not in the folder it was started in.
    void dataFolderFromDesktopEntry()
    {
        QTemporaryDir home;
        const QString data = home.filePath("data");
        const QString notes = data + "/jotwell/Notes.dat";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", data);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        // Where its socket goes, so that the killed Jotwell leaves none behind.
        QTemporaryDir runtime;
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        QProcess jotwell;
        jotwell.setProcessEnvironment(env);
        jotwell.setWorkingDirectory(home.path());
        jotwell.start(Jotwell, {"--data-folder"});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(notes) || jotwell.state() == QProcess::NotRunning, 20000);
        const bool created = QFile::exists(notes);
        jotwell.kill();
        jotwell.waitForFinished();
        QVERIFY2(created, jotwell.readAllStandardError().constData());
        QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList {"data"});
    }

    // Under a notification area, with real clicks: the tray menu comes up
    // while a reminder is up, Open says why it cannot show the window, and
    // Close ends Jotwell.
    void trayUnderAReminder()
    {
        for (const char *tool : {"Xvfb", "trayer", "xdotool"})
            if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
                QSKIP("needs Xvfb, trayer and xdotool");
        TrayDesktop desktop;
        QVERIFY(desktop.start());
        QTemporaryDir folder;
        NoteFiles::writeNotes(folder.path(), {NoteFiles::sample("Ann", "due", 1)});
        QProcess jotwell;
        jotwell.setProcessEnvironment(desktop.env);
        jotwell.setWorkingDirectory(folder.path());
        jotwell.start(Jotwell, {folder.path()});
        QTRY_VERIFY_WITH_TIMEOUT(desktop.hasWindow("Jotwell - Reminder"), 30000);

        // The menu takes the keys: the first item is Open, the last Close.
        QVERIFY(desktop.openTrayMenu());
        QVERIFY(desktop.xdotool({"key", "Down", "Return"}));
        QTRY_VERIFY_WITH_TIMEOUT(desktop.hasWindow("Error displaying Window!"), 10000);
        QVERIFY(desktop.xdotool({"key", "Return"}));
        QTRY_VERIFY_WITH_TIMEOUT(!desktop.hasWindow("Error displaying Window!"), 10000);
        QVERIFY(desktop.hasWindow("Jotwell - Reminder"));

        QVERIFY(desktop.openTrayMenu());
        QVERIFY(desktop.xdotool({"key", "Up", "Return"}));
        QVERIFY(jotwell.waitForFinished(10000));
        QCOMPARE(jotwell.exitStatus(), QProcess::NormalExit);
        QCOMPARE(jotwell.exitCode(), 0);
    }

    void autostartOnAndOff()
    {
        QTemporaryDir config;
        const QString entry = config.filePath("autostart/jotwell.desktop");
        const QList<std::pair<QString, QString>> env {{"XDG_CONFIG_HOME", config.path()}};

        Outcome outcome = run(Jotwell, {"--autostart", "on"}, config.path(), env);
        QCOMPARE(outcome.status, 0);
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
        QVERIFY(lines.contains("[Desktop Entry]"));
        QVERIFY(lines.contains("Type=Application"));
        QVERIFY(lines.contains("Exec=" + QFileInfo(Jotwell).canonicalFilePath() + " --data-folder"));

        outcome = run(Jotwell, {"--autostart", "off"}, config.path(), env);
        QCOMPARE(outcome.status, 0);
        QVERIFY(!QFile::exists(entry));
        // Already off is not an error.
        QCOMPARE(run(Jotwell, {"--autostart", "off"}, config.path(), env).status, 0);
    }

    // --help fits an 80-column terminal, names the folders this session
    // really uses and lists the desktop entry's actions.
    void helpFitsAndNamesRealFolders_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("jotwell") << Jotwell;
        QTest::newRow("zvcal-host") << QStringLiteral(ZVCAL_HOST_PATH);
    }

    void helpFitsAndNamesRealFolders()
    {
        QFETCH(QString, program);
        // Folder names long enough that the text around them has to wrap.
        QTemporaryDir home;
        const QString data = home.filePath("session-data");
        const QString config = home.filePath("session-configuration");
        const Outcome outcome = run(program, {"--help"}, home.path(), {{"XDG_DATA_HOME", data}, {"XDG_CONFIG_HOME", config}});
        QCOMPARE(outcome.status, 0);
        // Only a folder name too long for any line may stand out, alone.
        for (const QString &line : outcome.out.split('\n'))
            QVERIFY2(line.size() <= 79 || !line.trimmed().contains(' '), qPrintable(line));
        QVERIFY2(!outcome.out.contains("${"), qPrintable(outcome.out));
        if (program != Jotwell)
            return;
        // Unbroken, each on a line of its own where they do not fit beside the text.
        QVERIFY2(outcome.out.contains(data + "/jotwell"), qPrintable(outcome.out));
        QVERIFY2(outcome.out.contains(config + "/autostart/jotwell.desktop"), qPrintable(outcome.out));
        QVERIFY(outcome.out.contains("--new-note"));
        QVERIFY(outcome.out.contains("--new-alarm"));
        // An option's text goes on under its description, not under the option.
        const QStringList lines = outcome.out.split('\n');
        const qsizetype option = lines.indexOf(QRegularExpression("^  --new-note +Start a new note.*"));
        QVERIFY(option >= 0);
        const qsizetype column = lines[option].indexOf("Start");
        QVERIFY(lines[option + 1].startsWith(QString(column, ' ')));
        QVERIFY(lines[option + 1].at(column) != ' ');
    }

    // Started in a folder whose path is longer than the system allows,
    // Jotwell names the folder and the reason and ends, writing nothing
    // there or anywhere else.
    void overLongFolderEndsTheStart()
    {
        QTemporaryDir top;
        const QByteArray step(200, 'd');
        // Made step by step too: no call takes the whole path.
        int folder = ::open(QFile::encodeName(top.path()).constData(), O_RDONLY | O_DIRECTORY);
        for (int i = 0; i < 25 && folder >= 0; ++i) {
            const int inner = ::mkdirat(folder, step.constData(), 0700) == 0 ? ::openat(folder, step.constData(), O_RDONLY | O_DIRECTORY) : -1;
            ::close(folder);
            folder = inner;
        }
        QVERIFY(folder >= 0);
        ::close(folder);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess jotwell;
        jotwell.setProcessEnvironment(env);
        jotwell.setWorkingDirectory(top.path());
        // No shell enters such a folder by its name: the child goes down step by step.
        jotwell.setChildProcessModifier([step] {
            for (int i = 0; i < 25; ++i) {
                if (::chdir(step.constData()) != 0)
                    ::_exit(99);
            }
        });
        jotwell.start(Jotwell, {});
        QVERIFY(jotwell.waitForFinished(30000));
        const QString err = QString::fromLocal8Bit(jotwell.readAllStandardError());
        QCOMPARE(jotwell.exitCode(), 1);
        QVERIFY2(err.contains("File name too long") && err.contains(QString::fromLatin1(step)), qPrintable(err.left(300)));
        QProcess find;
        find.start("find", {top.path(), "-type", "f"});
        QVERIFY(find.waitForFinished());
        const QByteArray found = find.readAllStandardOutput();
        QProcess::execute("rm", {"-rf", top.path()});
        QCOMPARE(found, QByteArray());
        QVERIFY(!QFile::exists("/Notes.dat") && !QFile::exists("/Notes.lck"));
    }

    // Qt's own options are taken as Qt programs take them.
    void qtOptionsAreAccepted()
    {
        QTemporaryDir dir;
        const Outcome outcome = run(Jotwell, {"-platform", "offscreen", "-style", "fusion", "--version"}, dir.path());
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.out.startsWith("Jotwell "));
        QVERIFY(outcome.err.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_JotwellProcess)
#include "tst_JotwellProcess.moc"
