#include "notebook/frmNames.h"

#include "Version.h"
#include "notebook/AccessibleNames.h"
#include "notebook/AppIcon.h"
#include "notebook/FieldInput.h"
#include "notebook/NoteRecord.h"
#include "notebook/LineFile.h"
#include "notebook/Twips.h"
#include "notebook/WindowFonts.h"
#include "platform/files/FileOps.h"
#include "platform/seams/Dialogs.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

using Twips::place;

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *widget = Twips::place<QPushButton>(parent, name, left, top, 1215, 375);
    widget->setText(caption);
    widget->setAutoDefault(false);
    return widget;
}

} // namespace

frmNames::frmNames(const QString &folder, QLineEdit *txtContact, QWidget *parent)
    : QDialog(parent)
    , m_folder(folder)
    , m_txtContact(txtContact)
    , m_namesLock(QDir(folder).filePath(QStringLiteral("Names.cat")), QStringLiteral("Names.lck"))
{
    setObjectName(QStringLiteral("frmNames"));
    // A fixed dialog: the window manager offers no minimize, maximize or resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Contact List"));
    setWindowIcon(AppIcon::icon());
    setFont(WindowFonts::smallSans(false));
    setFixedSize(Twips::size(4110, 3480));

    lblName = Twips::place<QLabel>(this, "lblName", 120, 120, 2535, 255);
    lblName->setText(tr("&Enter name to be added:"));
    Text1 = Twips::place<QLineEdit>(this, "Text1", 120, 390, 2535, 315);
    lblName->setBuddy(Text1);
    // A name goes into the contact box, which holds 20 characters.
    FieldInput::limit(Text1, NoteRecord::ContactWidth);
    cmdAdd = button(this, "cmdAdd", tr("&Add to list"), 2775, 360);
    lblSelect = Twips::place<QLabel>(this, "lblSelect", 120, 840, 2535, 255);
    lblSelect->setText(tr("&Select name to use:"));
    lstNames = Twips::place<QListWidget>(this, "lstNames", 120, 1110, 2535, 2190);
    lblSelect->setBuddy(lstNames);
    // Every name takes one line of the list's font: measured once, not once
    // a name, so that the longest list opens in a fraction of a second.
    lstNames->setUniformItemSizes(true);
    cmdDelete = button(this, "cmdDelete", tr("&Remove"), 2775, 1110);
    cmdOK = button(this, "cmdOK", tr("&OK"), 2775, 2925);

    setTabOrder(Text1, cmdAdd);
    setTabOrder(cmdAdd, lstNames);
    setTabOrder(lstNames, cmdDelete);
    setTabOrder(cmdDelete, cmdOK);

    connect(Text1, &QLineEdit::textChanged, this, &frmNames::Text1_Change);
    connect(cmdAdd, &QPushButton::clicked, this, &frmNames::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmNames::cmdDelete_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmNames::cmdOK_Click);
    connect(lstNames, &QListWidget::itemDoubleClicked, this, &frmNames::cmdOK_Click);
    // A name picked with the mouse or the keys may be removed at once.
    connect(lstNames, &QListWidget::itemSelectionChanged, this, &frmNames::lstNames_GotFocus);
    Text1->installEventFilter(this);
    lstNames->installEventFilter(this);
    AccessibleNames::apply(this);

    Form_Load();
}

QString frmNames::namesPath() const
{
    return QDir(m_folder).filePath(QStringLiteral("Names.cat"));
}

void frmNames::Form_Load()
{
    Text1->setText(m_txtContact ? m_txtContact->text() : QString());
    cmdAdd->setEnabled(false);
    cmdDelete->setEnabled(false);
    const WriterLock::Outcome lock = m_namesLock.acquire();
    m_readOnly = lock != WriterLock::Outcome::Held;
    if (m_readOnly) {
        const QString why = lock == WriterLock::Outcome::HeldByAnother
            ? tr("Another Jotwell has this contact list open.")
            : tr("Names.cat cannot be locked for writing: %1.").arg(FileOps::errorText(m_namesLock.error()));
        Dialogs::instance().messageBox(
            why + tr("\nThe list is shown read-only: names added or removed in this window will not be saved."),
            Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, Version::title());
    }
    QStringList names;
    QString error;
    m_read = LineFile::read(namesPath(), names, &error);
    if (!m_read) {
        Dialogs::instance().messageBox(
            error + tr("\nThe contact list will not be saved when this window closes, so that the file keeps its names."),
            Dialogs::Buttons::Ok, Dialogs::Icon::Critical, Version::title());
    }
    lstNames->addItems(names);
    Text1->setFocus();
    Text1_Change();
}

