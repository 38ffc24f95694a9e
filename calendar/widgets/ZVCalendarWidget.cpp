#include "zvcal/ZVCalendarWidget.h"

#include "ControlBinding.h"
#include "EventRelay.h"

#include "platform/com/RefCounted.h"

namespace {

// Turns the calendar's events into the widget's signals.
class CalendarEvents final : public RefCounted<__ZVCalendar>
{
public:
    explicit CalendarEvents(ZVCalendarWidget *widget) : m_widget(widget) {}

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        return queryAs(iid, object, {IID_IUnknown, IID_IDispatch, zvcal::DIID___ZVCalendar});
    }

    void MonthChanged() override { if (m_widget) emit m_widget->MonthChanged(); }
    void ValueChanged() override { if (m_widget) emit m_widget->ValueChanged(m_widget->calValue()); }
    void YearChanged() override { if (m_widget) emit m_widget->YearChanged(); }
    void Click() override { if (m_widget) emit m_widget->Click(); }
    void DblClick() override { if (m_widget) emit m_widget->DblClick(); }
    void KeyDown(short &KeyCode, short &Shift) override { if (m_widget) EventRelay::key(m_widget.data(), &ZVCalendarWidget::KeyDown, KeyCode, Shift); }
    void KeyPress(short &KeyAscii) override { if (m_widget) EventRelay::keyPress(m_widget.data(), &ZVCalendarWidget::KeyPress, KeyAscii); }
    void KeyUp(short &KeyCode, short &Shift) override { if (m_widget) EventRelay::key(m_widget.data(), &ZVCalendarWidget::KeyUp, KeyCode, Shift); }
    void MouseDown(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalendarWidget::MouseDown, Button, Shift, X, Y);
    }
    void MouseMove(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalendarWidget::MouseMove, Button, Shift, X, Y);
    }
    void MouseUp(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalendarWidget::MouseUp, Button, Shift, X, Y);
    }

private:
    QPointer<ZVCalendarWidget> m_widget;
};

} // namespace

ZVCalendarWidget::ZVCalendarWidget(QWidget *parent)
    : QWidget(parent),
      d(std::make_unique<ControlBinding>(zvcal::CLSID_ZVCalendar, this, [this](const QString &name, int number, const QString &text) {
          emit propertyRefused(name, number, text);
      }))
{
    auto events = ComPtr<IDispatch>::adopt(new CalendarEvents(this));
    d->connectEvents(events.get());
    resize(sizeHint());
}

ZVCalendarWidget::~ZVCalendarWidget() = default;

// 3150 x 3000 twips, the size a form editor gives a newly placed calendar.
QSize ZVCalendarWidget::sizeHint() const
{
    return QSize(210, 200);
}

bool ZVCalendarWidget::showPropertyDialog(QWidget *parent)
{
    return d->showPropertyDialog(parent);
}

bool ZVCalendarWidget::isControlEnabled() const
{
    return d->boolean(QStringLiteral("Enabled"));
}

// The control's size is this widget's: follow what the control made of it.
int ZVCalendarWidget::calHeight() const { return d->integer(QStringLiteral("calHeight")); }
void ZVCalendarWidget::setCalHeight(int twips)
{
    if (d->put(QStringLiteral("calHeight"), Variant(std::int32_t(twips))) && d->controlWidget())
        resize(width(), d->controlWidget()->height());
}
int ZVCalendarWidget::calWidth() const { return d->integer(QStringLiteral("calWidth")); }
void ZVCalendarWidget::setCalWidth(int twips)
{
    if (d->put(QStringLiteral("calWidth"), Variant(std::int32_t(twips))) && d->controlWidget())
        resize(d->controlWidget()->width(), height());
}

