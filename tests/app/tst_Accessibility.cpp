// Jotwell's windows as assistive technology sees them: every control a user
// can reach has a name of its own, and the keyboard alone fills the date box.
#include "JotwellSession.h"
#include "notebook/frmAbout.h"
#include "notebook/frmNames.h"
#include "reminders/frmCalendar.h"
#include "platform/dates/DateValue.h"
#include "platform/dates/LocaleServices.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <utility>

namespace {

struct Reachable
{
    QString name;
    QAccessible::Role role;
    QString path;
};

// Every visible control that can take the focus, walking the tree of
// accessible children from the window down.
void collect(QAccessibleInterface *node, const QString &path, QList<Reachable> &found, int depth = 0)
{
    QVERIFY2(depth < 40, qPrintable(path));
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    const QString here = path + QLatin1Char('/') + (node->object() ? node->object()->objectName() : QStringLiteral("(table)"));
    if (state.focusable)
        found.append({node->text(QAccessible::Name), node->role(), here});
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        QVERIFY2(child, qPrintable(here));
        QCOMPARE(node->indexOfChild(child), i);
        collect(child, here, found, depth + 1);
    }
}

// Fails on a reachable control without a name and on two sharing one.
void checkNames(QWidget *window)
{
    QList<Reachable> found;
    collect(QAccessible::queryAccessibleInterface(window), QString(), found);
    QVERIFY2(!found.isEmpty(), qPrintable(window->objectName()));
    QHash<QString, QString> byName;
    for (const Reachable &r : found) {
        QVERIFY2(!r.name.trimmed().isEmpty(), qPrintable(QStringLiteral("unnamed: ") + r.path));
        QVERIFY2(!byName.contains(r.name),
                 qPrintable(QStringLiteral("\"%1\" names %2 and %3").arg(r.name, byName.value(r.name), r.path)));
        byName.insert(r.name, r.path);
    }
}

QAccessibleInterface *iface(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The day the calendar's selected cell holds, read from its name. (The
// calendar lives in the control library, with a clock of its own.)
QDate selectedDay(const QWidget *calendar)
{
    for (QWidget *cell : calendar->findChildren<QWidget *>()) {
        if (!cell->objectName().startsWith(QLatin1String("pnlCalNum_")))
            continue;
        QAccessibleInterface *i = iface(cell);
        if (i->state().selected)
            return QLocale().toDate(i->text(QAccessible::Name), QLocale::LongFormat);
    }
    return {};
}

} // namespace

class tst_Accessibility : public QObject
{
    Q_OBJECT

private slots:
    void mainWindowControlsHaveNamesOfTheirOwn()
    {
        JotwellSession session;
        frmJotwell &form = session.open();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        checkNames(&form);
        QCOMPARE(iface(&form)->role(), QAccessible::Window);

        const std::pair<const char *, const char *> captions[] = {
            {"txtInterval", "Remind me … days before."}, {"txtEvery", "Remind me every: … Minutes"}, {"txtDate", "Date:"},
            {"cboCategory", "Category:"}, {"chkRemind", "Reminder"}, {"cmdPrevious", "Previous"}};
        for (const auto &[control, name] : captions)
            QCOMPARE(iface(session.control<QWidget>(control))->text(QAccessible::Name), QString::fromUtf8(name));
    }

