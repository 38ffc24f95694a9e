#include "platform/objects/PropertyText.h"
#include "platform/objects/TextPropertyBag.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImageReader>
#include <sys/stat.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

Q_DECLARE_METATYPE(PropertyValue)

namespace {

StdPicturePtr smallPicture()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(2, 1, qRgba(0, 128, 255, 100));
    return StdPicture::create(image);
}

FontAttributes fontOf(const QString &name, double size, short weight = 400, bool italic = false,
                      bool underline = false, bool strike = false, short charset = 0)
{
    FontAttributes f;
    f.name = name;
    f.size = size;
    f.weight = weight;
    f.italic = italic;
    f.underline = underline;
    f.strikethrough = strike;
    f.charset = charset;
    return f;
}

TextPropertyBag reload(const TextPropertyBag &bag)
{
    return TextPropertyBag::fromText(bag.toText());
}

// Runs `f`, which must throw a PropertyBagError, and returns it.
template<class F>
PropertyBagError expectError(F f)
{
    try {
        f();
    } catch (const PropertyBagError &e) {
        return e;
    }
    QTest::qFail("no PropertyBagError was thrown", __FILE__, __LINE__);
    return PropertyBagError({}, 0, {});
}

} // namespace

class tst_PropertyBag : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data();
    void roundTrip();
    void fileFormLines_data();
    void fileFormLines();
    void saveAndLoadFile();
    void keysIgnoreCase();
    void missingKeyGivesDefault();
    void valueEqualToDefaultIsNotStored();
    void malformedLineFailsLoad_data();
    void malformedLineFailsLoad();
    void conversions();
    void unconvertibleReadNamesKeyAndLine_data();
    void unconvertibleReadNamesKeyAndLine();
    void fontsAreNotSharedThroughTheBag();
    void pictureFileReference();
    void saveFailureKeepsOldFile();
    void removeKeepsTheOtherKeys();
    void hostileFilesAreRefused_data();
    void hostileFilesAreRefused();
    void pictureBeyondTheAllocationLimit_data();
    void pictureBeyondTheAllocationLimit();
    void fontSizeThatRoundsToNothing();
    void setterRefusalNamesKeyAndLine();
    void controlCharactersArePrintedEscaped_data();
    void controlCharactersArePrintedEscaped();
};

void tst_PropertyBag::roundTrip_data()
{
    QTest::addColumn<PropertyValue>("value");
    QTest::newRow("int") << PropertyValue(std::int32_t(1600));
    QTest::newRow("int min") << PropertyValue(std::numeric_limits<std::int32_t>::min());
    QTest::newRow("bool true") << PropertyValue(true);
    QTest::newRow("bool false") << PropertyValue(false);
    QTest::newRow("double 0.1") << PropertyValue(0.1);
    QTest::newRow("double tiny") << PropertyValue(4.9406564584124654e-324);
    QTest::newRow("double third") << PropertyValue(-1.0 / 3.0);
    QTest::newRow("text plain") << PropertyValue(QStringLiteral("Calendar"));
    QTest::newRow("text empty") << PropertyValue(QString());
    QTest::newRow("text escapes") << PropertyValue(QStringLiteral("a \"quoted\" \\ back\nnew\r\tline = x # not a comment"));
    QTest::newRow("text control") << PropertyValue(QString::fromUtf16(u"\u0001\u001f\u007f\u2028 €ñ漢"));
    QTest::newRow("text padded") << PropertyValue(QStringLiteral("  spaces around  "));
    QTest::newRow("date whole") << PropertyValue(PropertyDate{35504});
    QTest::newRow("date time") << PropertyValue(PropertyDate{35504.75});
    QTest::newRow("date odd fraction") << PropertyValue(PropertyDate{35504.123456789});
    QTest::newRow("date before zero") << PropertyValue(PropertyDate{-1.25});
    QTest::newRow("date year 100") << PropertyValue(PropertyDate{-657434});
    QTest::newRow("date year 100 noon") << PropertyValue(PropertyDate{-657434.5});
    QTest::newRow("date year 9999") << PropertyValue(PropertyDate{2958465.999988426});
    QTest::newRow("colour") << PropertyValue(PropertyColor{0x800000});
    QTest::newRow("colour system") << PropertyValue(PropertyColor{std::int32_t(0x80000012u)});
    QTest::newRow("font plain") << PropertyValue(StdFont::create(QStringLiteral("Courier New"), 10));
    QTest::newRow("font all") << PropertyValue(StdFont::create(fontOf(QStringLiteral("A \"B\""), 8.25, 700, true, true, true, 2)));
    QTest::newRow("font weight") << PropertyValue(StdFont::create(fontOf(QStringLiteral("Arial"), 12.5, 550)));
    QTest::newRow("picture") << PropertyValue(smallPicture());
    QTest::newRow("no picture") << PropertyValue(std::make_shared<StdPicture>());
}

