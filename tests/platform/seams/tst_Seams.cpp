#include "platform/seams/Clock.h"
#include "platform/dates/DateValue.h"
#include "platform/seams/Dialogs.h"
#include "support/ClockScope.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>

namespace {

// Runs the action on the first modal widget that shows up.
void whenModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start(5);
}

} // namespace

class tst_Seams : public QObject
{
    Q_OBJECT

private slots:
    void clockGivesDateValues();
    void clockScopeRestoresSystemClock();
    void scriptedDialogsRecordAndAnswer();
    void scriptedDefaults_data();
    void scriptedDefaults();
    void hookRunsWhileBoxIsUp();
    void scopesNest();
    void qtMessageBox_data();
    void qtMessageBox();
    void qtInputBox_data();
    void qtInputBox();
    void qtBoxesBlockTheirWindowOnly_data();
    void qtBoxesBlockTheirWindowOnly();
};

void tst_Seams::clockGivesDateValues()
{
    SettableClock clock(QDateTime(QDate(2024, 2, 29), QTime(13, 45, 30)));
    ClockScope scope(clock);
    QCOMPARE(Clock::nowSerial(), *DateValue::fromParts({2024, 2, 29, 13, 45, 30}));
    QCOMPARE(Clock::today(), *DateValue::fromDate(2024, 2, 29));
    clock.advanceSeconds(10 * 3600 + 14 * 60 + 30);
    QCOMPARE(Clock::nowSerial(), *DateValue::fromDate(2024, 3, 1));
    clock.set(QDateTime(QDate(1850, 6, 1), QTime(6, 0)));
    QCOMPARE(DateValue::toParts(Clock::nowSerial()), (DateValue::Parts{1850, 6, 1, 6, 0, 0}));
    QCOMPARE(Clock::today(), *DateValue::fromDate(1850, 6, 1));
}

void tst_Seams::clockScopeRestoresSystemClock()
{
    {
        SettableClock clock(QDateTime(QDate(1990, 1, 1), QTime(0, 0)));
        ClockScope scope(clock);
        QCOMPARE(Clock::today(), *DateValue::fromDate(1990, 1, 1));
    }
    const QDateTime now = QDateTime::currentDateTime();
    const double expected = *DateValue::fromParts({now.date().year(), now.date().month(), now.date().day(),
                                                   now.time().hour(), now.time().minute(), now.time().second()});
    QVERIFY(std::fabs(Clock::nowSerial() - expected) < 5.0 / 86400);
}

void tst_Seams::scriptedDialogsRecordAndAnswer()
{
    ScriptedDialogsScope dialogs;
    dialogs->queueAnswer(Dialogs::Answer::No);
    dialogs->queueText(QStringLiteral("14:30"));
    Dialogs &d = Dialogs::instance();
    QCOMPARE(d.messageBox(QStringLiteral("Delete?"), Dialogs::Buttons::YesNo, Dialogs::Icon::Question,
                          QStringLiteral("Jotwell")),
             Dialogs::Answer::No);
    QCOMPARE(d.inputBox(QStringLiteral("Enter alarm time:"), QStringLiteral("ALARM"), QStringLiteral("09:00")),
             QStringLiteral("14:30"));
    d.beep();
    d.beep();

    QCOMPARE(dialogs->beeps(), 2);
    QCOMPARE(dialogs->requests().size(), 2);
    const auto box = dialogs->messages().at(0);
    QCOMPARE(box.text, QStringLiteral("Delete?"));
    QCOMPARE(box.title, QStringLiteral("Jotwell"));
    QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(box.icon, Dialogs::Icon::Question);
    QCOMPARE(box.answer, Dialogs::Answer::No);
    const auto input = dialogs->inputs().at(0);
    QCOMPARE(input.text, QStringLiteral("Enter alarm time:"));
    QCOMPARE(input.title, QStringLiteral("ALARM"));
    QCOMPARE(input.defaultText, QStringLiteral("09:00"));
    QCOMPARE(input.answerText, QStringLiteral("14:30"));
    QCOMPARE(dialogs->pendingAnswers(), 0);
    QCOMPARE(dialogs->pendingTexts(), 0);
}

