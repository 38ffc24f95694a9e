// The ZVCalendar object as a host reaches it: factory, interfaces, calls by
// name and through the typed interface, errors, events, site and persistence.

#include "core/ZVCalendar.h"
#include "properties/ServerEntryPoints.h"
#include "properties/ZVCalendarObject.h"
#include "support/ClockScope.h"
#include "support/DispatchGet.h"
#include "zvcal/ZVCal.h"

#include "platform/dates/DateValue.h"
#include "platform/objects/StdFont.h"
#include "platform/objects/TextPropertyBag.h"
#include "platform/com/ServerLocks.h"

#include <QMap>
#include <QSignalSpy>
#include <QTest>

using TestDispatch::get;

namespace {

double serial(int y, int m, int d)
{
    return *DateValue::fromDate(y, m, d);
}

// Records every event with its arguments; can change by-reference arguments.
class RecordingSink final : public __ZVCalendar
{
public:
    QStringList events;
    short keyCodeReplacement = -1;

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != zvcal::DIID___ZVCalendar)
            return *object = nullptr, E_NOINTERFACE;
        *object = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; } // lives on the test's stack
    ULONG refs = 1;

    void ValueChanged() override { events << QStringLiteral("ValueChanged"); }
    void MonthChanged() override { events << QStringLiteral("MonthChanged"); }
    void YearChanged() override { events << QStringLiteral("YearChanged"); }
    void KeyDown(short &keyCode, short &shift) override
    {
        events << QStringLiteral("KeyDown %1 %2").arg(keyCode).arg(shift);
        if (keyCodeReplacement >= 0)
            keyCode = keyCodeReplacement;
    }
};

// Holds the host's only reference to a control and drops it when the named
// event arrives.
class DroppingSink final : public __ZVCalendar
{
public:
    ComPtr<IDispatch> held;
    QString on;
    ULONG refs = 1;

    HRESULT QueryInterface(const Guid &, void **object) override { return *object = nullptr, E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; } // lives on the test's stack

    void drop(const char *name)
    {
        if (on == QLatin1String(name))
            held.reset();
    }
    void ValueChanged() override { drop("ValueChanged"); }
    void Click() override { drop("Click"); }
    void KeyDown(short &, short &) override { drop("KeyDown"); }
    void MouseDown(short &, short &, float &, float &) override { drop("MouseDown"); }
};

class RecordingSite final : public IControlSite
{
public:
    QWidget parent;
    FontRef ambient = StdFont::create(QStringLiteral("Arial"), 12);
    QStringList changes;
    ULONG refs = 1;

    HRESULT QueryInterface(const Guid &, void **object) override { return *object = nullptr, E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    QWidget *ParentWidget() override { return &parent; }
    FontRef AmbientFont() override { return ambient; }
    void OnChanged(const QString &name) override { changes << name; }
};

ComPtr<IDispatch> newCalendar()
{
    ComPtr<IClassFactory> factory;
    if (FAILED(zvcal::getClassObject(zvcal::CLSID_ZVCalendar, IID_IClassFactory, factory.putVoid())))
        return {};
    ComPtr<IDispatch> object;
    factory->CreateInstance(nullptr, IID_IDispatch, object.putVoid());
    return object;
}

HRESULT put(IDispatch *d, const QString &name, const Variant &value, ExcepInfo *excep = nullptr, std::uint16_t kind = DISPATCH_PROPERTYPUT)
{
    DISPID id = DISPID_UNKNOWN;
    if (HRESULT hr = d->GetIDsOfNames(name, &id); FAILED(hr))
        return hr;
    QList<Variant> args {value};
    return d->Invoke(id, kind, args, nullptr, excep);
}

} // namespace

Q_DECLARE_METATYPE(Variant)

class tst_ComObject : public QObject
{
    Q_OBJECT

    int m_objectsBefore = 0;

private slots:
    // Each test gives back every object it made; a test's data (a font in a
    // row) lives for the whole test.
    void init() { m_objectsBefore = ServerLocks::objectCount(); }
    void cleanup() { QCOMPARE(ServerLocks::objectCount(), m_objectsBefore); }