void tst_PropertyBag::roundTrip()
{
    QFETCH(PropertyValue, value);
    TextPropertyBag bag;
    bag.store(QStringLiteral("Key"), value);
    const TextPropertyBag back = reload(bag);
    const PropertyValue *read = back.find(QStringLiteral("Key"));
    QVERIFY(read);
    QCOMPARE(propertyTypeName(*read), propertyTypeName(value));
    QVERIFY2(samePropertyValue(*read, value), qPrintable(bag.toText()));
    // Doubles must come back bit for bit, not merely close.
    if (auto d = std::get_if<double>(&value))
        QCOMPARE(std::get<double>(*read), *d);
    if (auto d = std::get_if<PropertyDate>(&value))
        QCOMPARE(back.readDate(QStringLiteral("Key"), 0), d->serial);
    // And a second save writes the same text.
    QCOMPARE(back.toText(), bag.toText());
}

void tst_PropertyBag::fileFormLines_data()
{
    QTest::addColumn<PropertyValue>("value");
    QTest::addColumn<QString>("line");
    QTest::newRow("int") << PropertyValue(std::int32_t(1600)) << "k = int 1600";
    QTest::newRow("bool") << PropertyValue(true) << "k = bool true";
    QTest::newRow("text") << PropertyValue(QStringLiteral("Say \"hi\"\n")) << "k = text \"Say \\\"hi\\\"\\n\"";
    QTest::newRow("date") << PropertyValue(PropertyDate{35504}) << "k = date 1997-03-15";
    QTest::newRow("date time") << PropertyValue(PropertyDate{35504.5}) << "k = date 1997-03-15 12:00:00";
    QTest::newRow("before zero") << PropertyValue(PropertyDate{-1.25}) << "k = date 1899-12-29 06:00:00";
    QTest::newRow("colour") << PropertyValue(PropertyColor{0xFF0000}) << "k = colour &H00FF0000&";
    QTest::newRow("font") << PropertyValue(StdFont::create(fontOf(QStringLiteral("Courier New"), 10, 700))) << "k = font \"Courier New\" 10 bold";
    QTest::newRow("no picture") << PropertyValue(std::make_shared<StdPicture>()) << "k = picture none";
}

void tst_PropertyBag::fileFormLines()
{
    QFETCH(PropertyValue, value);
    QFETCH(QString, line);
    TextPropertyBag bag;
    bag.store(QStringLiteral("k"), value);
    QCOMPARE(bag.toText(), line + QLatin1Char('\n'));
}

void tst_PropertyBag::saveAndLoadFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("settings.txt"));
    TextPropertyBag bag;
    bag.writeInt(QStringLiteral("calMinYear"), 1700, 1600);
    bag.writeText(QStringLiteral("calCaption"), QStringLiteral("Dates"), QStringLiteral("Calendar"));
    bag.writePicture(QStringLiteral("Picture"), smallPicture(), nullptr);
    QString error;
    QVERIFY2(bag.saveToFile(path, &error), qPrintable(error));

    const TextPropertyBag back = TextPropertyBag::fromFile(path);
    QCOMPARE(back.keys(), (QStringList{"calMinYear", "calCaption", "Picture"}));
    QCOMPARE(back.readInt(QStringLiteral("calMinYear"), 1600), 1700);
    QCOMPARE(back.readText(QStringLiteral("calCaption"), {}), QStringLiteral("Dates"));
    QVERIFY(*back.readPicture(QStringLiteral("Picture"), nullptr) == *smallPicture());

    // Comments, blank lines, CRLF endings and a byte-order mark are accepted.
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\xEF\xBB\xBF# saved settings\r\n\r\n  calMinYear   =   int   1800  \r\n; other comment\r\n");
    file.close();
    QCOMPARE(TextPropertyBag::fromFile(path).readInt(QStringLiteral("calMinYear"), 0), 1800);

    const auto missing = expectError([&] { TextPropertyBag::fromFile(dir.filePath(QStringLiteral("none.txt"))); });
    QVERIFY(missing.text().contains(QStringLiteral("none.txt")));
}

