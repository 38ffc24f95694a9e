#include "platform/objects/PropertyError.h"
#include "platform/objects/StdFont.h"

#include <QSignalSpy>
#include <QTest>

class tst_StdFont : public QObject
{
    Q_OBJECT
private slots:
    void holdersShareOneObject();
    void changedOnlyOnRealChange();
    void boldFollowsWeight_data();
    void boldFollowsWeight();
    void sizeKeepsFourDecimals();
    void badValuesAreRefused_data();
    void badValuesAreRefused();
    void cloneIsIndependent();
    void toQFontAndBack();
};

void tst_StdFont::holdersShareOneObject()
{
    const StdFontPtr font = StdFont::create(QStringLiteral("Courier New"), 10);
    const StdFontPtr otherHolder = font;
    QSignalSpy spy(font.get(), &StdFont::changed);
    otherHolder->setItalic(true);
    QVERIFY(font->italic());
    QCOMPARE(spy.count(), 1);

    // The object lives until its last holder lets go.
    StdFontPtr first = StdFont::create();
    QPointer<StdFont> watch(first.get());
    StdFontPtr second = first;
    first.reset();
    QVERIFY(watch);
    second.reset();
    QVERIFY(!watch);
}

void tst_StdFont::changedOnlyOnRealChange()
{
    const StdFontPtr font = StdFont::create();
    QSignalSpy spy(font.get(), &StdFont::changed);
    const quint64 before = font->version();
    font->setBold(false);
    font->setName(font->name());
    font->setSize(font->size());
    QCOMPARE(spy.count(), 0);
    QCOMPARE(font->version(), before);
    font->setUnderline(true);
    font->setStrikethrough(true);
    font->setCharset(2);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(font->version(), before + 3);
}

void tst_StdFont::boldFollowsWeight_data()
{
    QTest::addColumn<int>("weight");
    QTest::addColumn<bool>("bold");
    QTest::newRow("100") << 100 << false;
    QTest::newRow("400") << 400 << false;
    QTest::newRow("599") << 599 << false;
    QTest::newRow("600") << 600 << true;
    QTest::newRow("700") << 700 << true;
    QTest::newRow("1000") << 1000 << true;
}

void tst_StdFont::boldFollowsWeight()
{
    QFETCH(int, weight);
    QFETCH(bool, bold);
    const StdFontPtr font = StdFont::create();
    font->setWeight(short(weight));
    QCOMPARE(font->bold(), bold);
    QCOMPARE(font->toQFont().bold(), bold);
    font->setBold(!bold);
    QCOMPARE(font->weight(), short(bold ? 400 : 700));
}

void tst_StdFont::sizeKeepsFourDecimals()
{
    const StdFontPtr font = StdFont::create();
    font->setSize(8.25);
    QCOMPARE(font->size(), 8.25);
    font->setSize(10.123456);
    QCOMPARE(font->size(), 10.1235);
}

void tst_StdFont::badValuesAreRefused_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("size 0") << "size0";
    QTest::newRow("size negative") << "size-";
    QTest::newRow("size huge") << "sizeHuge";
    QTest::newRow("empty name") << "name";
    QTest::newRow("weight 0") << "weight";
    QTest::newRow("charset negative") << "charset-";
    QTest::newRow("charset 256") << "charset256";
    QTest::newRow("attributes") << "attributes";
}

void tst_StdFont::badValuesAreRefused()
{
    QFETCH(QString, what);
    const StdFontPtr font = StdFont::create(QStringLiteral("Arial"), 9);
    const FontAttributes before = font->attributes();
    QSignalSpy spy(font.get(), &StdFont::changed);
    try {
        if (what == QLatin1String("size0"))
            font->setSize(0);
        else if (what == QLatin1String("size-"))
            font->setSize(-4);
        else if (what == QLatin1String("sizeHuge"))
            font->setSize(5000);
        else if (what == QLatin1String("name"))
            font->setName({});
        else if (what == QLatin1String("weight"))
            font->setWeight(0);
        else if (what == QLatin1String("charset-"))
            font->setCharset(-1);
        else if (what == QLatin1String("charset256"))
            font->setCharset(256);
        else
            font->setAttributes(FontAttributes{QStringLiteral("Arial"), -1});
        QFAIL("the bad value was taken");
    } catch (const PropertyError &e) {
        QCOMPARE(e.number(), 380);
    }
    QCOMPARE(font->attributes(), before);
    QCOMPARE(spy.count(), 0);
}

void tst_StdFont::cloneIsIndependent()
{
    const StdFontPtr font = StdFont::create(QStringLiteral("Courier New"), 10);
    const StdFontPtr copy = font->clone();
    QVERIFY(copy != font);
    QVERIFY(*copy == *font);
    QVERIFY(sameFont(copy, font));
    copy->setBold(true);
    QVERIFY(!font->bold());
    QVERIFY(!sameFont(copy, font));
    QVERIFY(sameFont(nullptr, nullptr));
    QVERIFY(!sameFont(font, nullptr));
}

void tst_StdFont::toQFontAndBack()
{
    FontAttributes a;
    a.name = QStringLiteral("Courier New");
    a.size = 10.5;
    a.weight = 700;
    a.italic = a.underline = a.strikethrough = true;
    const QFont q = StdFont::toQFont(a);
    QCOMPARE(q.family(), a.name);
    QCOMPARE(q.pointSizeF(), 10.5);
    QVERIFY(q.bold() && q.italic() && q.underline() && q.strikeOut());
    QCOMPARE(StdFont::fromQFont(q)->attributes(), a);
}

QTEST_GUILESS_MAIN(tst_StdFont)
#include "tst_StdFont.moc"
