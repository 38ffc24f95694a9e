// Compares ZVCalendar with QCalendarWidget: creating and showing one, and
// changing the month and painting it again. Prints medians and the ratio
// ours/QCalendarWidget; the goal is ours no slower (ratio <= 1).

#include "core/ZVCalendar.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    times.reserve(size_t(runs));
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Shows the widget and makes it paint once, as the first frame on screen.
void showAndPaint(QWidget &w)
{
    w.resize(210, 200);
    w.show();
    QCoreApplication::processEvents();
    w.grab();
}

// The offscreen platform warns once per shown window that it cannot pass
// size hints on; that says nothing about the figures.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.contains(QLatin1String("propagateSizeHints")) && previousHandler)
        previousHandler(type, context, message);
}

void report(const char *what, double ours, double theirs)
{
    std::printf("%-28s ZVCalendar %8.3f ms   QCalendarWidget %8.3f ms   ours/QCalendarWidget %5.2f (goal <= 1.00) %s\n", what, ours,
                theirs, ours / theirs, ours <= theirs ? "met" : "NOT met");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    previousHandler = qInstallMessageHandler(quietHandler);

    constexpr int CreateRuns = 41;
    constexpr int MonthRuns = 201;

    // One of each first, so that fonts, styles and caches are warm for both.
    {
        ZVCalendar warm;
        showAndPaint(warm);
        QCalendarWidget warmToo;
        showAndPaint(warmToo);
    }

    const double createOurs = medianMs(CreateRuns, [] {
        ZVCalendar c;
        showAndPaint(c);
    });
    const double createTheirs = medianMs(CreateRuns, [] {
        QCalendarWidget c;
        showAndPaint(c);
    });
    report("create and show", createOurs, createTheirs);

    ZVCalendar ours;
    showAndPaint(ours);
    QCalendarWidget theirs;
    showAndPaint(theirs);
    const double monthOurs = medianMs(MonthRuns, [&ours] {
        ours.NextMonth();
        ours.grab();
    });
    const double monthTheirs = medianMs(MonthRuns, [&theirs] {
        theirs.setSelectedDate(theirs.selectedDate().addMonths(1));
        theirs.grab();
    });
    report("change month and repaint", monthOurs, monthTheirs);
    return 0;
}
