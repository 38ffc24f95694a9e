// Jotwell in the desktop's language. CTest runs this program twice, with
// LANG=en_US.UTF-8 and LANG=de_DE.UTF-8; it installs the catalogs as the
// program does and expects the English texts exactly, or the German ones.
#include "JotwellSession.h"
#include "reminders/frmReminder.h"
#include "startup/AppTranslations.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QMenu>
#include <QMenuBar>

class tst_Translations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mainWindow_data();
    void mainWindow();
    void trayMenu();
    void messageBoxAndQtButtons();
    void reminderCaptionsWhole();

private:
    bool german = false;
};

void tst_Translations::initTestCase()
{
    german = QLocale::system().language() == QLocale::German;
    QVERIFY2(german || QLocale::system().language() == QLocale::English,
             "run with LANG=en_US.UTF-8 or LANG=de_DE.UTF-8");
    AppTranslations::install();
}

void tst_Translations::mainWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("deutsch");
    QTest::newRow("menu File") << "mnuFile" << "&File" << "&Datei";
    QTest::newRow("menu Help") << "mnuHelp" << "&Help" << "&Hilfe";
    QTest::newRow("menu item Exit") << "mnuExit" << "E&xit" << "&Beenden";
    QTest::newRow("menu item About") << "mnuAbout" << "&About" << "&Über Jotwell";
    QTest::newRow("button Save") << "cmdSave" << "&Save" << "&Speichern";
    QTest::newRow("button Alarm") << "cmdAlarm" << "&Alarm" << "&Wecker";
    QTest::newRow("frame Notes") << "fraNotes" << "&Notes:" << "&Notizen:";
    QTest::newRow("label Date") << "lblDate" << "D&ate:" << "Da&tum:";
    QTest::newRow("check box Follow Up") << "chkFollowUp" << "Follow &Up" << "Nach&fassen";
}

void tst_Translations::mainWindow()
{
    QFETCH(QString, name);
    QFETCH(QString, english);
    QFETCH(QString, deutsch);
    JotwellSession s;
    frmJotwell &form = s.open();
    // The caption is the program's name in every language.
    QCOMPARE(form.windowTitle(), QStringLiteral("Jotwell"));
    QObject *item = form.findChild<QObject *>(name);
    QVERIFY2(item, qPrintable(name));
    QString shown;
    if (auto *menu = qobject_cast<QMenu *>(item))
        shown = menu->title();
    else if (auto *action = qobject_cast<QAction *>(item))
        shown = action->text();
    else if (auto *box = qobject_cast<QGroupBox *>(item))
        shown = box->title();
    else
        shown = item->property("text").toString();
    QCOMPARE(shown, german ? deutsch : english);
}

void tst_Translations::trayMenu()
{
    JotwellSession s;
    frmJotwell &form = s.open(true);
    QStringList items;
    for (const QAction *action : form.trayMenu()->actions())
        if (!action->isSeparator())
            items << action->text();
    const QStringList expected = german ? QStringList {"Öffnen", "Kalender", "Erinnerung ein", "Neue Notiz", "Neuer Wecker", "Schließen"}
                                            : QStringList {"Open", "Calendar", "Reminder on", "New Note", "New Alarm", "Close"};
    QCOMPARE(items, expected);
}

void tst_Translations::messageBoxAndQtButtons()
{
    JotwellSession s({NoteFiles::sample("Ann")});
    s.open();
    s.dialogs->queueAnswer(Dialogs::Answer::No);
    s.click("cmdDelete");
    QCOMPARE(s.messageTexts(), QStringList(german ? "Diesen Eintrag löschen?" : "Delete this record?"));
    // Qt's own catalog comes along for the standard buttons of the boxes.
    QDialogButtonBox buttons(QDialogButtonBox::Yes | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text(), german ? QStringLiteral("&Ja") : QStringLiteral("&Yes"));
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
}

// The reminder's bold captions stand whole in either language, each clear
// of the picture and of the value left of it.
void tst_Translations::reminderCaptionsWhole()
{
    QPushButton mainDelete;
    frmReminder window(&mainDelete, nullptr);
    const QRect picture = window.findChild<QLabel *>("Image1")->geometry();
    const QRect date = window.findChild<QLabel *>("lbldDate")->geometry();
    for (const char *name : {"lblDate", "lblContact", "lblNote"}) {
        const auto *caption = window.findChild<QLabel *>(name);
        QVERIFY(caption);
        QVERIFY2(QFontMetrics(caption->font()).horizontalAdvance(caption->text()) <= caption->width(), name);
        QVERIFY2(caption->x() > picture.right(), name);
        if (caption->y() == date.y() && caption->x() > date.x())
            QVERIFY2(caption->x() > date.right(), name);
    }
    QCOMPARE(window.findChild<QLabel *>("lblDate")->text(), german ? QStringLiteral("Datum:") : QStringLiteral("Date:"));
}

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
