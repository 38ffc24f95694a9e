#include "platform/objects/OleColor.h"
#include "platform/objects/PropertyError.h"
#include "platform/widgets/SSPanel.h"

#include <QGuiApplication>
#include <QImage>
#include <QTest>

namespace {

QImage render(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The bounding box of the pixels that differ from `background`.
QRect inkBox(const QImage &image, QRgb background, const QRect &within)
{
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (image.pixel(x, y) != background)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Every signal of a panel as one line of text, in order.
struct Recorder
{
    QStringList log;
    // Disconnects the lambdas when the recorder goes, even if the control stays.
    QObject context;
    explicit Recorder(SSPanel &panel)
    {
        auto mouse = [this](const char *name) {
            return [this, name](short button, short shift, float x, float y) {
                log << QStringLiteral("%1 %2 %3 %4 %5").arg(QLatin1String(name)).arg(button).arg(shift).arg(x).arg(y);
            };
        };
        QObject::connect(&panel, &SSPanel::MouseDown, &context, mouse("Down"));
        QObject::connect(&panel, &SSPanel::MouseUp, &context, mouse("Up"));
        QObject::connect(&panel, &SSPanel::Click, &context, [this] { log << QStringLiteral("Click"); });
        QObject::connect(&panel, &SSPanel::DblClick, &context, [this] { log << QStringLiteral("DblClick"); });
    }
};

} // namespace

class tst_SSPanel : public QObject
{
    Q_OBJECT
private slots:
    void oleColours();
    void captionAlignment_data();
    void captionAlignment();
    void badEnumerationsAreRefused();
    void bevelPainting_data();
    void bevelPainting();
    void captionIsClipped();
    void disabledCaptionIsGrey();
    void tagAndBold();
    void fittedChildFollowsResize();
    void clickSequence();
    void noClickWhenReleasedOutside();
    void doubleClick();
    void mouseMoveWithoutButton();
};

void tst_SSPanel::oleColours()
{
    QCOMPARE(OleColor::toQColor(0x123456), QColor(0x56, 0x34, 0x12));
    QCOMPARE(OleColor::fromQColor(QColor(0x56, 0x34, 0x12)), 0x123456);
    QCOMPARE(OleColor::toQColor(OleColor::ButtonFace), QGuiApplication::palette().color(QPalette::Button));
    QCOMPARE(OleColor::toQColor(OleColor::ButtonText), QGuiApplication::palette().color(QPalette::ButtonText));
    QVERIFY(OleColor::isSystemColor(std::int32_t(0x80000012u)));
    QVERIFY(!OleColor::isSystemColor(0xFFFFFF));

    // A new panel paints in the button face colour.
    SSPanel panel;
    panel.resize(10, 10);
    panel.setBevel(SSPanel::BevelNone);
    QCOMPARE(render(panel).pixel(5, 5), QGuiApplication::palette().color(QPalette::Button).rgb());
}

void tst_SSPanel::captionAlignment_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("column"); // 0 left, 1 centre, 2 right
    QTest::addColumn<int>("row");    // 0 top, 1 middle, 2 bottom
    QTest::newRow("LeftTop") << 0 << 0 << 0;
    QTest::newRow("LeftMiddle") << 1 << 0 << 1;
    QTest::newRow("LeftBottom") << 2 << 0 << 2;
    QTest::newRow("RightTop") << 3 << 2 << 0;
    QTest::newRow("RightMiddle") << 4 << 2 << 1;
    QTest::newRow("RightBottom") << 5 << 2 << 2;
    QTest::newRow("CenterTop") << 6 << 1 << 0;
    QTest::newRow("CenterMiddle") << 7 << 1 << 1;
    QTest::newRow("CenterBottom") << 8 << 1 << 2;
}

void tst_SSPanel::captionAlignment()
{
    QFETCH(int, alignment);
    QFETCH(int, column);
    QFETCH(int, row);
    SSPanel panel;
    panel.resize(150, 90);
    panel.setBevel(SSPanel::BevelRaised);
    panel.setBevelWidth(2);
    panel.setBackColor(0xFFFFFF);
    panel.setForeColor(0x0000FF); // red
    panel.setCaption(QStringLiteral("Wg"));
    panel.setAlignment(alignment);
    QCOMPARE(panel.alignment(), alignment);

    const QRect inner = panel.innerRect();
    QCOMPARE(inner, QRect(2, 2, 146, 86));
    const QRect ink = inkBox(render(panel), qRgb(255, 255, 255), inner);
    QVERIFY(!ink.isEmpty());
    QVERIFY(panel.captionRect().contains(ink));

    const int inkCentreX = ink.center().x(), inkCentreY = ink.center().y();
    switch (column) {
    case 0: QVERIFY2(ink.left() <= inner.left() + 3, qPrintable(QString::number(ink.left()))); break;
    case 1: QVERIFY(qAbs(inkCentreX - inner.center().x()) <= 3); break;
    default: QVERIFY2(ink.right() >= inner.right() - 3, qPrintable(QString::number(ink.right()))); break;
    }
    switch (row) {
    case 0: QVERIFY(ink.top() < inner.top() + inner.height() / 3); break;
    case 1: QVERIFY(qAbs(inkCentreY - inner.center().y()) <= 4); break;
    default: QVERIFY(ink.bottom() > inner.bottom() - inner.height() / 3); break;
    }
}

void tst_SSPanel::badEnumerationsAreRefused()
{
    SSPanel panel;
    for (int bad : {-1, 9}) {
        QVERIFY_THROWS_EXCEPTION(PropertyError, panel.setAlignment(bad));
    }
    for (int bad : {-1, 3}) {
        QVERIFY_THROWS_EXCEPTION(PropertyError, panel.setBevel(bad));
    }
    QCOMPARE(panel.alignment(), int(SSPanel::CenterMiddle));
    QCOMPARE(panel.bevel(), int(SSPanel::BevelRaised));
}

void tst_SSPanel::bevelPainting_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bevel");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("outline");
    for (int size : {0, 1, 2, 3, 12}) {
        for (int bevel : {0, 1, 2}) {
            for (bool outline : {false, true}) {
                QTest::addRow("size %d bevel %d outline %d", size, bevel, int(outline)) << size << bevel << 2 << outline;
            }
        }
    }
    QTest::newRow("wide bevel in small panel") << 5 << 2 << 10 << true;
}

