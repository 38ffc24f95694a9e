// The property pages driven as a user would: typed keys, focus moves, clicks,
// and the values they write to real controls through the by-name interface.

#include "support/ScriptedDialogs.h"

#include "platform/objects/StdFont.h"
#include "platform/objects/StdPicture.h"
#include "platform/pages/ByName.h"
#include "platform/pages/PageObject.h"
#include "platform/pages/PropertyDialog.h"
#include "platform/pages/StandardColorPage.h"
#include "platform/pages/StandardFontPage.h"
#include "platform/pages/StandardPicturePage.h"
#include "properties/ServerEntryPoints.h"
#include "properties/TypeLibrary.h"
#include "properties/pages/PageFrame.h"
#include "zvcal/ZVCal.h"

#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace zvcal;

namespace {

template <typename T>
ComPtr<T> create(const Guid &clsid, const Guid &iid);

// The property dialog a designer opens on a control: the pages bound to its
// class, as tabs.
std::unique_ptr<PropertyDialog> propertyDialog(const QString &className, IDispatch *control)
{
    const TypeLibraryInfo &lib = typeLibrary();
    QStringList pages;
    for (const PageBinding &b : lib.pages)
        if (b.className == className)
            pages = b.pages;
    return std::make_unique<PropertyDialog>(className + QStringLiteral(" Properties"), pages, [&lib](const QString &name) {
        if (const TypeEntry *e = lib.entry(name))
            return create<IPropertyPage>(e->guid, IID_IPropertyPage);
        PropertyPageWidget *w = createStandardPage(name);
        return w ? ComPtr<IPropertyPage>::adopt(PageObject::create(w)) : ComPtr<IPropertyPage>();
    }, QList<IDispatch *> {control});
}

template <typename T>
ComPtr<T> create(const Guid &clsid, const Guid &iid)
{
    ComPtr<IClassFactory> factory;
    if (FAILED(getClassObject(clsid, IID_IClassFactory, factory.putVoid())))
        return {};
    ComPtr<T> object;
    factory->CreateInstance(nullptr, iid, object.putVoid());
    return object;
}

ComPtr<IDispatch> newControl(const Guid &clsid)
{
    ComPtr<IDispatch> control = create<IDispatch>(clsid, IID_IDispatch);
    control.query<IControl>(IID_IControl)->InitProperties();
    return control;
}

ComPtr<IDispatch> newCalendar()
{
    return newControl(CLSID_ZVCalendar);
}

void set(IDispatch *control, const QString &name, const Variant &value)
{
    ExcepInfo excep;
    QVERIFY2(SUCCEEDED(ByName::put(control, name, value, &excep)), qPrintable(excep.description));
}

int intOf(IDispatch *control, const QString &name)
{
    return ByName::get(control, name).toInt32();
}

// A page object of the library with its widget shown in an active window, so
// that focus moves are real.
struct OpenPage
{
    ComPtr<IPropertyPage> page;
    QWidget *widget = nullptr;

    OpenPage(const Guid &clsid, const QList<IDispatch *> &selection)
    {
        page = create<IPropertyPage>(clsid, IID_IPropertyPage);
        page->GetWidget(&widget);
        page->SetObjects(selection);
        widget->show();
        widget->activateWindow();
        (void)QTest::qWaitForWindowActive(widget);
    }
    template <typename W>
    W *child(const QString &name) const { return widget->findChild<W *>(name); }
    bool dirty() const { return page->IsPageDirty() == S_OK; }
    void leave(QWidget *box) const
    {
        box->setFocus(Qt::OtherFocusReason);
        child<QLineEdit>(QStringLiteral("txtCaption"))->setFocus(Qt::TabFocusReason);
    }
};

} // namespace

class tst_PropertyPages : public QObject
{
    Q_OBJECT

private slots:
    void pagesComeFromTheFactory_data();
    void pagesComeFromTheFactory();
    void numericBoxTypesDigitsOnly();
    void leavingANumericBox_data();
    void leavingANumericBox();
    void refusedMinYearTabbedToMaxYear();
    void optionGridWritesItsIndex_data();
    void optionGridWritesItsIndex();
    void firstDayOfWeekIsPositionPlusOne_data();
    void firstDayOfWeekIsPositionPlusOne();
    void applyStopsAtTheFirstRefusedSetter();
    void onlyTheFirstSelectedControlIsUsed();
    void dialogAppliesAndReportsErrors();
    void enterInANumericBoxCountsTheNumber_data();
    void enterInANumericBoxCountsTheNumber();
    void buttonPageMousePointer_data();
    void buttonPageMousePointer();
    void buttonPageWritesInOrder();
    void calendarPageOnAButton();
    void standardPagesWriteByName();
    void colourChooserLeavesDialogKeysToTheDialog_data();
    void colourChooserLeavesDialogKeysToTheDialog();
    void choosingTheShownItemEnablesApply_data();
    void choosingTheShownItemEnablesApply();
    void bevelWidthOutOfRange_data();
    void bevelWidthOutOfRange();
    void listItemsFitTheirBoxes_data();
    void listItemsFitTheirBoxes();
    void framesKeepCaptionsAndOptionsClear_data();
    void framesKeepCaptionsAndOptionsClear();
};

