#include "notebook/frmJotwell.h"

#include "notebook/AccessibleNames.h"
#include "notebook/AppIcon.h"
#include "notebook/FieldInput.h"
#include "notebook/NoteFields.h"
#include "notebook/frmNames.h"
#include "reminders/frmCalendar.h"
#include "platform/seams/Clock.h"
#include "platform/dates/DateValue.h"
#include "platform/seams/Dialogs.h"
#include "platform/text/FixedText.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <cmath>
#include <utility>

static void initResources()
{
    // The pictures live in the static application library; pull them in.
    Q_INIT_RESOURCE(jotwell);
}

namespace {

const QString AppTitle = QStringLiteral("Jotwell");

// A check box shows 0, 1 or 2 (greyed). Any other stored number shows as
// unchecked rather than as a state the box cannot take.
void showCheckValue(QCheckBox *box, qint16 value)
{
    box->setTristate(value == 2);
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

qint16 checkValue(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    case Qt::Unchecked: break;
    }
    return 0;
}

} // namespace

frmJotwell::frmJotwell(const QString &folder, QWidget *parent)
    : QMainWindow(parent), m_folder(folder), m_store(std::make_unique<RecordStore>(folder))
{
    initResources();
    setObjectName(QStringLiteral("frmJotwell"));
    setWindowTitle(AppTitle);
    setWindowIcon(AppIcon::icon());
    AccessibleNames::install();
    buildControls();
    buildDateControls();
    buildTrayControls();
    buildMenus();
    AccessibleNames::apply(this);
    connectHandlers();
    connectTrayHandlers();
    // The boxes take what the note's fields hold, and nothing the files'
    // code page cannot hold.
    FieldInput::limit(txtContact, NoteRecord::ContactWidth);
    FieldInput::limit(cboCategory->lineEdit(), NoteRecord::CategoryWidth);
    FieldInput::limit(txtNotes, NoteRecord::NotesWidth);
    adjustSize();
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    Form_Load();
}

frmJotwell::~frmJotwell() = default;

void frmJotwell::connectHandlers()
{
    connect(cmdNext, &QPushButton::clicked, this, &frmJotwell::cmdNext_Click);
    connect(mnuNext, &QAction::triggered, this, &frmJotwell::cmdNext_Click);
    connect(cmdPrevious, &QPushButton::clicked, this, &frmJotwell::cmdPrevious_Click);
    connect(mnuPrevious, &QAction::triggered, this, &frmJotwell::cmdPrevious_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmJotwell::cmdExit_Click);
    connect(mnuExit, &QAction::triggered, this, &frmJotwell::cmdExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmJotwell::mnuAbout_Click);

    connect(cmdNew, &QPushButton::clicked, this, &frmJotwell::cmdNew_Click);
    connect(mnuNewNote, &QAction::triggered, this, &frmJotwell::cmdNew_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmJotwell::cmdSave_Click);
    connect(mnuSave, &QAction::triggered, this, &frmJotwell::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmJotwell::cmdDelete_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &frmJotwell::cmdSearch_Click);

    connect(tmrReminder, &QTimer::timeout, this, &frmJotwell::tmrReminder_Timer);
    // chkRemind follows every change, from code as well as from the user.
    connect(chkRemind, &QCheckBox::toggled, this, &frmJotwell::chkRemind_Click);
    connect(mnuRemind, &QAction::triggered, this, &frmJotwell::mnuRemind_Click);
    // A greyed state comes only from a stored note; the user's clicks never lead back to it.
    for (QCheckBox *box : {chkReminder, chkFollowUp}) {
        connect(box, &QCheckBox::clicked, box, [box] {
            if (box->checkState() != Qt::PartiallyChecked)
                box->setTristate(false);
        });
    }
    // Only the user's clicks and edits: displaying a note sets these boxes too.
    connect(chkReminder, &QCheckBox::clicked, this, &frmJotwell::chkReminder_Click);
    connect(txtInterval, &QLineEdit::textEdited, this, &frmJotwell::txtInterval_Change);
    cboCategory->installEventFilter(this);
}

