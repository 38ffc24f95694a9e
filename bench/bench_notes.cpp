// How fast the note file is scanned and rewritten, against plain file copies.
// Builds a Notes.dat of 100,000 notes in a temporary folder and prints the
// median of several runs of each measurement and the ratios we aim for.
#include "notebook/ContactSearch.h"
#include "notebook/RecordStore.h"
#include "reminders/ReminderScan.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Notes = 100000;
constexpr double Today = 45000;

double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &measured)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        measured();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Reads the whole file in large blocks, as any program reading it from start to end.
long long sequentialRead(const QString &path)
{
    const int fd = open(path.toLocal8Bit().constData(), O_RDONLY);
    std::vector<char> buffer(1 << 20);
    long long sum = 0;
    ssize_t got;
    while ((got = read(fd, buffer.data(), buffer.size())) > 0)
        sum += buffer[size_t(got) - 1];
    close(fd);
    return sum;
}

void copyFile(const QString &from, const QString &to, bool sync)
{
    const int in = open(from.toLocal8Bit().constData(), O_RDONLY);
    const int out = open(to.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char> buffer(1 << 20);
    ssize_t got;
    while ((got = read(in, buffer.data(), buffer.size())) > 0) {
        if (write(out, buffer.data(), size_t(got)) != got)
            std::perror("write");
    }
    if (sync)
        fsync(out);
    close(out);
    close(in);
}

void printRatio(const char *what, double measured, double base, double goal)
{
    std::printf("%s: %.2f (goal <= %.0f)\n", what, measured / base, goal);
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const QString master = dir.filePath("master.dat");
    {
        RecordStore build(dir.path());
        if (!build.openAndCount())
            return 1;
        QByteArray all;
        for (int n = 0; n < Notes; ++n) {
            NoteRecord note;
            note.NoteDate = Today + 10 + n % 300; // none due
            note.Category = "Work";
            note.Contact = QString("Contact %1").arg(n);
            note.Interval = 3;
            note.Notes = QString("Note number %1, with some words to fill the line.").arg(n);
            note.Reminder = n % 2;
            all += note.toBytes();
        }
        const int fd = open(master.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (write(fd, all.constData(), size_t(all.size())) != all.size())
            return 1;
        close(fd);
    }
    const QString notes = dir.filePath("Notes.dat");
    copyFile(master, notes, false);

    RecordStore store(dir.path());
    if (!store.openAndCount() || store.RecordCount != Notes)
        return 1;
    std::printf("Notes.dat: %d notes, %lld bytes\n", store.RecordCount, qint64(store.RecordCount) * 244);

    const int runs = 9;
    long long sink = 0;
    const auto nothing = [] {};
    const double read = medianMs(runs, nothing, [&] { sink += sequentialRead(notes); });
    int due = 0;
    const double pass = medianMs(runs, nothing, [&] { ReminderScan::runPass(store, Today, [&] { ++due; }); });
    int found = 0;
    const double search = medianMs(runs, nothing, [&] { found += ContactSearch::find(store, "nobody at all").record; });
    // Every contact begins "Contact ", so each one is compared further than its first letter.
    const double closeSearch = medianMs(runs, nothing, [&] { found += ContactSearch::find(store, "contact nobody").record; });
    std::printf("sequential read        %8.2f ms\n", read);
    std::printf("reminder pass, no due  %8.2f ms (%d due)\n", pass, due);
    std::printf("search, nothing found  %8.2f ms (%d found)\n", search, found);
    std::printf("search, close misses   %8.2f ms\n", closeSearch);

    const QString copy = dir.filePath("copy.dat");
    const double copied = medianMs(5, nothing, [&] { copyFile(notes, copy, true); });
    const double deleted = medianMs(5, [&] {
        copyFile(master, notes, true);
        store.openAndCount();
        store.CurrentRecord = Notes / 2;
    }, [&] { store.deleteRecord(Notes / 2); });
    std::printf("copy and fsync         %8.2f ms\n", copied);
    std::printf("delete in the middle   %8.2f ms\n", deleted);

    printRatio("reminder pass / sequential read", pass, read, 3);
    printRatio("search / sequential read", search, read, 3);
    printRatio("search of close misses / sequential read", closeSearch, read, 3);
    printRatio("delete / copy and fsync", deleted, copied, 2);
    return sink == 42 ? 2 : 0;
}
