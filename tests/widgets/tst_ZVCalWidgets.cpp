// The Qt face of the controls, as a Qt program uses it: properties by their
// documented names, refused writes, events as signals, the property dialog.

#include "zvcal/ZVCalButtonWidget.h"
#include "zvcal/ZVCalendarWidget.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <memory>

namespace {

std::unique_ptr<QWidget> makeControl(const QString &className, QWidget *parent = nullptr)
{
    if (className == QLatin1String("ZVCalButtonWidget"))
        return std::make_unique<ZVCalButtonWidget>(parent);
    return std::make_unique<ZVCalendarWidget>(parent);
}

// Counts the keys that reach it, so a test sees what a control passed on.
class KeyCounter : public QWidget
{
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

} // namespace

class tst_ZVCalWidgets : public QObject
{
    Q_OBJECT

private slots:
    void newControlHasDocumentedValues_data();
    void newControlHasDocumentedValues();
    void valuesWrittenByNameReadBack_data();
    void valuesWrittenByNameReadBack();
    void refusedWriteKeepsValueAndSaysWhy_data();
    void refusedWriteKeepsValueAndSaysWhy();
    void rightArrowRaisesValueChangedWithNextDay_data();
    void rightArrowRaisesValueChangedWithNextDay();
    void slotSwallowsKeyThroughReference_data();
    void slotSwallowsKeyThroughReference();
    void buttonSlotKeepsTabOnButton_data();
    void buttonSlotKeepsTabOnButton();
    void widgetEnabledIsControlEnabled_data();
    void widgetEnabledIsControlEnabled();
    void buttonFontIsWidgetFont();
    void appliedThenCancelledDialogKeepsChanges();
};

void tst_ZVCalWidgets::newControlHasDocumentedValues_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("expected");

    for (const char *cls : {"ZVCalendarWidget", "ZVCalButtonWidget"}) {
        const QString c = QLatin1String(cls);
        QTest::addRow("%s calVersion", cls) << c << "calVersion" << QVariant(QStringLiteral("2.1.1"));
        QTest::addRow("%s calCaption", cls) << c << "calCaption" << QVariant(QStringLiteral("Calendar"));
        QTest::addRow("%s calMinYear", cls) << c << "calMinYear" << QVariant(1600);
        QTest::addRow("%s calMaxYear", cls) << c << "calMaxYear" << QVariant(9999);
        QTest::addRow("%s calFirstDayofWeek", cls) << c << "calFirstDayofWeek" << QVariant(1);
        QTest::addRow("%s calScrollArrowsPos", cls) << c << "calScrollArrowsPos" << QVariant(3);
        QTest::addRow("%s calAlignmentDayTitle", cls) << c << "calAlignmentDayTitle" << QVariant(7);
        QTest::addRow("%s calShowTitleBar", cls) << c << "calShowTitleBar" << QVariant(true);
        // &H800000 is dark blue, &H80 dark red: 0x00BBGGRR.
        QTest::addRow("%s selected day back", cls) << c << "calSelectedDayBackColor" << QVariant(QColor(0, 0, 0x80));
        QTest::addRow("%s weekend fore", cls) << c << "calCurrentMonthWeekendsForeColor" << QVariant(QColor(0x80, 0, 0));
        QTest::addRow("%s calValue", cls) << c << "calValue" << QVariant(QDate::currentDate());
        QTest::addRow("%s Enabled", cls) << c << "Enabled" << QVariant(true);
    }
    // The dropped-down calendar is 3200 x 4000 twips.
    QTest::newRow("button calWidth") << "ZVCalButtonWidget" << "calWidth" << QVariant(3200);
    QTest::newRow("button calHeight") << "ZVCalButtonWidget" << "calHeight" << QVariant(4000);
    QTest::newRow("button AutoSize") << "ZVCalButtonWidget" << "AutoSize" << QVariant(0);
    QTest::newRow("button BevelWidth") << "ZVCalButtonWidget" << "BevelWidth" << QVariant(1);
    QTest::newRow("button MousePointer") << "ZVCalButtonWidget" << "MousePointer" << QVariant(0);
}

