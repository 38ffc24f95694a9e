// The library's pages and property dialog in the host's language. CTest runs
// this program with LANG=en_US.UTF-8 and with LANG=de_DE.UTF-8; the pages
// come from the class factory, which installs the library's catalog and Qt's
// into the host as any host would get them.
#include "platform/pages/PageObject.h"
#include "platform/pages/PropertyDialog.h"
#include "platform/pages/StandardPage.h"
#include "properties/ServerEntryPoints.h"
#include "zvcal/ZVCal.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace zvcal;

namespace {

ComPtr<IPropertyPage> createPage(const Guid &clsid)
{
    ComPtr<IClassFactory> factory;
    if (FAILED(getClassObject(clsid, IID_IClassFactory, factory.putVoid())))
        return {};
    ComPtr<IPropertyPage> page;
    factory->CreateInstance(nullptr, IID_IPropertyPage, page.putVoid());
    return page;
}

QString shownText(QObject *item)
{
    if (auto *box = qobject_cast<QGroupBox *>(item))
        return box->title();
    if (auto *list = qobject_cast<QComboBox *>(item))
        return list->itemText(0);
    return item->property("text").toString();
}

} // namespace

class tst_LibraryTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pages_data();
    void pages();
    void propertyDialog();

private:
    bool german = false;
};

void tst_LibraryTranslations::initTestCase()
{
    german = QLocale::system().language() == QLocale::German;
    QVERIFY2(german || QLocale::system().language() == QLocale::English,
             "run with LANG=en_US.UTF-8 or LANG=de_DE.UTF-8");
}

void tst_LibraryTranslations::pages_data()
{
    QTest::addColumn<Guid>("clsid");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("deutsch");
    QTest::newRow("calendar page's title") << CLSID_pagZVCalendar << QString() << "Calendar" << "Kalender";
    QTest::newRow("calendar page's frame") << CLSID_pagZVCalendar << "fraAlignment" << "Alignment" << "Ausrichtung";
    QTest::newRow("a property's own name stays") << CLSID_pagZVCalendar << "chkOutline" << "calOutline" << "calOutline";
    QTest::newRow("button page's title") << CLSID_pagZVCalButton << QString() << "Button" << "Schaltfläche";
    QTest::newRow("button page's list") << CLSID_pagZVCalButton << "cbxMousePointer" << "0 - Default" << "0 - Standard";
}

void tst_LibraryTranslations::pages()
{
    QFETCH(Guid, clsid);
    QFETCH(QString, name);
    QFETCH(QString, english);
    QFETCH(QString, deutsch);
    ComPtr<IPropertyPage> page = createPage(clsid);
    QVERIFY(page);
    QString shown;
    if (name.isEmpty()) {
        QSize twips;
        QCOMPARE(page->GetPageInfo(&shown, &twips), S_OK);
    } else {
        QWidget *widget = nullptr;
        page->GetWidget(&widget);
        QObject *item = widget->findChild<QObject *>(name);
        QVERIFY2(item, qPrintable(name));
        shown = shownText(item);
    }
    QCOMPARE(shown, german ? deutsch : english);
}

void tst_LibraryTranslations::propertyDialog()
{
    // The library's catalog, once a page has come from it, also serves the
    // platform's pages and the dialog's buttons in the host.
    QVERIFY(createPage(CLSID_pagZVCalendar));
    PropertyDialog dialog(QStringLiteral("ZVCalendar"), {QStringLiteral("StandardFont")},
                          [](const QString &name) { return ComPtr<IPropertyPage>::adopt(PageObject::create(createStandardPage(name))); },
                          {});
    QCOMPARE(dialog.tabs()->tabText(0), german ? QStringLiteral("Schriftart") : QStringLiteral("Font"));
    QStringList boxes;
    for (const QAbstractButton *box : dialog.findChildren<QAbstractButton *>())
        if (box->isCheckable())
            boxes << box->text();
    const QStringList expected = german ? QStringList {"&Fett", "&Kursiv", "&Unterstrichen", "&Durchgestrichen"}
                                            : QStringList {"&Bold", "&Italic", "&Underline", "Stri&keout"};
    QCOMPARE(boxes, expected);
    QCOMPARE(dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"))->text(),
             german ? QStringLiteral("Abbrechen") : QStringLiteral("Cancel"));
}

QTEST_MAIN(tst_LibraryTranslations)
#include "tst_LibraryTranslations.moc"
