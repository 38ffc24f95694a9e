// Date selection on the main window: the calendar button beside the date box
// and the "Select a Date" window opened by a double click on the box.
#include "notebook/frmDate.h"
#include "notebook/frmJotwell.h"
#include "notebook/Twips.h"
#include "notebook/WindowPlacement.h"
#include "platform/seams/Dialogs.h"

#include <QEvent>
#include <QLineEdit>
#include <QScreen>

namespace {

// Hands a widget's double clicks to a handler.
class DoubleClickFilter : public QObject
{
public:
    DoubleClickFilter(QWidget *watched, std::function<void()> handler) : QObject(watched), m_handler(std::move(handler))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick)
            m_handler();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void frmJotwell::buildDateControls()
{
    QString error;
    if (m_calButtonHost.create(centralWidget(), QStringLiteral(":/frmJotwell/calButton.txt"), [this] { calButton_Click(); }, &error)) {
        calButton = m_calButtonHost.widget();
        calButton->setObjectName(QStringLiteral("calButton"));
        calButton->setGeometry(Twips::rect(2505, 1185, 225, 225));
        calButton->setToolTip(tr("Click here to enter date."));
        setTabOrder(txtDate, calButton);
        setTabOrder(calButton, txtInterval);
    } else {
        // The date box still takes typed dates and the Today/Tomorrow window.
        Dialogs::instance().messageBox(error, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation, QStringLiteral("Jotwell"));
    }
    new DoubleClickFilter(txtDate, [this] { txtDate_DblClick(); });
}

void frmJotwell::calButton_Click()
{
    txtDate->setText(m_locale.generalDate(m_calButtonHost.calValue()));
}

void frmJotwell::txtDate_DblClick()
{
    if (!m_frmDate) {
        m_frmDate = new frmDate(txtDate, this);
        // Under the box it fills, not wherever the desktop puts new windows.
        if (const QScreen *screen = txtDate->screen()) {
            const QRect box(txtDate->mapToGlobal(QPoint(0, 0)), txtDate->size());
            m_frmDate->move(WindowPlacement::underControl(box, m_frmDate->frameSize(), screen->availableGeometry()));
        }
    }
    m_frmDate->show();
    m_frmDate->raise();
    m_frmDate->activateWindow();
}