void tst_ZVCalWidgets::newControlHasDocumentedValues()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, expected);

    const auto control = makeControl(className);
    const QVariant value = control->property(qPrintable(property));
    QVERIFY2(value.isValid(), "no such property");
    if (expected.typeId() == QMetaType::Int)
        QCOMPARE(value.toInt(), expected.toInt());
    else
        QCOMPARE(value, expected);
}

void tst_ZVCalWidgets::valuesWrittenByNameReadBack_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");

    for (const char *cls : {"ZVCalendarWidget", "ZVCalButtonWidget"}) {
        const QString c = QLatin1String(cls);
        // Both ends of the date range, and a date before the year limits.
        QTest::addRow("%s first day", cls) << c << "calValue" << QVariant(QDate(100, 1, 1));
        QTest::addRow("%s last day", cls) << c << "calValue" << QVariant(QDate(9999, 12, 31));
        QTest::addRow("%s before calMinYear", cls) << c << "calValue" << QVariant(QDate(1500, 6, 15));
        QTest::addRow("%s caption", cls) << c << "calCaption" << QVariant(QStringLiteral("Due"));
        QTest::addRow("%s Saturday", cls) << c << "calFirstDayofWeek" << QVariant::fromValue(ZVCalendarWidget::ZORVcalSaturday);
        QTest::addRow("%s bottom right", cls) << c << "calAlignmentNum" << QVariant::fromValue(ZVCalendarWidget::ZORVcalCenterBottom);
        QTest::addRow("%s red only", cls) << c << "calNextMonthForeColor" << QVariant(QColor(0xFF, 0, 0));
        QTest::addRow("%s blue only", cls) << c << "calNextMonthBackColor" << QVariant(QColor(0, 0, 0xFF));
        QTest::addRow("%s minimum year", cls) << c << "calMinYear" << QVariant(1600);
        QTest::addRow("%s maximum year", cls) << c << "calMaxYear" << QVariant(9999);
    }
    QTest::newRow("button caption") << "ZVCalButtonWidget" << "Caption" << QVariant(QStringLiteral("Pick"));
    QTest::newRow("button calWidth") << "ZVCalButtonWidget" << "calWidth" << QVariant(4500);
    QTest::newRow("button calHeight") << "ZVCalButtonWidget" << "calHeight" << QVariant(2100);
    QTest::newRow("button custom pointer") << "ZVCalButtonWidget" << "MousePointer" << QVariant::fromValue(ZVCalButtonWidget::PointerCustom);
    QTest::newRow("button heavy inset") << "ZVCalButtonWidget" << "Font3D" << QVariant::fromValue(ZVCalButtonWidget::InsetHeavyShading);
    QTest::newRow("button green text") << "ZVCalButtonWidget" << "ForeColor" << QVariant(QColor(0, 0x80, 0));
}

void tst_ZVCalWidgets::valuesWrittenByNameReadBack()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, value);

    const auto control = makeControl(className);
    QSignalSpy refused(control.get(), SIGNAL(propertyRefused(QString, int, QString)));
    QVERIFY(control->setProperty(qPrintable(property), value));
    QCOMPARE(refused.count(), 0);
    QCOMPARE(control->property(qPrintable(property)), value);
}

