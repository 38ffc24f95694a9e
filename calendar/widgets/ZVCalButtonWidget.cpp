#include "zvcal/ZVCalButtonWidget.h"

#include "ControlBinding.h"
#include "EventRelay.h"

#include "platform/com/RefCounted.h"

namespace {

// Turns the button's events into the widget's signals.
class ButtonEvents final : public RefCounted<__ZVCalButton>
{
public:
    explicit ButtonEvents(ZVCalButtonWidget *widget) : m_widget(widget) {}

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        return queryAs(iid, object, {IID_IUnknown, IID_IDispatch, zvcal::DIID___ZVCalButton});
    }

    void MonthChanged() override { if (m_widget) emit m_widget->MonthChanged(); }
    void ValueChanged() override { if (m_widget) emit m_widget->ValueChanged(m_widget->calValue()); }
    void YearChanged() override { if (m_widget) emit m_widget->YearChanged(); }
    void BtnClick() override { if (m_widget) emit m_widget->BtnClick(); }
    void BtnKeyDown(short &KeyCode, short &Shift) override { if (m_widget) EventRelay::key(m_widget.data(), &ZVCalButtonWidget::BtnKeyDown, KeyCode, Shift); }
    void BtnKeyPress(short &KeyAscii) override { if (m_widget) EventRelay::keyPress(m_widget.data(), &ZVCalButtonWidget::BtnKeyPress, KeyAscii); }
    void BtnKeyUp(short &KeyCode, short &Shift) override { if (m_widget) EventRelay::key(m_widget.data(), &ZVCalButtonWidget::BtnKeyUp, KeyCode, Shift); }
    void BtnMouseDown(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalButtonWidget::BtnMouseDown, Button, Shift, X, Y);
    }
    void BtnMouseMove(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalButtonWidget::BtnMouseMove, Button, Shift, X, Y);
    }
    void BtnMouseUp(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalButtonWidget::BtnMouseUp, Button, Shift, X, Y);
    }
    void Click() override { if (m_widget) emit m_widget->Click(); }
    void KeyDown(short &KeyCode, short &Shift) override { if (m_widget) EventRelay::key(m_widget.data(), &ZVCalButtonWidget::KeyDown, KeyCode, Shift); }
    void KeyPress(short &KeyAscii) override { if (m_widget) EventRelay::keyPress(m_widget.data(), &ZVCalButtonWidget::KeyPress, KeyAscii); }
    void KeyUp(short &KeyCode, short &Shift) override { if (m_widget) EventRelay::key(m_widget.data(), &ZVCalButtonWidget::KeyUp, KeyCode, Shift); }
    void MouseDown(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalButtonWidget::MouseDown, Button, Shift, X, Y);
    }
    void MouseMove(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalButtonWidget::MouseMove, Button, Shift, X, Y);
    }
    void MouseUp(short &Button, short &Shift, float &X, float &Y) override
    {
        if (m_widget) EventRelay::mouse(m_widget.data(), &ZVCalButtonWidget::MouseUp, Button, Shift, X, Y);
    }

private:
    QPointer<ZVCalButtonWidget> m_widget;
};

} // namespace

ZVCalButtonWidget::ZVCalButtonWidget(QWidget *parent)
    : QWidget(parent),
      d(std::make_unique<ControlBinding>(zvcal::CLSID_ZVCalButton, this, [this](const QString &name, int number, const QString &text) {
          emit propertyRefused(name, number, text);
      }))
{
    d->mirrorFont(QStringLiteral("Font"));
    auto events = ComPtr<IDispatch>::adopt(new ButtonEvents(this));
    d->connectEvents(events.get());
    resize(sizeHint());
}

ZVCalButtonWidget::~ZVCalButtonWidget() = default;

// 540 x 540 twips, the control's size when newly placed.
QSize ZVCalButtonWidget::sizeHint() const
{
    return QSize(36, 36);
}

bool ZVCalButtonWidget::showPropertyDialog(QWidget *parent)
{
    return d->showPropertyDialog(parent);
}

bool ZVCalButtonWidget::isControlEnabled() const
{
    return d->boolean(QStringLiteral("Enabled"));
}