void tst_Seams::scriptedDefaults_data()
{
    QTest::addColumn<Dialogs::Buttons>("buttons");
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::newRow("Ok") << Dialogs::Buttons::Ok << Dialogs::Answer::Ok;
    QTest::newRow("OkCancel") << Dialogs::Buttons::OkCancel << Dialogs::Answer::Ok;
    QTest::newRow("YesNo") << Dialogs::Buttons::YesNo << Dialogs::Answer::Yes;
    QTest::newRow("YesNoCancel") << Dialogs::Buttons::YesNoCancel << Dialogs::Answer::Yes;
}

void tst_Seams::scriptedDefaults()
{
    QFETCH(Dialogs::Buttons, buttons);
    ScriptedDialogsScope dialogs;
    QTEST(Dialogs::instance().messageBox(QStringLiteral("x"), buttons, Dialogs::Icon::None, QString()), "answer");
    QCOMPARE(Dialogs::instance().inputBox(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("default")),
             QString());
}

void tst_Seams::hookRunsWhileBoxIsUp()
{
    ScriptedDialogsScope dialogs;
    QStringList seen;
    dialogs->setWhileOpen([&](const ScriptedDialogs::Request &r) {
        seen << r.text;
        // A timer firing under the first box raises a second one.
        if (r.text == QLatin1String("first"))
            Dialogs::instance().messageBox(QStringLiteral("second"), Dialogs::Buttons::Ok,
                                           Dialogs::Icon::Information, QStringLiteral("ALARM"));
    });
    dialogs->queueAnswer(Dialogs::Answer::Cancel);
    const auto answer = Dialogs::instance().messageBox(QStringLiteral("first"), Dialogs::Buttons::OkCancel,
                                                       Dialogs::Icon::None, QString());
    QCOMPARE(seen, QStringList({QStringLiteral("first"), QStringLiteral("second")}));
    // The box raised under the first one is answered first and takes the queued answer.
    QCOMPARE(dialogs->requests().at(1).answer, Dialogs::Answer::Cancel);
    QCOMPARE(answer, Dialogs::Answer::Ok);
    QCOMPARE(dialogs->requests().at(0).text, QStringLiteral("first"));
}

void tst_Seams::scopesNest()
{
    Dialogs *system = &Dialogs::instance();
    QVERIFY(dynamic_cast<QtDialogs *>(system));
    {
        ScriptedDialogsScope outer;
        {
            ScriptedDialogsScope inner;
            Dialogs::instance().beep();
            QCOMPARE(inner->beeps(), 1);
        }
        Dialogs::instance().beep();
        QCOMPARE(outer->beeps(), 1);
    }
    QCOMPARE(&Dialogs::instance(), system);
}

void tst_Seams::qtMessageBox_data()
{
    QTest::addColumn<Dialogs::Buttons>("buttons");
    QTest::addColumn<Dialogs::Icon>("icon");
    QTest::addColumn<int>("press"); // a QMessageBox::StandardButton, or 0 for Escape
    QTest::addColumn<Dialogs::Answer>("answer");
    QTest::addColumn<int>("qtIcon");
    QTest::newRow("Ok exclamation") << Dialogs::Buttons::Ok << Dialogs::Icon::Exclamation << int(QMessageBox::Ok)
                                    << Dialogs::Answer::Ok << int(QMessageBox::Warning);
    QTest::newRow("Yes") << Dialogs::Buttons::YesNo << Dialogs::Icon::Question << int(QMessageBox::Yes)
                         << Dialogs::Answer::Yes << int(QMessageBox::Question);
    QTest::newRow("No") << Dialogs::Buttons::YesNo << Dialogs::Icon::Critical << int(QMessageBox::No)
                        << Dialogs::Answer::No << int(QMessageBox::Critical);
    QTest::newRow("Escape on YesNo") << Dialogs::Buttons::YesNo << Dialogs::Icon::None << 0 << Dialogs::Answer::No
                                     << int(QMessageBox::NoIcon);
    QTest::newRow("Cancel") << Dialogs::Buttons::YesNoCancel << Dialogs::Icon::Information
                            << int(QMessageBox::Cancel) << Dialogs::Answer::Cancel << int(QMessageBox::Information);
    QTest::newRow("Escape on OkCancel") << Dialogs::Buttons::OkCancel << Dialogs::Icon::None << 0
                                        << Dialogs::Answer::Cancel << int(QMessageBox::NoIcon);
}

