// What Jotwell costs while it idles: CPU time over a stretch of idling with
// the clock ticking every second and the reminder scan on (1,000 notes, none
// due), and resident memory against a bare Qt window program. Both run as
// child processes of this program side by side.
//     bench_idle [seconds]     (60 by default)
// The children use the platform of the environment (QT_QPA_PLATFORM; a real
// X display when DISPLAY is set), offscreen when neither is given.

#include "notebook/NoteRecord.h"
#include "notebook/frmJotwell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <unistd.h>

namespace {

constexpr int NoteCount = 1000;

int runJotwell(int argc, char **argv, const QString &folder)
{
    QApplication app(argc, argv);
    frmJotwell form(folder);
    form.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

int runBare(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("A bare Qt window"));
    window.resize(426, 393);
    window.show();
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

struct Usage
{
    double cpuSeconds = -1;
    long rssKiB = -1;
};

Usage usageOf(qint64 pid)
{
    Usage usage;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        // Fields after the command name's closing parenthesis; utime and stime are 14 and 15.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 13)
            usage.cpuSeconds = double(fields.at(11).toLongLong() + fields.at(12).toLongLong()) / sysconf(_SC_CLK_TCK);
    }
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &l : status.readAll().split('\n'))
            if (l.startsWith("VmRSS:"))
                usage.rssKiB = l.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return usage;
}

bool startChild(QProcess &child, const QString &program, const QStringList &arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")) && !env.contains(QStringLiteral("DISPLAY")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, arguments);
    while (!child.canReadLine() && child.waitForReadyRead(60000)) {
    }
    return child.readLine().trimmed() == "ready";
}

bool writeNotes(const QString &folder)
{
    QFile notes(folder + QStringLiteral("/Notes.dat"));
    if (!notes.open(QIODevice::WriteOnly))
        return false;
    NoteRecord note;
    note.Contact = QStringLiteral("Someone");
    note.Notes = QStringLiteral("A note whose reminder day is years away.");
    note.Interval = 1;
    note.Reminder = 1;
    QByteArray all;
    for (int i = 0; i < NoteCount; ++i) {
        note.NoteDate = 80000 + i; // in the 2100s
        all += note.toBytes();
    }
    return notes.write(all) == all.size();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--jotwell")
        return runJotwell(argc, argv, QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && QByteArray(argv[1]) == "--bare")
        return runBare(argc, argv);

    QCoreApplication app(argc, argv);
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 60;
    QTemporaryDir folder;
    if (seconds <= 0 || !folder.isValid() || !writeNotes(folder.path()))
        return 1;

    const QString program = QCoreApplication::applicationFilePath();
    QProcess jotwell, bare;
    if (!startChild(jotwell, program, {QStringLiteral("--jotwell"), folder.path()})
        || !startChild(bare, program, {QStringLiteral("--bare")}))
        return 1;
    // Let start-up work settle before counting.
    QThread::sleep(3);
    const Usage jotwellStart = usageOf(jotwell.processId());
    const Usage bareStart = usageOf(bare.processId());
    QElapsedTimer timer;
    timer.start();
    QThread::sleep(seconds);
    const double elapsed = timer.nsecsElapsed() / 1e9;
    const Usage jotwellEnd = usageOf(jotwell.processId());
    const Usage bareEnd = usageOf(bare.processId());
    for (QProcess *child : {&jotwell, &bare}) {
        child->kill();
        child->waitForFinished(10000);
    }

    const double jotwellCpu = (jotwellEnd.cpuSeconds - jotwellStart.cpuSeconds) / elapsed * 100;
    const double bareCpu = (bareEnd.cpuSeconds - bareStart.cpuSeconds) / elapsed * 100;
    QTextStream out(stdout);
    out << "idle for " << elapsed << " s (" << NoteCount << " notes, reminding on, clock ticking)\n";
    out << "CPU, Jotwell:             " << jotwellCpu << " % of one core (goal <= 0.2)\n";
    out << "CPU, bare Qt window:      " << bareCpu << " % of one core\n";
    out << "resident memory, Jotwell: " << jotwellEnd.rssKiB << " KiB\n";
    out << "resident memory, bare:    " << bareEnd.rssKiB << " KiB\n";
    out << "ratio Jotwell / bare:     " << double(jotwellEnd.rssKiB) / bareEnd.rssKiB << " (goal <= 1.3)\n";
    return 0;
}