void tst_PropertyPages::pagesComeFromTheFactory_data()
{
    QTest::addColumn<Guid>("clsid");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("twips");
    QTest::newRow("calendar") << CLSID_pagZVCalendar << "Calendar" << QSize(5775, 4515);
    QTest::newRow("button") << CLSID_pagZVCalButton << "Button" << QSize(5790, 4410);
}

void tst_PropertyPages::pagesComeFromTheFactory()
{
    QFETCH(Guid, clsid);
    QFETCH(QString, title);
    QFETCH(QSize, twips);
    ComPtr<IPropertyPage> page = create<IPropertyPage>(clsid, IID_IPropertyPage);
    QVERIFY(page);
    QCOMPARE(page->IsPageDirty(), S_FALSE);
    QString t;
    QSize s;
    QCOMPARE(page->GetPageInfo(&t, &s), S_OK);
    QCOMPARE(t, title);
    QCOMPARE(s, twips);
    QWidget *w = nullptr;
    page->GetWidget(&w);
    QCOMPARE(w->size(), QSize(twips.width() / 15, twips.height() / 15));
    QCOMPARE(w->findChild<QComboBox *>()->font().family(), QStringLiteral("Arial"));
    QCOMPARE(w->findChild<QComboBox *>()->font().pointSizeF(), 8.25);
    QVERIFY(w->findChild<QLabel *>(QStringLiteral("imgCalendar"))->pixmap().size() == QSize(32, 32));
}

void tst_PropertyPages::numericBoxTypesDigitsOnly()
{
    ComPtr<IDispatch> cal = newCalendar();
    OpenPage p(CLSID_pagZVCalendar, {cal.get()});
    auto *box = p.child<QLineEdit>(QStringLiteral("txtMinYear"));
    box->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->selectedText(), QStringLiteral("1600"));
    QTest::keyClicks(box, QStringLiteral("2a-.0 1+"));
    QCOMPARE(box->text(), QStringLiteral("201"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("0"));
    QGuiApplication::clipboard()->setText(QStringLiteral("1999"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1999"));
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(box->text(), QStringLiteral("0"));
}

void tst_PropertyPages::leavingANumericBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    // The calendar starts with the years 1600 .. 2000 and a width of 3000 twips.
    QTest::newRow("min 1599") << "txtMinYear" << "1599" << false;
    QTest::newRow("min 1600") << "txtMinYear" << "1600" << true;
    QTest::newRow("min above max") << "txtMinYear" << "2001" << false;
    QTest::newRow("min equal to max") << "txtMinYear" << "2000" << true;
    QTest::newRow("min empty") << "txtMinYear" << "" << false;
    QTest::newRow("max below min") << "txtMaxYear" << "999" << false;
    QTest::newRow("max equal to min") << "txtMaxYear" << "1600" << true;
    QTest::newRow("max 9999") << "txtMaxYear" << "9999" << true;
    QTest::newRow("max 10000") << "txtMaxYear" << "10000" << false;
    QTest::newRow("width 0") << "txtWidth" << "0" << true;
    QTest::newRow("width 3100") << "txtWidth" << "3100" << true;
    QTest::newRow("width unchanged") << "txtWidth" << "3000" << true;
    QTest::newRow("width beyond 32 bits") << "txtWidth" << "99999999999" << false;
    QTest::newRow("height empty") << "txtHeight" << "" << false;
}

void tst_PropertyPages::leavingANumericBox()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    ScriptedDialogsScope dialogs;
    ComPtr<IDispatch> cal = newCalendar();
    set(cal.get(), QStringLiteral("calMaxYear"), std::int32_t(2000));
    set(cal.get(), QStringLiteral("calWidth"), std::int32_t(3000));
    OpenPage p(CLSID_pagZVCalendar, {cal.get()});
    QVERIFY(!p.dirty());
    auto *edit = p.child<QLineEdit>(box);
    const QString before = edit->text();
    edit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier); // discarded: the text is selected on focus
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(p.dirty(), false); // typing alone changes nothing
    p.leave(edit);

    if (accepted) {
        QVERIFY(dialogs->messages().isEmpty());
        QCOMPARE(edit->text(), typed);
        QCOMPARE(p.dirty(), typed != before);
        QVERIFY(!edit->hasFocus());
    } else {
        QCOMPARE(dialogs->messages().size(), 1);
        QCOMPARE(dialogs->messages().first().text, QStringLiteral("Invalid property value"));
        QCOMPARE(dialogs->messages().first().title, QStringLiteral("Field Error"));
        QCOMPARE(dialogs->messages().first().icon, Dialogs::Icon::Critical);
        QCOMPARE(edit->text(), before);
        QVERIFY(edit->hasFocus());
        QVERIFY(!p.dirty());
    }
}