void frmJotwell::Form_Load()
{
    mnuRemind->setText(tr("Reminder on"));
    m_categories.clear();
    chkRemind->setChecked(true);
    if (!m_store->openAndCount()) {
        showNoteError(m_store->lastError());
        chkRemind->setChecked(false);
        return;
    }
    m_loaded = true;
    if (!m_store->notice().isEmpty())
        warn(m_store->notice());
    ShowCurrentRecord();
    loadCategories();
    m_alarm.setText(QString());
    tmrTime->start();
}

bool frmJotwell::ShowCurrentRecord()
{
    if (!m_store->readRecord(m_store->CurrentRecord)) {
        m_screenHoldsCurrent = false;
        showNoteError(m_store->lastError());
        return false;
    }
    m_screenHoldsCurrent = true;
    const NoteRecord &note = m_store->WorkingNote;
    m_shownNote = note;
    // A stored date that no date box can show (not a number, out of range)
    // leaves the box empty; saving it untouched keeps the stored date.
    const bool showable = std::isfinite(note.NoteDate) && DateValue::isValid(note.NoteDate);
    txtDate->setText(showable ? m_locale.generalDate(note.NoteDate) : QString());
    cboCategory->setEditText(FixedText::trimSpaces(note.Category));
    txtContact->setText(FixedText::trimSpaces(note.Contact));
    txtInterval->setText(QString::number(note.Interval));
    // CR LF, LF and a lone CR each show as one line break.
    QString notes = FixedText::trimSpaces(note.Notes);
    notes.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    FieldInput::setUnlimitedText(txtNotes, notes);
    m_shownDate = txtDate->text();
    m_shownCategory = cboCategory->currentText();
    m_shownContact = txtContact->text();
    m_shownNotes = notesText();
    // Text wider than its box shows from its start, not scrolled to the end
    // where a date like "12/7/2026 6:00:00 PM" would read "2/7/2026 ...".
    for (QLineEdit *box : {txtDate, txtContact, txtInterval})
        box->setCursorPosition(0);
    showCheckValue(chkReminder, note.Reminder);
    showCheckValue(chkFollowUp, note.FollowUp);
    return true;
}

bool frmJotwell::SaveCurrentRecord()
{
    if (!m_screenHoldsCurrent) {
        warn(tr("Note %1 could not be read from the note file, so what the window shows is not saved over it.\n"
                "Move to another note, or start Jotwell again.").arg(m_store->CurrentRecord));
        return false;
    }
    const bool dateTouched = txtDate->text() != m_shownDate;
    const std::optional<double> date = dateTouched ? m_locale.parse(txtDate->text()) : m_shownNote.NoteDate;
    if (dateTouched && (!date || !DateValue::isValid(*date))) {
        warn(tr("\"%1\" is not a date. Please enter the note's date, for example %2.\nThe note was not saved.")
                 .arg(txtDate->text(), m_locale.shortDate(Clock::today())));
        txtDate->setFocus();
        return false;
    }
    const std::optional<qint16> interval = NoteFields::toInterval(txtInterval->text());
    if (!interval) {
        warn(tr("\"%1\" is not a number of days. Please enter a whole number from -32768 to 32767.\n"
                "The note was not saved.").arg(txtInterval->text()));
        txtInterval->setFocus();
        return false;
    }
    NoteRecord &note = m_store->WorkingNote;
    // An untouched box stores the field as it was, less the spaces around it.
    const auto keptOr = [](const QString &shown, const QString &now, const QString &stored) {
        return now == shown ? FixedText::trimSpaces(stored) : now;
    };
    note.NoteDate = *date;
    note.Category = keptOr(m_shownCategory, cboCategory->currentText(), m_shownNote.Category);
    note.Contact = keptOr(m_shownContact, txtContact->text(), m_shownNote.Contact);
    note.Interval = *interval;
    note.Notes = keptOr(m_shownNotes, notesText(), m_shownNote.Notes);
    note.Reminder = checkValue(chkReminder);
    note.FollowUp = checkValue(chkFollowUp);
    if (!m_store->writeRecord(m_store->CurrentRecord)) {
        showNoteError(m_store->lastError());
        return false;
    }
    return true;
}