void frmNames::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Text1->setFocus();
}

void frmNames::Text1_Change()
{
    cmdAdd->setEnabled(!Text1->text().isEmpty());
}

void frmNames::cmdAdd_Click()
{
    const QString name = Text1->text();
    if (name.isEmpty())
        return;
    if (lstNames->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        if (lstNames->count() >= LineFile::MaxEntries) {
            // Names.cat would hold more than the next opening reads.
            Dialogs::instance().messageBox(tr("The contact list is full: it holds at most %1 names.").arg(LineFile::MaxEntries),
                                           Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, Version::title());
            return;
        }
        lstNames->addItem(name);
    }
    Text1->clear();
    Text1->setFocus();
    Text1_Change();
}

void frmNames::lstNames_GotFocus()
{
    cmdDelete->setEnabled(!lstNames->selectedItems().isEmpty());
}

void frmNames::cmdDelete_Click()
{
    const QList<QListWidgetItem *> selected = lstNames->selectedItems();
    if (selected.isEmpty())
        return;
    delete lstNames->takeItem(lstNames->row(selected.first()));
    cmdDelete->setEnabled(false);
    if (lstNames->count() > 0) {
        lstNames->setCurrentRow(0);
        cmdDelete->setEnabled(true);
    } else {
        Text1->setFocus();
        Text1_Change();
    }
}

void frmNames::cmdOK_Click()
{
    const QList<QListWidgetItem *> selected = lstNames->selectedItems();
    if (!selected.isEmpty() && !selected.first()->text().isEmpty() && m_txtContact)
        m_txtContact->setText(selected.first()->text());
    close();
}

bool frmNames::Form_Unload()
{
    if (!m_read || m_readOnly)
        return true;
    QStringList names;
    for (int i = 0; i < lstNames->count(); ++i)
        names.append(lstNames->item(i)->text());
    QString error;
    if (LineFile::write(namesPath(), names, &error))
        return true;
    const Dialogs::Answer answer = Dialogs::instance().messageBox(
        error + tr("\nNames.cat keeps the names it had. Press OK to close the list anyway, "
                   "or Cancel to keep it open and try again."),
        Dialogs::Buttons::OkCancel, Dialogs::Icon::Critical, Version::title());
    return answer != Dialogs::Answer::Cancel;
}

void frmNames::reject()
{
    close();
}

void frmNames::closeEvent(QCloseEvent *event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}

bool frmNames::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && handleKey(watched, static_cast<QKeyEvent *>(event)))
        return true;
    if (event->type() == QEvent::FocusIn) {
        if (watched == Text1)
            Text1_Change();
        else if (watched == lstNames)
            lstNames_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

bool frmNames::handleKey(QObject *watched, const QKeyEvent *event)
{
    const int key = event->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == Text1) {
        // An access key reaches the box only when no enabled control took it
        // (Alt+A on a disabled Add): it is no letter to type.
        if (event->modifiers() & Qt::AltModifier && !(event->modifiers() & Qt::ControlModifier))
            return true;
        if (enter) {
            if (cmdAdd->isEnabled())
                cmdAdd->click();
            return true;
        }
    } else if (watched == lstNames) {
        if (enter) {
            cmdOK->click();
            return true;
        }
        // The first step into a list with nothing selected takes its first
        // name, also when the list holds only one.
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && lstNames->selectedItems().isEmpty()
            && lstNames->count() > 0) {
            lstNames->setCurrentRow(0);
            lstNames->item(0)->setSelected(true);
            return true;
        }
    }
    return false;
}
