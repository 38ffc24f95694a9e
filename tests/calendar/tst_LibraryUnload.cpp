// A host that unloads libZVCal.so when DllCanUnloadNow allows it: every
// object the library hands out keeps the answer at S_FALSE while the host
// holds it, and once the last one is released the library is unloaded with
// dlclose for real and the host's Qt goes on working.

#include "support/DispatchGet.h"
#include "zvcal/ZVCal.h"

#include "platform/com/PropertyPage.h"
#include "platform/com/WindowSite.h"
#include "platform/objects/StdFont.h"
#include "platform/objects/StdPicture.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

#include <functional>

using TestDispatch::get;

namespace {

// The entry points of one load of the library.
struct LoadedLibrary
{
    void *handle = nullptr;
    DllGetClassObjectFn getClassObject = nullptr;
    DllCanUnloadNowFn canUnloadNow = nullptr;

    bool open()
    {
        handle = dlopen(ZVCAL_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return false;
        getClassObject = reinterpret_cast<DllGetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
        return getClassObject && canUnloadNow;
    }

    template <typename T>
    ComPtr<T> create(const Guid &clsid, const Guid &iid) const
    {
        ComPtr<IClassFactory> factory;
        ComPtr<T> object;
        if (SUCCEEDED(getClassObject(clsid, IID_IClassFactory, factory.putVoid())))
            factory->CreateInstance(nullptr, iid, object.putVoid());
        return object;
    }
};

bool stillLoaded()
{
    void *probe = dlopen(ZVCAL_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    if (probe)
        dlclose(probe);
    return probe != nullptr;
}

// What a host holds on to after releasing everything else. The keeper owns
// whatever it took; clearing it releases that.
using Keeper = std::function<void()>;
using Take = std::function<Keeper(const LoadedLibrary &)>;

} // namespace

Q_DECLARE_METATYPE(Take)

class tst_LibraryUnload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(!stillLoaded());
    }

    void heldObjectKeepsLibrary_data()
    {
        QTest::addColumn<Take>("take");
        // The steps a host reported: InitProperties, calFont read and kept,
        // the control released.
        QTest::newRow("calendar's calFont") << Take([](const LoadedLibrary &lib) -> Keeper {
            auto calendar = lib.create<IDispatch>(zvcal::CLSID_ZVCalendar, IID_IDispatch);
            auto control = calendar.query<IControl>(IID_IControl);
            control->InitProperties();
            // Placed and painted, so that Qt has seen the library's fonts.
            QWidget window;
            auto site = ComPtr<IControlSite>::adopt(WindowSite::create(&window));
            control->SetSite(site.get());
            QWidget *widget = nullptr;
            control->GetWidget(&widget);
            widget->setGeometry(0, 0, 210, 200);
            window.grab();
            FontRef font = get(calendar.get(), QStringLiteral("calFont")).toFont();
            control->SetSite(nullptr);
            return [font]() mutable { font.reset(); };
        });
        QTest::newRow("button's Font") << Take([](const LoadedLibrary &lib) -> Keeper {
            auto button = lib.create<_ZVCalButton>(zvcal::CLSID_ZVCalButton, zvcal::IID__ZVCalButton);
            FontRef font;
            button->get_Font(&font);
            return [font]() mutable { font.reset(); };
        });
        QTest::newRow("button's Picture") << Take([](const LoadedLibrary &lib) -> Keeper {
            auto button = lib.create<_ZVCalButton>(zvcal::CLSID_ZVCalButton, zvcal::IID__ZVCalButton);
            PictureRef picture;
            button->get_Picture(&picture);
            return [picture]() mutable { picture.reset(); };
        });
        QTest::newRow("type information") << Take([](const LoadedLibrary &lib) -> Keeper {
            auto calendar = lib.create<IDispatch>(zvcal::CLSID_ZVCalendar, IID_IDispatch);
            TypeLibraryRef types;
            calendar.query<IProvideTypeLibrary>(IID_IProvideTypeLibrary)->GetTypeLibrary(&types);
            return [types]() mutable { types.reset(); };
        });
        QTest::newRow("property page") << Take([](const LoadedLibrary &lib) -> Keeper {
            auto page = lib.create<IPropertyPage>(zvcal::CLSID_pagZVCalButton, IID_IPropertyPage);
            return [page]() mutable { page.reset(); };
        });
        QTest::newRow("class factory") << Take([](const LoadedLibrary &lib) -> Keeper {
            ComPtr<IClassFactory> factory;
            lib.getClassObject(zvcal::CLSID_ZVCalendar, IID_IClassFactory, factory.putVoid());
            return [factory]() mutable { factory.reset(); };
        });
        QTest::newRow("server lock") << Take([](const LoadedLibrary &lib) -> Keeper {
            ComPtr<IClassFactory> factory;
            lib.getClassObject(zvcal::CLSID_ZVCalButton, IID_IClassFactory, factory.putVoid());
            factory->LockServer(true);
            return [factory]() mutable {
                if (factory)
                    factory->LockServer(false);
                factory.reset();
            };
        });
    }

