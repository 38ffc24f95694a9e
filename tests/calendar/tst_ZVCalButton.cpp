// The drop-down calendar button: where the calendar opens, what closes it,
// the events it relays, and its properties and persistence.

#include "CalendarTestKit.h"

#include "button/DropDownPlacement.h"
#include "button/ZVCalButton.h"
#include "properties/ZVCalButtonObject.h"
#include "platform/com/RefCounted.h"
#include "platform/objects/StdFont.h"
#include "platform/objects/TextPropertyBag.h"
#include "platform/seams/Clock.h"
#include "support/ClockScope.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// A 400 x 320 form with the button and one other focusable control.
struct Form
{
    QWidget window;
    ZVCalButton *button;
    QLineEdit *other;

    explicit Form(QPoint at = {40, 30}, QSize size = {36, 36})
    {
        window.resize(400, 320);
        other = new QLineEdit(&window);
        other->setGeometry(300, 280, 80, 24);
        button = new ZVCalButton(&window);
        button->setGeometry(QRect(at, size));
        button->InitProperties();
        button->calendar()->setCalValue(calDate(1997, 1, 15));
        window.show();
        window.activateWindow();
    }
    bool active() { return QTest::qWaitForWindowActive(&window); }
    ZVCalendar *cal() const { return button->calendar(); }
    void clickButton() const { QTest::mouseClick(button->button(), Qt::LeftButton); }
};

// The platform's order: press, release (Click), then the double click.
void doubleClick(QWidget *w)
{
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
}

// A host's event sink that changes every KeyAscii it sees to 0.
class KeySwallower final : public __ZVCalButton
{
public:
    ULONG refs = 1;
    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        if (iid != IID_IUnknown && iid != IID_IDispatch && iid != zvcal::DIID___ZVCalButton)
            return *object = nullptr, E_NOINTERFACE;
        *object = static_cast<IDispatch *>(this);
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    void KeyPress(short &KeyAscii) override { KeyAscii = 0; }
};

const QStringList WrittenKeys = {
    "calWidth", "calHeight", "calAlignmentDayTitle", "calAlignmentNum", "calAppearance", "calCaption",
    "calCurrentDateBackColor", "calCurrentDateForeColor", "calCurrentMonthBackColor", "calCurrentMonthForeColor",
    "calCurrentMonthWeekendsBackColor", "calCurrentMonthWeekendsForeColor", "calDayTitle", "calFirstDayofWeek",
    "calFont", "calMaxYear", "calMinYear", "calMonthTitle", "calMonthYearTitleFont", "calMouseSensitiveDate",
    "calNextMonthBackColor", "calNextMonthForeColor", "calOutline", "calPreviousMonthBackColor",
    "calPreviousMonthForeColor", "calScrollArrowsFont", "calScrollArrowsPos", "calSelectedDayBackColor",
    "calSelectedDayForeColor", "calShowDropdownMonth", "calShowTitleBar", "calValue", "ForeColor", "Enabled", "Font",
    "AutoSize", "BevelWidth", "Caption", "Font3D", "MouseIcon", "MousePointer", "Outline", "Picture", "RoundedCorners",
};

StdPicturePtr filled(int w, int h, Qt::GlobalColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return StdPicture::create(image);
}

} // namespace

class tst_ZVCalButton : public QObject
{
    Q_OBJECT

