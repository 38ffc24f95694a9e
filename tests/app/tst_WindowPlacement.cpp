// Where the small windows open near their owners, on a 1280 x 800 screen
// whose available area leaves 30 pixels at the top for a panel.
#include "notebook/WindowPlacement.h"

#include <QTest>

namespace {

const QRect Screen(0, 30, 1280, 770);

} // namespace

class tst_WindowPlacement : public QObject
{
    Q_OBJECT
private slots:
    void besideWindow_data()
    {
        QTest::addColumn<QRect>("owner");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("room on the right") << QRect(400, 200, 430, 420) << QSize(125, 165) << QPoint(834, 200);
        QTest::newRow("owner at the right edge: left of it") << QRect(840, 100, 430, 420) << QSize(125, 165)
                                                             << QPoint(711, 100);
        QTest::newRow("no room either side: over it") << QRect(20, 60, 1240, 420) << QSize(125, 165) << QPoint(36, 76);
        QTest::newRow("owner low on the screen: moved up") << QRect(400, 700, 430, 420) << QSize(125, 165)
                                                           << QPoint(834, 635);
        QTest::newRow("owner hidden off the top: moved down") << QRect(400, -50, 430, 420) << QSize(125, 165)
                                                              << QPoint(834, 30);
    }

    void besideWindow()
    {
        QFETCH(QRect, owner);
        QFETCH(QSize, window);
        QTEST(WindowPlacement::besideWindow(owner, window, Screen), "at");
    }

    void underControl_data()
    {
        QTest::addColumn<QRect>("control");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("room below") << QRect(500, 300, 105, 21) << QSize(187, 49) << QPoint(500, 321);
        QTest::newRow("no room below: above") << QRect(500, 760, 105, 21) << QSize(187, 49) << QPoint(500, 711);
        QTest::newRow("near the right edge: kept on screen") << QRect(1200, 300, 105, 21) << QSize(187, 49)
                                                             << QPoint(1093, 321);
        QTest::newRow("off the left edge") << QRect(-40, 300, 105, 21) << QSize(187, 49) << QPoint(0, 321);
    }

    void underControl()
    {
        QFETCH(QRect, control);
        QFETCH(QSize, window);
        QTEST(WindowPlacement::underControl(control, window, Screen), "at");
    }
};

QTEST_MAIN(tst_WindowPlacement)
#include "tst_WindowPlacement.moc"