// Tab takes the focus from the refused box into the box it is checked
// against; the refusal is shown once and the focus comes back.
void tst_PropertyPages::refusedMinYearTabbedToMaxYear()
{
    ScriptedDialogsScope dialogs;
    ComPtr<IDispatch> cal = newCalendar();
    set(cal.get(), QStringLiteral("calMaxYear"), std::int32_t(2000));
    OpenPage p(CLSID_pagZVCalendar, {cal.get()});
    auto *minYear = p.child<QLineEdit>(QStringLiteral("txtMinYear"));
    minYear->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(minYear, QStringLiteral("2001"));
    QTest::keyClick(minYear, Qt::Key_Tab);
    QCOMPARE(dialogs->messages().size(), 1);
    QVERIFY(minYear->hasFocus());
    QCOMPARE(minYear->text(), QStringLiteral("1600"));
    QCOMPARE(p.child<QLineEdit>(QStringLiteral("txtMaxYear"))->text(), QStringLiteral("2000"));
    QVERIFY(!p.dirty());
}

void tst_PropertyPages::optionGridWritesItsIndex_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("twips"); // where the grid puts the option
    QTest::newRow("numbers right middle") << "optAlignmentNum" << "calAlignmentNum" << 4 << QPoint(780, 540);
    QTest::newRow("numbers centre") << "optAlignmentNum" << "calAlignmentNum" << 7 << QPoint(480, 540);
    QTest::newRow("days left top") << "optAlignmentDay" << "calAlignmentDayTitle" << 0 << QPoint(180, 240);
    QTest::newRow("days centre bottom") << "optAlignmentDay" << "calAlignmentDayTitle" << 8 << QPoint(480, 840);
    QTest::newRow("days right bottom") << "optAlignmentDay" << "calAlignmentDayTitle" << 5 << QPoint(780, 840);
    QTest::newRow("month long") << "optMonthTitle" << "calMonthTitle" << 1 << QPoint(120, 540);
    QTest::newRow("day long") << "optDayTitle" << "calDayTitle" << 2 << QPoint(120, 840);
}

void tst_PropertyPages::optionGridWritesItsIndex()
{
    QFETCH(QString, group);
    QFETCH(QString, property);
    QFETCH(int, index);
    QFETCH(QPoint, twips);
    ComPtr<IDispatch> cal = newCalendar();
    set(cal.get(), property, std::int32_t(index == 0 ? 1 : 0));
    OpenPage p(CLSID_pagZVCalendar, {cal.get()});
    auto *opt = p.child<QRadioButton>(QStringLiteral("%1_%2").arg(group).arg(index));
    QCOMPARE(opt->pos(), twips / 15);
    QVERIFY(!opt->isChecked());
    QTest::mouseClick(opt, Qt::LeftButton, {}, QPoint(4, opt->height() / 2));
    QVERIFY(opt->isChecked());
    QVERIFY(p.dirty());
    QCOMPARE(p.page->Apply(nullptr), S_OK);
    QCOMPARE(intOf(cal.get(), property), index);
}

void tst_PropertyPages::firstDayOfWeekIsPositionPlusOne_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("item");
    QTest::newRow("Sunday") << 1 << "ZORVcalSunday";
    QTest::newRow("Saturday") << 7 << "ZORVcalSaturday";
}

void tst_PropertyPages::firstDayOfWeekIsPositionPlusOne()
{
    QFETCH(int, day);
    QFETCH(QString, item);
    ComPtr<IDispatch> cal = newCalendar();
    set(cal.get(), QStringLiteral("calFirstDayofWeek"), std::int32_t(day));
    {
        OpenPage p(CLSID_pagZVCalendar, {cal.get()});
        QCOMPARE(p.child<QComboBox>(QStringLiteral("cbxFirstDayofWeek"))->currentText(), item);
    }
    // The other way: choosing the item writes the day.
    set(cal.get(), QStringLiteral("calFirstDayofWeek"), std::int32_t(4));
    OpenPage p(CLSID_pagZVCalendar, {cal.get()});
    auto *list = p.child<QComboBox>(QStringLiteral("cbxFirstDayofWeek"));
    QCOMPARE(list->isEditable(), false);
    list->setCurrentIndex(list->findText(item));
    QVERIFY(p.dirty());
    QCOMPARE(p.page->Apply(nullptr), S_OK);
    QCOMPARE(intOf(cal.get(), QStringLiteral("calFirstDayofWeek")), day);
}

