#include "platform/text/FixedText.h"

#include <QTest>

using namespace FixedText;

class tst_FixedText : public QObject
{
    Q_OBJECT

private slots:
    void decodesHighBytes_data();
    void decodesHighBytes();
    void everyByteSurvivesRoundTrip();
    void unrepresentableBecomesQuestionMark_data();
    void unrepresentableBecomesQuestionMark();
    void fieldsAreCutOrPadded_data();
    void fieldsAreCutOrPadded();
    void trimRemovesOnlySpaces_data();
    void trimRemovesOnlySpaces();
};

void tst_FixedText::decodesHighBytes_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("unicode");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81") << 0x81 << 0x0081;
    QTest::newRow("low quote") << 0x82 << 0x201A;
    QTest::newRow("ellipsis") << 0x85 << 0x2026;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("undefined 8D") << 0x8D << 0x008D;
    QTest::newRow("undefined 8F") << 0x8F << 0x008F;
    QTest::newRow("undefined 90") << 0x90 << 0x0090;
    QTest::newRow("left single quote") << 0x91 << 0x2018;
    QTest::newRow("em dash") << 0x97 << 0x2014;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("undefined 9D") << 0x9D << 0x009D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
    QTest::newRow("no-break space") << 0xA0 << 0x00A0;
    QTest::newRow("e acute") << 0xE9 << 0x00E9;
    QTest::newRow("y diaeresis") << 0xFF << 0x00FF;
    QTest::newRow("zero") << 0x00 << 0x0000;
    QTest::newRow("tilde") << 0x7E << 0x007E;
}

void tst_FixedText::decodesHighBytes()
{
    QFETCH(int, byte);
    QFETCH(int, unicode);
    const char b = char(byte);
    const QString text = fromCodePage(QByteArrayView(&b, 1));
    QCOMPARE(text.size(), 1);
    QCOMPARE(int(text.at(0).unicode()), unicode);
    QCOMPARE(toCodePage(text), QByteArray(1, b));
}

void tst_FixedText::everyByteSurvivesRoundTrip()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = fromCodePage(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(toCodePage(text), all);
    QCOMPARE(decodeField(encodeField(text, 256)), text);
}

void tst_FixedText::unrepresentableBecomesQuestionMark_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Cyrillic") << QStringLiteral("Жу") << QByteArray("??");
    QTest::newRow("C1 control without byte") << QString(QChar(0x0080)) << QByteArray("?");
    QTest::newRow("outside the BMP is one character") << QString::fromUcs4(U"a\U0001F600b") << QByteArray("a?b");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("mixed") << QStringLiteral("€5 – ok") << QByteArray("\x80" "5 \x96 ok");
}

void tst_FixedText::unrepresentableBecomesQuestionMark()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(toCodePage(text), bytes);
}

void tst_FixedText::fieldsAreCutOrPadded_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("padded") << QStringLiteral("abc") << 6 << QByteArray("abc   ");
    QTest::newRow("exact") << QStringLiteral("abcdef") << 6 << QByteArray("abcdef");
    QTest::newRow("cut") << QStringLiteral("abcdefgh") << 6 << QByteArray("abcdef");
    QTest::newRow("empty") << QString() << 3 << QByteArray("   ");
    QTest::newRow("cut counts characters") << QString::fromUcs4(U"\U0001F600\U0001F600xyz") << 3 << QByteArray("??x");
    QTest::newRow("leading spaces kept") << QStringLiteral("  a") << 4 << QByteArray("  a ");
    QTest::newRow("zero width") << QStringLiteral("abc") << 0 << QByteArray();
}

void tst_FixedText::fieldsAreCutOrPadded()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeField(text, width), bytes);
}

void tst_FixedText::trimRemovesOnlySpaces_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("both ends") << QStringLiteral("  a b  ") << QStringLiteral("a b");
    QTest::newRow("all spaces") << QStringLiteral("     ") << QString();
    QTest::newRow("zero bytes stay") << QString::fromLatin1("\0a\0  ", 5) << QString::fromLatin1("\0a\0", 3);
    QTest::newRow("tabs stay") << QStringLiteral("\ta\t ") << QStringLiteral("\ta\t");
    QTest::newRow("no-break space stays") << QStringLiteral(" \u00A0a") << QStringLiteral("\u00A0a");
}

void tst_FixedText::trimRemovesOnlySpaces()
{
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QCOMPARE(trimSpaces(stored), shown);
}

QTEST_APPLESS_MAIN(tst_FixedText)
#include "tst_FixedText.moc"