    SettableClock m_clock {QDateTime(QDate(1997, 1, 15), QTime(12, 0))};
    ClockScope m_clockScope {m_clock};
    ScriptedDialogsScope m_dialogs;

private slots:
    // Form 6000 x 4800 twips unless the row says otherwise; button 540 x 540
    // twips, or one whose width and height differ, so that each axis shows
    // it takes half its own extent of the button.
    void placement_data()
    {
        QTest::addColumn<QRect>("scale");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QSize>("button");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<QSize>("calendar");
        const QRect form(0, 0, 6000, 4800);
        const QSize square(540, 540), wide(900, 300), tall(300, 900);
        const QSize cal(3200, 4000);
        QTest::newRow("at the button's centre") << form << QPoint(40, 30) << square << QPoint(870, 720) << cal;
        QTest::newRow("near the right edge: left of the centre") << form << QPoint(380, 30) << square << QPoint(2770, 720) << cal;
        QTest::newRow("near the bottom: above the centre") << form << QPoint(40, 280) << square << QPoint(870, 470) << cal;
        QTest::newRow("near both") << form << QPoint(380, 280) << square << QPoint(2770, 470) << cal;
        QTest::newRow("right edge met exactly") << QRect(0, 0, 4070, 4720) << QPoint(40, 30) << square << QPoint(870, 720) << cal;
        QTest::newRow("one twip too narrow and short") << QRect(0, 0, 4069, 4719) << QPoint(40, 30) << square << QPoint(0, 0) << cal;
        QTest::newRow("form narrower than the calendar") << QRect(0, 0, 2000, 4800) << QPoint(10, 30) << square << QPoint(0, 720) << cal;
        QTest::newRow("clamped to a scale origin") << QRect(-300, -150, 2000, 3000) << QPoint(40, 30) << square << QPoint(-300, -150) << cal;
        QTest::newRow("largest calendar a host can set") << form << QPoint(40, 30) << square << QPoint(0, 0) << QSize(INT32_MAX, INT32_MAX);
        QTest::newRow("wide button") << form << QPoint(40, 30) << wide << QPoint(1050, 600) << cal;
        QTest::newRow("tall button") << form << QPoint(40, 10) << tall << QPoint(750, 600) << cal;
        QTest::newRow("wide button near the right edge") << form << QPoint(380, 30) << wide << QPoint(2950, 600) << cal;
        QTest::newRow("tall button near the bottom") << form << QPoint(40, 280) << tall << QPoint(750, 650) << cal;
        QTest::newRow("wide button near the bottom") << form << QPoint(40, 280) << wide << QPoint(1050, 350) << cal;
        QTest::newRow("tall button near the right edge") << form << QPoint(380, 10) << tall << QPoint(2650, 600) << cal;
    }
    void placement()
    {
        QFETCH(QRect, scale);
        QFETCH(QPoint, offset);
        QFETCH(QSize, button);
        QFETCH(QPoint, expected);
        QFETCH(QSize, calendar);
        const DropDownPlacement::Form form {scale.x(), scale.y(), scale.width(), scale.height()};
        QCOMPARE(DropDownPlacement::origin(form, offset, button, calendar), expected);
    }

