// zvcal-host run as a user would: it registers the library into an empty
// registry, places the calendar, reports property errors and events, and
// saves the control's properties.

#include "platform/objects/TextPropertyBag.h"
#include "platform/com/RegistryFile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class tst_ComHost : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // Runs the host until its saved file appears (it saves right after start-up)
    // and stops it; gives back standard output and error.
    bool run(const QStringList &arguments, const QString &savedFile, QString *out, QString *err)
    {
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QString::fromLatin1(RegistryFile::EnvironmentVariable), m_dir.filePath(QStringLiteral("registry.ini")));
        host.setProcessEnvironment(env);
        host.start(QStringLiteral(ZVCAL_HOST_PATH), arguments);
        if (!host.waitForStarted())
            return false;
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(savedFile) && host.state() == QProcess::Running && waited.elapsed() < 20000)
            host.waitForFinished(50);
        // Let the last lines reach the pipe before stopping it.
        host.waitForFinished(200);
        host.kill();
        host.waitForFinished();
        *out = QString::fromUtf8(host.readAllStandardOutput());
        *err = QString::fromUtf8(host.readAllStandardError());
        return QFile::exists(savedFile);
    }

private slots:
    void placesSetsAndSaves()
    {
        const QString saved = m_dir.filePath(QStringLiteral("calendar.bag"));
        QString out, err;
        QVERIFY2(run({QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalendar"), QStringLiteral("--value"), QStringLiteral("1997-04-04"),
                      QStringLiteral("--set"), QStringLiteral("calAppearance=3"), QStringLiteral("--set"), QStringLiteral("calCaption=Due dates"),
                      QStringLiteral("--set"), QStringLiteral("calNextMonthForeColor=&HFF"), QStringLiteral("--set"),
                      QStringLiteral("calFirstDayofWeek=ZORVcalMonday"), QStringLiteral("--set"), QStringLiteral("calFont=Arial,0"),
                      QStringLiteral("--set"), QStringLiteral("calFont=Arial,5000"), QStringLiteral("--set"), QStringLiteral("calFont=Arial,nan"),
                      QStringLiteral("--set"), QStringLiteral("calFont=Arial,inf"), QStringLiteral("--set"), QStringLiteral("calMaxYear=1990"),
                      QStringLiteral("--save"), saved},
                     saved, &out, &err),
                 qPrintable(err));

        const QStringList lines = out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.mid(0, 3), (QStringList {"ValueChanged calValue=1997-04-04", "MonthChanged calValue=1997-04-04", "YearChanged calValue=1997-04-04"}));
        QVERIFY2(err.contains(QStringLiteral("calAppearance=3: error 380: Invalid property value")), qPrintable(err));
        QVERIFY2(!err.contains(QStringLiteral("calMaxYear")), qPrintable(err));
        // A font size the font object cannot have is refused like any bad
        // value, and the host goes on with the next setting.
        for (const char *size : {"0", "5000", "nan", "inf"})
            QVERIFY2(err.contains(QStringLiteral("calFont=Arial,%1: error 380: Invalid property value").arg(QLatin1String(size))), qPrintable(err));

        const TextPropertyBag bag = TextPropertyBag::fromFile(saved);
        QCOMPARE(bag.readText(QStringLiteral("calCaption"), QString()), QStringLiteral("Due dates"));
        QCOMPARE(bag.readColor(QStringLiteral("calNextMonthForeColor"), 0), 0xFF);
        QCOMPARE(bag.readInt(QStringLiteral("calFirstDayofWeek"), 1), 2);
        QVERIFY(!bag.contains(QStringLiteral("calAppearance"))); // still its default
        QCOMPARE(bag.readInt(QStringLiteral("calMaxYear"), 9999), 1990);
        // Lowering the maximum year pulled the value down to 1990.
        QCOMPARE(lines.value(3), QStringLiteral("ValueChanged calValue=1990-04-04"));

        // The host registered the library on the way.
        RegistryFile registry(m_dir.filePath(QStringLiteral("registry.ini")));
        QVERIFY(registry.contains(QStringLiteral("ProgID/ZORVCalendar.ZVCalendar/CLSID")));
    }

    void loadsWhatItSaved()
    {
        const QString first = m_dir.filePath(QStringLiteral("in.bag"));
        QFile in(first);
        QVERIFY(in.open(QIODevice::WriteOnly));
        in.write("calValue = date 2004-02-29\ncalMinYear = int 2000\n");
        in.close();
        const QString saved = m_dir.filePath(QStringLiteral("out.bag"));
        QString out, err;
        QVERIFY2(run({QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalendar"), QStringLiteral("--load"), first,
                      QStringLiteral("--set"), QStringLiteral("calOutline=maybe"), QStringLiteral("--save"), saved},
                     saved, &out, &err),
                 qPrintable(err));
        QVERIFY2(out.startsWith(QStringLiteral("ValueChanged calValue=2004-02-29\n")), qPrintable(out));
        QVERIFY2(err.contains(QStringLiteral("\"maybe\" is not a value of type Boolean")), qPrintable(err));
        const TextPropertyBag bag = TextPropertyBag::fromFile(saved);
        QCOMPARE(bag.readInt(QStringLiteral("calMinYear"), 1600), 2000);
    }

    // The button on a form larger than itself, its properties set by name.
    void placesTheButton()
    {
        const QString saved = m_dir.filePath(QStringLiteral("button.bag"));
        QString out, err;
        QVERIFY2(run({QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalButton"), QStringLiteral("--form"), QStringLiteral("400x320"),
                      QStringLiteral("--at"), QStringLiteral("40,30"), QStringLiteral("--size"), QStringLiteral("36x36"),
                      QStringLiteral("--set"), QStringLiteral("Caption=Go"), QStringLiteral("--set"), QStringLiteral("calWidth=1995"),
                      QStringLiteral("--set"), QStringLiteral("calMinYear=1500"), QStringLiteral("--save"), saved},
                     saved, &out, &err),
                 qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("calMinYear=1500: error 380: Invalid property value")), qPrintable(err));
        const TextPropertyBag bag = TextPropertyBag::fromFile(saved);
        QCOMPARE(bag.readText(QStringLiteral("Caption"), QString()), QStringLiteral("Go"));
        QCOMPARE(bag.readInt(QStringLiteral("calWidth"), 3200), 1995);
        QVERIFY(!bag.contains(QStringLiteral("calMinYear")));
    }

    void badPlacement_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("form of no width") << QStringList {"--form", "0x320"} << "--form takes WxH";
        QTest::newRow("position not a pair") << QStringList {"--at", "40"} << "--at takes X,Y";
    }
    void badPlacement()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QString::fromLatin1(RegistryFile::EnvironmentVariable), m_dir.filePath(QStringLiteral("registry.ini")));
        host.setProcessEnvironment(env);
        host.start(QStringLiteral(ZVCAL_HOST_PATH), QStringList {QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalButton")} + arguments);
        QVERIFY(host.waitForFinished(20000));
        QCOMPARE(host.exitCode(), 2);
        QVERIFY(QString::fromUtf8(host.readAllStandardError()).contains(message));
    }

    // A registry file the host cannot read whole: it says which file and
    // line, how to go on, and writes nothing.
    void damagedRegistryFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("registry.ini"));
        const QByteArray damaged("[Other]\nName=Thing\ngarbage\n");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(damaged);
        file.close();
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QString::fromLatin1(RegistryFile::EnvironmentVariable), path);
        host.setProcessEnvironment(env);
        host.start(QStringLiteral(ZVCAL_HOST_PATH), {QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalendar")});
        QVERIFY(host.waitForFinished(20000));
        QCOMPARE(host.exitCode(), 1);
        const QString err = QString::fromUtf8(host.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("\"%1\" is damaged at line 3").arg(path)), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("Mend or remove that line")), qPrintable(err));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), damaged);
    }

    // A registration of the host's own library that does not hold together
    // (a class identifier that is no identifier, a library file that has
    // gone) is renewed from the library at hand, and the control placed.
    void renewsBrokenRegistration_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("damaged class identifier") << "ProgID/ZORVCalendar.ZVCalendar/CLSID" << "{not an identifier";
        QTest::newRow("library file gone") << "CLSID/{PLACEHOLDER}/InprocServer" << "/nowhere/libZVCal.so";
    }
    void renewsBrokenRegistration()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        RegistryFile registry(m_dir.filePath(QStringLiteral("registry.ini")));
        // A sound registration first, then the one entry broken.
        const QString first = m_dir.filePath(QStringLiteral("first.bag"));
        QString out, err;
        QVERIFY2(run({QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalendar"), QStringLiteral("--save"), first}, first, &out, &err),
                 qPrintable(err));
        const QString clsid = registry.value(QStringLiteral("ProgID/ZORVCalendar.ZVCalendar/CLSID"));
        const QString server = registry.value(QStringLiteral("CLSID/%1/InprocServer").arg(clsid));
        QVERIFY(QFile::exists(server));
        key.replace(QStringLiteral("{PLACEHOLDER}"), clsid);
        QVERIFY(registry.write({{key, value}}));

        const QString saved = m_dir.filePath(QStringLiteral("renewed.bag"));
        QVERIFY2(run({QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalendar"), QStringLiteral("--save"), saved}, saved, &out, &err),
                 qPrintable(err));
        QCOMPARE(registry.value(QStringLiteral("ProgID/ZORVCalendar.ZVCalendar/CLSID")), clsid);
        QCOMPARE(registry.value(QStringLiteral("CLSID/%1/InprocServer").arg(clsid)), server);
    }

    void unknownProgId()
    {
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QString::fromLatin1(RegistryFile::EnvironmentVariable), m_dir.filePath(QStringLiteral("other.ini")));
        host.setProcessEnvironment(env);
        host.start(QStringLiteral(ZVCAL_HOST_PATH), {QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.Nothing")});
        QVERIFY(host.waitForFinished(20000));
        QCOMPARE(host.exitCode(), 1);
        QVERIFY(QString::fromUtf8(host.readAllStandardError()).contains(QStringLiteral("does not provide ZORVCalendar.Nothing")));
    }

    // Every refused bag names the file, the line and the key; nothing of the
    // bag reaches the terminal raw; a pipe named as a picture is refused at once.
    void loadErrorsNameFileLineAndKey_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("named");
        QTest::newRow("BevelWidth beyond 16 bits") << QByteArray("BevelWidth = int 32768") << "line 2: BevelWidth: Invalid property value";
        QTest::newRow("AutoSize out of range") << QByteArray("AutoSize = int 99") << "line 2: AutoSize: Invalid property value";
        QTest::newRow("Font3D below range") << QByteArray("Font3D = int -1") << "line 2: Font3D: Invalid property value";
        QTest::newRow("MousePointer out of range") << QByteArray("MousePointer = int 100000") << "line 2: MousePointer: Invalid property value";
        QTest::newRow("calMinYear above calMaxYear") << QByteArray("calMinYear = int 2147483647") << "line 2: calMinYear: Invalid property value";
        QTest::newRow("font size rounding to nothing") << QByteArray("calFont = font \"DejaVu Sans\" 1e-300") << "line 2: calFont: Invalid property value";
        QTest::newRow("escape sequences in a bad type") << QByteArray("calCaption = \x1b]0;title\x07\x1b[2J \"x\"") << "line 2: calCaption: unknown type \"\\u{1b}]0;title\\u{7}\\u{1b}[2J\"";
        QTest::newRow("picture that is a pipe") << QByteArray("Picture = picture file:p") << "line 2: Picture: cannot read the picture";
    }
    void loadErrorsNameFileLineAndKey()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, named);
        QTemporaryDir dir;
        QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("p")).constData(), 0600), 0);
        const QString bag = dir.filePath(QStringLiteral("button.props"));
        QFile file(bag);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# saved by hand\n" + line + "\n");
        file.close();
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QString::fromLatin1(RegistryFile::EnvironmentVariable), m_dir.filePath(QStringLiteral("registry.ini")));
        host.setProcessEnvironment(env);
        host.start(QStringLiteral(ZVCAL_HOST_PATH), {QStringLiteral("--progid"), QStringLiteral("ZORVCalendar.ZVCalButton"), QStringLiteral("--load"), bag});
        const bool finished = host.waitForFinished(20000);
        if (!finished)
            host.kill();
        QVERIFY(finished);
        QCOMPARE(host.exitCode(), 1);
        const QByteArray err = host.readAllStandardError();
        QVERIFY2(err.contains(QStringLiteral("zvcal-host: --load %1: %2").arg(bag, named).toUtf8()), err.constData());
        QVERIFY(!err.contains('\x1b') && !err.contains('\x07'));
    }
};

QTEST_GUILESS_MAIN(tst_ComHost)
#include "tst_ComHost.moc"
