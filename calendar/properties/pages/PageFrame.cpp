#include "properties/pages/PageFrame.h"

#include <QPainter>

namespace {

// The caption starts this far in from the frame's left edge, with a little
// room either side where the line is left out.
constexpr int CaptionIndent = 8;
constexpr int CaptionGap = 2;

} // namespace

PageFrame::PageFrame(const QString &caption, QWidget *parent) : QGroupBox(caption, parent)
{
}

int PageFrame::lineTop() const
{
    return title().isEmpty() ? 0 : fontMetrics().height() / 2;
}

QRect PageFrame::captionRect() const
{
    if (title().isEmpty())
        return {};
    const QFontMetrics fm = fontMetrics();
    return QRect(CaptionIndent - CaptionGap, 0, fm.horizontalAdvance(title()) + 2 * CaptionGap, fm.height());
}

void PageFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect caption = captionRect();
    // An etched line, a dark one with a light one inside it; the top one
    // breaks off for the caption. Nothing is painted over what lies behind
    // the caption, so the parent frame's own caption stays whole.
    const auto etched = [&p, &caption](QRect r, const QColor &colour) {
        p.setPen(colour);
        p.drawLine(r.bottomLeft(), r.topLeft());
        if (caption.isEmpty()) {
            p.drawLine(r.topLeft(), r.topRight());
        } else {
            p.drawLine(r.topLeft(), QPoint(caption.left() - 1, r.top()));
            p.drawLine(QPoint(caption.right() + 1, r.top()), r.topRight());
        }
        p.drawLine(r.topRight(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.bottomRight());
    };
    const QRect box(0, lineTop(), width() - 2, height() - lineTop() - 2);
    etched(box, palette().color(QPalette::Dark));
    etched(box.translated(1, 1), palette().color(QPalette::Light));
    if (caption.isEmpty())
        return;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(caption.adjusted(CaptionGap, 0, -CaptionGap, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, title());
}