void tst_PropertyPages::applyStopsAtTheFirstRefusedSetter()
{
    ScriptedDialogsScope dialogs;
    ComPtr<IDispatch> cal = newCalendar();
    set(cal.get(), QStringLiteral("calMaxYear"), std::int32_t(2000));
    set(cal.get(), QStringLiteral("calWidth"), std::int32_t(3000));
    OpenPage p(CLSID_pagZVCalendar, {cal.get()});
    p.child<QLineEdit>(QStringLiteral("txtCaption"))->setText(QStringLiteral("Due"));
    p.child<QCheckBox>(QStringLiteral("chkOutline"))->click();
    const bool outline = p.child<QCheckBox>(QStringLiteral("chkOutline"))->isChecked();
    for (const auto &[name, text] : {std::pair {"txtMaxYear", "2200"}, {"txtMinYear", "2100"}, {"txtWidth", "3300"}}) {
        auto *box = p.child<QLineEdit>(QLatin1String(name));
        box->setText(QLatin1String(text));
        p.leave(box);
    }
    p.child<QRadioButton>(QStringLiteral("optDayTitle_2"))->click();
    QVERIFY(dialogs->messages().isEmpty());

    ExcepInfo excep;
    QCOMPARE(p.page->Apply(&excep), DISP_E_EXCEPTION);
    QCOMPARE(excep.number, 380);
    QCOMPARE(excep.source, QStringLiteral("calMinYear"));
    QCOMPARE(ByName::get(cal.get(), QStringLiteral("calCaption")).toString(), QStringLiteral("Due"));
    QCOMPARE(ByName::get(cal.get(), QStringLiteral("calOutline")).toBool(), outline);
    QCOMPARE(intOf(cal.get(), QStringLiteral("calMinYear")), 1600);
    QCOMPARE(intOf(cal.get(), QStringLiteral("calMaxYear")), 2000);
    QCOMPARE(intOf(cal.get(), QStringLiteral("calWidth")), 3000);
    QVERIFY(intOf(cal.get(), QStringLiteral("calDayTitle")) != 2);
    QVERIFY(p.dirty());
}

void tst_PropertyPages::onlyTheFirstSelectedControlIsUsed()
{
    ComPtr<IDispatch> first = newCalendar();
    ComPtr<IDispatch> second = newCalendar();
    set(first.get(), QStringLiteral("calCaption"), QStringLiteral("first"));
    set(second.get(), QStringLiteral("calCaption"), QStringLiteral("second"));
    OpenPage p(CLSID_pagZVCalendar, {first.get(), second.get()});
    auto *caption = p.child<QLineEdit>(QStringLiteral("txtCaption"));
    QCOMPARE(caption->text(), QStringLiteral("first"));
    caption->setText(QStringLiteral("changed"));
    QCOMPARE(p.page->Apply(nullptr), S_OK);
    QCOMPARE(ByName::get(first.get(), QStringLiteral("calCaption")).toString(), QStringLiteral("changed"));
    QCOMPARE(ByName::get(second.get(), QStringLiteral("calCaption")).toString(), QStringLiteral("second"));
}

void tst_PropertyPages::dialogAppliesAndReportsErrors()
{
    ScriptedDialogsScope dialogs;
    ComPtr<IDispatch> cal = newCalendar();
    const TypeLibraryInfo &lib = typeLibrary();
    QStringList pages;
    for (const PageBinding &b : lib.pages)
        if (b.className == QLatin1String("ZVCalendar"))
            pages = b.pages;
    PropertyDialog dialog(QStringLiteral("ZVCalendar Properties"), pages, [&lib](const QString &name) {
        if (const TypeEntry *e = lib.entry(name))
            return create<IPropertyPage>(e->guid, IID_IPropertyPage);
        PropertyPageWidget *w = createStandardPage(name);
        return w ? ComPtr<IPropertyPage>::adopt(PageObject::create(w)) : ComPtr<IPropertyPage>();
    }, {cal.get()});
    QCOMPARE(dialog.tabs()->count(), 4);
    QCOMPARE(dialog.tabs()->tabText(0), QStringLiteral("Calendar"));
    QVERIFY(!dialog.applyButton()->isEnabled());

    dialog.show();
    auto *caption = dialog.findChild<QLineEdit *>(QStringLiteral("txtCaption"));
    QTest::keyClicks(caption, QStringLiteral("X"));
    QVERIFY(dialog.applyButton()->isEnabled());
    QTest::mouseClick(dialog.applyButton(), Qt::LeftButton);
    QCOMPARE(ByName::get(cal.get(), QStringLiteral("calCaption")).toString(), caption->text());
    QVERIFY(!dialog.applyButton()->isEnabled());

    // Apply follows the current page's flag.
    auto *appearance = dialog.findChild<QComboBox *>(QStringLiteral("cbxAppearance"));
    appearance->setCurrentIndex((appearance->currentIndex() + 1) % 3);
    dialog.tabs()->setCurrentIndex(1);
    QVERIFY(!dialog.applyButton()->isEnabled());
    dialog.tabs()->setCurrentIndex(0);
    QVERIFY(dialog.applyButton()->isEnabled());

    // A refused setter keeps the dialog open and says which property refused.
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    set(cal.get(), QStringLiteral("calMaxYear"), std::int32_t(2000));
    dialog.page(0)->SetObjects({cal.get()});
    for (const auto &[name, text] : {std::pair {"txtMaxYear", "2200"}, {"txtMinYear", "2100"}}) {
        auto *box = dialog.findChild<QLineEdit *>(QLatin1String(name));
        box->setFocus(Qt::TabFocusReason);
        box->setText(QLatin1String(text));
        caption->setFocus(Qt::TabFocusReason);
    }
    dialog.tabs()->setCurrentIndex(2);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.tabs()->currentIndex(), 0);
    QCOMPARE(dialogs->messages().size(), 1);
    QCOMPARE(dialogs->messages().first().title, QStringLiteral("ZVCalendar Properties"));
    QCOMPARE(dialogs->messages().first().text, QStringLiteral("calMinYear: Invalid property value (error 380)"));
    QCOMPARE(intOf(cal.get(), QStringLiteral("calMaxYear")), 2000);
}

