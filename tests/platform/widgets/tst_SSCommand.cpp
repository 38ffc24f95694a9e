#include "platform/text/KeyCodes.h"
#include "platform/objects/PropertyError.h"
#include "platform/widgets/SSCommand.h"

#include <QImage>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>

namespace {

QImage render(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

StdPicturePtr picture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::blue);
    return StdPicture::create(image);
}

// Every signal of a button as one line of text, in order.
struct Recorder
{
    QStringList log;
    // Disconnects the lambdas when the recorder goes, even if the control stays.
    QObject context;
    explicit Recorder(SSCommand &button)
    {
        QObject::connect(&button, &SSCommand::Click, &context, [this] { log << QStringLiteral("Click"); });
        QObject::connect(&button, &SSCommand::KeyDown, &context, [this](short &code, short &shift) {
            log << QStringLiteral("KeyDown %1 %2").arg(code).arg(shift);
        });
        QObject::connect(&button, &SSCommand::KeyPress, &context, [this](short &ascii) { log << QStringLiteral("KeyPress %1").arg(ascii); });
        QObject::connect(&button, &SSCommand::KeyUp, &context, [this](short &code, short &shift) {
            log << QStringLiteral("KeyUp %1 %2").arg(code).arg(shift);
        });
        QObject::connect(&button, &SSCommand::MouseDown, &context, [this](short b, short s, float x, float y) {
            log << QStringLiteral("Down %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        QObject::connect(&button, &SSCommand::MouseUp, &context, [this](short b, short s, float x, float y) {
            log << QStringLiteral("Up %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        QObject::connect(&button, &SSCommand::GotFocus, &context, [this] { log << QStringLiteral("GotFocus"); });
        QObject::connect(&button, &SSCommand::LostFocus, &context, [this] { log << QStringLiteral("LostFocus"); });
    }
};

} // namespace

class tst_SSCommand : public QObject
{
    Q_OBJECT
private slots:
    void virtualKeys_data();
    void virtualKeys();
    void keyAscii_data();
    void keyAscii();
    void keyEventsCarryCodes();
    void spaceClicks();
    void keyDownCanConsumeSpace();
    void mouseClick();
    void pressedLookFollowsTheMouse();
    void doubleClickIsTwoClicks();
    void mnemonicClicks();
    void tabMovesFocus();
    void badPropertyValuesAreRefused();
    void autoSizeButtonToPicture();
    void mousePointer();
    void painting();
};

void tst_SSCommand::virtualKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << 37;
    QTest::newRow("Up") << int(Qt::Key_Up) << 0 << 38;
    QTest::newRow("Right") << int(Qt::Key_Right) << 0 << 39;
    QTest::newRow("Down") << int(Qt::Key_Down) << 0 << 40;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << 9;
    QTest::newRow("Backtab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << 9;
    QTest::newRow("Return") << int(Qt::Key_Return) << 0 << 13;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << 8;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << 27;
    QTest::newRow("Space") << int(Qt::Key_Space) << 0 << 32;
    QTest::newRow("PageUp") << int(Qt::Key_PageUp) << 0 << 33;
    QTest::newRow("PageDown") << int(Qt::Key_PageDown) << 0 << 34;
    QTest::newRow("End") << int(Qt::Key_End) << 0 << 35;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0 << 36;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << 46;
    QTest::newRow("A") << int(Qt::Key_A) << 0 << 65;
    QTest::newRow("Z shifted") << int(Qt::Key_Z) << int(Qt::ShiftModifier) << 90;
    QTest::newRow("0") << int(Qt::Key_0) << 0 << 48;
    QTest::newRow("9") << int(Qt::Key_9) << 0 << 57;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << int(Qt::KeypadModifier) << 96;
    QTest::newRow("keypad 7") << int(Qt::Key_7) << int(Qt::KeypadModifier) << 103;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 109;
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << 189;
    QTest::newRow("F1") << int(Qt::Key_F1) << 0 << 112;
    QTest::newRow("F12") << int(Qt::Key_F12) << 0 << 123;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << 16;
    QTest::newRow("no code") << int(Qt::Key_MediaPlay) << 0 << 0;
}

void tst_SSCommand::virtualKeys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    QCOMPARE(int(KeyCodes::virtualKey(key, Qt::KeyboardModifiers(modifiers))), code);
}

void tst_SSCommand::keyAscii_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("ascii");
    QTest::newRow("a") << int(Qt::Key_A) << "a" << 97;
    QTest::newRow("A") << int(Qt::Key_A) << "A" << 65;
    QTest::newRow("Return") << int(Qt::Key_Return) << "\r" << 13;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << "\x1b" << 27;
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << QString::fromUtf16(u"é") << 233;
    QTest::newRow("euro") << int(Qt::Key_unknown) << QString::fromUtf16(u"€") << 128;
    QTest::newRow("not in code page") << int(Qt::Key_unknown) << QString::fromUtf16(u"Ω") << int('?');
    QTest::newRow("types nothing") << int(Qt::Key_Left) << "" << -1;
    QTest::newRow("Delete with X11's DEL") << int(Qt::Key_Delete) << "\x7f" << -1;
}

void tst_SSCommand::keyAscii()
{
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, ascii);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCOMPARE(int(KeyCodes::keyAscii(&event)), ascii);
}

