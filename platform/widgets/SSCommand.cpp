#include "platform/widgets/SSCommand.h"

#include "platform/widgets/Bevel.h"
#include "platform/widgets/WidgetAccessibility.h"
#include "platform/text/KeyCodes.h"
#include "platform/objects/OleColor.h"
#include "platform/objects/PropertyError.h"

#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace {

// Pixels between the bevel and the content, room for the focus rectangle.
constexpr int ContentMargin = 2;

Qt::CursorShape cursorShape(int pointer)
{
    switch (pointer) {
    case SSCommand::PointerCross: return Qt::CrossCursor;
    case SSCommand::PointerIBeam: return Qt::IBeamCursor;
    case SSCommand::PointerSize: case SSCommand::PointerSizeAll: return Qt::SizeAllCursor;
    case SSCommand::PointerSizeNESW: return Qt::SizeBDiagCursor;
    case SSCommand::PointerSizeNS: return Qt::SizeVerCursor;
    case SSCommand::PointerSizeNWSE: return Qt::SizeFDiagCursor;
    case SSCommand::PointerSizeWE: return Qt::SizeHorCursor;
    case SSCommand::PointerUpArrow: return Qt::UpArrowCursor;
    case SSCommand::PointerHourglass: return Qt::WaitCursor;
    case SSCommand::PointerNoDrop: return Qt::ForbiddenCursor;
    case SSCommand::PointerArrowHourglass: return Qt::BusyCursor;
    case SSCommand::PointerArrowQuestion: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
    }
}

} // namespace

SSCommand::SSCommand(QWidget *parent)
    : QWidget(parent)
    , m_foreColor(OleColor::ButtonText)
{
    WidgetAccessibility::install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_KeyCompression, false);
    setMouseTracking(true);
}

SSCommand::~SSCommand()
{
    if (m_shortcutId)
        releaseShortcut(m_shortcutId);
}

void SSCommand::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    updateMnemonic();
    updateGeometry();
    update();
    WidgetAccessibility::captionChanged(this);
}

void SSCommand::setFont(const StdFont &font)
{
    setFont(font.attributes());
}

void SSCommand::setFont(const FontAttributes &font)
{
    QWidget::setFont(StdFont::toQFont(font));
}

void SSCommand::setForeColor(std::int32_t color)
{
    if (color == m_foreColor)
        return;
    m_foreColor = color;
    update();
}

void SSCommand::setPicture(const StdPicturePtr &picture)
{
    m_picture = picture && !picture->isNull() ? picture : nullptr;
    applyAutoSize();
    updateGeometry();
    update();
}

void SSCommand::setAutoSize(int mode)
{
    if (mode < AutoSizeNone || mode > ButtonToPicture)
        throw PropertyError::invalidValue();
    m_autoSize = mode;
    applyAutoSize();
    update();
}

void SSCommand::setFont3D(int style)
{
    if (style < Font3DNone || style > InsetHeavy)
        throw PropertyError::invalidValue();
    m_font3D = style;
    update();
}

void SSCommand::setRoundedCorners(bool rounded)
{
    m_roundedCorners = rounded;
    update();
}

void SSCommand::setOutline(bool outline)
{
    m_outline = outline;
    applyAutoSize();
    update();
}

void SSCommand::setBevelWidth(short width)
{
    if (width < 0 || width > 10)
        throw PropertyError::invalidValue();
    m_bevelWidth = width;
    applyAutoSize();
    update();
}

void SSCommand::setMousePointer(int pointer)
{
    if ((pointer < PointerDefault || pointer > PointerSizeAll) && pointer != PointerCustom)
        throw PropertyError::invalidValue();
    m_mousePointer = pointer;
    updateCursor();
}

void SSCommand::setMouseIcon(const StdPicturePtr &icon)
{
    m_mouseIcon = icon && !icon->isNull() ? icon : nullptr;
    updateCursor();
}

void SSCommand::updateCursor()
{
    if (m_mousePointer == PointerDefault || (m_mousePointer == PointerCustom && !m_mouseIcon))
        unsetCursor();
    else if (m_mousePointer == PointerCustom)
        setCursor(QCursor(m_mouseIcon->pixmap()));
    else
        setCursor(cursorShape(m_mousePointer));
}

void SSCommand::updateMnemonic()
{
    if (m_shortcutId) {
        releaseShortcut(m_shortcutId);
        m_shortcutId = 0;
    }
    const QKeySequence mnemonic = QKeySequence::mnemonic(m_caption);
    if (!mnemonic.isEmpty())
        m_shortcutId = grabShortcut(mnemonic);
}

int SSCommand::frameWidth() const
{
    return (m_outline ? 1 : 0) + m_bevelWidth;
}

