#pragma once

#include "notebook/CalButtonHost.h"
#include "notebook/CategoryList.h"
#include "notebook/RecordStore.h"
#include "reminders/ReminderScan.h"
#include "platform/dates/LocaleServices.h"

#include <QDir>
#include <QMainWindow>
#include <QPointer>
#include <memory>

class UpDown;
class frmDate;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The main window: shows one note of Notes.dat at a time, moves between notes,
// runs the record commands and the reminder scan. Handlers carry the names of
// the control and event they serve.
class frmJotwell : public QMainWindow
{
    Q_OBJECT
public:
    // Works on Notes.dat and Category.cat in folder. Form_Load runs here; when
    // the note file cannot be opened the user has been told and isLoaded() is false.
    explicit frmJotwell(const QString &folder = QDir::currentPath(), QWidget *parent = nullptr);
    ~frmJotwell() override;

    bool isLoaded() const { return m_loaded; }
    qint32 currentRecord() const { return m_store->CurrentRecord; }
    qint32 recordCount() const { return m_store->RecordCount; }
    // The pop-up menu of the tray icon; never part of the menu bar.
    QMenu *trayMenu() const { return mnuShell; }

    // Returns false, with the user told why, when the note could not be read.
    bool ShowCurrentRecord();
    // Returns false, with the user told why, when nothing was written.
    bool SaveCurrentRecord();

    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdExit_Click();
    void mnuAbout_Click();

    void cmdNew_Click();
    void cmdSave_Click();
    void cmdDelete_Click();
    void cmdSearch_Click();

    void tmrReminder_Timer();
    void chkRemind_Click();
    void mnuRemind_Click();
    void chkReminder_Click();
    void txtInterval_Change(const QString &text);
    void cboCategory_LostFocus();

    void calButton_Click();
    void txtDate_DblClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildDateControls();
    void buildMenus();
    void connectHandlers();
    void Form_Load();
    void Form_Unload();
    void loadCategories();
    QString categoryPath() const;
    // CurrentRecord = record and shown; kept as it was when the read fails.
    bool moveTo(qint32 record);
    // The save that Next, Previous, New and Search make before they move on;
    // nothing to save when the screen holds no note of the file.
    bool saveBeforeMoving();
    // One pass of the reminder scan over every note.
    void runReminderPass();
    void showNoteError(const QString &text);
    void warn(const QString &text);

    QString m_folder;
    std::unique_ptr<RecordStore> m_store;
    CategoryList m_categories;
    ReminderTicker m_ticker;
    LocaleServices m_locale;
    bool m_loaded = false;
    // False while the controls hold no note numbered CurrentRecord (its read
    // failed after a delete or a failed append): saving them then would put
    // one note's text over another.
    bool m_screenHoldsCurrent = true;
    // Category.cat is written back only when it was read: a list that failed
    // to load would otherwise replace the user's file with nothing.
    bool m_categoriesRead = false;

    QLabel *lblNotes = nullptr;
    QLabel *lblDescription = nullptr;
    QGroupBox *fraContact = nullptr;
    QLabel *lblDate = nullptr;
    QLineEdit *txtDate = nullptr;
    CalButtonHost m_calButtonHost;
    QWidget *calButton = nullptr;
    QPointer<frmDate> m_frmDate;
    QLabel *lblInterval_0 = nullptr;
    QLineEdit *txtInterval = nullptr;
    UpDown *udcDays = nullptr;
    QLabel *lblInterval_1 = nullptr;
    QLabel *lblContact = nullptr;
    QLineEdit *txtContact = nullptr;
    QLabel *lblCategory = nullptr;
    QComboBox *cboCategory = nullptr;
    QGroupBox *fraNotes = nullptr;
    QPlainTextEdit *txtNotes = nullptr;
    QGroupBox *fraTasks = nullptr;
    QCheckBox *chkReminder = nullptr;
    QCheckBox *chkFollowUp = nullptr;
    QCheckBox *chkRemind = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *txtEvery = nullptr;
    UpDown *udcMins = nullptr;
    QLabel *lblMin = nullptr;
    QPushButton *cmdPrevious = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdSearch = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdExit = nullptr;
    QTimer *tmrReminder = nullptr;

    QAction *mnuNewNote = nullptr;
    QAction *mnuSave = nullptr;
    QAction *mnuHide = nullptr;
    QAction *mnuPrevious = nullptr;
    QAction *mnuNext = nullptr;
    QAction *mnuExit = nullptr;
    QAction *mnuAbout = nullptr;
    QMenu *mnuShell = nullptr;
    QAction *mnuRemind = nullptr;
};
