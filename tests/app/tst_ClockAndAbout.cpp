// The clock window and the About window.
#include "JotwellSession.h"
#include "platform/dates/LocaleServices.h"

#include <QDialog>
#include <QLabel>
#include <QTimer>

namespace {

QString label(QWidget *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name))->text();
}

} // namespace

class tst_ClockAndAbout : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void clockWindowLayout();
    void clockLabelsAcrossMidnight_data();
    void clockLabelsAcrossMidnight();
    void aboutWindow();
};

void tst_ClockAndAbout::clockWindowLayout()
{
    JotwellSession s;
    s.open();
    s.menu("mnuDate")->trigger();
    auto *clock = s.form->findChild<QWidget *>(QStringLiteral("frmCalendar"));
    QCOMPARE(clock->windowTitle(), QStringLiteral("Calendar"));
    QCOMPARE(clock->windowType(), Qt::Tool);
    // 1875 x 2475 twips, right of the main window with the tops aligned.
    QCOMPARE(clock->size(), QSize(125, 165));
    const QRect owner = s.form->frameGeometry();
    QVERIFY2(clock->frameGeometry().left() > owner.right(), qPrintable(QStringLiteral("%1 %2").arg(clock->x()).arg(owner.right())));
    QVERIFY(clock->frameGeometry().left() - owner.right() < 20);
    QCOMPARE(clock->frameGeometry().top(), owner.top());
    QCOMPARE(clock->minimumSize(), clock->maximumSize());
    const auto check = [&](const char *name, QRect place, qreal points) {
        auto *widget = clock->findChild<QLabel *>(QLatin1String(name));
        QCOMPARE(widget->geometry(), place);
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().pointSizeF(), points);
        QVERIFY(widget->alignment() & Qt::AlignHCenter);
    };
    check("lblDay", QRect(-1, 0, 129, 25), 15.75);
    check("lblDate", QRect(-1, 8, 129, 105), 72);
    check("lblMonth", QRect(-1, 104, 129, 25), 15.75);
    check("lblTime", QRect(-1, 140, 129, 25), 14.25);
    QVERIFY(!clock->windowIcon().isNull());
}

void tst_ClockAndAbout::clockLabelsAcrossMidnight_data()
{
    QTest::addColumn<QDateTime>("opened");
    QTest::addColumn<QStringList>("labels"); // day, date, month, time after the next tick
    QTest::newRow("31st to 1st") << QDateTime(QDate(2024, 1, 31), QTime(23, 59, 59))
                                 << QStringList{"Thursday", "1", "February 2024", "12:00:00 AM"};
    QTest::newRow("30th to 31st") << QDateTime(QDate(2024, 12, 30), QTime(23, 59, 59))
                                  << QStringList{"Tuesday", "31", "December 2024", "12:00:00 AM"};
}

void tst_ClockAndAbout::clockLabelsAcrossMidnight()
{
    QFETCH(QDateTime, opened);
    QFETCH(QStringList, labels);
    JotwellSession s;
    s.open();
    s.clock.set(opened);
    s.menu("mnuDate")->trigger();
    auto *clock = s.form->findChild<QWidget *>(QStringLiteral("frmCalendar"));
    for (const char *name : {"lblDay", "lblDate", "lblMonth", "lblTime"})
        QCOMPARE(label(clock, name), QString());
    QVERIFY(clock->findChild<QTimer *>(QStringLiteral("tmrDate"))->isActive());

    // The window's own timer, on its next tick.
    s.clock.advanceSeconds(1);
    const auto shown = [&] {
        return QStringList{label(clock, "lblDay"), label(clock, "lblDate"), label(clock, "lblMonth"),
                           label(clock, "lblTime")};
    };
    QTRY_COMPARE_WITH_TIMEOUT(shown(), labels, 3000);
    s.clock.advanceSeconds(1);
    labels.last().replace(":00 ", ":01 ");
    QTRY_COMPARE_WITH_TIMEOUT(shown(), labels, 3000);
    // The tooltip keeps the date of the opening.
    QCOMPARE(clock->findChild<QLabel *>(QStringLiteral("lblDate"))->toolTip(), opened.date().toString("M/d/yyyy"));
}

void tst_ClockAndAbout::aboutWindow()
{
    JotwellSession s;
    frmJotwell &form = s.open();
    QTest::mouseClick(s.control<QLabel>("Picture1"), Qt::LeftButton);
    auto *about = form.findChild<QDialog *>(QStringLiteral("frmAbout"));
    QVERIFY(about && about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Jotwell"));
    QCOMPARE(label(about, "lblTitle"), QStringLiteral("Jotwell"));
    QCOMPARE(label(about, "lblVersion"), QStringLiteral("Version 1.0.17"));
    QCOMPARE(label(about, "lblDescription"), QStringLiteral("A Simple Note and Alarm Utility."));
    QVERIFY(!about->findChild<QLabel *>(QStringLiteral("picIcon"))->pixmap().isNull());
    // The licence, small, whole within the window and clear of the button.
    auto *licence = about->findChild<QLabel *>(QStringLiteral("lblLicense"));
    QVERIFY(licence->text().contains(QStringLiteral("Copyright (c) 2026 The Jotwell developers")));
    QVERIFY(licence->text().contains(QStringLiteral("MIT")));
    QVERIFY(licence->font().pointSizeF() < about->font().pointSizeF());
    QVERIFY(about->rect().contains(licence->geometry()));
    QVERIFY(!licence->geometry().intersects(about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->geometry()));
    const QRect text = licence->fontMetrics().boundingRect(licence->rect(), Qt::AlignLeft, licence->text());
    QVERIFY(text.width() <= licence->width());
    QVERIFY(text.height() <= licence->height());
    QVERIFY(about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->isDefault());

    // Opening it again only shows the one that is open.
    s.menu("mnuAbout")->trigger();
    QCOMPARE(form.findChildren<QDialog *>(QStringLiteral("frmAbout")).size(), 1);
    // Escape presses OK, which closes and destroys it.
    QTest::keyClick(about, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form.findChild<QDialog *>(QStringLiteral("frmAbout")));
}

QTEST_MAIN(tst_ClockAndAbout)
#include "tst_ClockAndAbout.moc"
