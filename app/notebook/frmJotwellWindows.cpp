// The secondary windows the main window opens without waiting on them: the
// About window and the Contact List.
#include "notebook/frmAbout.h"
#include "notebook/frmJotwell.h"
#include "notebook/frmNames.h"

#include <QLineEdit>

namespace {

void showInFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void frmJotwell::mnuAbout_Click()
{
    if (!m_about)
        m_about = new frmAbout(this);
    showInFront(m_about);
}

void frmJotwell::Picture1_Click()
{
    mnuAbout_Click();
}

void frmJotwell::txtContact_DblClick()
{
    if (!m_names)
        m_names = new frmNames(m_folder, txtContact, this);
    showInFront(m_names);
}