bool frmJotwell::moveTo(qint32 record)
{
    const qint32 previous = m_store->CurrentRecord;
    const bool heldPrevious = m_screenHoldsCurrent;
    m_store->CurrentRecord = record;
    if (ShowCurrentRecord())
        return true;
    // The screen still shows the note it showed; keep the number with it.
    m_store->CurrentRecord = previous;
    m_screenHoldsCurrent = heldPrevious;
    return false;
}

bool frmJotwell::saveBeforeMoving()
{
    return !m_screenHoldsCurrent || SaveCurrentRecord();
}

void frmJotwell::cmdNext_Click()
{
    if (m_store->CurrentRecord == m_store->RecordCount) {
        Dialogs::instance().messageBox(tr("This is the Last Record!"), Dialogs::Buttons::Ok,
                                       Dialogs::Icon::Exclamation, AppTitle);
        return;
    }
    if (saveBeforeMoving())
        moveTo(m_store->CurrentRecord + 1);
}

void frmJotwell::cmdPrevious_Click()
{
    if (m_store->CurrentRecord == 1) {
        Dialogs::instance().messageBox(tr("This is the first Record!"), Dialogs::Buttons::Ok,
                                       Dialogs::Icon::Exclamation, AppTitle);
        return;
    }
    if (saveBeforeMoving())
        moveTo(m_store->CurrentRecord - 1);
}

void frmJotwell::cmdExit_Click()
{
    m_exiting = true;
    close();
    emit exitRequested();
}

QString frmJotwell::categoryPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("Category.cat"));
}

void frmJotwell::loadCategories()
{
    QString error;
    if (!m_categories.load(categoryPath(), &error)) {
        showNoteError(error + tr("\nThe category list will not be saved when Jotwell closes, so that the file keeps its entries."));
        return;
    }
    m_categoriesRead = true;
    const QString shown = cboCategory->currentText();
    cboCategory->clear();
    cboCategory->addItems(m_categories.entries());
    cboCategory->setEditText(shown);
}

void frmJotwell::cboCategory_LostFocus()
{
    const QString text = cboCategory->currentText();
    if (m_categories.addIfNew(text)) {
        cboCategory->addItem(text);
        cboCategory->setEditText(text);
    }
}

void frmJotwell::Form_Unload()
{
    // The window may be told to close more than once (a quit closes every
    // window); it unloads once.
    if (std::exchange(m_unloaded, true))
        return;
    tmrReminder->stop();
    tmrTime->stop();
    QString error;
    if (m_categoriesRead && !m_categories.save(categoryPath(), &error))
        showNoteError(error);
    if (m_clock)
        m_clock->close();
}

void frmJotwell::closeEvent(QCloseEvent *event)
{
    // From the title bar the Contact List closes first, saving its names. When
    // it stays open (its list could not be saved and the user keeps it), so
    // does Jotwell: unloading now would leave it running without its clock
    // and reminders.
    if (!m_exiting && !m_unloaded && m_names && !m_names->close()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
    // Closed from its title bar, the window ends the program, as any other
    // open window (the Contact List) closes the usual way; Exit ends it at once.
    if (!m_exiting)
        QCoreApplication::quit();
}

bool frmJotwell::eventFilter(QObject *watched, QEvent *event)
{
    // The focus leaves the box only for another control of this window: not
    // for the box's own list, and not when another window or program becomes
    // active, where a half-typed category would otherwise join the list.
    if (watched == cboCategory && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            cboCategory_LostFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmJotwell::showNoteError(const QString &text)
{
    Dialogs::instance().messageBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Critical, AppTitle);
}

QString frmJotwell::notesText() const
{
    // The raw text keeps a non-breaking space, which the plain text turns into a space.
    QString text = txtNotes->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1String("\r\n")).replace(QChar::LineSeparator, QLatin1String("\r\n"));
    return text;
}

void frmJotwell::warn(const QString &text)
{
    Dialogs::instance().messageBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, AppTitle);
}
