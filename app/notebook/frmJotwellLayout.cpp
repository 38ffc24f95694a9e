// The controls and menus of the main window, placed in twips.
#include "notebook/frmJotwell.h"
#include "notebook/Twips.h"
#include "notebook/WindowFonts.h"
#include "platform/dates/DateValue.h"
#include "platform/dates/LocaleServices.h"
#include "platform/widgets/UpDown.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <limits>

namespace {

using Twips::place;

QLabel *label(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    auto *widget = place<QLabel>(parent, name, left, top, width, height);
    widget->setText(caption);
    return widget;
}

template <typename B>
B *button(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    auto *widget = place<B>(parent, name, left, top, width, height);
    widget->setText(caption);
    return widget;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, int left, int top, int width, int height)
{
    auto *widget = place<QGroupBox>(parent, name, left, top, width, height);
    widget->setTitle(caption);
    return widget;
}

// Boxes the user fills in carry the tooltip colour, as the designer chose.
void tooltipBackground(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
    palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
    widget->setPalette(palette);
}

// Children of a frame start below its caption and border line, whatever
// room the style gives the caption, and end above its bottom border: a
// child that would cross it gives up height (the check boxes of a frame
// whose caption takes more room than designed).
void clearCaption(QGroupBox *frame)
{
    const QList<QWidget *> children = frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    int top = frame->height();
    for (QWidget *child : children)
        top = qMin(top, child->y());
    const QRect inside = frame->contentsRect();
    const int shift = inside.top() + 1 - top;
    if (shift <= 0)
        return;
    for (QWidget *child : children) {
        const int y = child->y() + shift;
        child->setGeometry(child->x(), y, child->width(), qMax(0, qMin(child->height(), inside.bottom() + 1 - y)));
    }
}

// The widest text a one-line box shows gets the room it needs.
void fitText(QLineEdit *box, const QString &widest)
{
    box->setFont(WindowFonts::fitted(box->font(), widest, WindowFonts::textRoom(box)));
}

QAction *action(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    return item;
}

} // namespace

