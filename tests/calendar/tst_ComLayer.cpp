// The in-process server layer: identifiers, variants, the registry file and
// what registration writes and removes.

#include "properties/Registration.h"
#include "zvcal/ZVCalIds.h"

#include "platform/objects/StdFont.h"
#include "platform/com/RegistryFile.h"
#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Variant)
Q_DECLARE_METATYPE(VarType)

namespace {

// Counts references, to see that variants and ComPtr balance them.
class Counted final : public IUnknown
{
public:
    ULONG refs = 1;
    HRESULT QueryInterface(const Guid &, void **object) override { return *object = nullptr, E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
};

} // namespace

class tst_ComLayer : public QObject
{
    Q_OBJECT

private slots:
    void guidText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("braced") << "{64450EA1-EB4C-4682-AB06-4019D66736AB}" << true;
        QTest::newRow("bare lower case") << "64450ea1-eb4c-4682-ab06-4019d66736ab" << true;
        QTest::newRow("one brace") << "{64450EA1-EB4C-4682-AB06-4019D66736AB" << false;
        QTest::newRow("dash misplaced") << "{64450EA1E-B4C-4682-AB06-4019D66736AB}" << false;
        QTest::newRow("not hex") << "{64450EA1-EB4C-4682-AB06-4019D66736AG}" << false;
        QTest::newRow("short") << "{64450EA1-EB4C-4682-AB06-4019D66736A}" << false;
        QTest::newRow("empty") << "" << false;
    }

