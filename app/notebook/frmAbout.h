#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The About window: the program's icon, title, version and description. It
// never blocks the window that opened it and is destroyed when it closes.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

    void cmdOK_Click();

private:
    void Form_Load();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblLicense = nullptr;
    QFrame *Line1 = nullptr;
    QFrame *Line2 = nullptr;
    QFrame *Line3 = nullptr;
    QFrame *Line4 = nullptr;
    QPushButton *cmdOK = nullptr;
};
