#include "notebook/WidgetEvents.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

class MouseHook : public QObject
{
public:
    MouseHook(QWidget *widget, QEvent::Type type, std::function<void()> handler)
        : QObject(widget), m_type(type), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == m_type) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            auto *widget = static_cast<QWidget *>(watched);
            // A release counts as a click only over the widget it began on.
            if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
                m_handler();
        }
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_handler;
};

} // namespace

void onLeftMouse(QWidget *widget, QEvent::Type type, std::function<void()> handler)
{
    new MouseHook(widget, type, std::move(handler));
}