QString ZVCalendarWidget::calVersion() const { return d->text(QStringLiteral("calVersion")); }
int ZVCalendarWidget::hwnd() const { return d->integer(QStringLiteral("hwnd")); }
int ZVCalendarWidget::hDC() const { return d->integer(QStringLiteral("hDC")); }
bool ZVCalendarWidget::calLeapYear() const { return d->boolean(QStringLiteral("calLeapYear")); }
QDate ZVCalendarWidget::calValue() const { return d->date(QStringLiteral("calValue")); }
void ZVCalendarWidget::setCalValue(const QDate &value) { d->setDate(QStringLiteral("calValue"), value); }
int ZVCalendarWidget::calJulianDateValue() const { return d->integer(QStringLiteral("calJulianDateValue")); }
bool ZVCalendarWidget::calMouseSensitiveDate() const { return d->boolean(QStringLiteral("calMouseSensitiveDate")); }
void ZVCalendarWidget::setCalMouseSensitiveDate(bool on) { d->put(QStringLiteral("calMouseSensitiveDate"), Variant(on)); }
bool ZVCalendarWidget::calOutline() const { return d->boolean(QStringLiteral("calOutline")); }
void ZVCalendarWidget::setCalOutline(bool on) { d->put(QStringLiteral("calOutline"), Variant(on)); }
ZVCalendarWidget::enumCALAppearance ZVCalendarWidget::calAppearance() const { return enumCALAppearance(d->integer(QStringLiteral("calAppearance"))); }
void ZVCalendarWidget::setCalAppearance(enumCALAppearance value) { d->put(QStringLiteral("calAppearance"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALAlignment ZVCalendarWidget::calAlignmentNum() const { return enumCALAlignment(d->integer(QStringLiteral("calAlignmentNum"))); }
void ZVCalendarWidget::setCalAlignmentNum(enumCALAlignment value) { d->put(QStringLiteral("calAlignmentNum"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALAlignment ZVCalendarWidget::calAlignmentDayTitle() const { return enumCALAlignment(d->integer(QStringLiteral("calAlignmentDayTitle"))); }
void ZVCalendarWidget::setCalAlignmentDayTitle(enumCALAlignment value) { d->put(QStringLiteral("calAlignmentDayTitle"), Variant(std::int32_t(value))); }
QFont ZVCalendarWidget::calFont() const { return d->font(QStringLiteral("calFont")); }
void ZVCalendarWidget::setCalFont(const QFont &font) { d->setFont(QStringLiteral("calFont"), font); }
QFont ZVCalendarWidget::calMonthYearTitleFont() const { return d->font(QStringLiteral("calMonthYearTitleFont")); }
void ZVCalendarWidget::setCalMonthYearTitleFont(const QFont &font) { d->setFont(QStringLiteral("calMonthYearTitleFont"), font); }
QFont ZVCalendarWidget::calScrollArrowsFont() const { return d->font(QStringLiteral("calScrollArrowsFont")); }
void ZVCalendarWidget::setCalScrollArrowsFont(const QFont &font) { d->setFont(QStringLiteral("calScrollArrowsFont"), font); }
ZVCalendarWidget::enumCALMonthTitle ZVCalendarWidget::calMonthTitle() const { return enumCALMonthTitle(d->integer(QStringLiteral("calMonthTitle"))); }
void ZVCalendarWidget::setCalMonthTitle(enumCALMonthTitle value) { d->put(QStringLiteral("calMonthTitle"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALDayTitle ZVCalendarWidget::calDayTitle() const { return enumCALDayTitle(d->integer(QStringLiteral("calDayTitle"))); }
void ZVCalendarWidget::setCalDayTitle(enumCALDayTitle value) { d->put(QStringLiteral("calDayTitle"), Variant(std::int32_t(value))); }
QString ZVCalendarWidget::calCaption() const { return d->text(QStringLiteral("calCaption")); }
void ZVCalendarWidget::setCalCaption(const QString &value) { d->put(QStringLiteral("calCaption"), Variant(value)); }
bool ZVCalendarWidget::calShowTitleBar() const { return d->boolean(QStringLiteral("calShowTitleBar")); }
void ZVCalendarWidget::setCalShowTitleBar(bool on) { d->put(QStringLiteral("calShowTitleBar"), Variant(on)); }
int ZVCalendarWidget::calMinYear() const { return d->integer(QStringLiteral("calMinYear")); }
void ZVCalendarWidget::setCalMinYear(int value) { d->put(QStringLiteral("calMinYear"), Variant(std::int32_t(value))); }
int ZVCalendarWidget::calMaxYear() const { return d->integer(QStringLiteral("calMaxYear")); }
void ZVCalendarWidget::setCalMaxYear(int value) { d->put(QStringLiteral("calMaxYear"), Variant(std::int32_t(value))); }
bool ZVCalendarWidget::calShowDropdownMonth() const { return d->boolean(QStringLiteral("calShowDropdownMonth")); }
void ZVCalendarWidget::setCalShowDropdownMonth(bool on) { d->put(QStringLiteral("calShowDropdownMonth"), Variant(on)); }
ZVCalendarWidget::enumCALScrollArrowsPos ZVCalendarWidget::calScrollArrowsPos() const { return enumCALScrollArrowsPos(d->integer(QStringLiteral("calScrollArrowsPos"))); }
void ZVCalendarWidget::setCalScrollArrowsPos(enumCALScrollArrowsPos value) { d->put(QStringLiteral("calScrollArrowsPos"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALFirstDayofWeek ZVCalendarWidget::calFirstDayofWeek() const { return enumCALFirstDayofWeek(d->integer(QStringLiteral("calFirstDayofWeek"))); }
void ZVCalendarWidget::setCalFirstDayofWeek(enumCALFirstDayofWeek value) { d->put(QStringLiteral("calFirstDayofWeek"), Variant(std::int32_t(value))); }
QColor ZVCalendarWidget::calSelectedDayBackColor() const { return d->color(QStringLiteral("calSelectedDayBackColor")); }
void ZVCalendarWidget::setCalSelectedDayBackColor(const QColor &color) { d->setColor(QStringLiteral("calSelectedDayBackColor"), color); }
QColor ZVCalendarWidget::calSelectedDayForeColor() const { return d->color(QStringLiteral("calSelectedDayForeColor")); }
void ZVCalendarWidget::setCalSelectedDayForeColor(const QColor &color) { d->setColor(QStringLiteral("calSelectedDayForeColor"), color); }
QColor ZVCalendarWidget::calCurrentDateBackColor() const { return d->color(QStringLiteral("calCurrentDateBackColor")); }
void ZVCalendarWidget::setCalCurrentDateBackColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentDateBackColor"), color); }
QColor ZVCalendarWidget::calCurrentDateForeColor() const { return d->color(QStringLiteral("calCurrentDateForeColor")); }
void ZVCalendarWidget::setCalCurrentDateForeColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentDateForeColor"), color); }
QColor ZVCalendarWidget::calCurrentMonthBackColor() const { return d->color(QStringLiteral("calCurrentMonthBackColor")); }
void ZVCalendarWidget::setCalCurrentMonthBackColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthBackColor"), color); }
QColor ZVCalendarWidget::calCurrentMonthForeColor() const { return d->color(QStringLiteral("calCurrentMonthForeColor")); }
void ZVCalendarWidget::setCalCurrentMonthForeColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthForeColor"), color); }
QColor ZVCalendarWidget::calCurrentMonthWeekendsBackColor() const { return d->color(QStringLiteral("calCurrentMonthWeekendsBackColor")); }
void ZVCalendarWidget::setCalCurrentMonthWeekendsBackColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthWeekendsBackColor"), color); }
QColor ZVCalendarWidget::calCurrentMonthWeekendsForeColor() const { return d->color(QStringLiteral("calCurrentMonthWeekendsForeColor")); }
void ZVCalendarWidget::setCalCurrentMonthWeekendsForeColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthWeekendsForeColor"), color); }
QColor ZVCalendarWidget::calPreviousMonthBackColor() const { return d->color(QStringLiteral("calPreviousMonthBackColor")); }
void ZVCalendarWidget::setCalPreviousMonthBackColor(const QColor &color) { d->setColor(QStringLiteral("calPreviousMonthBackColor"), color); }
QColor ZVCalendarWidget::calPreviousMonthForeColor() const { return d->color(QStringLiteral("calPreviousMonthForeColor")); }
void ZVCalendarWidget::setCalPreviousMonthForeColor(const QColor &color) { d->setColor(QStringLiteral("calPreviousMonthForeColor"), color); }
QColor ZVCalendarWidget::calNextMonthBackColor() const { return d->color(QStringLiteral("calNextMonthBackColor")); }
void ZVCalendarWidget::setCalNextMonthBackColor(const QColor &color) { d->setColor(QStringLiteral("calNextMonthBackColor"), color); }
QColor ZVCalendarWidget::calNextMonthForeColor() const { return d->color(QStringLiteral("calNextMonthForeColor")); }
void ZVCalendarWidget::setCalNextMonthForeColor(const QColor &color) { d->setColor(QStringLiteral("calNextMonthForeColor"), color); }

void ZVCalendarWidget::Refresh() { d->call(QStringLiteral("Refresh")); }
void ZVCalendarWidget::NextDay() { d->call(QStringLiteral("NextDay")); }
void ZVCalendarWidget::NextMonth() { d->call(QStringLiteral("NextMonth")); }
void ZVCalendarWidget::NextYear() { d->call(QStringLiteral("NextYear")); }
void ZVCalendarWidget::NextWeek() { d->call(QStringLiteral("NextWeek")); }
void ZVCalendarWidget::PreviousDay() { d->call(QStringLiteral("PreviousDay")); }
void ZVCalendarWidget::PreviousWeek() { d->call(QStringLiteral("PreviousWeek")); }
void ZVCalendarWidget::PreviousMonth() { d->call(QStringLiteral("PreviousMonth")); }
void ZVCalendarWidget::PreviousYear() { d->call(QStringLiteral("PreviousYear")); }