void tst_SSPanel::bevelPainting()
{
    QFETCH(int, size);
    QFETCH(int, bevel);
    QFETCH(int, width);
    QFETCH(bool, outline);
    SSPanel panel;
    panel.resize(size, size);
    panel.setBevel(bevel);
    panel.setBevelWidth(width);
    panel.setOutline(outline);
    panel.setBackColor(0x00FF00);
    // A caption in the tiny panels only: in the large one it would cover the
    // pixels looked at below.
    if (size < 12)
        panel.setCaption(QStringLiteral("31"));
    const QRect inner = panel.innerRect();
    QVERIFY(inner.width() >= 0 && inner.height() >= 0);
    QVERIFY(panel.captionRect().width() >= 0 && panel.captionRect().height() >= 0);
    const QImage image = render(panel);
    if (size < 12)
        return;

    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128), fill = qRgb(0, 255, 0);
    const int o = outline ? 1 : 0;
    if (outline) {
        QCOMPARE(image.pixel(0, 0), black);
        QCOMPARE(image.pixel(size - 1, size - 1), black);
    }
    const QRgb topLeft = bevel == 1 ? grey : bevel == 2 ? white : fill;
    const QRgb bottomRight = bevel == 1 ? white : bevel == 2 ? grey : fill;
    for (int i = 0; i < width; ++i) {
        QCOMPARE(image.pixel(o + i, size / 2), topLeft);
        QCOMPARE(image.pixel(size / 2, o + i), topLeft);
        QCOMPARE(image.pixel(size - 1 - o - i, size / 2 + 1), bottomRight);
        QCOMPARE(image.pixel(size / 2 + 1, size - 1 - o - i), bottomRight);
    }
    const int frame = o + (bevel ? width : 0);
    QCOMPARE(inner, QRect(frame, frame, size - 2 * frame, size - 2 * frame));
    QCOMPARE(image.pixel(frame, frame), fill);
}

void tst_SSPanel::captionIsClipped()
{
    SSPanel panel;
    panel.resize(30, 16);
    panel.setBevelWidth(3);
    panel.setBackColor(0xFFFFFF);
    panel.setBevel(SSPanel::BevelNone);
    panel.setOutline(true);
    panel.setCaption(QStringLiteral("A caption far wider than the panel"));
    panel.setAlignment(SSPanel::CenterMiddle);
    QVERIFY(panel.innerRect().contains(panel.captionRect()));
    // The outline stays whole: the text does not paint over it.
    const QImage image = render(panel);
    for (int x = 0; x < 30; ++x) {
        QCOMPARE(image.pixel(x, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(x, 15), qRgb(0, 0, 0));
    }
}

void tst_SSPanel::disabledCaptionIsGrey()
{
    SSPanel panel;
    panel.resize(80, 30);
    panel.setBevel(SSPanel::BevelNone);
    panel.setBackColor(0xFFFFFF);
    panel.setForeColor(0x0000FF);
    panel.setCaption(QStringLiteral("Mon"));
    auto hasRed = [&] {
        const QImage image = render(panel);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qRed(image.pixel(x, y)) > 200 && qGreen(image.pixel(x, y)) < 80)
                    return true;
        return false;
    };
    QVERIFY(hasRed());
    panel.setEnabled(false);
    QVERIFY(!hasRed());
    QVERIFY(!inkBox(render(panel), qRgb(255, 255, 255), panel.rect()).isEmpty());
}

