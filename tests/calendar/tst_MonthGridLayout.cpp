#include "core/MonthGridLayout.h"

#include <QTest>

using namespace MonthGridLayout;

class tst_MonthGridLayout : public QObject
{
    Q_OBJECT
private slots:
    void nearestRoundsHalvesToEven()
    {
        QCOMPARE(nearest(37.5), 38);
        QCOMPARE(nearest(38.5), 38);
        QCOMPARE(nearest(18.75), 19);
        QCOMPARE(nearest(21.43), 21);
        QCOMPARE(nearest(-2.5), -2);
        QCOMPARE(nearest(0.5), 0);
    }

    void bottomArrowsNoDropdown()
    {
        const Result r = compute({150, 200, true, false, Bottom, 3});
        QCOMPARE(r.titleHeight, 22);
        QCOMPARE(r.rows, 9);
        QCOMPARE(r.arrowWidth, 38);
        QCOMPARE(r.columnWidth, 21);
        QCOMPARE(r.rowHeight, 20);
        QCOMPARE(r.monthYearHeight, 18);
        QCOMPARE(r.lastRowHeight, 20);
        QCOMPARE(r.titleBar, QRect(0, 0, 150, 22));
        QVERIFY(r.titleBarVisible);
        QCOMPARE(r.titleCaption, QRect(3, 3, 144, 16));
        QVERIFY(!r.dropdownShown);
        QCOMPARE(r.monthYear, QRect(0, 22, 150, 18));
        QCOMPARE(r.dayTitles[0], QRect(0, 40, 21, 20));
        QCOMPARE(r.dayTitles[6], QRect(126, 40, 24, 20));
        QCOMPARE(r.cells[0], QRect(0, 60, 21, 20));
        QCOMPARE(r.cells[5], QRect(105, 60, 21, 20));
        QCOMPARE(r.cells[6], QRect(126, 60, 24, 20));
        QCOMPARE(r.cells[35], QRect(0, 160, 21, 20));
        QCOMPARE(r.cells[41], QRect(126, 160, 24, 20));
        QVERIFY(r.arrowsVisible);
        QCOMPARE(r.arrows[0], QRect(0, 181, 38, 19));
        QCOMPARE(r.arrows[1], QRect(38, 181, 38, 19));
        QCOMPARE(r.arrows[2], QRect(76, 181, 38, 19));
        QCOMPARE(r.arrows[3], QRect(114, 181, 36, 19));
    }

    void bottomArrowsWithDropdown()
    {
        const Result r = compute({150, 200, true, true, Bottom, 3});
        QCOMPARE(r.rows, 8);
        QCOMPARE(r.rowHeight, 19);
        QCOMPARE(r.monthYearHeight, 28);
        QCOMPARE(r.lastRowHeight, 17);
        QVERIFY(r.dropdownShown);
        QCOMPARE(r.monthYear, QRect(0, 22, 150, 28));
        QCOMPARE(r.dayTitles[0].top(), 50);
        QCOMPARE(r.cells[35], QRect(0, 164, 21, 19));
        QCOMPARE(r.arrows[0], QRect(0, 184, 38, 16));
        // The month list takes two thirds of the panel; the year box overlaps
        // its right edge by two pixels and stops 5 pixels short of the panel's.
        QCOMPARE(r.monthList, QRect(3, 3, 100, 22));
        QCOMPARE(r.yearBox, QRect(101, 3, 44, 22));
    }

    void topArrowsWithDropdownGiveTheRemainderToTheLastRow()
    {
        const Result r = compute({150, 200, true, true, Top, 3});
        QCOMPARE(r.arrows[0], QRect(0, 22, 38, 18));
        QCOMPARE(r.monthYear, QRect(0, 41, 150, 28));
        QCOMPARE(r.dayTitles[0].top(), 69);
        QCOMPARE(r.cells[35].height(), r.lastRowHeight);
        QCOMPARE(r.cells[35].bottom() + 1, 200);
    }

    void arrowsInTheMonthYearRow()
    {
        const Result r = compute({140, 200, true, false, MonthYear, 3});
        QCOMPARE(r.columnWidth, 20);
        QCOMPARE(r.arrows[0], QRect(0, 22, 20, r.monthYearHeight - 1));
        QCOMPARE(r.arrows[1], QRect(20, 22, 19, r.monthYearHeight - 1));
        QCOMPARE(r.monthYear, QRect(40, 22, 60, r.monthYearHeight));
        QCOMPARE(r.arrows[2], QRect(101, 22, 19, r.monthYearHeight - 1));
        QCOMPARE(r.arrows[3], QRect(120, 22, 20, r.monthYearHeight - 1));
    }

    void noTitleBarStartsAtTheTop()
    {
        const Result r = compute({150, 200, false, false, NoArrows, 3});
        QCOMPARE(r.titleBar, QRect(0, 0, 150, 0));
        QVERIFY(!r.titleBarVisible);
        QVERIFY(!r.arrowsVisible);
        QCOMPARE(r.monthYear.top(), 0);
        QCOMPARE(r.rows, 8);
        QCOMPARE(r.rowHeight, 25);
        QCOMPARE(r.cells[41].bottom() + 1, 200);
    }

    void neverNegative_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        for (int w : {0, 1, 3, 5, 6})
            for (int h : {0, 10, 30}) {
                const QByteArray name = QByteArray::number(w) + "x" + QByteArray::number(h);
                QTest::newRow(name.constData()) << w << h;
            }
    }
    void neverNegative()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        for (int pos = NoArrows; pos <= Bottom; ++pos)
            for (bool title : {false, true})
                for (bool dropdown : {false, true}) {
                    const Result r = compute({w, h, title, dropdown, pos, 3});
                    QVERIFY(r.columnWidth <= 1);
                    QList<QRect> all {r.titleBar, r.titleCaption, r.monthYear, r.monthList, r.yearBox};
                    for (const QRect &q : r.arrows) all << q;
                    for (const QRect &q : r.dayTitles) all << q;
                    for (const QRect &q : r.cells) all << q;
                    for (const QRect &q : all) {
                        QVERIFY2(q.width() >= 0 && q.height() >= 0,
                                 qPrintable(QStringLiteral("pos %1 title %2 dropdown %3").arg(pos).arg(title).arg(dropdown)));
                    }
                }
    }

    void unknownArrowPositionPlacesNoArrows()
    {
        const Result r = compute({150, 200, true, false, 7, 3});
        QVERIFY(!r.arrowsVisible);
        QVERIFY(!r.arrowsPlaced);
        QCOMPARE(r.rows, 8);
    }
};

QTEST_APPLESS_MAIN(tst_MonthGridLayout)
#include "tst_MonthGridLayout.moc"
