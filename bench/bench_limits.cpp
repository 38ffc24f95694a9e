// Files that are large but allowed, and those just beyond: how long loading
// the largest allowed list file and a property bag of 200,000 keys takes,
// and how fast a file of millions of line ends is refused. Prints the median
// of several runs of each.
#include "notebook/LineFile.h"
#include "notebook/frmNames.h"
#include "platform/objects/TextPropertyBag.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &measured)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        measured();
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void put(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

// count lines of width bytes each (before CR LF), all different.
QByteArray listOf(int count, int width)
{
    QByteArray data;
    data.reserve(qsizetype(count) * (width + 2));
    for (int i = 0; i < count; ++i) {
        QByteArray line = QByteArray("Contact ") + QByteArray::number(i);
        line = line.leftJustified(width, 'x', true);
        data += line + "\r\n";
    }
    return data;
}

void report(const char *what, double ms)
{
    std::printf("%-72s %9.1f ms\n", what, ms);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString names = dir.filePath(QStringLiteral("Names.cat"));
    QStringList lines;

    put(names, listOf(LineFile::MaxEntries, 20));
    report("LineFile::read, 32,767 names of 20 characters",
           medianMs(7, [&] { LineFile::read(names, lines); }));
    report("Contact List opened and shown with 32,767 names of 20 characters", medianMs(5, [&] {
               frmNames window(dir.path(), nullptr);
               window.show();
               QCoreApplication::processEvents();
           }));

    // The byte bound too: 32,767 lines that fill it.
    put(names, listOf(LineFile::MaxEntries, 254));
    report("LineFile::read, 32,767 lines of 254 characters (8 MiB)",
           medianMs(5, [&] { LineFile::read(names, lines); }));
    report("Contact List opened and shown with 32,767 names of 254 characters", medianMs(5, [&] {
               frmNames window(dir.path(), nullptr);
               window.show();
               QCoreApplication::processEvents();
           }));

    put(names, QByteArray(16000000, '\n'));
    report("LineFile::read refusing 16,000,000 bare line feeds",
           medianMs(5, [&] { LineFile::read(names, lines); }));

    // Linear: four times the keys, four times the time.
    for (int keys : {50000, 200000}) {
        QByteArray bag;
        for (int i = 0; i < keys; ++i)
            bag += "Key" + QByteArray::number(i) + " = int " + QByteArray::number(i) + "\n";
        const QString bagPath = dir.filePath(QStringLiteral("big.props"));
        put(bagPath, bag);
        const QByteArray what = "TextPropertyBag::fromFile, " + QByteArray::number(keys) + " keys ("
            + QByteArray::number(bag.size() / 1e6, 'f', 1) + " MB)";
        report(what.constData(), medianMs(5, [&] { TextPropertyBag::fromFile(bagPath); }));
    }
    return 0;
}