void tst_Seams::qtMessageBox()
{
    QFETCH(Dialogs::Buttons, buttons);
    QFETCH(Dialogs::Icon, icon);
    QFETCH(int, press);
    QWidget window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QString title, text;
    QWidget *parent = nullptr;
    int shownIcon = -1;
    Qt::TextFormat format = Qt::AutoText;
    whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        format = box->textFormat();
        title = box->windowTitle();
        text = box->text();
        parent = box->parentWidget();
        shownIcon = int(box->icon());
        if (press)
            box->button(QMessageBox::StandardButton(press))->click();
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
    QtDialogs dialogs;
    QTEST(dialogs.messageBox(QStringLiteral("This is the Last Record!"), buttons, icon, QStringLiteral("Jotwell")),
          "answer");
    QCOMPARE(title, QStringLiteral("Jotwell"));
    QCOMPARE(text, QStringLiteral("This is the Last Record!"));
    QCOMPARE(parent, &window);
    QTEST(shownIcon, "qtIcon");
    QCOMPARE(format, Qt::PlainText);
}

void tst_Seams::qtInputBox_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::newRow("typed") << true << "Call Anne" << "Call Anne";
    QTest::newRow("default kept") << true << QString() << "12:00";
    QTest::newRow("cancelled") << false << "ignored" << "";
}

void tst_Seams::qtInputBox()
{
    QFETCH(bool, accept);
    QFETCH(QString, typed);
    QString prompt, title, shownDefault;
    whenModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        QVERIFY(dialog);
        prompt = dialog->labelText();
        title = dialog->windowTitle();
        shownDefault = dialog->textValue();
        if (!typed.isEmpty())
            dialog->setTextValue(typed);
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
    QtDialogs dialogs;
    QTEST(dialogs.inputBox(QStringLiteral("Enter alarm time:"), QStringLiteral("ALARM"), QStringLiteral("12:00")),
          "result");
    QCOMPARE(prompt, QStringLiteral("Enter alarm time:"));
    QCOMPARE(title, QStringLiteral("ALARM"));
    QCOMPARE(shownDefault, QStringLiteral("12:00"));
}


void tst_Seams::qtBoxesBlockTheirWindowOnly_data()
{
    QTest::addColumn<bool>("input");
    QTest::addColumn<bool>("ownerShown");
    QTest::newRow("message box over its window") << false << true;
    QTest::newRow("input box over its window") << true << true;
    // With no window in front (the program sits in the tray) the box belongs to the main window.
    QTest::newRow("message box, main window hidden") << false << false;
    QTest::newRow("input box, main window hidden") << true << false;
}

void tst_Seams::qtBoxesBlockTheirWindowOnly()
{
    QFETCH(bool, input);
    QFETCH(bool, ownerShown);
    QMainWindow owner;
    auto *button = new QPushButton(QStringLiteral("New"), &owner);
    owner.setCentralWidget(button);
    // A window of its own, as the notification-area icon is.
    QPushButton own(QStringLiteral("tray"));
    if (ownerShown) {
        own.show();
        QVERIFY(QTest::qWaitForWindowExposed(&own));
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
    }
    int ownerClicks = 0, ownClicks = 0;
    connect(button, &QPushButton::clicked, [&] { ++ownerClicks; });
    connect(&own, &QPushButton::clicked, [&] { ++ownClicks; });
    QWidget *parent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    whenModal([&](QWidget *modal) {
        parent = modal->parentWidget();
        modality = modal->windowModality();
        if (ownerShown) {
            QTest::mouseClick(own.windowHandle(), Qt::LeftButton, {}, own.rect().center());
            QTest::mouseClick(owner.windowHandle(), Qt::LeftButton, {}, button->mapTo(&owner, button->rect().center()));
        }
        qobject_cast<QDialog *>(modal)->reject();
    });
    QtDialogs dialogs;
    if (input)
        dialogs.inputBox(QStringLiteral("Enter Memo For Alarm:"), QStringLiteral("MEMO"));
    else
        dialogs.messageBox(QStringLiteral("x"), Dialogs::Buttons::Ok, Dialogs::Icon::None, QStringLiteral("Jotwell"));
    QCOMPARE(parent, &owner);
    QCOMPARE(modality, Qt::WindowModal);
    QCOMPARE(ownClicks, ownerShown ? 1 : 0);
    QCOMPARE(ownerClicks, 0);
}

QTEST_MAIN(tst_Seams)
#include "tst_Seams.moc"