void frmJotwell::buildControls()
{
    // The classic dialog face; controls with a face of their own set it below.
    setFont(WindowFonts::smallSans(false));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(Twips::size(6390, 5895));
    setCentralWidget(client);
    // A fixed form: the window manager offers no maximize and no resizing.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    lblNotes = label(client, "lblNotes", tr("The Jotwell Tracker"), 120, 45, 6150, 510);
    lblNotes->setFont(WindowFonts::title());
    lblNotes->setAlignment(Qt::AlignCenter);
    lblDescription = label(client, "lblDescription",
                           tr("Keep track of your reminders, no matter what program you are using."),
                           120, 555, 6150, 270);
    lblDescription->setFont(WindowFonts::description());
    lblDescription->setAlignment(Qt::AlignCenter);

    // Information: date and days-before on the first row, contact and category on the second.
    fraContact = frame(client, "fraContact", tr("&Information:"), 120, 855, 6150, 1095);
    lblDate = label(fraContact, "lblDate", tr("D&ate:"), 120, 330, 615, 255);
    txtDate = place<QLineEdit>(fraContact, "txtDate", 780, 285, 1575, 315);
    txtDate->setToolTip(tr("Double click for more..."));
    lblDate->setBuddy(txtDate);
    // The calendar button (225 x 225, buildDateControls) sits on the window itself at 2505, 1185,
    // just right of the date box; the days-before row starts beyond it.
    lblInterval_0 = label(fraContact, "lblInterval_0", tr("&Remind me"), 2670, 330, 990, 255);
    lblInterval_0->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtInterval = place<QLineEdit>(fraContact, "txtInterval", 3720, 285, 480, 315);
    txtInterval->setText(QStringLiteral("1"));
    lblInterval_0->setBuddy(txtInterval);
    udcDays = place<UpDown>(fraContact, "udcDays", 4200, 285, 240, 315);
    udcDays->setBuddy(txtInterval);
    udcDays->setRange(0, 365);
    udcDays->setIncrement(1);
    lblInterval_1 = label(fraContact, "lblInterval_1", tr("days before."), 4515, 330, 1200, 255);

    lblContact = label(fraContact, "lblContact", tr("&Contact:"), 120, 705, 645, 255);
    txtContact = place<QLineEdit>(fraContact, "txtContact", 780, 660, 2055, 315);
    txtContact->setToolTip(tr("Double click to enter names."));
    lblContact->setBuddy(txtContact);
    lblCategory = label(fraContact, "lblCategory", tr("Ca&tegory:"), 2880, 705, 840, 255);
    lblCategory->setAlignment(Qt::AlignRight | Qt::AlignTop);
    cboCategory = place<QComboBox>(fraContact, "cboCategory", 3780, 660, 2250, 315);
    cboCategory->setEditable(true);
    // Typed categories join the list by the focus rule only, never by Enter.
    cboCategory->setInsertPolicy(QComboBox::NoInsert);
    // No completion: it would match case-blind and turn a typed "home" into a listed "Home".
    cboCategory->setCompleter(nullptr);
    cboCategory->setEditText(QString());
    lblCategory->setBuddy(cboCategory);
    for (QWidget *box : {static_cast<QWidget *>(txtDate), static_cast<QWidget *>(txtInterval),
                         static_cast<QWidget *>(txtContact), static_cast<QWidget *>(cboCategory)})
        tooltipBackground(box);
    // The longest date with its time of day in the user's locale, and the
    // widest days-before a note can hold.
    const double lateEvening = *DateValue::fromDate(2026, 12, 28) + (22 * 3600 + 58 * 60 + 58) / 86400.0;
    fitText(txtDate, LocaleServices().generalDate(lateEvening));
    fitText(txtInterval, QString::number(std::numeric_limits<qint16>::min()));
    clearCaption(fraContact);

    fraNotes = frame(client, "fraNotes", tr("&Notes:"), 120, 2010, 6150, 1800);
    txtNotes = place<QPlainTextEdit>(fraNotes, "txtNotes", 120, 255, 5910, 1425);
    txtNotes->setFont(WindowFonts::noteText());
    txtNotes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtNotes->setTabChangesFocus(true);
    clearCaption(fraNotes);

    fraTasks = frame(client, "fraTasks", tr("&Tasks:"), 120, 3870, 1695, 855);
    chkReminder = button<QCheckBox>(fraTasks, "chkReminder", tr("R&eminder"), 120, 255, 1455, 255);
    chkFollowUp = button<QCheckBox>(fraTasks, "chkFollowUp", tr("Follow &Up"), 120, 525, 1455, 255);
    clearCaption(fraTasks);

    // Reminder scan switch and period, beside Tasks. The clock box and the
    // program picture take the free space to the right of them.
    chkRemind = button<QCheckBox>(client, "chkRemind", tr("Reminder"), 1995, 3945, 1335, 255);
    Label1 = label(client, "Label1", tr("Remind me every:"), 1995, 4335, 1455, 255);
    txtEvery = place<QLineEdit>(client, "txtEvery", 3480, 4290, 420, 315);
    txtEvery->setText(QStringLiteral("1"));
    Label1->setBuddy(txtEvery);
    udcMins = place<UpDown>(client, "udcMins", 3900, 4290, 240, 315);
    udcMins->setBuddy(txtEvery);
    udcMins->setRange(1, 60);
    udcMins->setIncrement(1);
    lblMin = label(client, "lblMin", tr("Minutes"), 4215, 4335, 705, 255);

    // Two button rows; Previous and Next span both. The Alarm and Hide
    // buttons take the free places of the first row, right of Next.
    cmdPrevious = place<QPushButton>(client, "cmdPrevious", 120, 4845, 495, 870);
    cmdPrevious->setIcon(QIcon(QStringLiteral(":/icons/previous.png")));
    cmdPrevious->setIconSize(QSize(24, 24));
    cmdPrevious->setToolTip(tr("Previous"));
    cmdNew = button<QPushButton>(client, "cmdNew", tr("Ne&w"), 720, 4845, 1095, 375);
    cmdDelete = button<QPushButton>(client, "cmdDelete", tr("&Delete"), 720, 5340, 1095, 375);
    cmdSearch = button<QPushButton>(client, "cmdSearch", tr("Searc&h"), 1920, 4845, 1095, 375);
    cmdSave = button<QPushButton>(client, "cmdSave", tr("&Save"), 1920, 5340, 1095, 375);
    cmdNext = place<QPushButton>(client, "cmdNext", 3120, 4845, 495, 870);
    cmdNext->setIcon(QIcon(QStringLiteral(":/icons/next.png")));
    cmdNext->setIconSize(QSize(24, 24));
    cmdNext->setToolTip(tr("Next"));
    cmdExit = button<QPushButton>(client, "cmdExit", tr("E&xit"), 5175, 5340, 1095, 375);
    for (QPushButton *b : {cmdNew, cmdDelete, cmdSearch, cmdSave, cmdExit})
        b->setAutoDefault(false);
    cmdPrevious->setAutoDefault(false);
    cmdNext->setAutoDefault(false);

    setTabOrder(txtDate, txtInterval);
    setTabOrder(txtInterval, txtContact);
    setTabOrder(txtContact, cboCategory);
    setTabOrder(cboCategory, txtNotes);
    setTabOrder(txtNotes, chkReminder);
    setTabOrder(chkReminder, chkFollowUp);
    setTabOrder(chkFollowUp, chkRemind);
    setTabOrder(chkRemind, txtEvery);
    setTabOrder(txtEvery, cmdPrevious);
    setTabOrder(cmdPrevious, cmdNew);
    setTabOrder(cmdNew, cmdDelete);
    setTabOrder(cmdDelete, cmdSearch);
    setTabOrder(cmdSearch, cmdSave);
    setTabOrder(cmdSave, cmdNext);
    setTabOrder(cmdNext, cmdExit);

    tmrReminder = new QTimer(this);
    tmrReminder->setObjectName(QStringLiteral("tmrReminder"));
    tmrReminder->setInterval(10000);
}

void frmJotwell::buildMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNewNote = action(mnuFile, "mnuNewNote", tr("New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuSave = action(mnuFile, "mnuSave", tr("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuHide = action(mnuFile, "mnuHide", tr("Hide"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuPrevious = action(mnuFile, "mnuPrevious", tr("Previous"));
    mnuNext = action(mnuFile, "mnuNext", tr("Next"));
    mnuFile->addSeparator();
    mnuExit = action(mnuFile, "mnuExit", tr("E&xit"));

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout = action(mnuHelp, "mnuAbout", tr("&About"));

    buildTrayMenu();

    // Fixed client area plus the menu bar, nothing resizable.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
