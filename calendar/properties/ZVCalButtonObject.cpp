#include "properties/ZVCalButtonObject.h"

#include "properties/ButtonMembers.h"

namespace zvcal {

ZVCalButtonObject *ZVCalButtonObject::create()
{
    return new ZVCalButtonObject();
}

ZVCalButtonObject::ZVCalButtonObject()
    : CalendarAccessors({IID__ZVCalButton, DIID___ZVCalButton, &buttonInterface, QStringLiteral("ZVCalButton")})
{
    connectWidget();
}

MemberCalls ZVCalButtonObject::memberCalls(ZVCalButton &w)
{
    return {
        [&w](DISPID member) { return getButtonProperty(w, member); },
        [&w](DISPID member, const Variant &value) { putButtonProperty(w, member, value); },
        [](DISPID) {}, // the button has no methods
    };
}

void ZVCalButtonObject::connectWidget()
{
    namespace ev = dispid::buttonEvent;
    ZVCalButton *w = widget();
    QObject::connect(w, &ZVCalButton::MonthChanged, w, [this] { fire(ev::MonthChanged); });
    QObject::connect(w, &ZVCalButton::ValueChanged, w, [this] { fire(ev::ValueChanged); });
    QObject::connect(w, &ZVCalButton::YearChanged, w, [this] { fire(ev::YearChanged); });
    QObject::connect(w, &ZVCalButton::BtnClick, w, [this] { fire(ev::BtnClick); });
    QObject::connect(w, &ZVCalButton::Click, w, [this] { fire(ev::Click); });
    QObject::connect(w, &ZVCalButton::BtnKeyDown, w, keyEvent(ev::BtnKeyDown));
    QObject::connect(w, &ZVCalButton::BtnKeyPress, w, keyPressEvent(ev::BtnKeyPress));
    QObject::connect(w, &ZVCalButton::BtnKeyUp, w, keyEvent(ev::BtnKeyUp));
    QObject::connect(w, &ZVCalButton::BtnMouseDown, w, mouseEvent(ev::BtnMouseDown));
    QObject::connect(w, &ZVCalButton::BtnMouseMove, w, mouseEvent(ev::BtnMouseMove));
    QObject::connect(w, &ZVCalButton::BtnMouseUp, w, mouseEvent(ev::BtnMouseUp));
    QObject::connect(w, &ZVCalButton::KeyDown, w, keyEvent(ev::KeyDown));
    QObject::connect(w, &ZVCalButton::KeyPress, w, keyPressEvent(ev::KeyPress));
    QObject::connect(w, &ZVCalButton::KeyUp, w, keyEvent(ev::KeyUp));
    QObject::connect(w, &ZVCalButton::MouseDown, w, mouseEvent(ev::MouseDown));
    QObject::connect(w, &ZVCalButton::MouseMove, w, mouseEvent(ev::MouseMove));
    QObject::connect(w, &ZVCalButton::MouseUp, w, mouseEvent(ev::MouseUp));
}

} // namespace zvcal