void tst_ZVCalWidgets::refusedWriteKeepsValueAndSaysWhy_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    const QString invalid = QStringLiteral("Invalid property value");
    for (const char *cls : {"ZVCalendarWidget", "ZVCalButtonWidget"}) {
        const QString c = QLatin1String(cls);
        QTest::addRow("%s calMinYear 1599", cls) << c << "calMinYear" << QVariant(1599) << 380 << invalid;
        QTest::addRow("%s calMaxYear 10000", cls) << c << "calMaxYear" << QVariant(10000) << 380 << invalid;
        QTest::addRow("%s calAppearance 3", cls) << c << "calAppearance" << QVariant(3) << 380 << invalid;
        QTest::addRow("%s calFirstDayofWeek 0", cls) << c << "calFirstDayofWeek" << QVariant(0) << 380 << invalid;
        QTest::addRow("%s calFirstDayofWeek 8", cls) << c << "calFirstDayofWeek" << QVariant(8) << 380 << invalid;
        // No date value holds it: the conversion fails before the setter.
        QTest::addRow("%s no date", cls) << c << "calValue" << QVariant(QDate()) << 13 << "Type mismatch";
    }
}

void tst_ZVCalWidgets::refusedWriteKeepsValueAndSaysWhy()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(int, number);
    QFETCH(QString, text);

    const auto control = makeControl(className);
    const QVariant before = control->property(qPrintable(property));
    QSignalSpy refused(control.get(), SIGNAL(propertyRefused(QString, int, QString)));
    control->setProperty(qPrintable(property), value);
    QCOMPARE(control->property(qPrintable(property)), before);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toString(), property);
    QCOMPARE(refused.at(0).at(1).toInt(), number);
    QCOMPARE(refused.at(0).at(2).toString(), text);
}

void tst_ZVCalWidgets::rightArrowRaisesValueChangedWithNextDay_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("next");
    QTest::addColumn<int>("monthChanges");
    QTest::addColumn<int>("yearChanges");

    QTest::newRow("within a month") << QDate(1997, 4, 4) << QDate(1997, 4, 5) << 0 << 0;
    QTest::newRow("into May") << QDate(1997, 4, 30) << QDate(1997, 5, 1) << 1 << 0;
    QTest::newRow("into 2000") << QDate(1999, 12, 31) << QDate(2000, 1, 1) << 1 << 1;
    QTest::newRow("leap day") << QDate(2000, 2, 28) << QDate(2000, 2, 29) << 0 << 0;
}

// The key goes to the widget itself, as QTest and a program's own event
// forwarding send it; the control takes it and raises the events.
void tst_ZVCalWidgets::rightArrowRaisesValueChangedWithNextDay()
{
    QFETCH(QDate, start);
    QFETCH(QDate, next);
    QFETCH(int, monthChanges);
    QFETCH(int, yearChanges);

    QWidget form;
    auto *calendar = new ZVCalendarWidget(&form);
    QVERIFY(calendar->setProperty("calValue", start));
    QList<QDate> passed;
    QList<QDate> read;
    connect(calendar, &ZVCalendarWidget::ValueChanged, this, [&](const QDate &value) {
        passed << value;
        read << calendar->property("calValue").toDate();
    });
    QSignalSpy months(calendar, &ZVCalendarWidget::MonthChanged);
    QSignalSpy years(calendar, &ZVCalendarWidget::YearChanged);
    QTest::keyClick(calendar, Qt::Key_Right);
    QCOMPARE(passed, QList<QDate> {next});
    QCOMPARE(read, QList<QDate> {next});
    QCOMPARE(months.count(), monthChanges);
    QCOMPARE(years.count(), yearChanges);
}

void tst_ZVCalWidgets::slotSwallowsKeyThroughReference_data()
{
    QTest::addColumn<bool>("swallow");
    QTest::addColumn<int>("keysOnForm");

    QTest::newRow("left alone") << false << 1;
    QTest::newRow("KeyCode set to 0") << true << 0;
}

// A key the calendar does not use goes on to the form unless a KeyDown
// handler sets its KeyCode to 0.
void tst_ZVCalWidgets::slotSwallowsKeyThroughReference()
{
    QFETCH(bool, swallow);
    QFETCH(int, keysOnForm);

    KeyCounter form;
    auto *calendar = new ZVCalendarWidget(&form);
    int seenCode = -1;
    connect(calendar, &ZVCalendarWidget::KeyDown, this, [&](int &KeyCode, int &) {
        seenCode = KeyCode;
        if (swallow)
            KeyCode = 0;
    });
    QTest::keyClick(calendar, Qt::Key_F5);
    QCOMPARE(seenCode, 116); // the F5 key's code
    QCOMPARE(form.keys, keysOnForm);
}