    void classObjects()
    {
        ComPtr<IClassFactory> factory;
        QCOMPARE(zvcal::getClassObject(zvcal::CLSID_ZVCalendar, IID_IClassFactory, nullptr), E_POINTER);
        QCOMPARE(zvcal::getClassObject(zvcal::CLSID_ZVCalendar, IID_IClassFactory, factory.putVoid()), S_OK);

        ComPtr<IUnknown> object;
        QCOMPARE(factory->CreateInstance(factory.get(), IID_IUnknown, object.putVoid()), CLASS_E_NOAGGREGATION);
        QCOMPARE(factory->CreateInstance(nullptr, zvcal::IID__ZVCalButton, object.putVoid()), E_NOINTERFACE);
        QVERIFY(!object);
        QCOMPARE(ServerLocks::objectCount(), 1); // only the factory: the refused object is gone

        QCOMPARE(factory->CreateInstance(nullptr, zvcal::IID__ZVCalendar, object.putVoid()), S_OK);
        // Every interface of the object leads back to the same identity.
        auto control = object.query<IControl>(IID_IControl);
        auto events = object.query<IEventSource>(IID_IEventSource);
        QVERIFY(control && events);
        QCOMPARE(control.query<IUnknown>(IID_IUnknown).get(), object.query<IUnknown>(IID_IUnknown).get());
        QVERIFY(!object.query<IUnknown>(IID_IClassFactory));

        QCOMPARE(zvcal::canUnloadNow(), S_FALSE);
        QCOMPARE(factory->LockServer(true), S_OK);
        object.reset();
        control.reset();
        events.reset();
        factory.reset();
        QCOMPARE(zvcal::canUnloadNow(), S_FALSE); // the lock still holds it
        ServerLocks::unlock();
        QCOMPARE(zvcal::canUnloadNow(), S_OK);
    }