void tst_PropertyBag::keysIgnoreCase()
{
    TextPropertyBag bag;
    bag.writeInt(QStringLiteral("calMinYear"), 1700, 1600);
    QCOMPARE(bag.readInt(QStringLiteral("CALMINYEAR"), 0), 1700);
    bag.writeInt(QStringLiteral("CalMinYEAR"), 1800, 1600);
    QCOMPARE(bag.count(), 1);
    QCOMPARE(bag.keys(), QStringList{QStringLiteral("calMinYear")});
    QCOMPARE(bag.readInt(QStringLiteral("calminyear"), 0), 1800);

    const auto e = expectError([] { TextPropertyBag::fromText(QStringLiteral("Enabled = bool true\nENABLED = bool false\n")); });
    QCOMPARE(e.line(), 2);
    QCOMPARE(e.key(), QStringLiteral("ENABLED"));
}

void tst_PropertyBag::missingKeyGivesDefault()
{
    const TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral("Other = int 1\n"));
    const StdFontPtr font = StdFont::create();
    const StdPicturePtr picture = smallPicture();
    QCOMPARE(bag.readInt(QStringLiteral("k"), 7), 7);
    QCOMPARE(bag.readBool(QStringLiteral("k"), true), true);
    QCOMPARE(bag.readDouble(QStringLiteral("k"), 2.5), 2.5);
    QCOMPARE(bag.readText(QStringLiteral("k"), QStringLiteral("d")), QStringLiteral("d"));
    QCOMPARE(bag.readDate(QStringLiteral("k"), 35504.5), 35504.5);
    QCOMPARE(bag.readColor(QStringLiteral("k"), 0x80), 0x80);
    QCOMPARE(bag.readFont(QStringLiteral("k"), font), font);  // the same object
    QCOMPARE(bag.readPicture(QStringLiteral("k"), picture), picture);
    QCOMPARE(bag.readFont(QStringLiteral("k"), nullptr), StdFontPtr());
}

void tst_PropertyBag::valueEqualToDefaultIsNotStored()
{
    TextPropertyBag bag;
    bag.writeText(QStringLiteral("Caption"), QStringLiteral("Other"), QStringLiteral("DavOduraruv"));
    QVERIFY(bag.contains(QStringLiteral("Caption")));
    // Writing the default drops the earlier value, so it reads back as the default.
    bag.writeText(QStringLiteral("Caption"), QStringLiteral("DavOduraruv"), QStringLiteral("DavOduraruv"));
    QVERIFY(!bag.contains(QStringLiteral("Caption")));
    QVERIFY(bag.toText().isEmpty());

    bag.writeFont(QStringLiteral("Font"), StdFont::create(QStringLiteral("Arial"), 9), StdFont::create(QStringLiteral("Arial"), 9));
    QVERIFY(!bag.contains(QStringLiteral("Font")));
    bag.writePicture(QStringLiteral("Picture"), nullptr, nullptr);
    bag.writePicture(QStringLiteral("MouseIcon"), std::make_shared<StdPicture>(), nullptr);
    QCOMPARE(bag.count(), 0);
    // A value of another type than the default is never taken as equal.
    bag.writeColor(QStringLiteral("Color"), 5, 5);
    bag.writeInt(QStringLiteral("Int"), 0, 1);
    QCOMPARE(bag.keys(), QStringList{QStringLiteral("Int")});
}

