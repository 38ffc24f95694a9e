#include "properties/pages/PageParts.h"

#include "platform/pages/PropertyPageWidget.h"
#include "platform/seams/Dialogs.h"
#include "properties/pages/NumericBox.h"
#include "properties/pages/PageFrame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace PageParts {

namespace {

constexpr int TwipsPerPixel = 15;

template <typename W>
W *place(W *w, const char *name, QRect r)
{
    w->setObjectName(QLatin1String(name));
    w->setGeometry(r);
    return w;
}

// The sheet both icons share: a white page with a red binding strip, two
// rings and a 3 x 3 grid of days, one of them marked.
void drawSheet(QPainter &p, QRectF sheet)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    const qreal strip = sheet.height() * 0.28;
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(sheet.left(), sheet.top(), sheet.width(), strip));
    p.setBrush(QColor(90, 90, 90));
    p.setPen(Qt::NoPen);
    for (qreal x : {sheet.left() + sheet.width() * 0.28, sheet.right() - sheet.width() * 0.28})
        p.drawRoundedRect(QRectF(x - 1.5, sheet.top() - 2.5, 3, 5), 1, 1);
    const qreal cellW = (sheet.width() - 4) / 3, cellH = (sheet.height() - strip - 4) / 3;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF cell(sheet.left() + 2 + col * cellW + 1, sheet.top() + strip + 2 + row * cellH + 1, cellW - 2, cellH - 2);
            p.setBrush(row == 1 && col == 2 ? QColor(40, 90, 200) : QColor(170, 170, 170));
            p.drawRect(cell);
        }
}

} // namespace

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}

void usePageFont(QWidget *page)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    page->setFont(font);
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect r)
{
    return place(new PageFrame(caption, parent), name, r);
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, QRect r)
{
    return place(new QLabel(caption, parent), name, r);
}

QComboBox *dropDownList(QWidget *parent, const char *name, QRect r)
{
    auto *box = place(new QComboBox(parent), name, r);
    box->setEditable(false);
    return box;
}

void fitItems(QComboBox *list, int minLeft, int maxRight)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = false;
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(i)));
    const int needed = list->width() - field.width() + widest;
    if (needed <= list->width())
        return;
    const int right = std::min(list->x() + needed - 1, maxRight);
    const int left = std::max(right - needed + 1, std::min(minLeft, list->x()));
    list->setGeometry(left, list->y(), right - left + 1, list->height());
}

QCheckBox *checkBox(QWidget *parent, const char *name, const QString &caption, QRect r)
{
    return place(new QCheckBox(caption, parent), name, r);
}

QLabel *image(QWidget *parent, const char *name, const QPixmap &pixmap, QPoint topLeftTwips)
{
    auto *img = place(new QLabel(parent), name, QRect(topLeftTwips / TwipsPerPixel, pixmap.size()));
    img->setPixmap(pixmap);
    return img;
}

void watchNumber(PropertyPageWidget *page, NumericBox *box, int *stored, std::function<bool(const QString &)> check)
{
    QObject::connect(box, &NumericBox::left, page, [page, box, stored, check] {
        if (check(box->text())) {
            const int n = box->text().trimmed().toInt();
            if (n != *stored) {
                *stored = n;
                page->setChanged(true);
            }
            return;
        }
        Dialogs::instance().messageBox(QCoreApplication::translate("PageParts", "Invalid property value"), Dialogs::Buttons::Ok, Dialogs::Icon::Critical,
                                       QCoreApplication::translate("PageParts", "Field Error"));
        // The stored number goes back before the focus does: taking the focus
        // makes the box it went to run its own check, which may compare with
        // this box (the minimum and maximum year).
        box->setText(QString::number(*stored));
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    });
}

QPixmap calendarIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawSheet(p, QRectF(3.5, 4.5, 25, 24));
    return pm;
}

QPixmap calendarButtonIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    // A raised button along the top with a drop-down arrow...
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(212, 208, 200));
    p.drawRect(QRectF(1.5, 1.5, 29, 9));
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(QPointF(2.5, 9.5), QPointF(2.5, 2.5));
    p.drawLine(QPointF(2.5, 2.5), QPointF(29.5, 2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    QPainterPath arrow;
    arrow.moveTo(22, 4.5);
    arrow.lineTo(28, 4.5);
    arrow.lineTo(25, 8);
    arrow.closeSubpath();
    p.drawPath(arrow);
    // ...and the calendar hanging below it.
    drawSheet(p, QRectF(7.5, 13.5, 21, 17));
    return pm;
}

} // namespace PageParts