QSize SSCommand::pictureFitSize() const
{
    if (!m_picture)
        return size();
    const int extra = 2 * (frameWidth() + ContentMargin);
    return m_picture->size() + QSize(extra, extra);
}

void SSCommand::applyAutoSize()
{
    if (m_autoSize == ButtonToPicture && m_picture)
        resize(pictureFitSize());
}

QSize SSCommand::sizeHint() const
{
    const int extra = 2 * (frameWidth() + ContentMargin);
    QSize content = fontMetrics().size(Qt::TextShowMnemonic, m_caption.isEmpty() ? QStringLiteral(" ") : m_caption);
    if (m_picture) {
        const QSize p = m_picture->size();
        content = m_caption.isEmpty() ? p : QSize(std::max(p.width(), content.width()), p.height() + content.height());
    }
    return content + QSize(extra + 8, extra);
}

void SSCommand::setDown(bool down)
{
    if (down == m_down)
        return;
    m_down = down;
    update();
}

void SSCommand::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    if (all.isEmpty())
        return;
    const QColor face = OleColor::toQColor(OleColor::ButtonFace);

    QRect r = all;
    if (m_roundedCorners) {
        // The corner pixels stay unpainted, so the parent shows through them.
        painter.fillRect(BevelPaint::shrink(r, 1), face);
        painter.fillRect(QRect(r.left() + 1, r.top(), std::max(0, r.width() - 2), 1), face);
        painter.fillRect(QRect(r.left() + 1, r.bottom(), std::max(0, r.width() - 2), 1), face);
        painter.fillRect(QRect(r.left(), r.top() + 1, 1, std::max(0, r.height() - 2)), face);
        painter.fillRect(QRect(r.right(), r.top() + 1, 1, std::max(0, r.height() - 2)), face);
    } else {
        painter.fillRect(r, face);
    }
    if (m_outline) {
        if (m_roundedCorners) {
            // The line leaves out the corner pixels; they are rounded off one
            // pixel in once the bevel is drawn.
            const int w = std::max(0, r.width() - 2), h = std::max(0, r.height() - 2);
            painter.fillRect(QRect(r.left() + 1, r.top(), w, 1), Qt::black);
            painter.fillRect(QRect(r.left() + 1, r.bottom(), w, 1), Qt::black);
            painter.fillRect(QRect(r.left(), r.top() + 1, 1, h), Qt::black);
            painter.fillRect(QRect(r.right(), r.top() + 1, 1, h), Qt::black);
        } else {
            BevelPaint::drawRings(painter, r, 1, Qt::black, Qt::black);
        }
        r = BevelPaint::shrink(r, 1);
    }
    if (m_down)
        BevelPaint::drawInset(painter, r, std::max<int>(1, m_bevelWidth));
    else
        BevelPaint::drawRaised(painter, r, m_bevelWidth);
    if (m_outline && m_roundedCorners && !r.isEmpty()) {
        for (const QPoint &corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()})
            painter.fillRect(QRect(corner, QSize(1, 1)), Qt::black);
    }

    const QRect content = BevelPaint::shrink(all, frameWidth() + ContentMargin);
    if (content.isEmpty())
        return;
    // The content moves down and right while the button is pressed.
    const QRect area = m_down ? content.translated(1, 1) : content;
    painter.setClipRect(BevelPaint::shrink(all, frameWidth()));

    QRect textArea = area;
    if (m_picture) {
        // A picture sized to the button fills all within the bevel, and the
        // caption goes over it: a small button would otherwise leave the
        // picture no room at all.
        const bool fill = m_autoSize == PictureToButton;
        const QRect pictureArea = fill ? (m_down ? BevelPaint::shrink(all, frameWidth()).translated(1, 1) : BevelPaint::shrink(all, frameWidth())) : area;
        QSize p = m_picture->size();
        if (fill)
            p = p.scaled(pictureArea.size(), Qt::KeepAspectRatio);
        const int textHeight = m_caption.isEmpty() || fill ? 0 : fontMetrics().height();
        const int top = pictureArea.top() + (pictureArea.height() - p.height() - textHeight) / 2;
        const QRect target(pictureArea.left() + (pictureArea.width() - p.width()) / 2, top, p.width(), p.height());
        QPixmap pixmap = m_picture->pixmap();
        if (!isEnabled()) {
            QStyleOption option;
            option.initFrom(this);
            pixmap = style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
        }
        painter.setRenderHint(QPainter::SmoothPixmapTransform, m_autoSize == PictureToButton);
        painter.drawPixmap(target, pixmap);
        if (!fill)
            textArea = QRect(area.left(), target.bottom() + 1, area.width(), textHeight);
    }

    if (!m_caption.isEmpty()) {
        const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
        painter.setFont(font());
        auto drawAt = [&](int dx, int dy, const QColor &color) {
            painter.setPen(color);
            painter.drawText(textArea.translated(dx, dy), flags, m_caption);
        };
        const QColor light = BevelPaint::highlightColor();
        const QColor dark = BevelPaint::shadowColor();
        if (!isEnabled()) {
            drawAt(1, 1, light);
            drawAt(0, 0, dark);
        } else {
            switch (m_font3D) {
            case RaisedLight: drawAt(-1, -1, light); break;
            case RaisedHeavy: drawAt(-1, -1, light); drawAt(1, 1, dark); break;
            case InsetLight: drawAt(1, 1, light); break;
            case InsetHeavy: drawAt(-1, -1, dark); drawAt(1, 1, light); break;
            default: break;
            }
            drawAt(0, 0, OleColor::toQColor(m_foreColor));
        }
    }

    if (hasFocus()) {
        painter.setClipping(false);
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRect focus = BevelPaint::shrink(all, frameWidth() + 1);
        if (focus.width() > 1 && focus.height() > 1)
            painter.drawRect(focus.adjusted(0, 0, -1, -1));
    }
}