    void heldObjectKeepsLibrary()
    {
        QFETCH(Take, take);
        LoadedLibrary lib;
        QVERIFY2(lib.open(), dlerror());
        QCOMPARE(lib.canUnloadNow(), S_OK);

        Keeper keeper = take(lib);
        QCOMPARE(lib.canUnloadNow(), S_FALSE);
        // Queued work of the library (deferred deletions) runs first, as in
        // any host's event loop; what the host holds still counts.
        QCoreApplication::processEvents();
        QCOMPARE(lib.canUnloadNow(), S_FALSE);

        keeper();
        keeper = nullptr;
        QCOMPARE(lib.canUnloadNow(), S_OK);
        QCOMPARE(dlclose(lib.handle), 0);
        QVERIFY(!stillLoaded());

        // The host's own text drawing goes on after the unload.
        QImage canvas(200, 40, QImage::Format_ARGB32);
        QPainter painter(&canvas);
        for (const char *family : {"Courier New", "Arial"}) {
            QFont f{QString::fromLatin1(family)};
            f.setPointSizeF(10);
            painter.setFont(f);
            painter.drawText(QPointF(2, 20), QStringLiteral("After the unload"));
        }
    }

    // Text a host read from the library (a property, an error, a font's name,
    // a page's title) is the host's own: it outlives the library.
    void textOutlivesLibrary()
    {
        LoadedLibrary lib;
        QVERIFY2(lib.open(), dlerror());
        QStringList kept;
        {
            auto button = lib.create<_ZVCalButton>(zvcal::CLSID_ZVCalButton, zvcal::IID__ZVCalButton);
            button.query<IControl>(IID_IControl)->InitProperties();
            QString text;
            button->get_calCaption(&text);
            kept << text;
            button->get_Caption(&text);
            kept << text;
            kept << get(button.get(), QStringLiteral("calVersion")).toString();
            FontRef font;
            button->get_calFont(&font);
            kept << font->name();
            QCOMPARE(button->put_calMinYear(1), CTL_E_INVALIDPROPERTYVALUE);
            ExcepInfo excep;
            button.query<ISupportErrorInfo>(IID_ISupportErrorInfo)->GetErrorInfo(&excep);
            kept << excep.description << excep.source;
            auto page = lib.create<IPropertyPage>(zvcal::CLSID_pagZVCalButton, IID_IPropertyPage);
            page->GetPageInfo(&text, nullptr);
            kept << text;
            TypeLibraryRef types;
            button.query<IProvideTypeLibrary>(IID_IProvideTypeLibrary)->GetTypeLibrary(&types);
            kept << types->attributes.name << types->entry(QStringLiteral("_ZVCalButton"))->member(QStringLiteral("calNextMonthForeColor"))->type.name
                 << types->pages.first().pages.last();
        }
        QCOMPARE(lib.canUnloadNow(), S_OK);
        QCOMPARE(dlclose(lib.handle), 0);
        QVERIFY(!stillLoaded());
        QCOMPARE(kept, (QStringList {"Calendar", "DavOduraruv", "2.1.1", "Courier New", "Invalid property value", "ZVCalButton", "Button", "ZORVCalendar", "OLE_COLOR",
                                   "StandardPicture"}));
    }

    // The host's last release inside one of the control's own events leaves
    // the widget to the event loop; until it is gone the library must not be
    // unloaded.
    void widgetLeftToEventLoop()
    {
        LoadedLibrary lib;
        QVERIFY2(lib.open(), dlerror());
        auto button = lib.create<_ZVCalButton>(zvcal::CLSID_ZVCalButton, zvcal::IID__ZVCalButton);
        QVERIFY(button);
        QWidget *widget = nullptr;
        QCOMPARE(button.query<IControl>(IID_IControl)->GetWidget(&widget), S_OK);
        QWidget *command = widget->findChild<QWidget *>(QStringLiteral("SSCommand1"));
        QVERIFY(command);

        // A sink that drops the host's reference when the button is clicked.
        struct Dropper final : __ZVCalButton
        {
            ComPtr<_ZVCalButton> *held = nullptr;
            HRESULT QueryInterface(const Guid &iid, void **object) override
            {
                if (iid != IID_IUnknown && iid != IID_IDispatch && iid != zvcal::DIID___ZVCalButton)
                    return *object = nullptr, E_NOINTERFACE;
                *object = static_cast<IDispatch *>(this);
                return S_OK;
            }
            ULONG AddRef() override { return 2; }
            ULONG Release() override { return 1; }
            void BtnClick() override { held->reset(); }
        } dropper;
        dropper.held = &button;
        std::uint32_t cookie = 0;
        QCOMPARE(button.query<IEventSource>(IID_IEventSource)->Advise(zvcal::DIID___ZVCalButton, &dropper, &cookie), S_OK);

        QTest::keyClick(command, Qt::Key_Space);
        QVERIFY(!button);
        QCOMPARE(lib.canUnloadNow(), S_FALSE);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(lib.canUnloadNow(), S_OK);
        QCOMPARE(dlclose(lib.handle), 0);
        QVERIFY(!stillLoaded());
    }
};

QTEST_MAIN(tst_LibraryUnload)
#include "tst_LibraryUnload.moc"