void tst_PropertyPages::enterInANumericBoxCountsTheNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("1600") << "1600" << true;
    QTest::newRow("1700") << "1700" << true;
    QTest::newRow("1599") << "1599" << false;
}

// Enter in a numeric box presses OK without leaving the box; the number typed
// is still checked and applied, or refused with the dialog kept open.
void tst_PropertyPages::enterInANumericBoxCountsTheNumber()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    ScriptedDialogsScope dialogs;
    ComPtr<IDispatch> cal = newCalendar();
    set(cal.get(), QStringLiteral("calMinYear"), std::int32_t(1650));
    PropertyDialog dialog(QStringLiteral("ZVCalendar Properties"), {QStringLiteral("pagZVCalendar")},
                          [](const QString &) { return create<IPropertyPage>(CLSID_pagZVCalendar, IID_IPropertyPage); }, {cal.get()});
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *box = dialog.findChild<QLineEdit *>(QStringLiteral("txtMinYear"));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);

    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(intOf(cal.get(), QStringLiteral("calMinYear")), accepted ? typed.toInt() : 1650);
    QCOMPARE(dialogs->messages().size(), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(dialogs->messages().first().title, QStringLiteral("Field Error"));
        QCOMPARE(box->text(), QStringLiteral("1650"));
        QVERIFY(box->hasFocus());
    }
}

void tst_PropertyPages::standardPagesWriteByName()
{
    ComPtr<IDispatch> cal = newCalendar();
    auto font = ComPtr<IPropertyPage>::adopt(PageObject::create(new StandardFontPage));
    font->SetObjects({cal.get()});
    auto *fontPage = static_cast<StandardFontPage *>(static_cast<PageObject *>(font.get())->page());
    fontPage->choose(QStringLiteral("calScrollArrowsFont"));
    const bool wasBold = ByName::get(cal.get(), QStringLiteral("calScrollArrowsFont")).toFont()->bold();
    fontPage->findChild<QCheckBox *>(QStringLiteral("chkBold"))->click();
    QCOMPARE(font->Apply(nullptr), S_OK);
    QCOMPARE(ByName::get(cal.get(), QStringLiteral("calScrollArrowsFont")).toFont()->bold(), !wasBold);

    auto colour = ComPtr<IPropertyPage>::adopt(PageObject::create(new StandardColorPage));
    colour->SetObjects({cal.get()});
    auto *colourPage = static_cast<StandardColorPage *>(static_cast<PageObject *>(colour.get())->page());
    colourPage->choose(QStringLiteral("calSelectedDayBackColor"));
    colourPage->chooser()->setCurrentColor(QColor(255, 0, 0));
    colourPage->choose(QStringLiteral("calNextMonthForeColor"));
    colourPage->chooser()->setCurrentColor(QColor(0, 0, 255));
    QCOMPARE(colour->Apply(nullptr), S_OK);
    QCOMPARE(intOf(cal.get(), QStringLiteral("calSelectedDayBackColor")), 0x0000FF);
    QCOMPARE(intOf(cal.get(), QStringLiteral("calNextMonthForeColor")), 0xFF0000);

    // Pictures load from a file; a file that is not a picture is reported and changes nothing.
    ScriptedDialogsScope dialogs;
    QTemporaryDir dir;
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(Qt::green);
    QVERIFY(image.save(dir.filePath(QStringLiteral("p.png"))));
    QFile junk(dir.filePath(QStringLiteral("junk.png")));
    QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a picture") > 0);
    junk.close();
    ComPtr<IDispatch> button = newControl(CLSID_ZVCalButton);
    auto picture = ComPtr<IPropertyPage>::adopt(PageObject::create(new StandardPicturePage));
    picture->SetObjects({button.get()});
    auto *picturePage = static_cast<StandardPicturePage *>(static_cast<PageObject *>(picture.get())->page());
    picturePage->choose(QStringLiteral("Picture"));
    QVERIFY(!picturePage->loadFile(junk.fileName()));
    QCOMPARE(dialogs->messages().size(), 1);
    QCOMPARE(picture->IsPageDirty(), S_FALSE);
    QVERIFY(picturePage->loadFile(dir.filePath(QStringLiteral("p.png"))));
    QCOMPARE(picture->Apply(nullptr), S_OK);
    QCOMPARE(ByName::get(button.get(), QStringLiteral("Picture")).toPicture()->size(), QSize(20, 10));
}

