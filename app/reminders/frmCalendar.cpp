#include "reminders/frmCalendar.h"

#include "notebook/AppIcon.h"
#include "notebook/Twips.h"
#include "platform/dates/DateValue.h"
#include "platform/seams/Clock.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int ClientWidth = 1875;
constexpr int ClientHeight = 2475;
constexpr qreal DaySize = 15.75;
constexpr qreal TimeSize = 14.25;

// The clock's bold serif, falling back to the free serif faces Debian ships.
QFont boldSerif(qreal points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Nimbus Roman"),
                      QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QLabel *label(QWidget *parent, const char *name, int top, int height, qreal points)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(-15, top, 1935, height));
    widget->setAlignment(Qt::AlignCenter);
    widget->setFont(boldSerif(points));
    widget->setTextFormat(Qt::PlainText);
    return widget;
}

// Sets the text in the label's design size, or smaller when that is too wide
// for the window: a long month name with its year stays whole.
void setFitted(QLabel *label, const QString &text, qreal designPoints)
{
    QFont font = label->font();
    font.setPointSizeF(designPoints);
    const int room = label->width() - 4;
    while (font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.75);
    if (font != label->font())
        label->setFont(font);
    label->setText(text);
}

QFrame *line(QWidget *parent, const char *name, int top, QPalette::ColorRole shade)
{
    auto *widget = new QFrame(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(0, top, ClientWidth, 15));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, shade == QPalette::Light ? QColor(Qt::white) : palette.color(shade));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    return widget;
}

} // namespace

// A fixed tool window: a title and a close box, no minimize or maximize.
frmCalendar::frmCalendar(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmCalendar"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Calendar"));
    setWindowIcon(AppIcon::icon());
    setFixedSize(Twips::size(ClientWidth, ClientHeight));

    lblDay = label(this, "lblDay", 0, 375, DaySize);
    lblDate = label(this, "lblDate", 120, 1575, 72);
    lblMonth = label(this, "lblMonth", 1560, 375, DaySize);
    lblTime = label(this, "lblTime", 2100, 375, TimeSize);
    Line1 = line(this, "Line1", 2040, QPalette::Dark);
    Line2 = line(this, "Line2", 2050, QPalette::Light);

    tmrDate = new QTimer(this);
    tmrDate->setObjectName(QStringLiteral("tmrDate"));
    tmrDate->setInterval(1000);
    connect(tmrDate, &QTimer::timeout, this, &frmCalendar::tmrDate_Timer);

    Form_Load();
}

void frmCalendar::Form_Load()
{
    // Set once: the date of this opening, whatever day the clock reaches.
    lblDate->setToolTip(m_locale.shortDate(Clock::today()));
    tmrDate->start();
}

void frmCalendar::tmrDate_Timer()
{
    const double now = Clock::nowSerial();
    setFitted(lblDay, m_locale.weekdayName(DateValue::weekday(now), false), DaySize);
    lblDate->setText(QString::number(DateValue::day(now)));
    setFitted(lblMonth, m_locale.monthName(DateValue::month(now), false) + QLatin1Char(' ')
                            + QString::number(DateValue::year(now)), DaySize);
    setFitted(lblTime, m_locale.longTime(now), TimeSize);
}
