#pragma once

#include "platform/files/WriterLock.h"

#include <QDialog>
#include <QPointer>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The Contact List: names kept in "Names.cat", read at every opening and
// written at every closing in list order. Choosing a name puts it into the
// main window's contact box. Never blocks the main window.
class frmNames : public QDialog
{
    Q_OBJECT
public:
    // Works on Names.cat in folder; txtContact is the main window's contact box.
    frmNames(const QString &folder, QLineEdit *txtContact, QWidget *parent = nullptr);

    void Text1_Change();
    void cmdAdd_Click();
    void lstNames_GotFocus();
    void cmdDelete_Click();
    void cmdOK_Click();

public slots:
    // Escape closes the window as its close box does, writing Names.cat.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    // False when the window should stay open: the write failed and the user
    // chose to keep the list.
    bool Form_Unload();
    QString namesPath() const;
    // The keys the boxes leave to the window: true when the key was used.
    bool handleKey(QObject *watched, const QKeyEvent *event);

    QString m_folder;
    QPointer<QLineEdit> m_txtContact;
    // Names.cat is written back only when it was read: a list that failed to
    // load would otherwise replace the user's file with nothing.
    bool m_read = false;
    // Held while the window is open: another Jotwell whose Names.cat leads
    // to the same file would otherwise write back its own list over ours.
    // Without it the list is shown read-only and not written back.
    WriterLock m_namesLock;
    bool m_readOnly = false;

    QLabel *lblName = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *cmdAdd = nullptr;
    QLabel *lblSelect = nullptr;
    QListWidget *lstNames = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdOK = nullptr;
};