void tst_ZVCalWidgets::buttonSlotKeepsTabOnButton_data()
{
    QTest::addColumn<bool>("swallow");
    QTest::addColumn<bool>("focusMoves");

    QTest::newRow("left alone") << false << true;
    QTest::newRow("KeyCode set to 0") << true << false;
}

// Tab on the button moves the focus on unless a BtnKeyDown handler sets its
// KeyCode to 0; the handler is handed the Tab key's code, 9.
void tst_ZVCalWidgets::buttonSlotKeepsTabOnButton()
{
    QFETCH(bool, swallow);
    QFETCH(bool, focusMoves);

    QWidget form;
    auto *button = new ZVCalButtonWidget(&form);
    auto *next = new QLineEdit(&form);
    next->move(0, 50);
    int seenCode = -1;
    connect(button, &ZVCalButtonWidget::BtnKeyDown, this, [&](int &KeyCode, int &) {
        seenCode = KeyCode;
        if (swallow)
            KeyCode = 0;
    });
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    button->setFocus();
    QVERIFY(button->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(seenCode, 9);
    QCOMPARE(next->hasFocus(), focusMoves);
}

void tst_ZVCalWidgets::widgetEnabledIsControlEnabled_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("calendar") << "ZVCalendarWidget";
    QTest::newRow("button") << "ZVCalButtonWidget";
}

void tst_ZVCalWidgets::widgetEnabledIsControlEnabled()
{
    QFETCH(QString, className);

    const auto control = makeControl(className);
    control->setEnabled(false);
    QCOMPARE(control->property("Enabled").toBool(), false);
    QVERIFY(control->setProperty("Enabled", true));
    QVERIFY(control->isEnabled());
    QCOMPARE(control->property("Enabled").toBool(), true);
}

void tst_ZVCalWidgets::buttonFontIsWidgetFont()
{
    ZVCalButtonWidget button;
    // A new button's caption font is Arial 8.25.
    QCOMPARE(button.font().family(), QStringLiteral("Arial"));
    QCOMPARE(button.font().pointSizeF(), 8.25);
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPointSize(14);
    serif.setItalic(true);
    button.setFont(serif);
    const QFont documented = button.property("Font").value<QFont>();
    QCOMPARE(documented.family(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(documented.pointSizeF(), 14.0);
    QVERIFY(documented.italic());
    QCOMPARE(button.metaObject()->indexOfProperty("font") >= 0, true);
}

// What Apply wrote stays in the control when the dialog is then cancelled,
// and the widget follows what the pages changed.
void tst_ZVCalWidgets::appliedThenCancelledDialogKeepsChanges()
{
    QWidget form;
    auto *button = new ZVCalButtonWidget(&form);
    bool driven = false;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QWidget *page = dialog->findChild<QTabWidget *>()->currentWidget();
        page->findChild<QLineEdit *>(QStringLiteral("txtCaption"))->setText(QStringLiteral("Due"));
        page->findChild<QCheckBox *>(QStringLiteral("chkEnabled"))->click();
        QPushButton *apply = dialog->findChild<QPushButton *>(QStringLiteral("cmdApply"));
        QVERIFY(apply->isEnabled());
        apply->click();
        dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
        driven = true;
    });
    QCOMPARE(button->showPropertyDialog(&form), false);
    QVERIFY(driven);
    QCOMPARE(button->property("Caption").toString(), QStringLiteral("Due"));
    QCOMPARE(button->property("Enabled").toBool(), false);
    QVERIFY(!button->isEnabled());
}

QTEST_MAIN(tst_ZVCalWidgets)
#include "tst_ZVCalWidgets.moc"
