#include "button/ZVCalButton.h"

#include "button/CalendarPicture.h"
#include "button/DropDownPlacement.h"
#include "core/ZVCalendar.h"
#include "platform/objects/StdFont.h"
#include "platform/widgets/SSCommand.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

namespace {

constexpr int TwipsPerPixel = 15;

int toPixels(std::int32_t twips)
{
    return std::max(0, int(std::lround(twips / double(TwipsPerPixel))));
}

} // namespace

ZVCalButton::ZVCalButton(QWidget *parent) : QWidget(parent)
{
    m_button = new SSCommand(this);
    m_button->setObjectName(QStringLiteral("SSCommand1"));
    // The design-time button: calendar picture, Arial 8.25, a one-pixel bevel.
    m_button->setPicture(calendarButtonPicture());
    m_button->setCaption(QStringLiteral("DavOduraruv"));
    m_button->setBevelWidth(1);
    m_font = StdFont::create(QStringLiteral("Arial"), 8.25);
    applyFont();
    m_button->installEventFilter(this);
    setFocusProxy(m_button);
    setFocusPolicy(Qt::StrongFocus);

    m_calendar = new ZVCalendar(this);
    m_calendar->setObjectName(QStringLiteral("ZVCalendar1"));
    m_calendar->hide();
    m_calendar->setPopupFrame(true);
    m_calendar->installEventFilter(this);
    m_calendar->setCalWidth(m_calWidth);
    m_calendar->setCalHeight(m_calHeight);

    connectButton();
    connectCalendar();
    // The focus leaving button and calendar (the calendar may be a child of
    // the form by then) closes the calendar. A window losing activation
    // leaves the focus where it was, so a null widget does not count.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isDroppedDown() && !holdsFocusOf(now))
            m_calendar->hide();
    });

    resize(sizeHint());
}

ZVCalButton::~ZVCalButton()
{
    // Once dropped down the calendar belongs to the form; it goes with us.
    if (m_calendar && m_calendar->parent() != this)
        delete m_calendar.data();
}

QSize ZVCalButton::sizeHint() const
{
    return QSize(540 / TwipsPerPixel, 540 / TwipsPerPixel);
}

bool ZVCalButton::isDroppedDown() const
{
    return m_calendar && m_calendar->isVisible();
}

bool ZVCalButton::holdsFocusOf(const QWidget *widget) const
{
    if (widget == m_button || widget == this)
        return true;
    // Walks object parents rather than widget ones: the calendar's month list
    // pops up in a window of its own.
    for (const QObject *o = widget; o; o = o->parent())
        if (o == m_calendar)
            return true;
    return false;
}

void ZVCalButton::connectButton()
{
    connect(m_button, &SSCommand::Click, this, &ZVCalButton::SSCommand1_Click);
    connect(m_button, &SSCommand::KeyDown, this, [this](short &k, short &s) { emit BtnKeyDown(k, s); });
    connect(m_button, &SSCommand::KeyPress, this, [this](short &a) { emit BtnKeyPress(a); });
    connect(m_button, &SSCommand::KeyUp, this, [this](short &k, short &s) { emit BtnKeyUp(k, s); });
    connect(m_button, &SSCommand::MouseDown, this, &ZVCalButton::BtnMouseDown);
    connect(m_button, &SSCommand::MouseMove, this, &ZVCalButton::BtnMouseMove);
    connect(m_button, &SSCommand::MouseUp, this, &ZVCalButton::BtnMouseUp);
}

