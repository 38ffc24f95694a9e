#include "platform/widgets/UpDown.h"

#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class tst_UpDown : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void buttonsStepWithinRange_data();
    void buttonsStepWithinRange();
    void nonNumericTextStepsFromLastNumber();
    void arrowKeysStep();
    void sitsAtBuddysRightEdge();
    void paintsArrowsAtAnySize_data();
    void paintsArrowsAtAnySize();

private:
    QWidget *m_window = nullptr;
    QLineEdit *m_text = nullptr;
    UpDown *m_spin = nullptr;
};

void tst_UpDown::init()
{
    m_window = new QWidget;
    m_text = new QLineEdit(QStringLiteral("1"), m_window);
    m_text->setObjectName(QStringLiteral("txtInterval"));
    m_text->setGeometry(10, 10, 40, 21);
    m_spin = new UpDown(m_window);
    m_spin->setObjectName(QStringLiteral("udcDays"));
    m_spin->setRange(0, 365);
    m_spin->setIncrement(1);
    m_spin->setBuddy(m_text);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_UpDown::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_UpDown::buttonsStepWithinRange_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("increment");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("changes");
    QTest::newRow("up") << "1" << 1 << true << "2" << 1;
    QTest::newRow("down") << "1" << 1 << false << "0" << 1;
    QTest::newRow("down at minimum") << "0" << 1 << false << "0" << 0;
    QTest::newRow("up at maximum") << "365" << 1 << true << "365" << 0;
    QTest::newRow("increment clamps") << "363" << 5 << true << "365" << 1;
    QTest::newRow("above range clamps") << "900" << 1 << true << "365" << 1;
    QTest::newRow("below range clamps") << "-7" << 1 << false << "0" << 1;
    QTest::newRow("spaces around") << " 41 " << 1 << true << "42" << 1;
}

void tst_UpDown::buttonsStepWithinRange()
{
    QFETCH(QString, start);
    QFETCH(int, increment);
    QFETCH(bool, up);
    m_spin->setIncrement(increment);
    m_text->setText(start);
    QSignalSpy changed(m_spin, &UpDown::changed);
    QSignalSpy edited(m_text, &QLineEdit::textChanged);
    auto *button = m_spin->findChild<QAbstractButton *>(up ? QStringLiteral("upButton") : QStringLiteral("downButton"));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    QTEST(m_text->text(), "result");
    QTEST(int(changed.size()), "changes");
    QCOMPARE(edited.size(), m_text->text() == start ? 0 : 1);
}

void tst_UpDown::nonNumericTextStepsFromLastNumber()
{
    m_text->setText(QStringLiteral("12"));
    m_text->setText(QStringLiteral("abc"));
    m_spin->stepUp();
    QCOMPARE(m_text->text(), QStringLiteral("13"));
    m_text->clear();
    m_spin->stepDown();
    QCOMPARE(m_text->text(), QStringLiteral("12"));

    QLineEdit other(QStringLiteral("x"));
    UpDown mins;
    mins.setRange(1, 60);
    mins.setBuddy(&other);
    mins.stepDown();
    QCOMPARE(other.text(), QStringLiteral("1"));
}

void tst_UpDown::arrowKeysStep()
{
    m_text->setText(QStringLiteral("5"));
    m_text->setFocus();
    QTest::keyClick(m_text, Qt::Key_Up);
    QTest::keyClick(m_text, Qt::Key_Up);
    QCOMPARE(m_text->text(), QStringLiteral("7"));
    QTest::keyClick(m_text, Qt::Key_Down);
    QCOMPARE(m_text->text(), QStringLiteral("6"));
    m_spin->setEnabled(false);
    QTest::keyClick(m_text, Qt::Key_Up);
    QCOMPARE(m_text->text(), QStringLiteral("6"));
}

void tst_UpDown::sitsAtBuddysRightEdge()
{
    QCOMPARE(m_spin->geometry(), QRect(50, 10, m_spin->sizeHint().width(), 21));
    m_text->setGeometry(100, 40, 60, 25);
    QCOMPARE(m_spin->geometry(), QRect(160, 40, m_spin->sizeHint().width(), 25));
    const auto *up = m_spin->findChild<QAbstractButton *>(QStringLiteral("upButton"));
    const auto *down = m_spin->findChild<QAbstractButton *>(QStringLiteral("downButton"));
    QCOMPARE(up->geometry().bottom() + 1, down->geometry().top());
    QCOMPARE(down->geometry().bottom(), 24);
}

void tst_UpDown::paintsArrowsAtAnySize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("normal") << QSize(17, 22);
    QTest::newRow("small") << QSize(9, 10);
    QTest::newRow("tiny") << QSize(5, 6);
    QTest::newRow("wide") << QSize(40, 12);
}

void tst_UpDown::paintsArrowsAtAnySize()
{
    QFETCH(QSize, size);
    m_spin->resize(size);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    m_spin->render(&image);
    const QRgb arrow = m_spin->palette().color(QPalette::ButtonText).rgb();
    // Each half holds arrow pixels; the up arrow is widest at its bottom row,
    // the down arrow at its top row.
    auto widest = [&](int top, int bottom) {
        int bestRow = -1, best = 0;
        for (int y = top; y < bottom; ++y) {
            int n = 0;
            for (int x = 0; x < size.width(); ++x)
                n += image.pixel(x, y) == arrow;
            if (n > best)
                best = n, bestRow = y;
        }
        return bestRow;
    };
    auto firstRow = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < size.width(); ++x)
                if (image.pixel(x, y) == arrow)
                    return y;
        return -1;
    };
    const int half = size.height() / 2;
    const int upWide = widest(0, half);
    const int downWide = widest(half, size.height());
    QVERIFY(upWide >= 0);
    QVERIFY(downWide >= 0);
    QVERIFY(upWide >= firstRow(0, half));
    QCOMPARE(downWide, firstRow(half, size.height()));
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            QVERIFY(image.pixel(x, y) != QColor(Qt::magenta).rgb());
}

QTEST_MAIN(tst_UpDown)
#include "tst_UpDown.moc"