void tst_PropertyBag::malformedLineFailsLoad_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("message");
    QTest::newRow("no equals") << "calMinYear int 3" << "" << "key = type value";
    QTest::newRow("no key") << "= int 3" << "" << "not a valid key";
    QTest::newRow("no type") << "calMinYear =" << "calMinYear" << "no type";
    QTest::newRow("unknown type") << "calMinYear = wibble 3" << "calMinYear" << "unknown type";
    QTest::newRow("int text") << "calMinYear = int abc" << "calMinYear" << "not a whole number";
    QTest::newRow("int overflow") << "calMinYear = int 2147483648" << "calMinYear" << "not a whole number";
    QTest::newRow("bool") << "Enabled = bool maybe" << "Enabled" << "true or false";
    QTest::newRow("double") << "Ratio = double 1.5x" << "Ratio" << "not a number";
    QTest::newRow("date") << "calValue = date 1997-02-30" << "calValue" << "not a date";
    QTest::newRow("time") << "calValue = date 1997-02-03 24:00:00" << "calValue" << "not a date";
    QTest::newRow("colour") << "calNextMonthBackColor = colour &HGG&" << "calNextMonthBackColor" << "not a colour";
    QTest::newRow("colour long") << "calNextMonthBackColor = colour &H123456789&" << "calNextMonthBackColor" << "not a colour";
    QTest::newRow("open text") << "calCaption = text \"Calendar" << "calCaption" << "no closing double quote";
    QTest::newRow("bare text") << "calCaption = text Calendar" << "calCaption" << "double quote";
    QTest::newRow("bad escape") << "calCaption = text \"a\\qb\"" << "calCaption" << "unknown escape";
    QTest::newRow("trailing") << "calCaption = text \"a\" b" << "calCaption" << "after the closing quote";
    QTest::newRow("font no name") << "calFont = font \"\" 10" << "calFont" << "needs a name";
    QTest::newRow("font size") << "calFont = font \"Arial\" big" << "calFont" << "font size";
    QTest::newRow("font zero") << "calFont = font \"Arial\" 0" << "calFont" << "font size";
    QTest::newRow("font attribute") << "calFont = font \"Arial\" 10 heavy" << "calFont" << "not a font attribute";
    QTest::newRow("font weight") << "calFont = font \"Arial\" 10 weight 5000" << "calFont" << "font weight";
    QTest::newRow("picture data") << "Picture = picture base64:@@@" << "Picture" << "damaged";
    QTest::newRow("picture not png") << "Picture = picture base64:aGVsbG8=" << "Picture" << "PNG";
    QTest::newRow("picture file") << "Picture = picture file:missing.png" << "Picture" << "missing.png";
    QTest::newRow("picture form") << "Picture = picture somewhere" << "Picture" << "base64";
}

void tst_PropertyBag::malformedLineFailsLoad()
{
    QFETCH(QString, line);
    QFETCH(QString, key);
    QFETCH(QString, message);
    const QString text = QStringLiteral("# first\nFine = int 1\n") + line + QStringLiteral("\nAfter = int 2\n");
    const auto e = expectError([&] { TextPropertyBag::fromText(text, QDir::tempPath()); });
    QCOMPARE(e.line(), 3);
    QCOMPARE(e.key(), key);
    QVERIFY2(e.message().contains(message), qPrintable(e.message()));
    QVERIFY(QString::fromUtf8(e.what()).startsWith(QStringLiteral("line 3: ")));
}

