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
    void writeByName_data();
    void writeByName();
    void rightArrowRaisesValueChangedWithNextDay_data();
    void rightArrowRaisesValueChangedWithNextDay();
    void keyHandlerSwallowsKeyThroughReference_data();
    void keyHandlerSwallowsKeyThroughReference();
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

// A write the control takes reads back as written; a refused one keeps the
// value and says why through propertyRefused (number 0: taken).
void tst_ZVCalWidgets::writeByName_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    const auto taken = [](const QString &name, const QString &cls, const char *property, const QVariant &value) {
        QTest::newRow(qPrintable(name)) << cls << property << value << 0 << QString();
    };
    const auto refused = [](const QString &name, const QString &cls, const char *property, const QVariant &value,
                            int number, const char *text) {
        QTest::newRow(qPrintable(name)) << cls << property << value << number << QString::fromLatin1(text);
    };
    for (const QString &c : {QStringLiteral("ZVCalendarWidget"), QStringLiteral("ZVCalButtonWidget")}) {
        // Both ends of the date range, and a date before the year limits.
        taken(c + " first day", c, "calValue", QDate(100, 1, 1));
        taken(c + " last day", c, "calValue", QDate(9999, 12, 31));
        taken(c + " before calMinYear", c, "calValue", QDate(1500, 6, 15));
        taken(c + " caption", c, "calCaption", QStringLiteral("Due"));
        taken(c + " Saturday", c, "calFirstDayofWeek", QVariant::fromValue(ZVCalendarWidget::ZORVcalSaturday));
        taken(c + " bottom right", c, "calAlignmentNum", QVariant::fromValue(ZVCalendarWidget::ZORVcalCenterBottom));
        taken(c + " red only", c, "calNextMonthForeColor", QColor(0xFF, 0, 0));
        taken(c + " blue only", c, "calNextMonthBackColor", QColor(0, 0, 0xFF));
        taken(c + " minimum year", c, "calMinYear", 1600);
        taken(c + " maximum year", c, "calMaxYear", 9999);

        refused(c + " calMinYear 1599", c, "calMinYear", 1599, 380, "Invalid property value");
        refused(c + " calMaxYear 10000", c, "calMaxYear", 10000, 380, "Invalid property value");
        refused(c + " calAppearance 3", c, "calAppearance", 3, 380, "Invalid property value");
        refused(c + " calFirstDayofWeek 0", c, "calFirstDayofWeek", 0, 380, "Invalid property value");
        refused(c + " calFirstDayofWeek 8", c, "calFirstDayofWeek", 8, 380, "Invalid property value");
        // No date value holds it: the conversion fails before the setter.
        refused(c + " no date", c, "calValue", QDate(), 13, "Type mismatch");
    }
    const QString b = QStringLiteral("ZVCalButtonWidget");
    taken("button caption", b, "Caption", QStringLiteral("Pick"));
    taken("button calWidth", b, "calWidth", 4500);
    taken("button calHeight", b, "calHeight", 2100);
    taken("button custom pointer", b, "MousePointer", QVariant::fromValue(ZVCalButtonWidget::PointerCustom));
    taken("button heavy inset", b, "Font3D", QVariant::fromValue(ZVCalButtonWidget::InsetHeavyShading));
    taken("button green text", b, "ForeColor", QColor(0, 0x80, 0));
}

void tst_ZVCalWidgets::writeByName()
{
    QFETCH(QString, className);
    QFETCH(QString, property);
    QFETCH(QVariant, value);
    QFETCH(int, number);

    const auto control = makeControl(className);
    const QVariant before = control->property(qPrintable(property));
    QSignalSpy refused(control.get(), SIGNAL(propertyRefused(QString, int, QString)));
    const bool written = control->setProperty(qPrintable(property), value);
    if (number == 0) {
        QVERIFY(written);
        QCOMPARE(refused.count(), 0);
        QCOMPARE(control->property(qPrintable(property)), value);
        return;
    }
    QCOMPARE(control->property(qPrintable(property)), before);
    QCOMPARE(refused.count(), 1);
    QCOMPARE(refused.at(0).at(0).toString(), property);
    QCOMPARE(refused.at(0).at(1).toInt(), number);
    QTEST(refused.at(0).at(2).toString(), "text");
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

void tst_ZVCalWidgets::keyHandlerSwallowsKeyThroughReference_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("swallow");

    QTest::newRow("calendar F5 left alone") << "ZVCalendarWidget" << int(Qt::Key_F5) << 116 << false;
    QTest::newRow("calendar F5, KeyCode set to 0") << "ZVCalendarWidget" << int(Qt::Key_F5) << 116 << true;
    QTest::newRow("button Tab left alone") << "ZVCalButtonWidget" << int(Qt::Key_Tab) << 9 << false;
    QTest::newRow("button Tab, KeyCode set to 0") << "ZVCalButtonWidget" << int(Qt::Key_Tab) << 9 << true;
}

// A key the control does not use goes on (to the form, or Tab moves the
// focus) unless a KeyDown or BtnKeyDown handler sets its KeyCode to 0. The
// handler is handed the key's code.
void tst_ZVCalWidgets::keyHandlerSwallowsKeyThroughReference()
{
    QFETCH(QString, className);
    QFETCH(int, key);
    QFETCH(bool, swallow);

    KeyCounter form;
    QWidget *control = makeControl(className, &form).release();
    auto *next = new QLineEdit(&form);
    next->move(0, 50);
    int seenCode = -1;
    const auto handler = [&](int &KeyCode, int &) {
        seenCode = KeyCode;
        if (swallow)
            KeyCode = 0;
    };
    if (auto *calendar = qobject_cast<ZVCalendarWidget *>(control))
        connect(calendar, &ZVCalendarWidget::KeyDown, this, handler);
    else
        connect(qobject_cast<ZVCalButtonWidget *>(control), &ZVCalButtonWidget::BtnKeyDown, this, handler);
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    control->setFocus();
    QVERIFY(control->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QTEST(seenCode, "code");
    const bool passedOn = form.keys > 0 || next->hasFocus();
    QCOMPARE(passedOn, !swallow);
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