    void guidText()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        const std::optional<Guid> g = Guid::parse(text);
        QCOMPARE(g.has_value(), valid);
        if (valid) {
            QCOMPARE(*g, zvcal::CLSID_ZVCalendar);
            QCOMPARE(g->toString(), QStringLiteral("{64450EA1-EB4C-4682-AB06-4019D66736AB}"));
        }
    }

    void conversions_data()
    {
        QTest::addColumn<Variant>("from");
        QTest::addColumn<VarType>("to");
        QTest::addColumn<HRESULT>("result");
        QTest::addColumn<Variant>("expected");
        QTest::newRow("true to int") << Variant(true) << VarType::Int32 << S_OK << Variant(-1);
        QTest::newRow("int to bool") << Variant(2) << VarType::Bool << S_OK << Variant(true);
        QTest::newRow("text to bool") << Variant(QStringLiteral("False")) << VarType::Bool << S_OK << Variant(false);
        QTest::newRow("halves to even") << Variant(2.5) << VarType::Int32 << S_OK << Variant(2);
        QTest::newRow("int16 overflow") << Variant(40000) << VarType::Int16 << DISP_E_OVERFLOW << Variant();
        QTest::newRow("hex colour") << Variant(QStringLiteral("&HC0C0C0")) << VarType::Int32 << S_OK << Variant(0xC0C0C0);
        QTest::newRow("hex top bit") << Variant(QStringLiteral("&H8000000F")) << VarType::Int32 << S_OK << Variant(std::int32_t(0x8000000F));
        QTest::newRow("text number") << Variant(QStringLiteral(" 1600 ")) << VarType::Int32 << S_OK << Variant(1600);
        QTest::newRow("bad text") << Variant(QStringLiteral("12a")) << VarType::Int32 << DISP_E_TYPEMISMATCH << Variant();
        QTest::newRow("number to date") << Variant(35504.0) << VarType::Date << S_OK << Variant::fromDate(35504.0);
        QTest::newRow("date to text") << Variant::fromDate(1.5) << VarType::String << S_OK << Variant(QStringLiteral("1.5"));
        QTest::newRow("bool to text") << Variant(true) << VarType::String << S_OK << Variant(QStringLiteral("True"));
        QTest::newRow("font to int") << Variant(StdFont::create()) << VarType::Int32 << DISP_E_TYPEMISMATCH << Variant();
        QTest::newRow("int to font") << Variant(3) << VarType::Font << DISP_E_TYPEMISMATCH << Variant();
        QTest::newRow("empty to int") << Variant() << VarType::Int32 << S_OK << Variant(0);
    }

    void conversions()
    {
        QFETCH(Variant, from);
        QFETCH(VarType, to);
        QFETCH(HRESULT, result);
        QFETCH(Variant, expected);
        Variant out;
        QCOMPARE(from.convert(to, out), result);
        if (result == S_OK)
            QVERIFY2(out == expected, qPrintable(out.toString() + QStringLiteral(" / ") + expected.toString()));
    }

    void variantHoldsObjectReference()
    {
        Counted object;
        {
            Variant a(&object);
            QCOMPARE(object.refs, ULONG(2));
            Variant b = a;
            QCOMPARE(object.refs, ULONG(3));
            Variant c = std::move(b);
            QCOMPARE(object.refs, ULONG(3));
            a = Variant(1);
            QCOMPARE(object.refs, ULONG(2));
            QCOMPARE(c.toObject(), &object);
        }
        QCOMPARE(object.refs, ULONG(1));
        {
            auto p = ComPtr<Counted>(&object);
            auto q = p;
            QCOMPARE(object.refs, ULONG(3));
        }
        QCOMPARE(object.refs, ULONG(1));
    }

    void registryPathFromEnvironment()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sub/registry.ini"));
        qputenv(RegistryFile::EnvironmentVariable, QFile::encodeName(path));
        QCOMPARE(RegistryFile::defaultPath(), path);
        qunsetenv(RegistryFile::EnvironmentVariable);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        QCOMPARE(RegistryFile::defaultPath(), dir.path() + QStringLiteral("/zorv/registry.ini"));
        qputenv("XDG_CONFIG_HOME", "relative/config");
        QCOMPARE(RegistryFile::defaultPath(), QDir::homePath() + QStringLiteral("/.config/zorv/registry.ini"));
        qunsetenv("XDG_CONFIG_HOME");
    }

    // Unregistration removes what registration wrote and leaves everything
    // else, also a ProgID another library has taken over.
    void registerAndUnregister()
    {
        QTemporaryDir dir;
        RegistryFile registry(dir.filePath(QStringLiteral("nested/registry.ini")));
        QVERIFY(registry.write({{QStringLiteral("CLSID/{11111111-2222-3333-4444-555555555555}/ProgID"), QStringLiteral("Other.Thing")},
                                {QStringLiteral("ProgID/Other.Thing/CLSID"), QStringLiteral("{11111111-2222-3333-4444-555555555555}")}}));
        const QStringList before = registry.allKeys();

        QCOMPARE(zvcal::registerLibrary(registry, QStringLiteral("/opt/zorv/libZVCal.so")), S_OK);
        const QString clsid = zvcal::CLSID_ZVCalendar.toString();
        QCOMPARE(registry.value(QStringLiteral("ProgID/ZORVCalendar.ZVCalendar/CLSID")), clsid);
        QCOMPARE(registry.value(QStringLiteral("CLSID/%1/ProgID").arg(clsid)), QStringLiteral("ZORVCalendar.ZVCalendar"));
        QCOMPARE(registry.value(QStringLiteral("CLSID/%1/InprocServer").arg(clsid)), QStringLiteral("/opt/zorv/libZVCal.so"));
        QCOMPARE(registry.value(QStringLiteral("CLSID/%1/TypeLib").arg(clsid)), zvcal::LIBID_ZORVCalendar.toString());
        QCOMPARE(registry.value(QStringLiteral("CLSID/%1/Control").arg(clsid)), QStringLiteral("1"));
        QCOMPARE(registry.value(QStringLiteral("TypeLib/%1/9.0/Path").arg(zvcal::LIBID_ZORVCalendar.toString())), QStringLiteral("/opt/zorv/libZVCal.so"));
        QCOMPARE(registry.allKeys().size(), before.size() + zvcal::registrationEntries(QString()).size());

        // Registering again changes nothing but the values.
        QCOMPARE(zvcal::registerLibrary(registry, QStringLiteral("/usr/lib/libZVCal.so")), S_OK);
        QCOMPARE(registry.allKeys().size(), before.size() + zvcal::registrationEntries(QString()).size());

        QCOMPARE(zvcal::unregisterLibrary(registry), S_OK);
        QCOMPARE(registry.allKeys(), before);

        // A ProgID now naming another class stays.
        QCOMPARE(zvcal::registerLibrary(registry, QStringLiteral("/opt/zorv/libZVCal.so")), S_OK);
        QVERIFY(registry.write({{QStringLiteral("ProgID/ZORVCalendar.ZVCalendar/CLSID"), QStringLiteral("{11111111-2222-3333-4444-555555555555}")}}));
        QCOMPARE(zvcal::unregisterLibrary(registry), S_OK);
        QCOMPARE(registry.allKeys().size(), before.size() + 1);
        QCOMPARE(registry.value(QStringLiteral("ProgID/ZORVCalendar.ZVCalendar/CLSID")), QStringLiteral("{11111111-2222-3333-4444-555555555555}"));
    }

    // A file the library cannot read whole is never written: registration
    // and unregistration both fail, and every byte stays as it was.
    void damagedRegistryIsLeftAlone_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a line without =") << QByteArray("[Other]\nName=Thing\ngarbage\n") << 3 << "no \"=\"";
        QTest::newRow("an open quote before another library's entry")
            << QByteArray("[CLSID]\nBroken=\"unterminated\n[ProgID]\nOther.Thing\\CLSID={11111111-2222-3333-4444-555555555555}\n") << 2
            << "quoted value is not closed";
        QTest::newRow("an open section heading") << QByteArray("[CLSID\nA=1\n") << 1 << "not closed by \"]\"";
        QTest::newRow("text after a section heading") << QByteArray("[A]\n[B] more\n") << 2 << "text follows";
        QTest::newRow("a line running on") << QByteArray("[A]\nkey=value\\\nmore=1\n") << 2 << "runs on";
        QTest::newRow("a semicolon cutting a value") << QByteArray("[A]\nkey=a;b\n") << 2 << "\";\"";
        QTest::newRow("no name") << QByteArray("[A]\n = value\n") << 2 << "no name";
        QTest::newRow("bytes that are not UTF-8") << QByteArray("[A]\nkey=caf\xe9\n") << 2 << "not UTF-8";
        QTest::newRow("the last of CR LF lines, without its end") << QByteArray("[A]\r\nok=1\r\n\r\nbad") << 4 << "no \"=\"";
        QTest::newRow("lines ended by CR alone") << QByteArray("[A]\rok=1\rbad\r") << 3 << "no \"=\"";
        QTest::newRow("a byte order mark") << QByteArray("\xEF\xBB\xBF[A]\nok=1\n") << 1 << "byte order mark";
    }
    void damagedRegistryIsLeftAlone()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, line);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.ini"));
        const auto bytesOnDisk = [&path] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
        };
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        RegistryFile registry(path);
        const std::optional<RegistryDamage> damage = registry.damage();
        QVERIFY(damage);
        QCOMPARE(damage->line, line);
        QVERIFY2(damage->reason.contains(reason), qPrintable(damage->reason));
        QCOMPARE(zvcal::registerLibrary(registry, QStringLiteral("/opt/zorv/libZVCal.so")), SELFREG_E_CLASS);
        QCOMPARE(bytesOnDisk(), text);
        QCOMPARE(zvcal::unregisterLibrary(registry), SELFREG_E_CLASS);
        QCOMPARE(bytesOnDisk(), text);
    }

    // What the file's own writer puts down reads back whole, however awkward
    // the values; comments, blank lines, indented headings and quoted ";" and
    // "=" are readable too, and registration goes ahead over them.
    void readableRegistryIsRegisteredInto()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.ini"));
        const QStringList awkward {QStringLiteral("a;b=c"), QStringLiteral("\"quoted\""), QStringLiteral("back\\slash\\"),
                                   QStringLiteral("two\nlines"), QStringLiteral("  spaced  "), QStringLiteral("caf\u00e9, \u65e5"),
                                   QStringLiteral("[not a section]")};
        RegistryFile registry(path);
        QList<QPair<QString, QString>> values;
        for (int i = 0; i < awkward.size(); ++i)
            values.append({QStringLiteral("Other/Value %1;x=y").arg(i), awkward[i]});
        QVERIFY(registry.write(values));
        QVERIFY(!registry.damage());
        QCOMPARE(zvcal::registerLibrary(registry, QStringLiteral("/opt/zorv/lib ZVCal;1.so")), S_OK);
        QVERIFY(!registry.damage());
        for (const auto &[key, value] : values)
            QCOMPARE(registry.value(key), value);

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; a comment\r\n\r\n  [Other]\r\nName = \"Thing; with = signs\"\r\nEscaped=\"say \\\"hi\\\"\"\r\n");
        file.close();
        QVERIFY(!registry.damage());
        QCOMPARE(zvcal::registerLibrary(registry, QStringLiteral("/opt/zorv/libZVCal.so")), S_OK);
        QCOMPARE(registry.value(QStringLiteral("Other/Name")), QStringLiteral("Thing; with = signs"));
        QCOMPARE(registry.value(QStringLiteral("Other/Escaped")), QStringLiteral("say \"hi\""));
        QCOMPARE(zvcal::unregisterLibrary(registry), S_OK);
        QCOMPARE(registry.value(QStringLiteral("Other/Name")), QStringLiteral("Thing; with = signs"));
    }

    void registryWriteFailure()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        // The folder the registry should go in is a file.
        RegistryFile registry(dir.filePath(QStringLiteral("file/registry.ini")));
        QCOMPARE(zvcal::registerLibrary(registry, QStringLiteral("/x.so")), SELFREG_E_CLASS);
    }
};

QTEST_APPLESS_MAIN(tst_ComLayer)
#include "tst_ComLayer.moc"
