// The yardstick of bench_startup: the smallest Qt program that shows a window
// with a line of text (so it starts the font machinery as any real window
// does), the size of Jotwell's main window. It links Qt and nothing else.

#include <QApplication>
#include <QLabel>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello"));
    window.resize(426, 413);
    window.show();
    QApplication::processEvents();
    std::printf("shown\n");
    std::fflush(stdout);
    return 0;
}