void ZVCalButton::connectCalendar()
{
    ZVCalendar *c = m_calendar.data();
    connect(c, &ZVCalendar::MonthChanged, this, &ZVCalButton::MonthChanged);
    connect(c, &ZVCalendar::ValueChanged, this, &ZVCalButton::ValueChanged);
    connect(c, &ZVCalendar::YearChanged, this, &ZVCalButton::YearChanged);
    connect(c, &ZVCalendar::Click, this, &ZVCalButton::Click);
    connect(c, &ZVCalendar::DblClick, this, &ZVCalButton::closeCalendar);
    connect(c, &ZVCalendar::KeyDown, this, [this](short &k, short &s) { emit KeyDown(k, s); });
    connect(c, &ZVCalendar::KeyUp, this, [this](short &k, short &s) { emit KeyUp(k, s); });
    connect(c, &ZVCalendar::KeyPress, this, [this](short &a) {
        if (a == 13 || a == 27)
            closeCalendar();
        emit KeyPress(a);
    });
    connect(c, &ZVCalendar::MouseDown, this, [this](short &b, short &s, float &x, float &y) { emit MouseDown(b, s, x, y); });
    connect(c, &ZVCalendar::MouseMove, this, [this](short &b, short &s, float &x, float &y) { emit MouseMove(b, s, x, y); });
    connect(c, &ZVCalendar::MouseUp, this, [this](short &b, short &s, float &x, float &y) { emit MouseUp(b, s, x, y); });
    // The child's own notices stand for the control's property writes that
    // the object layer hands on to it; loading writes the child directly.
    connect(c, &ZVCalendar::propertyChanged, this, [this](const QString &name) {
        if (!m_writingChild)
            emit propertyChanged(name);
    });
}

void ZVCalButton::closeCalendar()
{
    // The focus goes first, so that hiding does not hand it to some other
    // control of the form.
    m_button->setFocus(Qt::OtherFocusReason);
    m_calendar->hide();
}

void ZVCalButton::SSCommand1_Click()
{
    if (!m_calendar)
        return;
    if (!m_calendar->isVisible()) {
        placeCalendar();
        m_calendar->show();
        m_calendar->raise();
        m_calendar->setFocus(Qt::MouseFocusReason);
    } else {
        closeCalendar();
    }
    emit BtnClick();
}

void ZVCalButton::placeCalendar()
{
    QWidget *form = window();
    DropDownPlacement::Form scale;
    scale.scaleWidth = form->width() * TwipsPerPixel;
    scale.scaleHeight = form->height() * TwipsPerPixel;
    const QPoint offset = m_button->mapTo(form, QPoint(0, 0));
    const QSize buttonTwips = m_button->size() * TwipsPerPixel;
    const QPoint at = DropDownPlacement::origin(scale, offset, buttonTwips, QSize(m_calWidth, m_calHeight));
    if (m_calendar->parentWidget() != form)
        m_calendar->setParent(form);
    m_calendar->setGeometry(toPixels(at.x()), toPixels(at.y()), toPixels(m_calWidth), toPixels(m_calHeight));
}

void ZVCalButton::fitToButton()
{
    if (m_button->autoSize() == SSCommand::ButtonToPicture)
        resize(m_button->size());
    else
        m_button->setGeometry(rect());
}

// An open calendar stays where it dropped down: it lives on the form, and the
// control's own area is far too small to hold it.
void ZVCalButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitToButton();
}

bool ZVCalButton::isClosingKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

// Enter and Esc that reach the dropped-down calendar close it and end there:
// it lies on the host's form, whose default and cancel buttons (or shortcuts)
// would otherwise take the same key.
bool ZVCalButton::keepClosingKey(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // The calendar's own handling (its KeyPress, which closes it) first;
        // whatever it leaves unused goes no further.
        static_cast<QObject *>(m_calendar.data())->event(event);
    }
    event->accept();
    return true;
}

bool ZVCalButton::eventFilter(QObject *watched, QEvent *event)
{
    // The event's kind first: the calendar also sees events while it is being
    // destroyed, when it may no longer be taken for a calendar.
    if (isClosingKey(event) && watched == m_calendar && isDroppedDown())
        return keepClosingKey(event);
    if (watched == m_button && event->type() == QEvent::Resize && m_button->autoSize() == SSCommand::ButtonToPicture)
        resize(m_button->size());
    return QWidget::eventFilter(watched, event);
}
