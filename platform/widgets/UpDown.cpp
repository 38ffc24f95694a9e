#include "platform/widgets/UpDown.h"

#include "platform/widgets/WidgetAccessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace {

// One half of the control: a raised panel with a solid triangle, drawn row
// by row so that it stays crisp down to a few pixels.
class ArrowButton : public QAbstractButton
{
public:
    ArrowButton(bool up, QWidget *parent) : QAbstractButton(parent), m_up(up)
    {
        setFocusPolicy(Qt::NoFocus);
        setAutoRepeat(true);
        setAutoRepeatDelay(400);
        setAutoRepeatInterval(60);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QRect r = rect();
        if (r.width() <= 0 || r.height() <= 0)
            return;
        const QPalette &pal = palette();
        p.fillRect(r, pal.button());
        const bool down = isDown();
        if (r.width() >= 3 && r.height() >= 3) {
            p.setPen(down ? pal.dark().color() : pal.light().color());
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(down ? pal.light().color() : pal.dark().color());
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        }

        const int inner = std::max(1, std::min({r.width() - 4, r.width() / 2 + 1, 2 * (r.height() - 3) - 1}));
        const int base = inner % 2 ? inner : inner - 1;
        const int rows = (base + 1) / 2;
        const int shift = down ? 1 : 0;
        const int left = (r.width() - base) / 2 + shift;
        const int top = (r.height() - rows) / 2 + shift;
        const QColor colour = pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
        for (int i = 0; i < rows; ++i) {
            const int row = m_up ? rows - 1 - i : i;
            p.fillRect(left + i, top + row, base - 2 * i, 1, colour);
        }
    }

private:
    bool m_up;
};

} // namespace

UpDown::UpDown(QWidget *parent)
    : QWidget(parent), m_up(new ArrowButton(true, this)), m_down(new ArrowButton(false, this))
{
    WidgetAccessibility::install();
    m_up->setObjectName(QStringLiteral("upButton"));
    m_down->setObjectName(QStringLiteral("downButton"));
    connect(m_up, &QAbstractButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QAbstractButton::clicked, this, &UpDown::stepDown);
    resize(sizeHint());
}

QSize UpDown::sizeHint() const
{
    return QSize(17, 22);
}

void UpDown::setBuddy(QLineEdit *buddy)
{
    if (m_buddy) {
        m_buddy->removeEventFilter(this);
        disconnect(m_buddy, nullptr, this, nullptr);
    }
    m_buddy = buddy;
    if (!m_buddy)
        return;
    m_buddy->installEventFilter(this);
    connect(m_buddy, &QLineEdit::textChanged, this, &UpDown::readBuddy);
    connect(m_buddy, &QObject::destroyed, this, [this] { m_buddy = nullptr; });
    readBuddy();
    followBuddy();
}

QLineEdit *UpDown::buddy() const
{
    return m_buddy;
}

void UpDown::setRange(int minimum, int maximum)
{
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    m_value = std::clamp(m_value, m_minimum, m_maximum);
}

int UpDown::minimum() const
{
    return m_minimum;
}

int UpDown::maximum() const
{
    return m_maximum;
}

void UpDown::setIncrement(int increment)
{
    m_increment = std::max(1, increment);
}

int UpDown::increment() const
{
    return m_increment;
}

int UpDown::value() const
{
    return m_value;
}

void UpDown::stepUp()
{
    step(1);
}

void UpDown::stepDown()
{
    step(-1);
}

void UpDown::step(int direction)
{
    readBuddy();
    const qint64 next = qint64(m_value) + qint64(direction) * m_increment;
    const int value = int(std::clamp<qint64>(next, m_minimum, m_maximum));
    const QString text = QString::number(value);
    bool changedValue = value != m_value;
    m_value = value;
    // Writing the buddy fires its textChanged, as typing would.
    if (m_buddy && m_buddy->text() != text) {
        m_buddy->setText(text);
        changedValue = true;
    }
    if (changedValue) {
        if (QAccessible::isActive()) {
            QAccessibleValueChangeEvent event(this, value);
            QAccessible::updateAccessibility(&event);
        }
        emit changed(value);
    }
}

void UpDown::readBuddy()
{
    if (!m_buddy)
        return;
    bool ok = false;
    const qint64 number = m_buddy->text().trimmed().toLongLong(&ok);
    if (ok)
        m_value = int(std::clamp<qint64>(number, m_minimum, m_maximum));
}

void UpDown::followBuddy()
{
    if (!m_buddy || m_buddy->parentWidget() != parentWidget())
        return;
    const QRect g = m_buddy->geometry();
    setGeometry(g.right() + 1, g.top(), width(), g.height());
}

bool UpDown::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_buddy) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            followBuddy();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (isEnabled() && (key == Qt::Key_Up || key == Qt::Key_Down)) {
                step(key == Qt::Key_Up ? 1 : -1);
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent *)
{
    const int upper = height() / 2;
    m_up->setGeometry(0, 0, width(), upper);
    m_down->setGeometry(0, upper, width(), height() - upper);
}
