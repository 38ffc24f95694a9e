#include "notebook/frmDate.h"

#include "notebook/Twips.h"
#include "platform/seams/Clock.h"

#include <QLineEdit>
#include <QPushButton>

frmDate::frmDate(QLineEdit *txtDate, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_txtDate(txtDate)
{
    setObjectName(QStringLiteral("frmDate"));
    setWindowTitle(tr("Select a Date"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::size(2805, 735));

    cmdNow = new QPushButton(tr("Today"), this);
    cmdNow->setObjectName(QStringLiteral("cmdNow"));
    cmdNow->setGeometry(Twips::rect(120, 120, 1215, 495));
    cmdTomorrow = new QPushButton(tr("Tomorrow"), this);
    cmdTomorrow->setObjectName(QStringLiteral("cmdTomorrow"));
    cmdTomorrow->setGeometry(Twips::rect(1470, 120, 1215, 495));
    // Tomorrow comes first; Enter presses the button that has the focus.
    setTabOrder(cmdTomorrow, cmdNow);
    cmdTomorrow->setAutoDefault(true);
    cmdNow->setAutoDefault(true);
    cmdTomorrow->setFocus();

    connect(cmdNow, &QPushButton::clicked, this, &frmDate::cmdNow_Click);
    connect(cmdTomorrow, &QPushButton::clicked, this, &frmDate::cmdTomorrow_Click);
}

void frmDate::cmdNow_Click()
{
    putDate(Clock::today());
}

void frmDate::cmdTomorrow_Click()
{
    putDate(Clock::today() + 1);
}

void frmDate::putDate(double serial)
{
    if (m_txtDate)
        m_txtDate->setText(m_locale.generalDate(serial));
    close();
}