bool SSCommand::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        // Tab reaches the key events first; it moves the focus only when no
        // handler consumed it.
        auto *key = static_cast<QKeyEvent *>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            QPointer<SSCommand> self(this);
            if (raiseKeyPress(key) && self)
                focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (event->type() == QEvent::Shortcut) {
        auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (shortcut->shortcutId() == m_shortcutId && m_shortcutId != 0) {
            if (isEnabled() && isVisible()) {
                setFocus(Qt::ShortcutFocusReason);
                emit Click();
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void SSCommand::keyPressEvent(QKeyEvent *event)
{
    raiseKeyPress(event);
    event->accept();
}

bool SSCommand::raiseKeyPress(QKeyEvent *event)
{
    QPointer<SSCommand> self(this);
    short keyCode = KeyCodes::virtualKey(event);
    short shift = KeyCodes::shiftState(event->modifiers());
    const bool space = keyCode == KeyCodes::Space;
    if (keyCode != 0)
        emit KeyDown(keyCode, shift);
    if (!self)
        return false;
    if (space && keyCode == KeyCodes::Space && !event->isAutoRepeat()) {
        m_spaceHeld = true;
        setDown(true);
    }
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    short ascii = tab ? short(KeyCodes::Tab) : KeyCodes::keyAscii(event);
    if (ascii >= 0)
        emit KeyPress(ascii);
    return self && keyCode != 0 && ascii != 0;
}

void SSCommand::keyReleaseEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    QPointer<SSCommand> self(this);
    short keyCode = KeyCodes::virtualKey(event);
    short shift = KeyCodes::shiftState(event->modifiers());
    const bool space = keyCode == KeyCodes::Space;
    if (keyCode != 0)
        emit KeyUp(keyCode, shift);
    if (!self)
        return;
    if (space && m_spaceHeld) {
        m_spaceHeld = false;
        setDown(false);
        if (keyCode == KeyCodes::Space)
            emit Click();
    }
    event->accept();
}

void SSCommand::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_mouseHeld = true;
        setDown(true);
    }
    short button = KeyCodes::mouseButton(event->button());
    short shift = KeyCodes::shiftState(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseDown(button, shift, x, y);
}

void SSCommand::mouseMoveEvent(QMouseEvent *event)
{
    if (m_mouseHeld)
        setDown(rect().contains(event->position().toPoint()));
    short buttons = KeyCodes::mouseButtons(event->buttons());
    short shift = KeyCodes::shiftState(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseMove(buttons, shift, x, y);
}

void SSCommand::mouseReleaseEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    const bool click = left && m_mouseHeld && rect().contains(event->position().toPoint());
    if (left) {
        m_mouseHeld = false;
        setDown(m_spaceHeld);
    }
    QPointer<SSCommand> self(this);
    short button = KeyCodes::mouseButton(event->button());
    short shift = KeyCodes::shiftState(event->modifiers());
    float x = float(event->position().x());
    float y = float(event->position().y());
    emit MouseUp(button, shift, x, y);
    if (self && click)
        emit Click();
}

void SSCommand::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A button has no double click: the second press is a press like the first.
    mousePressEvent(event);
}

void SSCommand::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
    emit GotFocus();
}

void SSCommand::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_spaceHeld = false;
    setDown(m_mouseHeld);
    update();
    emit LostFocus();
}

void SSCommand::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        m_mouseHeld = false;
        m_spaceHeld = false;
        setDown(false);
    }
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange)
        update();
}
