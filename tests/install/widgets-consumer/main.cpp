// A Qt program outside the project: a form compiled with uic holding both
// widgets, a slot connected to ValueChanged, the Right arrow key pressed in
// the calendar, and properties read back by their documented names.
#include "ui_Form.h"

#include <QApplication>
#include <QtTest>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget form;
    Ui::Form ui;
    ui.setupUi(&form);

    ui.calendar->setCalValue(QDate(1997, 4, 4));
    QDate seen;
    QObject::connect(ui.calendar, &ZVCalendarWidget::ValueChanged, [&](const QDate &value) { seen = value; });
    QTest::keyClick(ui.calendar, Qt::Key_Right);

    const auto line = [](const char *name, const QVariant &value) {
        std::printf("%s=%s\n", name, qPrintable(value.toString()));
    };
    line("ValueChanged", seen.toString(Qt::ISODate));
    for (const char *name : {"calValue", "calJulianDateValue", "calLeapYear", "calVersion", "calCaption", "calFirstDayofWeek"})
        line(name, ui.calendar->property(name));
    line("calSelectedDayBackColor", ui.calendar->property("calSelectedDayBackColor").value<QColor>().name());
    for (const char *name : {"Caption", "calWidth", "calHeight", "calAppearance", "Font3D", "Enabled"})
        line(name, ui.calButton->property(name));
    line("Font", ui.calButton->property("Font").value<QFont>().family());
    return 0;
}
