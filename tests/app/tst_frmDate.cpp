// Date selection on the main window: the Today/Tomorrow window opened by a
// double click on the date box, and the calendar button of the control library.

#include "JotwellSession.h"

#include "notebook/Twips.h"
#include "platform/dates/DateValue.h"
#include "platform/dates/LocaleServices.h"
#include "platform/objects/TextPropertyBag.h"

#include <QApplication>
#include <QPointer>

namespace {

QWidget *openDateWindow(JotwellSession &s)
{
    QTest::mouseDClick(s.control<QLineEdit>("txtDate"), Qt::LeftButton);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmDate") && w->isVisible())
            return w;
    return nullptr;
}

int visibleDateWindows()
{
    int n = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        n += w->objectName() == QLatin1String("frmDate") && w->isVisible();
    return n;
}

QString generalDate(int y, int m, int d)
{
    return LocaleServices().generalDate(*DateValue::fromDate(y, m, d));
}

} // namespace

class tst_frmDate : public QObject
{
    Q_OBJECT

private slots:
    void todayAndTomorrow_data()
    {
        QTest::addColumn<QDateTime>("now");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("Today, a time of day in the box") << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)) << "cmdNow"
                                                         << "10/03/2024 09:30:00" << QDate(2024, 12, 31);
        QTest::newRow("Tomorrow across the year end") << QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59)) << "cmdTomorrow"
                                                      << "not a date" << QDate(2025, 1, 1);
        QTest::newRow("Tomorrow on 28 February of a leap year") << QDateTime(QDate(2024, 2, 28), QTime(0, 0)) << "cmdTomorrow"
                                                                << "" << QDate(2024, 2, 29);
        QTest::newRow("Tomorrow on 28 February of a common year") << QDateTime(QDate(2023, 2, 28), QTime(12, 0)) << "cmdTomorrow"
                                                                  << "" << QDate(2023, 3, 1);
    }
    void todayAndTomorrow()
    {
        QFETCH(QDateTime, now);
        QFETCH(QString, button);
        QFETCH(QString, before);
        QFETCH(QDate, expected);
        JotwellSession s;
        s.open();
        s.clock.set(now);
        s.type("txtDate", before);
        const QByteArray file = s.bytes();
        QPointer<QWidget> window = openDateWindow(s);
        QVERIFY(window);
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(s.text("txtDate"), generalDate(expected.year(), expected.month(), expected.day()));
        QVERIFY(!window || !window->isVisible());
        // Nothing is saved until the note is.
        QCOMPARE(s.bytes(), file);
    }

    // "Select a Date" opens under the date box it fills, its left edge on the box's.
    void dateWindowOpensUnderTheBox()
    {
        JotwellSession s;
        s.open();
        auto *box = s.control<QLineEdit>("txtDate");
        QTest::mouseDClick(box, Qt::LeftButton);
        auto *window = s.form->findChild<QWidget *>(QStringLiteral("frmDate"));
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->frameGeometry().topLeft(), box->mapToGlobal(QPoint(0, box->height())));
    }

    void dateWindow()
    {
        JotwellSession s;
        s.open();
        s.type("txtDate", QStringLiteral("typed"));
        QWidget *window = openDateWindow(s);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("Select a Date"));
        QVERIFY(!window->isModal());
        auto *today = window->findChild<QPushButton *>(QStringLiteral("cmdNow"));
        auto *tomorrow = window->findChild<QPushButton *>(QStringLiteral("cmdTomorrow"));
        QCOMPARE(today->text(), QStringLiteral("Today"));
        QCOMPARE(tomorrow->text(), QStringLiteral("Tomorrow"));
        QVERIFY(today->x() < tomorrow->x());
        QCOMPARE(tomorrow->nextInFocusChain(), today);
        // A second double click brings back the same window.
        QCOMPARE(openDateWindow(s), window);
        QCOMPARE(visibleDateWindows(), 1);
        // Closed from its title bar: the date box keeps its text.
        window->close();
        QCOMPARE(visibleDateWindows(), 0);
        QCOMPARE(s.text("txtDate"), QStringLiteral("typed"));
    }

    // The main window's saved settings of calButton, compiled into the program.
    void calButtonSettings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<PropertyValue>("value");
        auto font = [](const char *name, int weight) {
            FontAttributes a;
            a.name = QString::fromLatin1(name);
            a.size = 8.25;
            a.weight = short(weight);
            return PropertyValue(StdFont::create(a));
        };
        QTest::newRow("calwidth") << "calwidth" << PropertyValue(std::int32_t(1995));
        QTest::newRow("calheight") << "calheight" << PropertyValue(std::int32_t(2505));
        QTest::newRow("calcurrentdatebackcolor") << "calcurrentdatebackcolor" << PropertyValue(PropertyColor {0xC0FFFF});
        QTest::newRow("calcurrentdateforecolor") << "calcurrentdateforecolor" << PropertyValue(PropertyColor {0xFF});
        QTest::newRow("calfont") << "calfont" << font("Arial", 400);
        QTest::newRow("calminyear") << "calminyear" << PropertyValue(std::int32_t(1905));
        QTest::newRow("calmonthyeartitlefont") << "calmonthyeartitlefont" << font("Arial", 700);
        QTest::newRow("calmousesensitivedate") << "calmousesensitivedate" << PropertyValue(true);
        QTest::newRow("calnextmonthbackcolor") << "calnextmonthbackcolor" << PropertyValue(PropertyColor {0xE0E0E0});
        QTest::newRow("calpreviousmonthbackcolor") << "calpreviousmonthbackcolor" << PropertyValue(PropertyColor {0xE0E0E0});
        QTest::newRow("calscrollarrowsfont") << "calscrollarrowsfont" << font("Impact", 400);
        QTest::newRow("calscrollarrowspos") << "calscrollarrowspos" << PropertyValue(std::int32_t(0));
        QTest::newRow("calshowdropdownmonth") << "calshowdropdownmonth" << PropertyValue(true);
        QTest::newRow("calshowtitlebar") << "calshowtitlebar" << PropertyValue(false);
        QTest::newRow("font") << "font" << font("Arial", 400);
        QTest::newRow("autosize") << "autosize" << PropertyValue(std::int32_t(1));
        QTest::newRow("bevelwidth") << "bevelwidth" << PropertyValue(std::int32_t(2));
        QTest::newRow("caption") << "caption" << PropertyValue(QStringLiteral("..."));
    }
    void calButtonSettings()
    {
        QFETCH(QString, key);
        QFETCH(PropertyValue, value);
        JotwellSession s;
        s.open(); // brings in the program's resources
        const TextPropertyBag bag = TextPropertyBag::fromFile(QStringLiteral(":/frmJotwell/calButton.txt"));
        QCOMPARE(bag.count(), 19);
        QVERIFY(bag.keys().contains(key)); // stored in lower case
        QVERIFY2(samePropertyValue(*bag.find(key), value), qPrintable(key));
        const StdPicturePtr picture = bag.readPicture(QStringLiteral("picture"), nullptr);
        QVERIFY(picture && !picture->isNull());
    }

    // The button as the user meets it: a click drops the calendar down over
    // the window's controls, a click on a day fills the date box, Esc closes
    // it, and the date is saved with the note.
    void calButtonPicksTheDate()
    {
        JotwellSession s;
        frmJotwell &form = s.open();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        s.type("txtDate", QString());
        QWidget *calButton = s.control<QWidget>("calButton");
        QCOMPARE(calButton->toolTip(), QStringLiteral("Click here to enter date."));
        QCOMPARE(calButton->size(), Twips::size(225, 225));
        QCOMPARE(calButton->metaObject()->className(), "ZVCalButton");
        QTest::mouseClick(s.control<QWidget>("SSCommand1"), Qt::LeftButton);
        QWidget *calendar = s.control<QWidget>("ZVCalendar1");
        QVERIFY(calendar->isVisible());
        QCOMPARE(calendar->window(), &form);
        QCOMPARE(calendar->size(), Twips::size(1995, 2505));
        QVERIFY(calendar->isAncestorOf(form.childAt(calendar->mapTo(&form, calendar->rect().center()))));
        QVERIFY(calendar->isAncestorOf(QApplication::focusWidget()));

        // Cells 15 to 28 always hold days of the month shown.
        QTest::mouseClick(calendar->findChild<QWidget *>(QStringLiteral("pnlCalNum_20")), Qt::LeftButton);
        const std::optional<double> picked = LocaleServices().parse(s.text("txtDate"));
        QVERIFY2(picked, qPrintable(s.text("txtDate")));
        QCOMPARE(s.text("txtDate"), LocaleServices().shortDate(*picked));
        QTest::mouseClick(calendar->findChild<QWidget *>(QStringLiteral("pnlCalNum_21")), Qt::LeftButton);
        QCOMPARE(LocaleServices().parse(s.text("txtDate")), std::optional<double>(*picked + 1));
        QVERIFY(calendar->isVisible());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!calendar->isVisible());
        QCOMPARE(QApplication::focusWidget(), s.control<QWidget>("SSCommand1"));
        s.click("cmdSave");
        QCOMPARE(s.notes()[0].date, *picked + 1);
    }

    // Which day is in which cell follows the month shown: day d sits in cell
    // s + d - 1, s the weekday of the 1st counted from Sunday.
    void dropDownPutsTheClickedDay_data()
    {
        QTest::addColumn<int>("day"); // 0 for the month's last
        QTest::newRow("first of the month") << 1;
        QTest::newRow("15th") << 15;
        QTest::newRow("last of the month") << 0;
    }

    void dropDownPutsTheClickedDay()
    {
        QFETCH(int, day);
        JotwellSession s;
        frmJotwell &form = s.open();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        s.type("txtDate", QStringLiteral("1/1/2000"));
        QTest::mouseClick(s.control<QWidget>("SSCommand1"), Qt::LeftButton);
        QWidget *calendar = s.control<QWidget>("ZVCalendar1");
        const int month = calendar->findChild<QComboBox *>(QStringLiteral("cbxMonth"))->currentIndex() + 1;
        const int year = calendar->findChild<QLineEdit *>(QStringLiteral("txtYear"))->text().toInt();
        const QDate first(year, month, 1);
        const QDate date(year, month, day ? day : first.daysInMonth());
        const int cell = first.dayOfWeek() % 7 + date.day();
        QTest::mouseClick(calendar->findChild<QWidget *>(QStringLiteral("pnlCalNum_%1").arg(cell)), Qt::LeftButton);
        QCOMPARE(s.text("txtDate"), LocaleServices().shortDate(QDate(1899, 12, 30).daysTo(date)));
    }

    // The dropped-down calendar paints its whole area, the month-year row
    // right of the year box too, and has a border of its own over the form.
    void dropDownPaintsItsWholeArea()
    {
        JotwellSession s;
        frmJotwell &form = s.open();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::mouseClick(s.control<QWidget>("SSCommand1"), Qt::LeftButton);
        QWidget *calendar = s.control<QWidget>("ZVCalendar1");
        const QImage shot = form.grab().toImage();
        const QPoint origin = calendar->mapTo(&form, QPoint(0, 0));
        const QColor border = shot.pixelColor(origin);
        QCOMPARE(shot.pixelColor(origin + QPoint(calendar->width() - 1, calendar->height() - 1)), border);
        QVERIFY(border != form.palette().color(QPalette::Window));

        QWidget *year = calendar->findChild<QWidget *>(QStringLiteral("txtYear"));
        QWidget *row = calendar->findChild<QWidget *>(QStringLiteral("pnlMonthYear"));
        const QRect strip(year->mapTo(&form, QPoint(year->width(), 0)), row->mapTo(&form, QPoint(row->width() - 1, row->height() - 1)));
        QVERIFY(strip.width() > 0);
        const QColor back = shot.pixelColor(strip.topLeft());
        for (int y = strip.top(); y <= strip.bottom(); ++y)
            for (int x = strip.left(); x <= strip.right(); ++x)
                QVERIFY2(shot.pixelColor(x, y) == back, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QCOMPARE(back, calendar->palette().color(QPalette::Window));
    }
};

QTEST_MAIN(tst_frmDate)
#include "tst_frmDate.moc"
