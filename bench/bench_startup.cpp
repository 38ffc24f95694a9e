// Time from process start to a shown main window, with 100,000 notes and with
// an empty note file, and the resident memory of both; and, for scale, the
// time a bare Qt program takes to show a window with one label. Each start is a fresh
// child process (this program run with --child, or bench_bare_window), so
// nothing is warm in-process.

#include "notebook/NoteRecord.h"
#include "notebook/frmJotwell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int NoteCount = 100000;
constexpr int Runs = 7;

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int runChild(int argc, char **argv, const QString &folder)
{
    QApplication app(argc, argv);
    frmJotwell form(folder);
    form.show();
    QApplication::processEvents();
    std::printf("shown %ld\n", residentKiB());
    std::fflush(stdout);
    return 0;
}

struct Start
{
    double ms;
    long rssKiB;
};

Start startOnce(const QString &program, const QStringList &arguments)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    child.start(program, arguments);
    while (!child.canReadLine() && child.waitForReadyRead(60000)) {
    }
    const double ms = timer.nsecsElapsed() / 1e6;
    const QByteArray line = child.readLine().trimmed();
    child.waitForFinished(60000);
    return {ms, line.startsWith("shown ") ? line.mid(6).toLong() : -1};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    QTemporaryDir full, empty;
    {
        QFile notes(full.filePath(QStringLiteral("Notes.dat")));
        if (!notes.open(QIODevice::WriteOnly))
            return 1;
        NoteRecord note;
        note.Contact = QStringLiteral("Someone");
        note.Notes = QStringLiteral("A note of some length to fill the record.");
        note.Interval = 1;
        QByteArray all;
        all.reserve(NoteCount * NoteRecord::Size);
        for (int i = 0; i < NoteCount; ++i) {
            note.NoteDate = 40000 + i % 3000;
            all += note.toBytes();
        }
        notes.write(all);
    }

    const QString program = QCoreApplication::applicationFilePath();
    const QStringList emptyRun {QStringLiteral("--child"), empty.path()};
    const QStringList fullRun {QStringLiteral("--child"), full.path()};
    const QString bare = QStringLiteral(BARE_WINDOW_PATH);
    std::vector<double> fullMs, emptyMs, bareMs;
    long fullRss = 0, emptyRss = 0;
    startOnce(program, emptyRun); // warm the page cache for the binaries
    for (int i = 0; i < Runs; ++i) {
        const Start e = startOnce(program, emptyRun);
        const Start f = startOnce(program, fullRun);
        bareMs.push_back(startOnce(bare, {}).ms);
        emptyMs.push_back(e.ms);
        fullMs.push_back(f.ms);
        emptyRss = std::max(emptyRss, e.rssKiB);
        fullRss = std::max(fullRss, f.rssKiB);
    }

    QTextStream out(stdout);
    out << "start to shown window, empty file:          " << median(emptyMs) << " ms (median of " << Runs << ")\n";
    out << "start to shown window, " << NoteCount << " notes:       " << median(fullMs) << " ms\n";
    out << "ratio " << NoteCount << " notes / empty:             " << median(fullMs) / median(emptyMs) << " (goal <= 1.1)\n";
    out << "bare Qt program to shown window:            " << median(bareMs) << " ms\n";
    out << "ratio empty file / bare Qt window:          " << median(emptyMs) / median(bareMs) << " (goal <= 1.2)\n";
    out << "resident memory, empty file:               " << emptyRss << " KiB\n";
    out << "resident memory, " << NoteCount << " notes:             " << fullRss << " KiB (file is "
        << NoteCount * NoteRecord::Size / 1024 << " KiB)\n";
    return 0;
}