    // The library's four classes, and one it does not own. A class whose
    // objects cannot be made yet answers as a stranger does: no factory that
    // would fail later. Its row changes to S_OK when the class is built.
    void everyClassOfTheLibrary_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<HRESULT>("expected");
        QTest::newRow("ZVCalendar") << QStringLiteral("ZVCalendar") << S_OK;
        QTest::newRow("ZVCalButton") << QStringLiteral("ZVCalButton") << S_OK;
        QTest::newRow("pagZVCalendar") << QStringLiteral("pagZVCalendar") << S_OK;
        QTest::newRow("pagZVCalButton") << QStringLiteral("pagZVCalButton") << S_OK;
        QTest::newRow("stranger") << QStringLiteral("{00000000-1111-2222-3333-444444444444}") << CLASS_E_CLASSNOTAVAILABLE;
    }
    void everyClassOfTheLibrary()
    {
        QFETCH(QString, name);
        QFETCH(HRESULT, expected);
        const QMap<QString, Guid> classes {
            {QStringLiteral("ZVCalendar"), zvcal::CLSID_ZVCalendar},
            {QStringLiteral("ZVCalButton"), zvcal::CLSID_ZVCalButton},
            {QStringLiteral("pagZVCalendar"), zvcal::CLSID_pagZVCalendar},
            {QStringLiteral("pagZVCalButton"), zvcal::CLSID_pagZVCalButton},
        };
        const Guid clsid = classes.contains(name) ? classes.value(name) : *Guid::parse(name);
        ComPtr<IClassFactory> factory;
        QCOMPARE(zvcal::getClassObject(clsid, IID_IClassFactory, factory.putVoid()), expected);
        QCOMPARE(bool(factory), SUCCEEDED(expected));
        if (!factory)
            return;
        ComPtr<IUnknown> object;
        QCOMPARE(factory->CreateInstance(nullptr, IID_IUnknown, object.putVoid()), S_OK);
        QVERIFY(object);
    }

    void propertiesByName()
    {
        auto cal = newCalendar();
        QVERIFY(cal);
        QCOMPARE(get(cal.get(), QStringLiteral("calVersion")).toString(), QStringLiteral("2.1.1"));

        // Names match without regard to case; values convert to the member's type.
        QCOMPARE(put(cal.get(), QStringLiteral("CALCAPTION"), Variant(QStringLiteral("Dates"))), S_OK);
        QCOMPARE(get(cal.get(), QStringLiteral("calCaption")).toString(), QStringLiteral("Dates"));
        QCOMPARE(put(cal.get(), QStringLiteral("calMinYear"), Variant(QStringLiteral("1900"))), S_OK);
        QCOMPARE(get(cal.get(), QStringLiteral("calMinYear")).toInt32(), 1900);
        QCOMPARE(put(cal.get(), QStringLiteral("calAppearance"), Variant(std::int16_t(0))), S_OK);
        QCOMPARE(get(cal.get(), QStringLiteral("calAppearance")).type(), VarType::Int32);
        QCOMPARE(put(cal.get(), QStringLiteral("calValue"), Variant::fromDate(serial(1997, 7, 19))), S_OK);
        QCOMPARE(get(cal.get(), QStringLiteral("calJulianDateValue")).toInt32(), 1997200);
        QCOMPARE(put(cal.get(), QStringLiteral("calCurrentMonthBackColor"), Variant(QStringLiteral("&H8000000F"))), S_OK);
        QCOMPARE(get(cal.get(), QStringLiteral("calCurrentMonthBackColor")).toInt32(), 0);

        DISPID id = 0;
        QCOMPARE(cal->GetIDsOfNames(QStringLiteral("Enabled"), &id), S_OK);
        QCOMPARE(id, DISPID_ENABLED);
        QCOMPARE(put(cal.get(), QStringLiteral("Enabled"), Variant(false)), S_OK);
        QCOMPARE(get(cal.get(), QStringLiteral("Enabled")).toBool(), false);

        // A method runs through DISPATCH_METHOD.
        QCOMPARE(cal->GetIDsOfNames(QStringLiteral("NextDay"), &id), S_OK);
        QList<Variant> none;
        QCOMPARE(cal->Invoke(id, DISPATCH_METHOD, none, nullptr, nullptr), S_OK);
        QCOMPARE(get(cal.get(), QStringLiteral("calValue")).toDate(), serial(1997, 7, 20));
    }

    void callErrors_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<HRESULT>("expected");
        QTest::newRow("unknown name") << "calColour" << int(DISPATCH_PROPERTYPUT) << Variant(1) << DISP_E_UNKNOWNNAME;
        QTest::newRow("put on read-only") << "calVersion" << int(DISPATCH_PROPERTYPUT) << Variant(QStringLiteral("3")) << DISP_E_MEMBERNOTFOUND;
        QTest::newRow("put on a font") << "calFont" << int(DISPATCH_PROPERTYPUT) << Variant(StdFont::create()) << DISP_E_MEMBERNOTFOUND;
        QTest::newRow("text for a number") << "calMinYear" << int(DISPATCH_PROPERTYPUT) << Variant(QStringLiteral("soon")) << DISP_E_TYPEMISMATCH;
        QTest::newRow("overflow") << "calMinYear" << int(DISPATCH_PROPERTYPUT) << Variant(1e12) << DISP_E_OVERFLOW;
        QTest::newRow("number for a font") << "calFont" << int(DISPATCH_PROPERTYPUTREF) << Variant(10) << DISP_E_TYPEMISMATCH;
        QTest::newRow("text for a date") << "calValue" << int(DISPATCH_PROPERTYPUT) << Variant(QStringLiteral("tomorrow")) << DISP_E_TYPEMISMATCH;
    }

    void callErrors()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(Variant, value);
        QFETCH(HRESULT, expected);
        auto cal = newCalendar();
        const QString before = get(cal.get(), QStringLiteral("calMinYear")).toString();
        QCOMPARE(put(cal.get(), name, value, nullptr, std::uint16_t(kind)), expected);
        QCOMPARE(get(cal.get(), QStringLiteral("calMinYear")).toString(), before);
    }

    void argumentCount()
    {
        auto cal = newCalendar();
        QList<Variant> two {Variant(1), Variant(2)};
        QCOMPARE(cal->Invoke(zvcal::dispid::calMinYear, DISPATCH_PROPERTYPUT, two, nullptr, nullptr), DISP_E_BADPARAMCOUNT);
        QCOMPARE(cal->Invoke(zvcal::dispid::NextDay, DISPATCH_METHOD, two, nullptr, nullptr), DISP_E_BADPARAMCOUNT);
        QList<Variant> none;
        QCOMPARE(cal->Invoke(12345, DISPATCH_PROPERTYGET, none, nullptr, nullptr), DISP_E_MEMBERNOTFOUND);
    }

    // 380 reaches a late-bound caller as DISP_E_EXCEPTION with number and text,
    // and a typed caller as its result code plus the same record.
    void invalidPropertyValue()
    {
        auto cal = newCalendar();
        ExcepInfo excep;
        QCOMPARE(put(cal.get(), QStringLiteral("calAppearance"), Variant(3), &excep), DISP_E_EXCEPTION);
        QCOMPARE(excep.number, 380);
        QCOMPARE(excep.description, QStringLiteral("Invalid property value"));
        QCOMPARE(excep.scode, CTL_E_INVALIDPROPERTYVALUE);
        QCOMPARE(get(cal.get(), QStringLiteral("calAppearance")).toInt32(), 2);

        auto typed = cal.query<_ZVCalendar>(zvcal::IID__ZVCalendar);
        auto errors = cal.query<ISupportErrorInfo>(IID_ISupportErrorInfo);
        QCOMPARE(typed->put_calFirstDayofWeek(zvcal::enumCALFirstDayofWeek(8)), CTL_E_INVALIDPROPERTYVALUE);
        ExcepInfo info;
        QCOMPARE(errors->GetErrorInfo(&info), S_OK);
        QCOMPARE(info.number, 380);
        QCOMPARE(info.description, QStringLiteral("Invalid property value"));
        // A later call that succeeds clears the record.
        QCOMPARE(typed->put_calFirstDayofWeek(zvcal::ZORVcalSaturday), S_OK);
        QCOMPARE(errors->GetErrorInfo(&info), S_FALSE);
        zvcal::enumCALFirstDayofWeek day {};
        QCOMPARE(typed->get_calFirstDayofWeek(&day), S_OK);
        QCOMPARE(day, zvcal::ZORVcalSaturday);
        QCOMPARE(typed->get_calFirstDayofWeek(nullptr), E_POINTER);
    }

    void typedInterface()
    {
        auto cal = newCalendar();
        auto typed = cal.query<_ZVCalendar>(zvcal::IID__ZVCalendar);
        QVERIFY(typed);
        VARIANT_BOOL enabled = 0;
        QCOMPARE(typed->get_Enabled(&enabled), S_OK);
        QCOMPARE(enabled, VARIANT_TRUE);
        QCOMPARE(typed->put_calValue(serial(2000, 2, 29)), S_OK);
        QCOMPARE(typed->get_calLeapYear(&enabled), S_OK);
        QCOMPARE(enabled, VARIANT_TRUE);
        QCOMPARE(typed->put_calMinYear(2001), S_OK);
        DATE value = 0;
        QCOMPARE(typed->get_calValue(&value), S_OK);
        QCOMPARE(value, serial(2001, 3, 1));
        // Fonts are set by reference: the control keeps the caller's object.
        const FontRef font = StdFont::create(QStringLiteral("Arial"), 14);
        QCOMPARE(typed->putref_calFont(font), S_OK);
        FontRef back;
        QCOMPARE(typed->get_calFont(&back), S_OK);
        QCOMPARE(back.get(), font.get());
        QCOMPARE(typed->NextYear(), S_OK);
        QCOMPARE(typed->get_calValue(&value), S_OK);
        QCOMPARE(value, serial(2002, 3, 1));
    }

    void events()
    {
        auto cal = newCalendar();
        auto source = cal.query<IEventSource>(IID_IEventSource);
        RecordingSink sink;
        std::uint32_t cookie = 0;
        QCOMPARE(source->Advise(zvcal::DIID___ZVCalButton, &sink, &cookie), CONNECT_E_CANNOTCONNECT);
        QCOMPARE(source->Advise(zvcal::DIID___ZVCalendar, &sink, &cookie), S_OK);
        QCOMPARE(sink.refs, ULONG(2));

        auto typed = cal.query<_ZVCalendar>(zvcal::IID__ZVCalendar);
        typed->put_calValue(serial(1999, 12, 31));
        sink.events.clear();
        typed->NextDay();
        QCOMPARE(sink.events, (QStringList {"ValueChanged", "MonthChanged", "YearChanged"}));

        QCOMPARE(source->Unadvise(cookie), S_OK);
        QCOMPARE(source->Unadvise(cookie), CONNECT_E_NOCONNECTION);
        QCOMPARE(sink.refs, ULONG(1));
        sink.events.clear();
        typed->NextDay();
        QVERIFY(sink.events.isEmpty());
    }

    // Arguments are by reference: what the host's handler leaves is what the
    // control's own code sees after raising the event.
    void eventArgumentsByReference()
    {
        auto cal = newCalendar();
        auto control = cal.query<IControl>(IID_IControl);
        QWidget *w = nullptr;
        control->GetWidget(&w);
        auto *calendar = static_cast<ZVCalendar *>(w);
        RecordingSink sink;
        sink.keyCodeReplacement = 0;
        std::uint32_t cookie = 0;
        cal.query<IEventSource>(IID_IEventSource)->Advise(zvcal::DIID___ZVCalendar, &sink, &cookie);
        short key = 39;
        short shift = 1;
        emit calendar->KeyDown(key, shift);
        QCOMPARE(sink.events, QStringList {"KeyDown 39 1"});
        QCOMPARE(key, short(0));
        QCOMPARE(shift, short(1));
        cal.query<IEventSource>(IID_IEventSource)->Unadvise(cookie);
    }

    void siteAndPersistence()
    {
        SettableClock clock(QDateTime(QDate(2003, 5, 6), QTime(9, 0)));
        ClockScope useClock(clock);
        auto cal = newCalendar();
        auto control = cal.query<IControl>(IID_IControl);
        RecordingSite site;
        QCOMPARE(control->SetSite(&site), S_OK);
        QWidget *w = nullptr;
        QCOMPARE(control->GetWidget(&w), S_OK);
        QCOMPARE(w->parentWidget(), &site.parent);
        QCOMPARE(control->InitProperties(), S_OK);

        put(cal.get(), QStringLiteral("calCaption"), Variant(QStringLiteral("Due")));
        put(cal.get(), QStringLiteral("calAppearance"), Variant(9)); // refused: no notification
        QCOMPARE(site.changes, QStringList {"calCaption"});

        // Saving writes the ambient font as the fonts' default; loading into a
        // second object gives back what was saved.
        put(cal.get(), QStringLiteral("calMaxYear"), Variant(2050));
        TextPropertyBag bag;
        ExcepInfo excep;
        QCOMPARE(control->WriteProperties(bag, &excep), S_OK);
        QVERIFY(bag.contains(QStringLiteral("calCaption")));
        // The fonts differ from the ambient Arial 12, so they are written.
        QVERIFY(bag.contains(QStringLiteral("calFont")));
        auto second = newCalendar();
        auto secondControl = second.query<IControl>(IID_IControl);
        TextPropertyBag reread = TextPropertyBag::fromText(bag.toText());
        QCOMPARE(secondControl->ReadProperties(reread, &excep), S_OK);
        QCOMPARE(get(second.get(), QStringLiteral("calCaption")).toString(), QStringLiteral("Due"));
        QCOMPARE(get(second.get(), QStringLiteral("calMaxYear")).toInt32(), 2050);

        // A value of the wrong type fails the load with the bag's message.
        TextPropertyBag bad = TextPropertyBag::fromText(QStringLiteral("calMinYear = text \"early\"\n"));
        QCOMPARE(secondControl->ReadProperties(bad, &excep), DISP_E_EXCEPTION);
        QVERIFY2(excep.description.contains(QStringLiteral("calMinYear")), qPrintable(excep.description));
        QCOMPARE(get(second.get(), QStringLiteral("calMinYear")).toInt32(), 1600);

        QCOMPARE(control->SetSite(nullptr), S_OK);
        QCOMPARE(w->parentWidget(), nullptr);
        QCOMPARE(site.refs, ULONG(1));
    }

    // A host may drop its last reference to the control from inside an event
    // handler (a pop-up closed on Click, a form torn down on a key); the
    // widget raising the event must outlive the handler.
    void releasedInsideEvent_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("child");
        QTest::addColumn<int>("key");
        QTest::newRow("mouse down on a day") << "MouseDown" << "pnlCalNum_10" << 0;
        QTest::newRow("click on a day") << "Click" << "pnlCalNum_10" << 0;
        QTest::newRow("key in the year box") << "KeyDown" << "txtYear" << int(Qt::Key_Right);
    }

    void releasedInsideEvent()
    {
        QFETCH(QString, event);
        QFETCH(QString, child);
        QFETCH(int, key);

        DroppingSink sink;
        sink.on = event;

        QWidget window;
        {
            auto cal = newCalendar();
            auto control = cal.query<IControl>(IID_IControl);
            RecordingSite site;
            control->SetSite(&site);
            control->InitProperties();
            control->SetSite(nullptr);
            QWidget *w = nullptr;
            control->GetWidget(&w);
            w->setParent(&window);
            w->setGeometry(0, 0, 210, 200);
            std::uint32_t cookie = 0;
            cal.query<IEventSource>(IID_IEventSource)->Advise(zvcal::DIID___ZVCalendar, &sink, &cookie);
            sink.held = cal;
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QPointer<QWidget> calendar = window.findChild<ZVCalendar *>();
        QWidget *target = child.isEmpty() ? calendar.data() : calendar->findChild<QWidget *>(child);
        QVERIFY(target);
        if (key) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key));
        } else {
            QTest::mouseClick(target, Qt::LeftButton);
        }
        QVERIFY(!sink.held);
        QTRY_VERIFY(!calendar);
        QCOMPARE(sink.refs, ULONG(1));
    }

    // The same through the typed interface: the call that raised the event
    // must not touch the object after the handler let it go.
    void releasedInsideEventOfTypedCall()
    {
        DroppingSink sink;
        sink.on = QStringLiteral("ValueChanged");
        sink.held = newCalendar();
        std::uint32_t cookie = 0;
        sink.held.query<IEventSource>(IID_IEventSource)->Advise(zvcal::DIID___ZVCalendar, &sink, &cookie);
        _ZVCalendar *typed = sink.held.query<_ZVCalendar>(zvcal::IID__ZVCalendar).get(); // borrowed, as a host's cached pointer
        QCOMPARE(typed->NextDay(), S_OK);
        QVERIFY(!sink.held);
        QCOMPARE(sink.refs, ULONG(1));
    }

    // A host that destroys the parent window with the control still held
    // gets failures, not crashes.
    void widgetDestroyedByHost()
    {
        auto cal = newCalendar();
        auto control = cal.query<IControl>(IID_IControl);
        {
            RecordingSite site;
            control->SetSite(&site);
            control->SetSite(nullptr);
            QWidget *w = nullptr;
            control->GetWidget(&w);
            w->setParent(&site.parent);
        }
        QWidget *w = nullptr;
        QCOMPARE(control->GetWidget(&w), E_UNEXPECTED);
        QCOMPARE(put(cal.get(), QStringLiteral("calCaption"), Variant(QStringLiteral("x"))), E_UNEXPECTED);
    }
};

QTEST_MAIN(tst_ComObject)
#include "tst_ComObject.moc"