void tst_SSCommand::keyEventsCarryCodes()
{
    SSCommand button;
    Recorder r(button);
    QTest::keyClick(&button, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    // The modifier keys have their own events around these.
    QCOMPARE(r.log.filter(QStringLiteral(" 39 ")), (QStringList{"KeyDown 39 7", "KeyUp 39 7"}));
    QVERIFY(r.log.contains(QStringLiteral("KeyDown 16 1")));

    r.log.clear();
    QTest::keyClick(&button, 'x');
    QCOMPARE(r.log, (QStringList{"KeyDown 88 0", "KeyPress 120", "KeyUp 88 0"}));
}

void tst_SSCommand::spaceClicks()
{
    SSCommand button;
    Recorder r(button);
    QTest::keyPress(&button, Qt::Key_Space);
    QVERIFY(button.isDown());
    QTest::keyRelease(&button, Qt::Key_Space);
    QVERIFY(!button.isDown());
    QCOMPARE(r.log, (QStringList{"KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "Click"}));
}

void tst_SSCommand::keyDownCanConsumeSpace()
{
    SSCommand button;
    int clicks = 0;
    connect(&button, &SSCommand::Click, [&] { ++clicks; });
    connect(&button, &SSCommand::KeyDown, [](short &code, short &) {
        if (code == KeyCodes::Space)
            code = 0;
    });
    QTest::keyPress(&button, Qt::Key_Space);
    QVERIFY(!button.isDown());
    QTest::keyRelease(&button, Qt::Key_Space);
    QCOMPARE(clicks, 0);

    // So can KeyUp: the release then clicks nothing.
    SSCommand other;
    connect(&other, &SSCommand::Click, [&] { ++clicks; });
    connect(&other, &SSCommand::KeyUp, [](short &code, short &) { code = 0; });
    QTest::keyClick(&other, Qt::Key_Space);
    QCOMPARE(clicks, 0);
}

void tst_SSCommand::mouseClick()
{
    SSCommand button;
    button.resize(60, 25);
    Recorder r(button);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
    QCOMPARE(r.log, (QStringList{"Down 1 1 5 6", "Up 1 1 5 6", "Click"}));

    r.log.clear();
    QTest::mouseClick(&button, Qt::RightButton, {}, QPoint(5, 6));
    QCOMPARE(r.log, (QStringList{"Down 2 0 5 6", "Up 2 0 5 6"}));

    r.log.clear();
    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 6));
    QVERIFY(r.log.isEmpty());
}

void tst_SSCommand::pressedLookFollowsTheMouse()
{
    SSCommand button;
    button.resize(60, 25);
    int clicks = 0;
    connect(&button, &SSCommand::Click, [&] { ++clicks; });
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(button.isDown());
    QTest::mouseMove(&button, QPoint(80, 5));
    QMouseEvent out(QEvent::MouseMove, QPointF(80, 5), button.mapToGlobal(QPointF(80, 5)), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &out);
    QVERIFY(!button.isDown());
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(80, 5));
    QCOMPARE(clicks, 0);
    QVERIFY(!button.isDown());
}

void tst_SSCommand::doubleClickIsTwoClicks()
{
    SSCommand button;
    button.resize(60, 25);
    int clicks = 0;
    connect(&button, &SSCommand::Click, [&] { ++clicks; });
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(clicks, 2);
}

void tst_SSCommand::mnemonicClicks()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *first = new SSCommand(&window);
    auto *second = new SSCommand(&window);
    first->setCaption(QStringLiteral("&Today"));
    second->setCaption(QStringLiteral("&Go"));
    second->setCaption(QStringLiteral("&Next"));
    layout->addWidget(first);
    layout->addWidget(second);
    int clicks = 0;
    connect(second, &SSCommand::Click, [&] { ++clicks; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    QCOMPARE(clicks, 1);
    QVERIFY(second->hasFocus());
    // The replaced caption's letter no longer clicks.
    QTest::keyClick(&window, Qt::Key_G, Qt::AltModifier);
    QCOMPARE(clicks, 1);
}

void tst_SSCommand::tabMovesFocus()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *first = new SSCommand(&window);
    auto *second = new SSCommand(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    QTRY_VERIFY(first->hasFocus());
    Recorder r1(*first), r2(*second);
    QTest::keyClick(first, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QCOMPARE(r1.log.filter(QStringLiteral("Focus")), QStringList{"LostFocus"});
    QCOMPARE(r2.log.filter(QStringLiteral("Focus")), QStringList{"GotFocus"});
    QVERIFY(r1.log.contains(QStringLiteral("KeyPress 9")));

    // A handler that consumes Tab keeps the focus where it is.
    connect(second, &SSCommand::KeyPress, [](short &ascii) {
        if (ascii == KeyCodes::Tab)
            ascii = 0;
    });
    QTest::keyClick(second, Qt::Key_Tab);
    QVERIFY(second->hasFocus());
    QTest::keyClick(second, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(second->hasFocus());
}

void tst_SSCommand::badPropertyValuesAreRefused()
{
    SSCommand button;
    QVERIFY_THROWS_EXCEPTION(PropertyError, button.setFont3D(5));
    QVERIFY_THROWS_EXCEPTION(PropertyError, button.setFont3D(-1));
    QVERIFY_THROWS_EXCEPTION(PropertyError, button.setBevelWidth(11));
    QVERIFY_THROWS_EXCEPTION(PropertyError, button.setBevelWidth(-1));
    QVERIFY_THROWS_EXCEPTION(PropertyError, button.setMousePointer(16));
    QVERIFY_THROWS_EXCEPTION(PropertyError, button.setMousePointer(98));
    QVERIFY_THROWS_EXCEPTION(PropertyError, button.setAutoSize(3));
    QCOMPARE(button.font3D(), 0);
    QCOMPARE(button.bevelWidth(), short(2));
    QCOMPARE(button.mousePointer(), 0);
    QCOMPARE(button.autoSize(), 0);
    button.setFont3D(4);
    button.setBevelWidth(0);
    button.setMousePointer(99);
    QCOMPARE(button.font3D(), 4);
    QCOMPARE(button.bevelWidth(), short(0));
    QCOMPARE(button.mousePointer(), 99);
}

void tst_SSCommand::autoSizeButtonToPicture()
{
    SSCommand button;
    button.resize(100, 50);
    button.setPicture(picture(20, 20));
    QCOMPARE(button.size(), QSize(100, 50));
    button.setAutoSize(SSCommand::ButtonToPicture);
    // The picture, plus the bevel and a two-pixel margin on each side.
    QCOMPARE(button.size(), QSize(28, 28));
    button.setOutline(true);
    QCOMPARE(button.size(), QSize(30, 30));
    button.setBevelWidth(4);
    QCOMPARE(button.size(), QSize(34, 34));
    button.setPicture(picture(40, 10));
    QCOMPARE(button.size(), QSize(54, 24));
    // Without a picture the button keeps its size.
    button.setPicture(nullptr);
    QCOMPARE(button.size(), QSize(54, 24));
    QVERIFY(!button.picture());
}

void tst_SSCommand::mousePointer()
{
    QWidget window;
    SSCommand &button = *new SSCommand(&window);
    QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
    button.setMousePointer(SSCommand::PointerCross);
    QCOMPARE(button.cursor().shape(), Qt::CrossCursor);
    button.setMousePointer(SSCommand::PointerSizeWE);
    QCOMPARE(button.cursor().shape(), Qt::SizeHorCursor);
    // Custom without an icon: the default pointer; with one: that picture.
    button.setMousePointer(SSCommand::PointerCustom);
    QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
    button.setMouseIcon(picture(16, 16));
    QCOMPARE(button.cursor().shape(), Qt::BitmapCursor);
    button.setMousePointer(SSCommand::PointerDefault);
    QVERIFY(!button.testAttribute(Qt::WA_SetCursor));
}

void tst_SSCommand::painting()
{
    const QRgb white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128), black = qRgb(0, 0, 0);
    SSCommand button;
    button.resize(40, 20);
    button.setCaption(QStringLiteral("<<"));
    QImage up = render(button);
    QCOMPARE(up.pixel(0, 10), white);
    QCOMPARE(up.pixel(39, 10), grey);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(5, 5));
    QImage down = render(button);
    QCOMPARE(down.pixel(0, 10), grey);
    QCOMPARE(down.pixel(39, 10), white);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(5, 5));

    button.setOutline(true);
    up = render(button);
    QCOMPARE(up.pixel(0, 0), black);
    QCOMPARE(up.pixel(1, 10), white);
    button.setRoundedCorners(true);
    up = render(button);
    QVERIFY(up.pixel(0, 0) != black);
    QCOMPARE(up.pixel(1, 0), black);
    QCOMPARE(up.pixel(1, 1), black);

    // Tiny sizes paint without fault.
    for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(3, 2), QSize(6, 6)}) {
        button.resize(size);
        button.setPicture(picture(8, 8));
        button.setAutoSize(SSCommand::PictureToButton);
        render(button);
        button.setAutoSize(SSCommand::AutoSizeNone);
    }
}

QTEST_MAIN(tst_SSCommand)
#include "tst_SSCommand.moc"
