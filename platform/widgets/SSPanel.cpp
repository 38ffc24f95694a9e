#include "platform/widgets/SSPanel.h"

#include "platform/widgets/Bevel.h"
#include "platform/widgets/WidgetAccessibility.h"
#include "platform/text/KeyCodes.h"
#include "platform/objects/OleColor.h"
#include "platform/objects/PropertyError.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

// Pixels between the inner edge of the bevel and the caption.
constexpr int CaptionMargin = 1;

Qt::Alignment qtAlignment(int alignment)
{
    static constexpr Qt::Alignment horizontal[3] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    static constexpr Qt::Alignment vertical[3] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return horizontal[alignment / 3] | vertical[alignment % 3];
}

} // namespace

SSPanel::SSPanel(QWidget *parent)
    : QWidget(parent)
    , m_backColor(OleColor::ButtonFace)
    , m_foreColor(OleColor::ButtonText)
{
    WidgetAccessibility::install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Hover effects of the callers need MouseMove without a button held.
    setMouseTracking(true);
}

void SSPanel::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateGeometry();
    update();
    WidgetAccessibility::captionChanged(this);
}

void SSPanel::setAlignment(int alignment)
{
    if (alignment < LeftTop || alignment > CenterBottom)
        throw PropertyError::invalidValue();
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void SSPanel::setBevel(int bevel)
{
    if (bevel < BevelNone || bevel > BevelRaised)
        throw PropertyError::invalidValue();
    if (bevel == m_bevel)
        return;
    m_bevel = bevel;
    update();
}

void SSPanel::setBevelWidth(int width)
{
    if (width < 0 || width > 30)
        throw PropertyError::invalidValue();
    if (width == m_bevelWidth)
        return;
    m_bevelWidth = width;
    update();
}

void SSPanel::setOutline(bool outline)
{
    if (outline == m_outline)
        return;
    m_outline = outline;
    update();
}

void SSPanel::setBackColor(std::int32_t color)
{
    if (color == m_backColor)
        return;
    m_backColor = color;
    update();
}

void SSPanel::setForeColor(std::int32_t color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}

void SSPanel::setFont(const StdFont &font)
{
    setFont(font.attributes());
}

void SSPanel::setFont(const FontAttributes &font)
{
    QWidget::setFont(StdFont::toQFont(font));
}

bool SSPanel::bold() const
{
    return font().bold();
}

void SSPanel::setBold(bool bold)
{
    if (bold == font().bold())
        return;
    QFont f = font();
    f.setBold(bold);
    QWidget::setFont(f);
}

void SSPanel::setFittedChild(QWidget *child, int inset)
{
    m_fitted = child;
    m_fittedInset = std::max(0, inset);
    fitChild();
}

void SSPanel::fitChild()
{
    if (!m_fitted)
        return;
    const int w = std::max(0, width() - 2 * m_fittedInset);
    const int h = std::max(0, height() - 2 * m_fittedInset);
    m_fitted->setGeometry(m_fittedInset, m_fittedInset, w, h);
}

int SSPanel::frameWidth() const
{
    return (m_outline ? 1 : 0) + (m_bevel != BevelNone ? m_bevelWidth : 0);
}

QRect SSPanel::innerRect() const
{
    return BevelPaint::shrink(rect(), frameWidth());
}

QRect SSPanel::captionRect() const
{
    const QRect inner = innerRect();
    const QRect area = BevelPaint::shrink(inner, CaptionMargin);
    if (m_caption.isEmpty())
        return QRect(area.topLeft(), QSize(0, 0));
    const QRect text = fontMetrics().boundingRect(area, int(qtAlignment(m_alignment)), m_caption);
    return text.intersected(inner);
}

QSize SSPanel::sizeHint() const
{
    const QSize text = fontMetrics().size(0, m_caption.isEmpty() ? QStringLiteral(" ") : m_caption);
    const int extra = 2 * (frameWidth() + CaptionMargin);
    return text + QSize(extra, extra);
}

void SSPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(all, OleColor::toQColor(m_backColor));

    QRect r = all;
    if (m_outline) {
        BevelPaint::drawRings(painter, r, 1, Qt::black, Qt::black);
        r = BevelPaint::shrink(r, 1);
    }
    if (m_bevel == BevelInset)
        BevelPaint::drawInset(painter, r, m_bevelWidth);
    else if (m_bevel == BevelRaised)
        BevelPaint::drawRaised(painter, r, m_bevelWidth);

    const QRect inner = innerRect();
    if (m_caption.isEmpty() || inner.isEmpty())
        return;
    const QRect area = BevelPaint::shrink(inner, CaptionMargin);
    const int flags = int(qtAlignment(m_alignment));
    painter.setClipRect(inner);
    painter.setFont(font());
    if (isEnabled()) {
        painter.setPen(OleColor::toQColor(m_foreColor));
        painter.drawText(area, flags, m_caption);
    } else {
        // Engraved grey, as disabled captions look on a 3-D face.
        painter.setPen(BevelPaint::highlightColor());
        painter.drawText(area.translated(1, 1), flags, m_caption);
        painter.setPen(BevelPaint::shadowColor());
        painter.drawText(area, flags, m_caption);
    }
}

void SSPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitChild();
}

void SSPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_leftPressed = true;
        m_afterDoubleClick = false;
    }
    const QPointF p = event->position();
    emit MouseDown(KeyCodes::mouseButton(event->button()), KeyCodes::shiftState(event->modifiers()), float(p.x()), float(p.y()));
}

void SSPanel::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF p = event->position();
    emit MouseMove(KeyCodes::mouseButtons(event->buttons()), KeyCodes::shiftState(event->modifiers()), float(p.x()), float(p.y()));
}

void SSPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    const bool click = left && m_leftPressed && !m_afterDoubleClick && rect().contains(event->position().toPoint());
    if (left) {
        m_leftPressed = false;
        m_afterDoubleClick = false;
    }
    // A handler may hide or delete the panel; stop touching it when it is gone.
    QPointer<SSPanel> self(this);
    const QPointF p = event->position();
    emit MouseUp(KeyCodes::mouseButton(event->button()), KeyCodes::shiftState(event->modifiers()), float(p.x()), float(p.y()));
    if (self && click)
        emit Click();
}

void SSPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    m_leftPressed = true;
    m_afterDoubleClick = true;
    emit DblClick();
}

void SSPanel::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
}