    void spinButtonsReportTheirRanges_data()
    {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("days before") << "udcDays" << "txtInterval" << 0 << 365;
        QTest::newRow("period") << "udcMins" << "txtEvery" << 1 << 60;
    }
    void spinButtonsReportTheirRanges()
    {
        QFETCH(QString, spin);
        QFETCH(QString, box);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        JotwellSession session;
        session.open();
        QAccessibleInterface *control = iface(session.control<QWidget>(qPrintable(spin)));
        QCOMPARE(control->role(), QAccessible::SpinBox);
        QAccessibleValueInterface *value = control->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->minimumValue().toInt(), minimum);
        QCOMPARE(value->maximumValue().toInt(), maximum);
        session.type(qPrintable(box), QStringLiteral("7"));
        QMetaObject::invokeMethod(session.control<QWidget>(qPrintable(spin)), "stepUp");
        QCOMPARE(value->currentValue().toInt(), 8);
        QCOMPARE(session.text(qPrintable(box)), QStringLiteral("8"));
    }

    void droppedDownCalendarKeepsNamesUnique()
    {
        JotwellSession session;
        frmJotwell &form = session.open();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto *button = session.control<QWidget>("calButton")->findChild<QWidget *>(QStringLiteral("SSCommand1"));
        QAccessibleInterface *press = iface(button);
        QCOMPARE(press->role(), QAccessible::Button);
        QCOMPARE(press->text(QAccessible::Name), QStringLiteral("Click here to enter date."));
        press->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        auto *calendar = form.findChild<QWidget *>(QStringLiteral("ZVCalendar1"));
        QVERIFY(calendar && calendar->isVisible());
        checkNames(&form);
    }

    // Right, then Enter, in the dropped-down calendar: the next day goes
    // into the date box and the calendar closes, as a click on it does.
    void enterInTheCalendarFillsTheDateBox_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("fills");
        QTest::newRow("Enter") << int(Qt::Key_Return) << true;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true;
        QTest::newRow("Esc") << int(Qt::Key_Escape) << false;
    }
    void enterInTheCalendarFillsTheDateBox()
    {
        QFETCH(int, key);
        QFETCH(bool, fills);
        JotwellSession session;
        frmJotwell &form = session.open();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QString before = session.text("txtDate");
        auto *button = session.control<QWidget>("calButton")->findChild<QWidget *>(QStringLiteral("SSCommand1"));
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Space);
        auto *calendar = form.findChild<QWidget *>(QStringLiteral("ZVCalendar1"));
        QVERIFY(calendar && calendar->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), calendar);
        const QDate start = selectedDay(calendar);
        QVERIFY(start.isValid());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QVERIFY(!calendar->isVisible());
        const QDate next = selectedDay(calendar);
        QCOMPARE(next, start.addDays(1));
        const QString picked = LocaleServices().generalDate(DateValue::fromDate(next.year(), next.month(), next.day()).value());
        QCOMPARE(session.text("txtDate"), fills ? picked : before);
    }

    // Each window tells its kind and title, and in the dialogs every control
    // the focus can reach has a name of its own. The desk clock is a window
    // of its own, not a bare panel.
    void windowsTellTheirKindAndTitle()
    {
        JotwellSession session;
        frmJotwell &form = session.open();
        auto *names = new frmNames(session.folder(), session.control<QLineEdit>("txtContact"), &form);
        auto *about = new frmAbout(&form);
        auto *clock = new frmCalendar(&form);
        clock->setAttribute(Qt::WA_DeleteOnClose);
        QTest::mouseDClick(session.control<QLineEdit>("txtDate"), Qt::LeftButton);
        const QWidgetList all = QApplication::topLevelWidgets();
        const auto date = std::find_if(all.cbegin(), all.cend(),
                                       [](QWidget *w) { return w->inherits("frmDate") && w->isVisible(); });
        QVERIFY(date != all.cend());
        const struct { QWidget *window; QAccessible::Role role; const char *title; } windows[] = {
            {names, QAccessible::Dialog, "Contact List"}, {about, QAccessible::Dialog, nullptr},
            {*date, QAccessible::Dialog, "Select a Date"}, {clock, QAccessible::Window, "Calendar"}};
        for (const auto &[window, role, title] : windows) {
            QCOMPARE(iface(window)->role(), role);
            if (title)
                QCOMPARE(iface(window)->text(QAccessible::Name), QString::fromUtf8(title));
            if (window != clock) {
                window->show();
                QVERIFY(QTest::qWaitForWindowExposed(window));
                checkNames(window);
            }
        }
        QCOMPARE(iface(names->findChild<QWidget *>(QStringLiteral("lstNames")))->text(QAccessible::Name),
                 QStringLiteral("Select name to use:"));
        QVERIFY(!iface(about->findChild<QWidget *>(QStringLiteral("picIcon")))->text(QAccessible::Name).isEmpty());
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