void tst_PropertyBag::conversions()
{
    const TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral(
        "i = int 3\nb = bool true\nhalf = double 2.5\nthreeHalf = double 3.5\nt = text \" 12 \"\n"
        "d = date 1997-03-15 12:00:00\nc = colour &H00000080&\nct = text \"&H80&\"\ndt = text \"1997-03-15\"\n"
        "tt = text \"TRUE\"\n"));
    QCOMPARE(bag.readBool(QStringLiteral("i"), false), true);
    QCOMPARE(bag.readInt(QStringLiteral("b"), 0), -1);
    QCOMPARE(bag.readInt(QStringLiteral("half"), 0), 2);      // halves go to even
    QCOMPARE(bag.readInt(QStringLiteral("threeHalf"), 0), 4);
    QCOMPARE(bag.readInt(QStringLiteral("t"), 0), 12);
    QCOMPARE(bag.readDouble(QStringLiteral("d"), 0), 35504.5);
    QCOMPARE(bag.readInt(QStringLiteral("c"), 0), 0x80);
    QCOMPARE(bag.readColor(QStringLiteral("i"), 0), 3);
    QCOMPARE(bag.readColor(QStringLiteral("ct"), 0), 0x80);
    QCOMPARE(bag.readDate(QStringLiteral("dt"), 0), 35504.0);
    QCOMPARE(bag.readDate(QStringLiteral("i"), 0), 3.0);
    QCOMPARE(bag.readBool(QStringLiteral("tt"), false), true);
    QCOMPARE(bag.readText(QStringLiteral("i"), {}), QStringLiteral("3"));
    QCOMPARE(bag.readText(QStringLiteral("d"), {}), QStringLiteral("1997-03-15 12:00:00"));
}

void tst_PropertyBag::unconvertibleReadNamesKeyAndLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("read");
    QTest::newRow("text as int") << "calMinYear = text \"abc\"" << "int";
    QTest::newRow("big as int") << "calMinYear = double 1e12" << "int";
    QTest::newRow("font as int") << "calMinYear = font \"Arial\" 10" << "int";
    QTest::newRow("text as bool") << "Enabled = text \"yes please\"" << "bool";
    QTest::newRow("date as bool") << "Enabled = date 1997-01-01" << "bool";
    QTest::newRow("int as font") << "calFont = int 10" << "font";
    QTest::newRow("text as picture") << "Picture = text \"x.png\"" << "picture";
    QTest::newRow("picture as text") << "calCaption = picture none" << "text";
    QTest::newRow("text as date") << "calValue = text \"soon\"" << "date";
    QTest::newRow("date out of range") << "calValue = double 3000000" << "date";
    QTest::newRow("bool as date") << "calValue = bool true" << "date";
    QTest::newRow("text as colour") << "calNextMonthForeColor = text \"blue\"" << "colour";
}

void tst_PropertyBag::unconvertibleReadNamesKeyAndLine()
{
    QFETCH(QString, line);
    QFETCH(QString, read);
    const TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral("\n\n") + line + QStringLiteral("\n"));
    const QString key = line.section(QLatin1Char(' '), 0, 0);
    const auto e = expectError([&] {
        if (read == QLatin1String("int"))
            bag.readInt(key.toUpper(), 0);
        else if (read == QLatin1String("bool"))
            bag.readBool(key, false);
        else if (read == QLatin1String("font"))
            bag.readFont(key, nullptr);
        else if (read == QLatin1String("picture"))
            bag.readPicture(key, nullptr);
        else if (read == QLatin1String("text"))
            bag.readText(key, {});
        else if (read == QLatin1String("date"))
            bag.readDate(key, 0);
        else
            bag.readColor(key, 0);
    });
    QCOMPARE(e.line(), 3);
    QCOMPARE(e.key().toLower(), key.toLower());
    QVERIFY2(e.text().startsWith(QStringLiteral("line 3: ")), qPrintable(e.text()));
}

void tst_PropertyBag::fontsAreNotSharedThroughTheBag()
{
    TextPropertyBag bag;
    const StdFontPtr font = StdFont::create(QStringLiteral("Courier New"), 10);
    bag.writeFont(QStringLiteral("calFont"), font, nullptr);
    font->setBold(true);
    const StdFontPtr first = bag.readFont(QStringLiteral("calFont"), nullptr);
    const StdFontPtr second = bag.readFont(QStringLiteral("calFont"), nullptr);
    QVERIFY(!first->bold());
    QVERIFY(first != second);
    QVERIFY(*first == *second);
    first->setSize(20);
    QCOMPARE(second->size(), 10.0);
}

