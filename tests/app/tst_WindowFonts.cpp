#include "notebook/WindowFonts.h"

#include <QFontMetricsF>
#include <QTest>

#include <cmath>

// A box's text is narrowed only as far as it must be: the face is the
// largest size, a quarter point at a time below the original, whose text
// fits; never below the smallest size allowed.
class tst_WindowFonts : public QObject
{
    Q_OBJECT
private slots:
    void narrowsToTheLargestSizeThatFits_data();
    void narrowsToTheLargestSizeThatFits();
};

namespace {

qreal advance(const QFont &font, const QString &text)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

} // namespace

void tst_WindowFonts::narrowsToTheLargestSizeThatFits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qreal>("share"); // of the text's width at the original size
    const QString date = QStringLiteral("12/28/2026 10:58:58 PM");
    const QString german = QStringLiteral("28.12.2026 22:58:58");
    for (qreal share : {1.0, 0.97, 0.9, 0.8, 0.7, 0.6, 0.3}) {
        QTest::addRow("date %.2f", share) << date << share;
        QTest::addRow("german %.2f", share) << german << share;
    }
    QTest::addRow("number 0.75") << QStringLiteral("-32768") << 0.75;
}

void tst_WindowFonts::narrowsToTheLargestSizeThatFits()
{
    QFETCH(QString, text);
    QFETCH(qreal, share);
    const QFont original = WindowFonts::smallSans(false);
    const int width = static_cast<int>(std::ceil(advance(original, text) * share));
    const QFont fitted = WindowFonts::fitted(original, text, width);
    if (share >= 1.0) {
        QCOMPARE(fitted, original);
        return;
    }
    // At the smallest size the text may still be too wide; above it, it fits.
    QVERIFY(fitted.pointSizeF() >= 6);
    if (fitted.pointSizeF() > 6)
        QVERIFY2(advance(fitted, text) <= width, qPrintable(QString::number(fitted.pointSizeF())));
    const qreal below = original.pointSizeF() - fitted.pointSizeF();
    QCOMPARE(std::fmod(below, 0.25), 0.0);
    if (below > 0) {
        QFont larger = fitted;
        larger.setPointSizeF(fitted.pointSizeF() + 0.25);
        QVERIFY2(advance(larger, text) > width, qPrintable(QString::number(fitted.pointSizeF())));
    }
}

QTEST_MAIN(tst_WindowFonts)
#include "tst_WindowFonts.moc"