    // The same rule for real: 400 x 320 pixels is 6000 x 4800 twips, the
    // calendar 3200 x 4000 twips is 213 x 267 pixels.
    void dropsDownOntoForm_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("expected");
        const QSize square(36, 36), wide(60, 20), tall(20, 60);
        QTest::newRow("room below and right") << QPoint(40, 30) << square << QRect(58, 48, 213, 267);
        QTest::newRow("near the right edge") << QPoint(360, 30) << square << QRect(165, 48, 213, 267);  // 2470 twips
        QTest::newRow("near the bottom") << QPoint(40, 270) << square << QRect(58, 21, 213, 267);       // 320 twips
        // The centre of a 60 x 20 button is 30 across and 10 down from its
        // corner; of a 20 x 60 one, 10 across and 30 down.
        QTest::newRow("wide button") << QPoint(40, 30) << wide << QRect(70, 40, 213, 267);
        QTest::newRow("tall button") << QPoint(40, 10) << tall << QRect(50, 40, 213, 267);
        QTest::newRow("wide button near the right edge") << QPoint(330, 30) << wide << QRect(147, 40, 213, 267); // 2200 twips
        QTest::newRow("tall button near the bottom") << QPoint(40, 250) << tall << QRect(50, 13, 213, 267);      // 200 twips
    }
    void dropsDownOntoForm()
    {
        QFETCH(QPoint, at);
        QFETCH(QSize, size);
        QFETCH(QRect, expected);
        Form f(at, size);
        QVERIFY(f.active());
        QSignalSpy clicks(f.button, &ZVCalButton::BtnClick);
        QVERIFY(!f.cal()->isVisible());
        f.clickButton();
        QVERIFY(f.cal()->isVisible());
        QCOMPARE(f.cal()->parentWidget(), &f.window);
        QCOMPARE(f.cal()->geometry(), expected);
        // Above every other control of the form, and holding the focus.
        QCOMPARE(f.window.childAt(expected.center())->window(), &f.window);
        QVERIFY(f.cal()->isAncestorOf(f.window.childAt(expected.center())));
        QVERIFY(f.cal()->isAncestorOf(QApplication::focusWidget()) || f.cal()->hasFocus());
        QCOMPARE(clicks.size(), 1);
    }

    void closingActions_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("keyPresses");
        QTest::newRow("second click on the button") << "button" << true << 0;
        QTest::newRow("double click on a day") << "day" << true << 0;
        QTest::newRow("double click on a neighbouring month's day") << "neighbour" << false << 0;
        QTest::newRow("double click on an arrow button") << "arrow" << false << 0;
        QTest::newRow("Enter") << "enter" << true << 1;
        QTest::newRow("Esc") << "esc" << true << 1;
        QTest::newRow("another key") << "x" << false << 1;
        QTest::newRow("focus to another control") << "other" << true << 0;
    }
    void closingActions()
    {
        QFETCH(QString, action);
        QFETCH(bool, closes);
        QFETCH(int, keyPresses);
        Form f;
        QVERIFY(f.active());
        f.clickButton();
        QVERIFY(f.cal()->isVisible());
        int keys = 0;
        connect(f.button, &ZVCalButton::KeyPress, this, [&keys](short &) { ++keys; });
        QWidget *focus = QApplication::focusWidget();
        if (action == "button")
            f.clickButton();
        else if (action == "day")
            doubleClick(calDayCell(*f.cal(), 20));
        else if (action == "neighbour")
            doubleClick(calCell(*f.cal(), 2)); // 30 December 1996
        else if (action == "arrow")
            doubleClick(calButton(*f.cal(), 2));
        else if (action == "enter")
            QTest::keyClick(focus, Qt::Key_Return);
        else if (action == "esc")
            QTest::keyClick(focus, Qt::Key_Escape);
        else if (action == "x")
            QTest::keyClick(focus, Qt::Key_X);
        else
            f.other->setFocus();
        QCOMPARE(f.cal()->isVisible(), !closes);
        QCOMPARE(keys, keyPresses);
        if (closes && action != "other")
            QCOMPARE(QApplication::focusWidget(), f.button->button());
    }

    // The dropped-down calendar lies on the host's form, here a dialog with a
    // default and a cancel button: Enter and Esc end in the calendar (closing
    // it where it raises KeyPress) and never press either button.
    void closingKeysStayOffTheDialog_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Enter in the calendar") << int(Qt::Key_Return) << "calendar" << true;
        QTest::newRow("keypad Enter in the calendar") << int(Qt::Key_Enter) << "calendar" << true;
        QTest::newRow("Esc in the calendar") << int(Qt::Key_Escape) << "calendar" << true;
        QTest::newRow("Enter in the year box") << int(Qt::Key_Return) << "year" << true;
        QTest::newRow("Esc in the year box") << int(Qt::Key_Escape) << "year" << true;
        // The month list raises no key events, so it closes nothing.
        QTest::newRow("Enter in the month list") << int(Qt::Key_Return) << "month" << false;
        QTest::newRow("Esc in the month list") << int(Qt::Key_Escape) << "month" << false;
    }
    void closingKeysStayOffTheDialog()
    {
        QFETCH(int, key);
        QFETCH(QString, where);
        QFETCH(bool, closes);
        QDialog dialog;
        dialog.resize(400, 320);
        auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setGeometry(200, 280, 80, 28);
        ok->setDefault(true);
        auto *cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
        cancel->setGeometry(300, 280, 80, 28);
        connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
        auto *button = new ZVCalButton(&dialog);
        button->setGeometry(40, 30, 36, 36);
        button->InitProperties();
        button->calendar()->setCalShowDropdownMonth(true);
        QSignalSpy finished(&dialog, &QDialog::finished);
        QSignalSpy okClicks(ok, &QPushButton::clicked);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        QTest::mouseClick(button->button(), Qt::LeftButton);
        QVERIFY(button->isDroppedDown());
        QWidget *target = QApplication::focusWidget();
        if (where == "year")
            target = calYearBox(*button->calendar());
        else if (where == "month")
            target = calMonthList(*button->calendar());
        QVERIFY(target && target->isVisible());
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));

        QCOMPARE(button->isDroppedDown(), !closes);
        if (closes)
            QCOMPARE(QApplication::focusWidget(), button->button());
        QVERIFY(dialog.isVisible());
        QCOMPARE(finished.size(), 0);
        QCOMPARE(okClicks.size(), 0);
        // Closed, the calendar keeps nothing back: Esc on the form is the dialog's.
        if (closes) {
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Escape);
            QCOMPARE(finished.size(), 1);
        }
    }

    void dayClickKeepsOpenAndRelaysInOrder()
    {
        Form f;
        QVERIFY(f.active());
        QStringList events;
        connect(f.button, &ZVCalButton::ValueChanged, this, [&events] { events << "ValueChanged"; });
        connect(f.button, &ZVCalButton::Click, this, [&events] { events << "Click"; });
        f.clickButton();
        QTest::mouseClick(calDayCell(*f.cal(), 20), Qt::LeftButton);
        QCOMPARE(events, (QStringList {"ValueChanged", "Click"}));
        QCOMPARE(f.cal()->calValue(), calDate(1997, 1, 20));
        QVERIFY(f.cal()->isVisible());
        // Closing keeps the date; the next opening shows it again.
        f.clickButton();
        f.clickButton();
        QCOMPARE(f.cal()->calValue(), calDate(1997, 1, 20));
    }

    // A host's handler that changes KeyAscii: the calendar's own code after
    // the event sees the change.
    void keyAsciiChangeReachesCalendar()
    {
        zvcal::ZVCalButtonObject *object = zvcal::ZVCalButtonObject::create();
        const auto holder = ComPtr<_ZVCalButton>::adopt(object);
        KeySwallower sink;
        std::uint32_t cookie = 0;
        QCOMPARE(object->Advise(zvcal::DIID___ZVCalButton, &sink, &cookie), S_OK);
        ZVCalendar *cal = object->widget()->calendar();
        short seenAfter = -1;
        connect(cal, &ZVCalendar::KeyPress, this, [&seenAfter](short &a) { seenAfter = a; });
        cal->show();
        QTest::keyClick(cal, Qt::Key_A);
        QCOMPARE(seenAfter, short(0));
        object->Unadvise(cookie);
    }

    void newControl()
    {
        ZVCalButton b;
        b.InitProperties();
        QCOMPARE(b.size(), QSize(36, 36)); // 540 x 540 twips
        QCOMPARE(b.calWidth(), 3200);
        QCOMPARE(b.calHeight(), 4000);
        QCOMPARE(b.calendar()->size(), QSize(213, 267));
        QCOMPARE(b.calendar()->calValue(), calDate(1997, 1, 15));
        for (const FontRef &font : {b.calendar()->calFont(), b.calendar()->calMonthYearTitleFont(), b.calendar()->calScrollArrowsFont()}) {
            QCOMPARE(font->name(), QStringLiteral("Courier New"));
            QCOMPARE(font->size(), 10.0);
        }
        QCOMPARE(b.calendar()->calFont().get() == b.calendar()->calMonthYearTitleFont().get(), false);
        QCOMPARE(b.Font()->name(), QStringLiteral("Arial"));
        QCOMPARE(b.Font()->size(), 8.25);
        QCOMPARE(b.Picture()->size(), QSize(20, 20));
        // Resized at once, also while open.
        b.setCalWidth(1995);
        b.setCalHeight(2505);
        QCOMPARE(b.calendar()->size(), QSize(133, 167));
    }

    void persistenceRoundTrip()
    {
        ZVCalButton a;
        a.setAmbientFont(StdFont::create(QStringLiteral("Arial"), 8.25));
        a.InitProperties();
        ZVCalendar &c = *a.calendar();
        a.setCalWidth(1995);
        a.setCalHeight(2505);
        c.setCalAlignmentDayTitle(0);
        c.setCalAlignmentNum(8);
        c.setCalAppearance(0);
        c.setCalCaption(QStringLiteral("Pick"));
        OLE_COLOR colour = 0x010101;
        for (auto setter : {&ZVCalendar::setCalCurrentDateBackColor, &ZVCalendar::setCalCurrentDateForeColor, &ZVCalendar::setCalCurrentMonthBackColor,
                            &ZVCalendar::setCalCurrentMonthForeColor, &ZVCalendar::setCalCurrentMonthWeekendsBackColor,
                            &ZVCalendar::setCalCurrentMonthWeekendsForeColor, &ZVCalendar::setCalNextMonthBackColor, &ZVCalendar::setCalNextMonthForeColor,
                            &ZVCalendar::setCalPreviousMonthBackColor, &ZVCalendar::setCalPreviousMonthForeColor,
                            &ZVCalendar::setCalSelectedDayBackColor, &ZVCalendar::setCalSelectedDayForeColor})
            (c.*setter)(colour += 0x010203);
        c.setCalDayTitle(2);
        c.setCalFirstDayofWeek(7);
        c.setCalFont(StdFont::create(QStringLiteral("Times"), 11));
        c.setCalMaxYear(9000);
        c.setCalMinYear(1700);
        c.setCalMonthTitle(0);
        c.setCalMonthYearTitleFont(StdFont::create(QStringLiteral("Verdana"), 9));
        c.setCalMouseSensitiveDate(true);
        c.setCalOutline(true);
        c.setCalScrollArrowsFont(StdFont::create(QStringLiteral("Impact"), 8.25));
        c.setCalScrollArrowsPos(1);
        c.setCalShowDropdownMonth(true);
        c.setCalShowTitleBar(false);
        c.setCalValue(calDate(2001, 9, 30));
        a.setForeColor(0x123456);
        a.setEnabledProperty(false);
        a.setFont(StdFont::create(QStringLiteral("Courier New"), 12));
        a.setAutoSize(1);
        a.setBevelWidth(4);
        a.setCaption(QStringLiteral("..."));
        a.setFont3D(3);
        a.setMouseIcon(filled(4, 4, Qt::red));
        a.setMousePointer(2);
        a.setOutline(true);
        a.setPicture(filled(8, 6, Qt::blue));
        a.setRoundedCorners(true);

        TextPropertyBag written;
        a.WriteProperties(written);
        QCOMPARE(written.keys(), WrittenKeys);

        ZVCalButton b;
        b.setAmbientFont(StdFont::create(QStringLiteral("Arial"), 8.25));
        TextPropertyBag loaded = TextPropertyBag::fromText(written.toText());
        b.ReadProperties(loaded);
        TextPropertyBag again;
        b.WriteProperties(again);
        QCOMPARE(again.toText(), written.toText());
        QVERIFY(b.isEnabled());
        QVERIFY(!b.button()->isEnabled());
    }

    // Values equal to their defaults are left out, and a missing key reads
    // back as its default.
    void defaultsOmitted()
    {
        ZVCalButton b;
        TextPropertyBag empty;
        b.ReadProperties(empty);
        QCOMPARE(b.Caption(), QStringLiteral("DavOduraruv"));
        QCOMPARE(b.BevelWidth(), std::int16_t(1));
        QCOMPARE(b.ForeColor(), OLE_COLOR(0x80000012));
        QCOMPARE(b.calWidth(), 3200);
        QCOMPARE(b.calHeight(), 4000);
        QCOMPARE(b.calendar()->calMinYear(), 1600);
        QCOMPARE(b.calendar()->calValue(), calDate(1997, 1, 15));
        QVERIFY(!b.Picture() || b.Picture()->isNull());
        TextPropertyBag written;
        b.WriteProperties(written);
        QCOMPARE(written.keys(), QStringList());

        b.setCaption(QStringLiteral("Other"));
        b.setCaption(QStringLiteral("DavOduraruv"));
        b.WriteProperties(written);
        QVERIFY(!written.contains(QStringLiteral("Caption")));
    }

    void readErrors()
    {
        zvcal::ZVCalButtonObject *object = zvcal::ZVCalButtonObject::create();
        const auto holder = ComPtr<_ZVCalButton>::adopt(object);
        for (const char *line : {"calScrollArrowsPos = int 4", "calMinYear = int 1599", "BevelWidth = int 65538"}) {
            TextPropertyBag bag = TextPropertyBag::fromText(QString::fromLatin1(line));
            ExcepInfo excep;
            QCOMPARE(object->ReadProperties(bag, &excep), DISP_E_EXCEPTION);
            QCOMPARE(excep.number, 380);
            // Named by the line and key the refused value came from.
            QCOMPARE(excep.description, QStringLiteral("line 1: %1: Invalid property value").arg(QString::fromLatin1(line).section(' ', 0, 0)));
        }
        // The upper year limit is restored first, so limits above the
        // control's present ones load.
        object->widget()->calendar()->setCalMinYear(1600);
        object->widget()->calendar()->setCalMaxYear(1700);
        TextPropertyBag years = TextPropertyBag::fromText(QStringLiteral("calMinYear = int 1800\ncalMaxYear = int 1900\ncalValue = date 1850-06-01"));
        ExcepInfo excep;
        QCOMPARE(object->ReadProperties(years, &excep), S_OK);
        QCOMPARE(object->widget()->calendar()->calMinYear(), 1800);
        QCOMPARE(object->widget()->calendar()->calMaxYear(), 1900);
    }

    // Loading reports only the control's own property writes: the three
    // calendar fonts, Font, MouseIcon and Picture; InitProperties, which
    // writes the child directly, reports nothing. Later writes report again.
    void loadingReportsOwnWritesOnly_data()
    {
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("init");
        QTest::addColumn<QStringList>("reported");
        const QStringList own {"calFont", "calMonthYearTitleFont", "calScrollArrowsFont", "Font", "MouseIcon", "Picture"};
        QTest::newRow("InitProperties") << QString() << true << QStringList();
        QTest::newRow("nothing saved") << QString() << false << own;
        QTest::newRow("every kind saved")
            << QStringLiteral("calWidth = int 1995\ncalHeight = int 2505\ncalFont = font \"Times\" 11\ncalCaption = text \"Due\"\n"
                              "calMaxYear = int 2100\ncalMinYear = int 1900\ncalValue = date 2001-09-30\ncalNextMonthForeColor = colour &H000000FF&\n"
                              "ForeColor = colour &H00123456&\nEnabled = bool false\nFont = font \"Arial\" 12\nBevelWidth = int 3\n"
                              "Caption = text \"Go\"\nMousePointer = int 2\nRoundedCorners = bool true")
            << false << own;
    }
    void loadingReportsOwnWritesOnly()
    {
        QFETCH(QString, saved);
        QFETCH(bool, init);
        QFETCH(QStringList, reported);
        // A host's site, as a form editor gives it: it marks the form changed
        // for every notice.
        struct Site final : RefCounted<IControlSite>
        {
            QStringList changed;
            QWidget form;
            HRESULT QueryInterface(const Guid &iid, void **object) override { return queryAs(iid, object, {IID_IUnknown, IID_IControlSite}); }
            QWidget *ParentWidget() override { return &form; }
            FontRef AmbientFont() override { return StdFont::create(QStringLiteral("Arial"), 8.25); }
            void OnChanged(const QString &name) override { changed << name; }
        };
        auto site = ComPtr<Site>::adopt(new Site);
        auto button = ComPtr<_ZVCalButton>::adopt(zvcal::ZVCalButtonObject::create());
        auto control = button.query<IControl>(IID_IControl);
        QCOMPARE(control->SetSite(site.get()), S_OK);
        if (init) {
            QCOMPARE(control->InitProperties(), S_OK);
        } else {
            TextPropertyBag bag = TextPropertyBag::fromText(saved);
            ExcepInfo excep;
            QCOMPARE(control->ReadProperties(bag, &excep), S_OK);
        }
        QCOMPARE(site->changed, reported);

        site->changed.clear();
        QCOMPARE(button->put_calCaption(QStringLiteral("Later")), S_OK);
        QCOMPARE(button->put_Caption(QStringLiteral("Later")), S_OK);
        QCOMPARE(site->changed, (QStringList {"calCaption", "Caption"}));
        control->SetSite(nullptr);
    }

    // The button's mouse events hand on the very variables the button raised
    // them with: a handler's change is what the button's later handlers see.
    void buttonMouseArgumentsByReference_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("MouseDown") << int(QEvent::MouseButtonPress);
        QTest::newRow("MouseMove") << int(QEvent::MouseMove);
        QTest::newRow("MouseUp") << int(QEvent::MouseButtonRelease);
    }
    void buttonMouseArgumentsByReference()
    {
        QFETCH(int, type);
        ZVCalButton b;
        b.show();
        auto change = [](short &button, short &shift, float &x, float &y) { button = 4, shift = 2, x = 99.5f, y = -7.25f; };
        connect(&b, &ZVCalButton::BtnMouseDown, this, change);
        connect(&b, &ZVCalButton::BtnMouseMove, this, change);
        connect(&b, &ZVCalButton::BtnMouseUp, this, change);
        QList<float> seen;
        auto record = [&seen](short &button, short &shift, float &x, float &y) { seen = {float(button), float(shift), x, y}; };
        connect(b.button(), &SSCommand::MouseDown, this, record);
        connect(b.button(), &SSCommand::MouseMove, this, record);
        connect(b.button(), &SSCommand::MouseUp, this, record);
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(QEvent::Type(type), QPointF(5, 6), b.button()->mapToGlobal(QPointF(5, 6)),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(b.button(), &event);
        QCOMPARE(seen, (QList<float> {4, 2, 99.5f, -7.25f}));
    }

    void autoSize()
    {
        QWidget form;
        ZVCalButton b(&form);
        form.show();
        b.setPicture(filled(40, 30, Qt::green));
        b.setAutoSize(2);
        QVERIFY(b.size() != QSize(36, 36));
        QCOMPARE(b.size(), b.button()->size());
        QVERIFY(b.button()->width() > 40 && b.button()->height() > 30);
        b.setAutoSize(0);
        b.resize(50, 44);
        QCOMPARE(b.button()->geometry(), QRect(0, 0, 50, 44));
    }

    void disabledButtonCannotOpen()
    {
        Form f;
        QVERIFY(f.active());
        f.button->setEnabledProperty(false);
        QVERIFY(f.button->isEnabled());
        f.clickButton();
        QVERIFY(!f.cal()->isVisible());
        f.button->setEnabledProperty(true);
        f.clickButton();
        QVERIFY(f.cal()->isVisible());
    }
};

QTEST_MAIN(tst_ZVCalButton)
#include "tst_ZVCalButton.moc"
