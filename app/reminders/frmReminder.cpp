#include "reminders/frmReminder.h"

#include "notebook/NoteRecord.h"
#include "notebook/Twips.h"
#include "notebook/WindowFonts.h"
#include "platform/dates/DateValue.h"
#include "platform/text/FixedText.h"
#include "platform/dates/LocaleServices.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTime>
#include <QLocale>
#include <cmath>

namespace {

QLabel *label(QWidget *parent, const char *name, int left, int top, int width, int height, bool bold)
{
    auto *widget = new QLabel(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(left, top, width, height));
    widget->setFont(WindowFonts::smallSans(bold));
    widget->setAlignment(bold ? Qt::AlignRight | Qt::AlignTop : Qt::AlignLeft | Qt::AlignTop);
    // A note's contact and text are the user's own: "<b>" in them is not markup.
    widget->setTextFormat(Qt::PlainText);
    return widget;
}

// A caption wider than its box (a longer word in another language) grows
// to the left, into the free room up to leftmost, so that it stays whole and
// keeps its place beside its value.
void widenLeft(QLabel *caption, int leftmostTwips)
{
    const QRect box = caption->geometry();
    const int wanted = QFontMetrics(caption->font()).horizontalAdvance(caption->text());
    const int left = qMax(Twips::toPixels(leftmostTwips), box.right() + 1 - wanted);
    if (left < box.left())
        caption->setGeometry(QRect(QPoint(left, box.top()), box.bottomRight()));
}

// One half of the etched rule: a line one pixel high in a shade of the window.
QFrame *rule(QWidget *parent, const char *name, int top, QPalette::ColorRole shade)
{
    auto *line = new QFrame(parent);
    line->setObjectName(QLatin1String(name));
    line->setGeometry(Twips::rect(120, top, 5040 - 120, 15));
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(shade));
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int left)
{
    auto *widget = new QPushButton(caption, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::rect(left, 2400, 975, 375));
    return widget;
}

// Sets the text in the dialog face, or in a narrower one down to smallest
// points; false when even that is too wide.
bool showFitted(QLabel *label, const QString &text, qreal smallest)
{
    const QFont dialogFace = WindowFonts::smallSans(false);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QString widest;
    for (const QString &line : lines)
        if (line.size() > widest.size())
            widest = line;
    // Several lines first take a size at which they fit the box's height.
    QFont start = dialogFace;
    while (lines.size() > 1 && start.pointSizeF() > smallest
           && QFontMetrics(start).height() + QFontMetrics(start).lineSpacing() * (lines.size() - 1) > label->height())
        start.setPointSizeF(start.pointSizeF() - 0.25);
    const QFont face = WindowFonts::fitted(start, widest, label->width(), smallest);
    label->setFont(face);
    // On the baseline of the captions beside it.
    label->setContentsMargins(0, qMax(0, QFontMetrics(dialogFace).ascent() - QFontMetrics(face).ascent()), 0, 0);
    label->setText(text);
    // Should even the narrowest face not do, the whole text is a hover away.
    label->setToolTip(text);
    return QFontMetricsF(face).horizontalAdvance(widest) <= label->width()
           && QFontMetrics(face).height() + QFontMetrics(face).lineSpacing() * (lines.size() - 1) <= label->height();
}

// The smallest face that still reads well beside the captions.
constexpr qreal Readable = 7;

bool fitsIn(const QFont &font, const QString &text, const QSize &room)
{
    const QRect needed = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), QSize(room.width(), 100000)),
                                                          Qt::TextWordWrap, text);
    return needed.height() <= room.height() && needed.width() <= room.width();
}

// The note's text in whole lines: in the dialog face when it fits, else a
// point smaller, else cut after the last line that fits, marked with an
// ellipsis and whole in the tooltip. No line is ever shown cut in half.
void showNoteText(QLabel *label, const QString &text)
{
    const QSize room = label->size();
    QFont face = WindowFonts::smallSans(false);
    label->setToolTip(QString());
    for (const qreal points : {8.25, 7.5}) {
        face.setPointSizeF(points);
        if (fitsIn(face, text, room)) {
            label->setFont(face);
            label->setText(text);
            return;
        }
    }
    label->setFont(face);
    QString shown = text;
    while (!shown.isEmpty() && !fitsIn(face, shown + QChar(0x2026), room))
        shown.chop(qMax<qsizetype>(1, shown.size() / 50));
    label->setText(shown.trimmed() + QChar(0x2026));
    label->setToolTip(text);
}

} // namespace