void tst_PropertyPages::colourChooserLeavesDialogKeysToTheDialog_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("result");
    QTest::newRow("Escape cancels") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("Enter is OK") << int(Qt::Key_Return) << int(QDialog::Accepted);
}

void tst_PropertyPages::colourChooserLeavesDialogKeysToTheDialog()
{
    QFETCH(int, key);
    QFETCH(int, result);
    ComPtr<IDispatch> cal = newCalendar();
    PropertyDialog dialog(QStringLiteral("ZVCalendar Properties"), {QStringLiteral("StandardColor")},
                          [](const QString &name) { return ComPtr<IPropertyPage>::adopt(PageObject::create(createStandardPage(name))); },
                          {cal.get()});
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *chooser = dialog.findChild<QColorDialog *>();
    QLineEdit *field = chooser->findChild<QLineEdit *>();
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClick(field, Qt::Key(key));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
    QVERIFY(!chooser->isHidden());
}

void tst_PropertyPages::buttonPageMousePointer_data()
{
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QString>("item");
    QTest::newRow("default") << 0 << "0 - Default";
    QTest::newRow("size all") << 15 << "15 - Size All";
    QTest::newRow("custom") << 99 << "99 - Custom";
}

void tst_PropertyPages::buttonPageMousePointer()
{
    QFETCH(int, pointer);
    QFETCH(QString, item);
    ComPtr<IDispatch> button = newControl(CLSID_ZVCalButton);
    set(button.get(), QStringLiteral("MousePointer"), std::int32_t(pointer == 0 ? 2 : 0));
    OpenPage p(CLSID_pagZVCalButton, {button.get()});
    auto *list = p.child<QComboBox>(QStringLiteral("cbxMousePointer"));
    QCOMPARE(list->count(), 17);
    list->setCurrentIndex(list->findText(item));
    QCOMPARE(p.page->Apply(nullptr), S_OK);
    QCOMPARE(intOf(button.get(), QStringLiteral("MousePointer")), pointer);

    OpenPage again(CLSID_pagZVCalButton, {button.get()});
    QCOMPARE(again.child<QComboBox>(QStringLiteral("cbxMousePointer"))->currentText(), item);
    QVERIFY(!again.dirty());
}

void tst_PropertyPages::buttonPageWritesInOrder()
{
    ScriptedDialogsScope dialogs;
    ComPtr<IDispatch> button = newControl(CLSID_ZVCalButton);
    set(button.get(), QStringLiteral("BevelWidth"), std::int16_t(2));
    OpenPage p(CLSID_pagZVCalButton, {button.get()});
    auto *bevel = p.child<QLineEdit>(QStringLiteral("txtBevelWidth"));
    QCOMPARE(bevel->text(), QStringLiteral("2"));
    bevel->setText(QString());
    p.leave(bevel);
    QCOMPARE(dialogs->messages().size(), 1);
    QCOMPARE(bevel->text(), QStringLiteral("2"));
    bevel->setText(QStringLiteral("0"));
    p.leave(bevel);
    QCOMPARE(dialogs->messages().size(), 1);
    QVERIFY(p.dirty());

    p.child<QLineEdit>(QStringLiteral("txtCaption"))->setText(QStringLiteral("Pick"));
    auto *autoSize = p.child<QComboBox>(QStringLiteral("cbxAutoSize"));
    autoSize->setCurrentIndex(autoSize->findText(QStringLiteral("2 - Button To Picture")));
    auto *font3D = p.child<QComboBox>(QStringLiteral("cbxFont3D"));
    font3D->setCurrentIndex(font3D->findText(QStringLiteral("4 - Inset w/ Heavy Shading")));
    auto *enabled = p.child<QCheckBox>(QStringLiteral("chkEnabled"));
    enabled->click();
    QCOMPARE(p.page->Apply(nullptr), S_OK);
    QCOMPARE(ByName::get(button.get(), QStringLiteral("Caption")).toString(), QStringLiteral("Pick"));
    QCOMPARE(intOf(button.get(), QStringLiteral("AutoSize")), 2);
    QCOMPARE(intOf(button.get(), QStringLiteral("Font3D")), 4);
    QCOMPARE(intOf(button.get(), QStringLiteral("BevelWidth")), 0);
    QCOMPARE(ByName::get(button.get(), QStringLiteral("Enabled")).toBool(), enabled->isChecked());
}