int ZVCalButtonWidget::calWidth() const { return d->integer(QStringLiteral("calWidth")); }
void ZVCalButtonWidget::setCalWidth(int value) { d->put(QStringLiteral("calWidth"), Variant(std::int32_t(value))); }
ZVCalButtonWidget::enumBTNAutoSize ZVCalButtonWidget::autoSize() const { return enumBTNAutoSize(d->integer(QStringLiteral("AutoSize"))); }
void ZVCalButtonWidget::setAutoSize(enumBTNAutoSize value) { d->put(QStringLiteral("AutoSize"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALAlignment ZVCalButtonWidget::calAlignmentDayTitle() const { return ZVCalendarWidget::enumCALAlignment(d->integer(QStringLiteral("calAlignmentDayTitle"))); }
void ZVCalButtonWidget::setCalAlignmentDayTitle(ZVCalendarWidget::enumCALAlignment value) { d->put(QStringLiteral("calAlignmentDayTitle"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALAlignment ZVCalButtonWidget::calAlignmentNum() const { return ZVCalendarWidget::enumCALAlignment(d->integer(QStringLiteral("calAlignmentNum"))); }
void ZVCalButtonWidget::setCalAlignmentNum(ZVCalendarWidget::enumCALAlignment value) { d->put(QStringLiteral("calAlignmentNum"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALAppearance ZVCalButtonWidget::calAppearance() const { return ZVCalendarWidget::enumCALAppearance(d->integer(QStringLiteral("calAppearance"))); }
void ZVCalButtonWidget::setCalAppearance(ZVCalendarWidget::enumCALAppearance value) { d->put(QStringLiteral("calAppearance"), Variant(std::int32_t(value))); }
QString ZVCalButtonWidget::calCaption() const { return d->text(QStringLiteral("calCaption")); }
void ZVCalButtonWidget::setCalCaption(const QString &value) { d->put(QStringLiteral("calCaption"), Variant(value)); }
QColor ZVCalButtonWidget::calCurrentDateBackColor() const { return d->color(QStringLiteral("calCurrentDateBackColor")); }
void ZVCalButtonWidget::setCalCurrentDateBackColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentDateBackColor"), color); }
QColor ZVCalButtonWidget::calCurrentDateForeColor() const { return d->color(QStringLiteral("calCurrentDateForeColor")); }
void ZVCalButtonWidget::setCalCurrentDateForeColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentDateForeColor"), color); }
QColor ZVCalButtonWidget::calCurrentMonthBackColor() const { return d->color(QStringLiteral("calCurrentMonthBackColor")); }
void ZVCalButtonWidget::setCalCurrentMonthBackColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthBackColor"), color); }
QColor ZVCalButtonWidget::calCurrentMonthForeColor() const { return d->color(QStringLiteral("calCurrentMonthForeColor")); }
void ZVCalButtonWidget::setCalCurrentMonthForeColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthForeColor"), color); }
QColor ZVCalButtonWidget::calCurrentMonthWeekendsBackColor() const { return d->color(QStringLiteral("calCurrentMonthWeekendsBackColor")); }
void ZVCalButtonWidget::setCalCurrentMonthWeekendsBackColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthWeekendsBackColor"), color); }
QColor ZVCalButtonWidget::calCurrentMonthWeekendsForeColor() const { return d->color(QStringLiteral("calCurrentMonthWeekendsForeColor")); }
void ZVCalButtonWidget::setCalCurrentMonthWeekendsForeColor(const QColor &color) { d->setColor(QStringLiteral("calCurrentMonthWeekendsForeColor"), color); }
ZVCalendarWidget::enumCALDayTitle ZVCalButtonWidget::calDayTitle() const { return ZVCalendarWidget::enumCALDayTitle(d->integer(QStringLiteral("calDayTitle"))); }
void ZVCalButtonWidget::setCalDayTitle(ZVCalendarWidget::enumCALDayTitle value) { d->put(QStringLiteral("calDayTitle"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALFirstDayofWeek ZVCalButtonWidget::calFirstDayofWeek() const { return ZVCalendarWidget::enumCALFirstDayofWeek(d->integer(QStringLiteral("calFirstDayofWeek"))); }
void ZVCalButtonWidget::setCalFirstDayofWeek(ZVCalendarWidget::enumCALFirstDayofWeek value) { d->put(QStringLiteral("calFirstDayofWeek"), Variant(std::int32_t(value))); }
QFont ZVCalButtonWidget::calFont() const { return d->font(QStringLiteral("calFont")); }
void ZVCalButtonWidget::setCalFont(const QFont &font) { d->setFont(QStringLiteral("calFont"), font); }
int ZVCalButtonWidget::calJulianDateValue() const { return d->integer(QStringLiteral("calJulianDateValue")); }
bool ZVCalButtonWidget::calLeapYear() const { return d->boolean(QStringLiteral("calLeapYear")); }
int ZVCalButtonWidget::calMaxYear() const { return d->integer(QStringLiteral("calMaxYear")); }
void ZVCalButtonWidget::setCalMaxYear(int value) { d->put(QStringLiteral("calMaxYear"), Variant(std::int32_t(value))); }
int ZVCalButtonWidget::calMinYear() const { return d->integer(QStringLiteral("calMinYear")); }
void ZVCalButtonWidget::setCalMinYear(int value) { d->put(QStringLiteral("calMinYear"), Variant(std::int32_t(value))); }
ZVCalendarWidget::enumCALMonthTitle ZVCalButtonWidget::calMonthTitle() const { return ZVCalendarWidget::enumCALMonthTitle(d->integer(QStringLiteral("calMonthTitle"))); }
void ZVCalButtonWidget::setCalMonthTitle(ZVCalendarWidget::enumCALMonthTitle value) { d->put(QStringLiteral("calMonthTitle"), Variant(std::int32_t(value))); }
QFont ZVCalButtonWidget::calMonthYearTitleFont() const { return d->font(QStringLiteral("calMonthYearTitleFont")); }
void ZVCalButtonWidget::setCalMonthYearTitleFont(const QFont &font) { d->setFont(QStringLiteral("calMonthYearTitleFont"), font); }
bool ZVCalButtonWidget::calMouseSensitiveDate() const { return d->boolean(QStringLiteral("calMouseSensitiveDate")); }
void ZVCalButtonWidget::setCalMouseSensitiveDate(bool on) { d->put(QStringLiteral("calMouseSensitiveDate"), Variant(on)); }
QColor ZVCalButtonWidget::calNextMonthBackColor() const { return d->color(QStringLiteral("calNextMonthBackColor")); }
void ZVCalButtonWidget::setCalNextMonthBackColor(const QColor &color) { d->setColor(QStringLiteral("calNextMonthBackColor"), color); }
QColor ZVCalButtonWidget::calNextMonthForeColor() const { return d->color(QStringLiteral("calNextMonthForeColor")); }
void ZVCalButtonWidget::setCalNextMonthForeColor(const QColor &color) { d->setColor(QStringLiteral("calNextMonthForeColor"), color); }
bool ZVCalButtonWidget::calOutline() const { return d->boolean(QStringLiteral("calOutline")); }
void ZVCalButtonWidget::setCalOutline(bool on) { d->put(QStringLiteral("calOutline"), Variant(on)); }
QColor ZVCalButtonWidget::calPreviousMonthBackColor() const { return d->color(QStringLiteral("calPreviousMonthBackColor")); }
void ZVCalButtonWidget::setCalPreviousMonthBackColor(const QColor &color) { d->setColor(QStringLiteral("calPreviousMonthBackColor"), color); }
QColor ZVCalButtonWidget::calPreviousMonthForeColor() const { return d->color(QStringLiteral("calPreviousMonthForeColor")); }
void ZVCalButtonWidget::setCalPreviousMonthForeColor(const QColor &color) { d->setColor(QStringLiteral("calPreviousMonthForeColor"), color); }
QFont ZVCalButtonWidget::calScrollArrowsFont() const { return d->font(QStringLiteral("calScrollArrowsFont")); }
void ZVCalButtonWidget::setCalScrollArrowsFont(const QFont &font) { d->setFont(QStringLiteral("calScrollArrowsFont"), font); }
ZVCalendarWidget::enumCALScrollArrowsPos ZVCalButtonWidget::calScrollArrowsPos() const { return ZVCalendarWidget::enumCALScrollArrowsPos(d->integer(QStringLiteral("calScrollArrowsPos"))); }
void ZVCalButtonWidget::setCalScrollArrowsPos(ZVCalendarWidget::enumCALScrollArrowsPos value) { d->put(QStringLiteral("calScrollArrowsPos"), Variant(std::int32_t(value))); }
QColor ZVCalButtonWidget::calSelectedDayBackColor() const { return d->color(QStringLiteral("calSelectedDayBackColor")); }
void ZVCalButtonWidget::setCalSelectedDayBackColor(const QColor &color) { d->setColor(QStringLiteral("calSelectedDayBackColor"), color); }
QColor ZVCalButtonWidget::calSelectedDayForeColor() const { return d->color(QStringLiteral("calSelectedDayForeColor")); }
void ZVCalButtonWidget::setCalSelectedDayForeColor(const QColor &color) { d->setColor(QStringLiteral("calSelectedDayForeColor"), color); }
bool ZVCalButtonWidget::calShowDropdownMonth() const { return d->boolean(QStringLiteral("calShowDropdownMonth")); }
void ZVCalButtonWidget::setCalShowDropdownMonth(bool on) { d->put(QStringLiteral("calShowDropdownMonth"), Variant(on)); }
bool ZVCalButtonWidget::calShowTitleBar() const { return d->boolean(QStringLiteral("calShowTitleBar")); }
void ZVCalButtonWidget::setCalShowTitleBar(bool on) { d->put(QStringLiteral("calShowTitleBar"), Variant(on)); }
QDate ZVCalButtonWidget::calValue() const { return d->date(QStringLiteral("calValue")); }
void ZVCalButtonWidget::setCalValue(const QDate &value) { d->setDate(QStringLiteral("calValue"), value); }
QString ZVCalButtonWidget::calVersion() const { return d->text(QStringLiteral("calVersion")); }
int ZVCalButtonWidget::hwnd() const { return d->integer(QStringLiteral("hwnd")); }
int ZVCalButtonWidget::hDC() const { return d->integer(QStringLiteral("hDC")); }
int ZVCalButtonWidget::calHeight() const { return d->integer(QStringLiteral("calHeight")); }
void ZVCalButtonWidget::setCalHeight(int value) { d->put(QStringLiteral("calHeight"), Variant(std::int32_t(value))); }
int ZVCalButtonWidget::bevelWidth() const { return d->integer(QStringLiteral("BevelWidth")); }
void ZVCalButtonWidget::setBevelWidth(int value) { d->put(QStringLiteral("BevelWidth"), Variant(std::int32_t(value))); }
QString ZVCalButtonWidget::caption() const { return d->text(QStringLiteral("Caption")); }
void ZVCalButtonWidget::setCaption(const QString &value) { d->put(QStringLiteral("Caption"), Variant(value)); }
ZVCalButtonWidget::Font3DStyle ZVCalButtonWidget::font3D() const { return Font3DStyle(d->integer(QStringLiteral("Font3D"))); }
void ZVCalButtonWidget::setFont3D(Font3DStyle value) { d->put(QStringLiteral("Font3D"), Variant(std::int32_t(value))); }
QPixmap ZVCalButtonWidget::mouseIcon() const { return d->picture(QStringLiteral("MouseIcon")); }
void ZVCalButtonWidget::setMouseIcon(const QPixmap &picture) { d->setPicture(QStringLiteral("MouseIcon"), picture); }
ZVCalButtonWidget::MousePointerShape ZVCalButtonWidget::mousePointer() const { return MousePointerShape(d->integer(QStringLiteral("MousePointer"))); }
void ZVCalButtonWidget::setMousePointer(MousePointerShape value) { d->put(QStringLiteral("MousePointer"), Variant(std::int32_t(value))); }
bool ZVCalButtonWidget::outline() const { return d->boolean(QStringLiteral("Outline")); }
void ZVCalButtonWidget::setOutline(bool on) { d->put(QStringLiteral("Outline"), Variant(on)); }
QPixmap ZVCalButtonWidget::picture() const { return d->picture(QStringLiteral("Picture")); }
void ZVCalButtonWidget::setPicture(const QPixmap &picture) { d->setPicture(QStringLiteral("Picture"), picture); }
bool ZVCalButtonWidget::roundedCorners() const { return d->boolean(QStringLiteral("RoundedCorners")); }
void ZVCalButtonWidget::setRoundedCorners(bool on) { d->put(QStringLiteral("RoundedCorners"), Variant(on)); }
QColor ZVCalButtonWidget::foreColor() const { return d->color(QStringLiteral("ForeColor")); }
void ZVCalButtonWidget::setForeColor(const QColor &color) { d->setColor(QStringLiteral("ForeColor"), color); }