void tst_PropertyBag::pictureFileReference()
{
    QTemporaryDir dir;
    QVERIFY(smallPicture()->image().save(dir.filePath(QStringLiteral("icon.png"))));
    QFile file(dir.filePath(QStringLiteral("bag.txt")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Picture = picture file:icon.png\n");
    file.close();
    const TextPropertyBag bag = TextPropertyBag::fromFile(file.fileName());
    QVERIFY(*bag.readPicture(QStringLiteral("Picture"), nullptr) == *smallPicture());
    // Saved again, the picture goes in as data, so the bag no longer needs the file.
    QVERIFY(bag.toText().startsWith(QStringLiteral("Picture = picture base64:")));
}

void tst_PropertyBag::saveFailureKeepsOldFile()
{
    QTemporaryDir dir;
    TextPropertyBag bag;
    bag.writeInt(QStringLiteral("k"), 1, 0);
    QString error;
    QVERIFY(!bag.saveToFile(dir.filePath(QStringLiteral("missing/folder/bag.txt")), &error));
    QVERIFY(error.contains(QStringLiteral("bag.txt")));

    const QString path = dir.filePath(QStringLiteral("bag.txt"));
    QVERIFY(bag.saveToFile(path));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    bag.writeInt(QStringLiteral("k"), 2, 0);
    const bool saved = bag.saveToFile(path, &error);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (saved)
        QSKIP("running with rights that ignore folder permissions");
    QCOMPARE(TextPropertyBag::fromFile(path).readInt(QStringLiteral("k"), 0), 1);
}

// Keys found through the index still lead to their own values after
// an entry before them went.
void tst_PropertyBag::removeKeepsTheOtherKeys()
{
    TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral("A = int 1\nB = int 2\nC = int 3\nD = int 4\n"));
    bag.remove(QStringLiteral("b"));
    QCOMPARE(bag.keys(), (QStringList{"A", "C", "D"}));
    QCOMPARE(bag.readInt(QStringLiteral("c"), 0), 3);
    QCOMPARE(bag.readInt(QStringLiteral("D"), 0), 4);
    QCOMPARE(bag.lineOf(QStringLiteral("d")), 4);
    bag.writeInt(QStringLiteral("b"), 5, 0);
    QCOMPARE(bag.keys(), (QStringList{"A", "C", "D", "b"}));
    QCOMPARE(bag.readInt(QStringLiteral("B"), 0), 5);
    QCOMPARE(bag.readInt(QStringLiteral("A"), 0), 1);
}

// A bag, or a picture it names, that is a pipe, a folder or too large is
// refused at once with the file's name, instead of hanging or filling memory.
void tst_PropertyBag::hostileFilesAreRefused_data()
{
    QTest::addColumn<QString>("bag");     // what bag.txt is
    QTest::addColumn<QString>("picture"); // what p is
    QTest::addColumn<QString>("message");
    QTest::newRow("bag is a pipe") << "fifo" << "" << "bag.txt: is not a regular file";
    QTest::newRow("bag is a folder") << "folder" << "" << "bag.txt: is not a regular file";
    QTest::newRow("bag one byte over the bound") << "over" << "" << "bag.txt: is too large for a property bag (16777217 bytes";
    QTest::newRow("picture is a pipe") << "names p" << "fifo" << "line 1: Picture: cannot read the picture";
    QTest::newRow("picture is a folder") << "names p" << "folder" << "it is not a regular file";
}

void tst_PropertyBag::hostileFilesAreRefused()
{
    QFETCH(QString, bag);
    QFETCH(QString, picture);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString bagPath = dir.filePath(QStringLiteral("bag.txt"));
    auto make = [&](const QString &kind, const QString &path) {
        if (kind == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
    };
    make(bag, bagPath);
    make(picture, dir.filePath(QStringLiteral("p")));
    if (bag == QLatin1String("over") || bag == QLatin1String("names p")) {
        QFile file(bagPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Picture = picture file:p\n");
        if (bag == QLatin1String("over"))
            QVERIFY(file.resize(TextPropertyBag::MaxFileBytes + 1));
    }
    QElapsedTimer timer;
    timer.start();
    const auto e = expectError([&] { TextPropertyBag::fromFile(bagPath); });
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY2(e.text().contains(message), qPrintable(e.text()));
}

namespace {

// PNG bytes of a black picture of the size given.
QByteArray pngOf(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

// A picture whose pixels need more memory than Qt's allocation limit is
// reported as too large, with its size; one just within it loads. The limit
// is lowered to 1 MiB so that the pictures stay small: 512 × 512 pixels of 4
// bytes are exactly 1 MiB.
void tst_PropertyBag::pictureBeyondTheAllocationLimit_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("loads");
    QTest::newRow("512 x 512, at the limit") << 512 << 512 << true;
    QTest::newRow("513 x 512, one column over") << 513 << 512 << false;
    QTest::newRow("512 x 513, one row over") << 512 << 513 << false;
}

void tst_PropertyBag::pictureBeyondTheAllocationLimit()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, loads);
    const QByteArray png = pngOf(width, height);
    const int before = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(1);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("big.png")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(png) == png.size());
    file.close();
    QString fromFile, fromBytes;
    const StdPicturePtr a = StdPicture::fromFile(file.fileName(), &fromFile);
    const StdPicturePtr b = StdPicture::fromPngBytes(png, &fromBytes);
    QImageReader::setAllocationLimit(before);
    QCOMPARE(bool(a), loads);
    QCOMPARE(bool(b), loads);
    if (loads) {
        QCOMPARE(a->size(), QSize(width, height));
        return;
    }
    const QString size = QStringLiteral("%1 × %2 pixels").arg(width).arg(height);
    for (const QString &error : {fromFile, fromBytes}) {
        QVERIFY2(error.contains(QStringLiteral("too large")) && error.contains(size), qPrintable(error));
        QVERIFY(!error.contains(QStringLiteral("not a PNG")));
    }
}

// The font object keeps four decimals of a size: one that rounds to 0 is
// refused where it is read, with its line and key, not later by a copy.
void tst_PropertyBag::fontSizeThatRoundsToNothing()
{
    const auto e = expectError([] {
        TextPropertyBag::fromText(QStringLiteral("# fonts\ncalFont = font \"DejaVu Sans\" 1e-300\n"));
    });
    QCOMPARE(e.line(), 2);
    QCOMPARE(e.key(), QStringLiteral("calFont"));
    QVERIFY(e.text().contains(QStringLiteral("Invalid property value")));
    const TextPropertyBag smallest = TextPropertyBag::fromText(QStringLiteral("calFont = font \"DejaVu Sans\" 0.0001\n"));
    QCOMPARE(smallest.readFont(QStringLiteral("calFont"), nullptr)->size(), 0.0001);
}

// A setter's refusal during a load is put down to the key read last.
void tst_PropertyBag::setterRefusalNamesKeyAndLine()
{
    const TextPropertyBag bag = TextPropertyBag::fromText(QStringLiteral("A = int 1\n\nBevelWidth = int 32768\n"));
    bag.readInt(QStringLiteral("A"), 0);
    bag.readInt(QStringLiteral("bevelwidth"), 1);
    const PropertyError located = bag.locate(PropertyError::invalidValue());
    QCOMPARE(located.number(), 380);
    QCOMPARE(located.text(), QStringLiteral("line 3: bevelwidth: Invalid property value"));
}

void tst_PropertyBag::controlCharactersArePrintedEscaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("printed");
    QTest::newRow("plain text stays") << QStringLiteral("Zoë: \"x\" \\ 1") << QStringLiteral("Zoë: \"x\" \\ 1");
    QTest::newRow("title change") << QStringLiteral("\x1b]0;t\x07") << QStringLiteral("\\u{1b}]0;t\\u{7}");
    QTest::newRow("clear screen, tab, new line") << QStringLiteral("\x1b[2J\t\n") << QStringLiteral("\\u{1b}[2J\\u{9}\\u{a}");
    QTest::newRow("DEL and C1 CSI") << QString(QChar(0x7F)) + QChar(0x9B) << QStringLiteral("\\u{7f}\\u{9b}");
    QTest::newRow("line separator") << QString(QChar(0x2028)) << QStringLiteral("\\u{2028}");
}

void tst_PropertyBag::controlCharactersArePrintedEscaped()
{
    QFETCH(QString, text);
    QTEST(PropertyText::printable(text), "printed");
}

QTEST_GUILESS_MAIN(tst_PropertyBag)
#include "tst_PropertyBag.moc"