void tst_PropertyPages::calendarPageOnAButton()
{
    ComPtr<IDispatch> button = newControl(CLSID_ZVCalButton);
    set(button.get(), QStringLiteral("calCaption"), QStringLiteral("Inside"));
    set(button.get(), QStringLiteral("calFirstDayofWeek"), std::int32_t(7));
    OpenPage p(CLSID_pagZVCalendar, {button.get()});
    QCOMPARE(p.child<QLineEdit>(QStringLiteral("txtCaption"))->text(), QStringLiteral("Inside"));
    QCOMPARE(p.child<QComboBox>(QStringLiteral("cbxFirstDayofWeek"))->currentText(), QStringLiteral("ZORVcalSaturday"));
    p.child<QRadioButton>(QStringLiteral("optAlignmentNum_4"))->click();
    p.child<QComboBox>(QStringLiteral("cbxFirstDayofWeek"))->setCurrentIndex(0);
    QCOMPARE(p.page->Apply(nullptr), S_OK);
    QCOMPARE(intOf(button.get(), QStringLiteral("calAlignmentNum")), 4);
    QCOMPARE(intOf(button.get(), QStringLiteral("calFirstDayofWeek")), 1);
}

// Picking the item a list already shows is choosing an item too: the page
// holds an edit and the dialog enables Apply.
void tst_PropertyPages::choosingTheShownItemEnablesApply_data()
{
    QTest::addColumn<QString>("list");
    for (const char *name : {"cbxFont3D", "cbxAutoSize", "cbxMousePointer", "cbxAppearance", "cbxScrollArrowsPos", "cbxFirstDayofWeek"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void tst_PropertyPages::choosingTheShownItemEnablesApply()
{
    QFETCH(QString, list);
    ComPtr<IDispatch> button = newControl(CLSID_ZVCalButton);
    const auto dialog = propertyDialog(QStringLiteral("ZVCalButton"), button.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    auto *box = dialog->findChild<QComboBox *>(list);
    QVERIFY(box);
    for (int i = 0; i < dialog->tabs()->count(); ++i)
        if (dialog->tabs()->widget(i)->isAncestorOf(box))
            dialog->tabs()->setCurrentIndex(i);
    QVERIFY(box->isVisible());
    QVERIFY(!dialog->applyButton()->isEnabled());
    const int shown = box->currentIndex();

    box->showPopup();
    QAbstractItemView *view = box->view();
    QTRY_VERIFY(view->isVisible());
    const QRect item = view->visualRect(view->model()->index(shown, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(box->currentIndex(), shown);
    QVERIFY(dialog->applyButton()->isEnabled());
}

// BevelWidth is a 16-bit number: beyond that the value cannot even be handed
// to the property (overflow, error 6); within it the button takes 0 to 10 and
// refuses the rest with 380. Either way the dialog stays open and says so.
void tst_PropertyPages::bevelWidthOutOfRange_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("0") << "0" << QString();
    QTest::newRow("10") << "10" << QString();
    QTest::newRow("11") << "11" << "BevelWidth: Invalid property value (error 380)";
    QTest::newRow("32767") << "32767" << "BevelWidth: Invalid property value (error 380)";
    QTest::newRow("32768") << "32768" << "BevelWidth: Overflow (error 6)";
    QTest::newRow("99999") << "99999" << "BevelWidth: Overflow (error 6)";
}

void tst_PropertyPages::bevelWidthOutOfRange()
{
    QFETCH(QString, typed);
    QFETCH(QString, message);
    ScriptedDialogsScope dialogs;
    ComPtr<IDispatch> button = newControl(CLSID_ZVCalButton);
    const auto dialog = propertyDialog(QStringLiteral("ZVCalButton"), button.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    dialog->tabs()->setCurrentIndex(0);
    auto *bevel = dialog->findChild<QLineEdit *>(QStringLiteral("txtBevelWidth"));
    bevel->setFocus(Qt::TabFocusReason);
    bevel->selectAll();
    QTest::keyClicks(bevel, typed);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    if (message.isEmpty()) {
        QVERIFY(dialogs->messages().isEmpty());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(intOf(button.get(), QStringLiteral("BevelWidth")), typed.toInt());
        return;
    }
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialogs->messages().size(), 1);
    QCOMPARE(dialogs->messages().first().text, message);
    QCOMPARE(intOf(button.get(), QStringLiteral("BevelWidth")), 1);
}

// Every item of every list can be read whole in its box.
void tst_PropertyPages::listItemsFitTheirBoxes_data()
{
    QTest::addColumn<bool>("buttonPage");
    QTest::addColumn<QString>("list");
    for (const char *name : {"cbxFont3D", "cbxAutoSize", "cbxMousePointer"})
        QTest::newRow(name) << true << QString::fromLatin1(name);
    for (const char *name : {"cbxAppearance", "cbxScrollArrowsPos", "cbxFirstDayofWeek"})
        QTest::newRow(name) << false << QString::fromLatin1(name);
}

void tst_PropertyPages::listItemsFitTheirBoxes()
{
    QFETCH(bool, buttonPage);
    QFETCH(QString, list);
    ComPtr<IDispatch> button = newControl(CLSID_ZVCalButton);
    OpenPage p(buttonPage ? CLSID_pagZVCalButton : CLSID_pagZVCalendar, {button.get()});
    auto *box = p.child<QComboBox>(list);
    QVERIFY(box->count() > 0);
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = false;
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    for (int i = 0; i < box->count(); ++i)
        QVERIFY2(box->fontMetrics().horizontalAdvance(box->itemText(i)) <= field.width(),
                 qPrintable(QStringLiteral("\"%1\" in %2 pixels").arg(box->itemText(i)).arg(field.width())));
    // The box stays within its frame and clear of the boxes and frames
    // beside it (its label reaches down to it by design).
    QVERIFY(box->parentWidget()->rect().contains(box->geometry()));
    for (QWidget *other : box->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        QVERIFY2(other == box || qobject_cast<QLabel *>(other) || !other->geometry().intersects(box->geometry()), qPrintable(other->objectName()));
}

// The frames of the Calendar page keep their places; each draws its line
// through the middle of its caption, and what it holds starts below that line
// and clear of the caption, nested frames included.
void tst_PropertyPages::framesKeepCaptionsAndOptionsClear_data()
{
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("fraCalendar") << "fraCalendar" << QRect(60, 0, 5655, 4455);
    QTest::newRow("fraTitles") << "fraTitles" << QRect(2820, 300, 2655, 1515);
    QTest::newRow("fraMonthTitle") << "fraMonthTitle" << QRect(120, 180, 1155, 1155);
    QTest::newRow("fraDayTitle") << "fraDayTitle" << QRect(1380, 180, 1125, 1155);
    QTest::newRow("fraAlignment") << "fraAlignment" << QRect(2820, 1860, 2655, 1515);
    QTest::newRow("fraAlignmentDays") << "fraAlignmentDays" << QRect(120, 180, 1155, 1155);
    QTest::newRow("fraAlignmentNum") << "fraAlignmentNum" << QRect(1380, 180, 1125, 1155);
}

void tst_PropertyPages::framesKeepCaptionsAndOptionsClear()
{
    QFETCH(QString, frame);
    QFETCH(QRect, twips);
    ComPtr<IDispatch> calendar = newCalendar();
    OpenPage p(CLSID_pagZVCalendar, {calendar.get()});
    auto *f = p.child<PageFrame>(frame);
    QVERIFY(f);
    QCOMPARE(f->geometry(), QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    const int line = f->lineTop();
    QCOMPARE(line, f->title().isEmpty() ? 0 : f->fontMetrics().height() / 2);
    const QRect caption = f->captionRect();
    QCOMPARE(caption.isEmpty(), f->title().isEmpty());
    // The letters of a frame's caption, in the frame's coordinates.
    const auto ink = [](const PageFrame *frame) {
        if (frame->title().isEmpty())
            return QRect();
        return frame->fontMetrics().tightBoundingRect(frame->title()).translated(frame->captionRect().left() + 2, frame->fontMetrics().ascent());
    };
    for (QWidget *child : f->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QRect r = child->geometry();
        QVERIFY2(r.top() > line + 1 && r.left() > 1 && r.right() < f->width() - 2 && r.bottom() < f->height() - 2, qPrintable(child->objectName()));
        if (auto *inner = qobject_cast<PageFrame *>(child)) {
            // A frame inside: its line and caption pass below this caption.
            QVERIFY2(inner->y() + inner->lineTop() > ink(f).bottom(), qPrintable(child->objectName()));
            QVERIFY2(!ink(inner).translated(inner->pos()).intersects(ink(f)), qPrintable(child->objectName()));
        } else {
            QVERIFY2(!r.intersects(caption), qPrintable(child->objectName()));
        }
    }

    // What the user sees: the line runs up to the caption and on after it,
    // and leaves the caption's margins clear.
    if (caption.isEmpty())
        return;
    const QImage image = f->grab().toImage();
    const QColor lineColour = f->palette().color(QPalette::Dark);
    QCOMPARE(image.pixel(caption.left() - 2, line), lineColour.rgb());
    QCOMPARE(image.pixel(caption.right() + 2, line), lineColour.rgb());
    QVERIFY(image.pixel(caption.left(), line) != lineColour.rgb());
    QVERIFY(image.pixel(caption.right(), line) != lineColour.rgb());
}

QTEST_MAIN(tst_PropertyPages)
#include "tst_PropertyPages.moc"
