// Loads the real libZVCal.so as a host does and goes through its entry points
// only: registration, creation, properties by name, events, unregistration.

#include "support/DispatchGet.h"
#include "zvcal/ZVCal.h"

#include "platform/dates/DateValue.h"
#include "platform/com/RegistryFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

using TestDispatch::get;

namespace {

class EventLog final : public IDispatch
{
public:
    QList<DISPID> events;
    ULONG refs = 1;

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != zvcal::DIID___ZVCalendar)
            return *object = nullptr, E_NOINTERFACE;
        *object = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT GetIDsOfNames(const QString &, DISPID *) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID id, std::uint16_t, QList<Variant> &, Variant *, ExcepInfo *) override
    {
        events << id;
        return S_OK;
    }
};

} // namespace

class tst_LibraryHost : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_registry;
    void *m_library = nullptr;
    DllRegisterServerFn m_register = nullptr;
    DllUnregisterServerFn m_unregister = nullptr;
    DllGetClassObjectFn m_getClassObject = nullptr;
    DllCanUnloadNowFn m_canUnloadNow = nullptr;

    HRESULT put(IDispatch *d, const QString &name, const Variant &value, ExcepInfo *excep = nullptr)
    {
        DISPID id = DISPID_UNKNOWN;
        if (HRESULT hr = d->GetIDsOfNames(name, &id); FAILED(hr))
            return hr;
        QList<Variant> args {value};
        return d->Invoke(id, DISPATCH_PROPERTYPUT, args, nullptr, excep);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_registry = m_dir.filePath(QStringLiteral("registry.ini"));
        qputenv(RegistryFile::EnvironmentVariable, QFile::encodeName(m_registry));
        // Kept loaded to the end of the process, as hosts do: Qt may still
        // hold on to things the library made.
        m_library = dlopen(ZVCAL_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
        QVERIFY2(m_library, dlerror());
        m_register = reinterpret_cast<DllRegisterServerFn>(dlsym(m_library, "DllRegisterServer"));
        m_unregister = reinterpret_cast<DllUnregisterServerFn>(dlsym(m_library, "DllUnregisterServer"));
        m_getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(m_library, "DllGetClassObject"));
        m_canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(dlsym(m_library, "DllCanUnloadNow"));
        QVERIFY(m_register && m_unregister && m_getClassObject && m_canUnloadNow);
        // Nothing else is reachable by name.
        QVERIFY(!dlsym(m_library, "_ZN5zvcal11typeLibraryEv"));
    }

    void hostSession()
    {
        QCOMPARE(m_canUnloadNow(), S_OK);
        QCOMPARE(m_register(), S_OK);
        RegistryFile registry(m_registry);
        const QString clsidText = registry.value(QStringLiteral("ProgID/ZORVCalendar.ZVCalendar/CLSID"));
        QCOMPARE(clsidText, zvcal::CLSID_ZVCalendar.toString());
        const QString server = registry.value(QStringLiteral("CLSID/%1/InprocServer").arg(clsidText));
        QVERIFY2(QFile::exists(server), qPrintable(server));

        // The toolbox bitmap the registration names is in the loaded file:
        // "file,N" is resource :/ZVCal/N.bmp, a 16 x 15 bitmap of 24 bits.
        const QStringList toolbox = registry.value(QStringLiteral("CLSID/%1/ToolboxBitmap").arg(clsidText)).split(u',');
        QCOMPARE(toolbox.size(), 2);
        QCOMPARE(toolbox[0], server);
        for (const QString &resource : {toolbox[1], QStringLiteral("30001")}) {
            QFile bitmap(QStringLiteral(":/ZVCal/%1.bmp").arg(resource));
            QVERIFY2(bitmap.open(QIODevice::ReadOnly), qPrintable(bitmap.fileName()));
            const QByteArray header = bitmap.read(30);
            QCOMPARE(header.size(), 30);
            auto field = [&header](int at, int bytes) {
                quint32 v = 0;
                for (int i = bytes - 1; i >= 0; --i)
                    v = (v << 8) | quint8(header[at + i]);
                return v;
            };
            QCOMPARE(header.left(2), QByteArray("BM"));
            QCOMPARE(field(18, 4), 16u);
            QCOMPARE(field(22, 4), 15u);
            QCOMPARE(field(28, 2), 24u);
        }

        ComPtr<IClassFactory> factory;
        const Guid stranger = *Guid::parse(QStringLiteral("{0F0F0F0F-0000-0000-0000-000000000001}"));
        QCOMPARE(m_getClassObject(stranger, IID_IClassFactory, factory.putVoid()), CLASS_E_CLASSNOTAVAILABLE);
        QCOMPARE(m_getClassObject(*Guid::parse(clsidText), IID_IClassFactory, factory.putVoid()), S_OK);
        ComPtr<IDispatch> calendar;
        QCOMPARE(factory->CreateInstance(nullptr, IID_IDispatch, calendar.putVoid()), S_OK);
        factory.reset();
        QCOMPARE(m_canUnloadNow(), S_FALSE);

        auto control = calendar.query<IControl>(IID_IControl);
        QVERIFY(control);
        QCOMPARE(control->InitProperties(), S_OK);

        EventLog sink;
        std::uint32_t cookie = 0;
        auto source = calendar.query<IEventSource>(IID_IEventSource);
        QCOMPARE(source->Advise(zvcal::DIID___ZVCalendar, &sink, &cookie), S_OK);

        QCOMPARE(put(calendar.get(), QStringLiteral("calValue"), Variant::fromDate(*DateValue::fromDate(1997, 4, 4))), S_OK);
        QCOMPARE(get(calendar.get(), QStringLiteral("calValue")).toDate(), *DateValue::fromDate(1997, 4, 4));
        QVERIFY(sink.events.contains(zvcal::dispid::calendarEvent::ValueChanged));
        QCOMPARE(put(calendar.get(), QStringLiteral("calCaption"), Variant(QStringLiteral("Host"))), S_OK);
        QCOMPARE(get(calendar.get(), QStringLiteral("calCaption")).toString(), QStringLiteral("Host"));
        QCOMPARE(get(calendar.get(), QStringLiteral("calVersion")).toString(), QStringLiteral("2.1.1"));

        // The library's exception arrives as number and text, not as a C++ exception.
        ExcepInfo excep;
        QCOMPARE(put(calendar.get(), QStringLiteral("calScrollArrowsPos"), Variant(4), &excep), DISP_E_EXCEPTION);
        QCOMPARE(excep.number, 380);
        QCOMPARE(excep.description, QStringLiteral("Invalid property value"));
        QCOMPARE(get(calendar.get(), QStringLiteral("calScrollArrowsPos")).toInt32(), 3);

        // Type information reaches the host from the object.
        TypeLibraryRef types;
        QCOMPARE(calendar.query<IProvideTypeLibrary>(IID_IProvideTypeLibrary)->GetTypeLibrary(&types), S_OK);
        QCOMPARE(types->entries.size(), 18);
        types.reset();

        QCOMPARE(source->Unadvise(cookie), S_OK);
        source.reset();
        control.reset();
        calendar.reset();
        QCOMPARE(sink.refs, ULONG(1));
        QCOMPARE(m_canUnloadNow(), S_OK);

        // The drop-down button, registered and created the same way; its
        // calendar properties refuse what the calendar refuses.
        const QString buttonClsid = registry.value(QStringLiteral("ProgID/ZORVCalendar.ZVCalButton/CLSID"));
        QCOMPARE(buttonClsid, zvcal::CLSID_ZVCalButton.toString());
        QCOMPARE(m_getClassObject(zvcal::CLSID_ZVCalButton, IID_IClassFactory, factory.putVoid()), S_OK);
        ComPtr<_ZVCalButton> button;
        QCOMPARE(factory->CreateInstance(nullptr, zvcal::IID__ZVCalButton, button.putVoid()), S_OK);
        factory.reset();
        QCOMPARE(button.query<IControl>(IID_IControl)->InitProperties(), S_OK);
        QCOMPARE(button->put_calValue(*DateValue::fromDate(2000, 2, 29)), S_OK);
        DATE picked = 0;
        QCOMPARE(button->get_calValue(&picked), S_OK);
        QCOMPARE(picked, *DateValue::fromDate(2000, 2, 29));
        LONG width = 0;
        QCOMPARE(button->get_calWidth(&width), S_OK);
        QCOMPARE(width, 3200);
        QCOMPARE(button->put_calMinYear(1599), CTL_E_INVALIDPROPERTYVALUE);
        DISPID enabledId = DISPID_UNKNOWN;
        QCOMPARE(button->GetIDsOfNames(QStringLiteral("Enabled"), &enabledId), S_OK);
        QVERIFY(enabledId != DISPID_ENABLED);
        QCOMPARE(put(button.get(), QStringLiteral("Caption"), Variant(QStringLiteral("Go"))), S_OK);
        QCOMPARE(get(button.get(), QStringLiteral("Caption")).toString(), QStringLiteral("Go"));
        QCOMPARE(m_canUnloadNow(), S_FALSE);
        button.reset();
        QCOMPARE(m_canUnloadNow(), S_OK);

        QCOMPARE(m_unregister(), S_OK);
        QFile file(m_registry);
        QVERIFY(!file.exists() || (file.open(QIODevice::ReadOnly) && file.readAll().trimmed().isEmpty()));
    }

    // The exports refuse a registry file they cannot read whole, with the
    // failure code of registration, and leave every byte of it.
    void damagedRegistryKeepsItsBytes()
    {
        const QByteArray damaged("[CLSID]\r\nBroken=\"unterminated\r\n[ProgID]\r\nOther.Thing\\CLSID={11111111-2222-3333-4444-555555555555}\r\n");
        QFile file(m_registry);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        QCOMPARE(m_register(), SELFREG_E_CLASS);
        QCOMPARE(m_unregister(), SELFREG_E_CLASS);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
    }
};

QTEST_MAIN(tst_LibraryHost)
#include "tst_LibraryHost.moc"
