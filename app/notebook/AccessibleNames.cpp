#include "notebook/AccessibleNames.h"

#include "Version.h"
#include "platform/widgets/WidgetAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QWidget>

namespace {

// The windows built on a plain widget: "Select a Date" is a small dialog,
// the desk clock a window of its own.
QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("frmDate"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    if (className == QLatin1String("frmCalendar"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}

struct Registration
{
    Registration()
    {
        WidgetAccessibility::install();
        QAccessible::installFactory(windowFactory);
    }
    ~Registration() { QAccessible::removeFactory(windowFactory); }
};

void name(QWidget *window, const char *control, const QString &text)
{
    if (auto *widget = window->findChild<QWidget *>(QLatin1String(control)))
        widget->setAccessibleName(text);
}

// The main window: the days-before and period boxes take the words after
// them too, the picture buttons their tooltips, the two Reminder boxes
// their places.
void nameMainWindow(QWidget *window)
{
    name(window, "cmdPrevious", QCoreApplication::translate("AccessibleNames", "Previous"));
    name(window, "cmdNext", QCoreApplication::translate("AccessibleNames", "Next"));
    name(window, "txtInterval", QCoreApplication::translate("AccessibleNames", "Remind me … days before."));
    name(window, "udcDays", QCoreApplication::translate("AccessibleNames", "Days before"));
    name(window, "chkReminder", QCoreApplication::translate("AccessibleNames", "Tasks: Reminder"));
    name(window, "chkFollowUp", QCoreApplication::translate("AccessibleNames", "Tasks: Follow Up"));
    name(window, "txtEvery", QCoreApplication::translate("AccessibleNames", "Remind me every: … Minutes"));
    name(window, "udcMins", QCoreApplication::translate("AccessibleNames", "Minutes between reminders"));
    name(window, "txtTime", QCoreApplication::translate("AccessibleNames", "Clock"));
    name(window, "Picture1", QCoreApplication::translate("AccessibleNames", "About %1").arg(Version::title()));
    if (auto *category = window->findChild<QComboBox *>(QStringLiteral("cboCategory")); category && category->lineEdit())
        category->lineEdit()->setAccessibleName(QCoreApplication::translate("AccessibleNames", "Category text"));
}

} // namespace

namespace AccessibleNames {

void install()
{
    static Registration registration;
}

void apply(QWidget *window)
{
    install();
    const QString which = window->objectName();
    if (which == QLatin1String("frmJotwell"))
        nameMainWindow(window);
    else if (which == QLatin1String("frmNames"))
        name(window, "lstNames", QCoreApplication::translate("AccessibleNames", "Select name to use:"));
    else if (which == QLatin1String("frmAbout"))
        name(window, "picIcon", QCoreApplication::translate("AccessibleNames", "%1 icon").arg(Version::title()));
}

} // namespace AccessibleNames