void tst_SSPanel::tagAndBold()
{
    SSPanel panel;
    QCOMPARE(panel.tag(), QString());
    panel.setTag(QStringLiteral("CurrSelected"));
    QCOMPARE(panel.tag(), QStringLiteral("CurrSelected"));

    const StdFontPtr font = StdFont::create(QStringLiteral("Courier New"), 10);
    panel.setFont(*font);
    QCOMPARE(panel.font().family(), QStringLiteral("Courier New"));
    QVERIFY(!panel.bold());
    panel.setBold(true);
    QVERIFY(panel.bold());
    // The panel has its own copy: the shared font object is untouched.
    QVERIFY(!font->bold());
    QCOMPARE(panel.font().pointSizeF(), 10.0);
}

void tst_SSPanel::fittedChildFollowsResize()
{
    QWidget window;
    auto *bar = new SSPanel(&window);
    bar->resize(225, 22);
    auto *caption = new SSPanel(bar);
    bar->setFittedChild(caption, 3);
    QCOMPARE(caption->geometry(), QRect(3, 3, 219, 16));
    // A hidden panel learns of its new size when it is shown.
    bar->resize(150, 30);
    window.show();
    QCOMPARE(caption->geometry(), QRect(3, 3, 144, 24));
    bar->resize(150, 30);
    QCOMPARE(caption->geometry(), QRect(3, 3, 144, 24));
    bar->resize(4, 0);
    QCOMPARE(caption->geometry(), QRect(3, 3, 0, 0));
    bar->setFittedChild(nullptr, 0);
    bar->resize(100, 100);
    QCOMPARE(caption->size(), QSize(0, 0));
}

void tst_SSPanel::clickSequence()
{
    SSPanel panel;
    panel.resize(40, 20);
    Recorder r(panel);
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::ShiftModifier | Qt::AltModifier, QPoint(10, 5));
    QCOMPARE(r.log, (QStringList{"Down 1 5 10 5", "Up 1 5 10 5", "Click"}));

    r.log.clear();
    QTest::mouseClick(&panel, Qt::RightButton, Qt::ControlModifier, QPoint(39, 19));
    QCOMPARE(r.log, (QStringList{"Down 2 2 39 19", "Up 2 2 39 19"}));

    r.log.clear();
    QTest::mouseClick(&panel, Qt::MiddleButton, {}, QPoint(1, 1));
    QCOMPARE(r.log, (QStringList{"Down 4 0 1 1", "Up 4 0 1 1"}));
}

void tst_SSPanel::noClickWhenReleasedOutside()
{
    SSPanel panel;
    panel.resize(40, 20);
    Recorder r(panel);
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(45, 5));
    QCOMPARE(r.log, (QStringList{"Down 1 0 10 5", "Up 1 0 45 5"}));

    // A release without a press on this panel is no click either.
    r.log.clear();
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(10, 5));
    QCOMPARE(r.log, QStringList{"Up 1 0 10 5"});
}

void tst_SSPanel::doubleClick()
{
    SSPanel panel;
    panel.resize(40, 20);
    Recorder r(panel);
    // Qt delivers press, release, press, double click, release; the second
    // release is no click.
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseDClick(&panel, Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(3, 4));
    QCOMPARE(r.log, (QStringList{"Down 1 0 3 4", "Up 1 0 3 4", "Click", "Down 1 0 3 4", "DblClick", "Up 1 0 3 4"}));

    // The click after a double click counts again.
    r.log.clear();
    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(3, 4), 10);
    QCOMPARE(r.log.count(QStringLiteral("Click")), 1);
}

void tst_SSPanel::mouseMoveWithoutButton()
{
    SSPanel panel;
    panel.resize(40, 20);
    QStringList moves;
    connect(&panel, &SSPanel::MouseMove, [&](short button, short, float x, float y) {
        moves << QStringLiteral("%1 %2 %3").arg(button).arg(x).arg(y);
    });
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 8), panel.mapToGlobal(QPointF(7, 8)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &move);
    QMouseEvent drag(QEvent::MouseMove, QPointF(9, 2), panel.mapToGlobal(QPointF(9, 2)), Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &drag);
    QCOMPARE(moves, (QStringList{"0 7 8", "3 9 2"}));
}

QTEST_MAIN(tst_SSPanel)
#include "tst_SSPanel.moc"