frmReminder::frmReminder(QAbstractButton *mainDelete, QWidget *owner) : QDialog(owner), m_mainDelete(mainDelete)
{
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(tr("Jotwell - Reminder"));
    const QIcon information = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    setWindowIcon(information);
    setFixedSize(Twips::size(5145, 2880));
    // A top-level window rather than a dialog type, so that it has a taskbar
    // button of its own. Modal to the main window only: the tray icon and its
    // menu, windows of their own, keep answering while it is up.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::WindowModal);
    setFont(WindowFonts::smallSans(false));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(Twips::rect(120, 120, 480, 480));
    Image1->setPixmap(information.pixmap(32, 32));

    lblDate = label(this, "lblDate", 855, 120, 480, 195, true);
    lblDate->setText(tr("Date:"));
    lbldDate = label(this, "lbldDate", 1440, 120, 975, 255, false);
    lblContact = label(this, "lblContact", 2640, 120, 735, 195, true);
    lblContact->setText(tr("Contact:"));
    lbldContact = label(this, "lbldContact", 3480, 120, 1455, 255, false);
    lblNote = label(this, "lblNote", 855, 480, 480, 195, true);
    lblNote->setText(tr("Note:"));
    lbldNote = label(this, "lbldNote", 1440, 480, 3495, 1215, false);
    lbldNote->setWordWrap(true);
    // Right of the picture, and right of the date's box.
    widenLeft(lblDate, 600 + 15);
    widenLeft(lblNote, 600 + 15);
    widenLeft(lblContact, 1440 + 975 + 15);

    Line1 = rule(this, "Line1", 2280, QPalette::Dark);
    Line2 = rule(this, "Line2", 2295, QPalette::Light);

    cmdDelete = button(this, "cmdDelete", tr("Delete"), 2880);
    cmdOK = button(this, "cmdOK", tr("OK"), 3960);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmReminder::cmdOK_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmReminder::cmdDelete_Click);

    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

QString frmReminder::dateText(double serial, const LocaleServices &locale)
{
    if (!std::isfinite(serial) || !DateValue::isValid(serial))
        return QString();
    QString text = locale.shortDate(serial);
    if (DateValue::timePart(serial) == 0)
        return text;
    // Hours and minutes, the seconds only where there are any: the date box
    // is narrow, and a note's time is mostly a whole minute.
    const DateValue::Parts parts = DateValue::toParts(serial);
    if (parts.second != 0)
        return text + QLatin1Char(' ') + locale.longTime(serial);
    return text + QLatin1Char(' ') + QLocale().toString(QTime(parts.hour, parts.minute), QLocale::ShortFormat);
}

void frmReminder::showNote(const NoteRecord &note, const LocaleServices &locale)
{
    // A long contact takes a narrower face to fit. So does a date with its
    // time; where that would not read well, the time goes on a line of its
    // own, in the room down to the note.
    const QString date = dateText(note.NoteDate, locale);
    lbldDate->setGeometry(Twips::rect(1440, 120, 975, 255));
    if (!showFitted(lbldDate, date, Readable) && date.contains(QLatin1Char(' '))) {
        const qsizetype day = locale.shortDate(note.NoteDate).size();
        lbldDate->setGeometry(Twips::rect(1440, 120, 975, 375));
        if (showFitted(lbldDate, date.left(day) + QLatin1Char('\n') + date.mid(day + 1), Readable))
            lbldDate->setContentsMargins(0, 0, 0, 0);
        else
            showFitted(lbldDate, date, 5);
    }
    showFitted(lbldContact, FixedText::trimSpaces(note.Contact), 5);
    // CR LF, LF and a lone CR each show as one line break.
    QString text = FixedText::trimSpaces(note.Notes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    showNoteText(lbldNote, text);
}

void frmReminder::cmdOK_Click()
{
    hide();
}

void frmReminder::cmdDelete_Click()
{
    if (m_mainDelete)
        m_mainDelete->click();
    close();
}
