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

QString tr(const char *text)
{
    return QCoreApplication::translate("AccessibleNames", text);
}

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
    name(window, "cmdPrevious", tr("Previous"));
    name(window, "cmdNext", tr("Next"));
    name(window, "txtInterval", tr("Remind me … days before."));
    name(window, "udcDays", tr("Days before"));
    name(window, "chkReminder", tr("Tasks: Reminder"));
    name(window, "chkFollowUp", tr("Tasks: Follow Up"));
    name(window, "txtEvery", tr("Remind me every: … Minutes"));
    name(window, "udcMins", tr("Minutes between reminders"));
    name(window, "txtTime", tr("Clock"));
    name(window, "Picture1", tr("About %1").arg(Version::title()));
    if (auto *category = window->findChild<QComboBox *>(QStringLiteral("cboCategory")); category && category->lineEdit())
        category->lineEdit()->setAccessibleName(tr("Category text"));
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
        name(window, "lstNames", tr("Select name to use:"));
    else if (which == QLatin1String("frmAbout"))
        name(window, "picIcon", tr("%1 icon").arg(Version::title()));
}

} // namespace AccessibleNames
