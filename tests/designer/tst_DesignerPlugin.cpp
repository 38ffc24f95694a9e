// The form editor plugin loaded as the form editor and QUiLoader load it.

#include "calendar/designer/DesignerControl.h"
#include "platform/objects/StdFont.h"
#include "platform/pages/ByName.h"

#include <QPluginLoader>
#include <QUiLoader>
#include <QtDesigner/QFormBuilder>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtTest>

// Saves a form as the form editor does: only the properties changed on it, and
// a control is not a container, so the widgets it makes for itself stay out.
class FormWriter : public QFormBuilder
{
public:
    explicit FormWriter(const QStringList &changed) : m_saved(changed + QStringList {"objectName", "geometry"}) {}

protected:
    bool checkProperty(QObject *, const QString &name) const override { return m_saved.contains(name); }
    DomWidget *createDom(QWidget *widget, DomWidget *parent, bool recursive) override
    {
        return QFormBuilder::createDom(widget, parent, recursive && !widget->inherits("ZVCalDesignerControl"));
    }

private:
    QStringList m_saved;
};

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void listsAndCreatesBothControls();
    void formWithBothControlsLoads();
    void coloursFontsAndEnabledSurviveAFormFile_data();
    void coloursFontsAndEnabledSurviveAFormFile();
};

void tst_DesignerPlugin::listsAndCreatesBothControls()
{
    QPluginLoader loader(QStringLiteral(ZVCAL_DESIGNER_PLUGIN));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
    QVERIFY2(collection, qPrintable(loader.errorString()));
    QStringList names;
    for (QDesignerCustomWidgetInterface *w : collection->customWidgets()) {
        names << w->name();
        QCOMPARE(w->group(), QStringLiteral("ZVCal"));
        QVERIFY(!w->icon().isNull());
        QWidget parent;
        QWidget *control = w->createWidget(&parent);
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), w->name());
        QVERIFY(w->domXml().contains(QStringLiteral("class=\"%1\"").arg(w->name())));
    }
    QCOMPARE(names, (QStringList {QStringLiteral("ZVCalendar"), QStringLiteral("ZVCalButton")}));
}

void tst_DesignerPlugin::formWithBothControlsLoads()
{
    const QByteArray form = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>300</height></rect></property>
  <widget class="ZVCalendar" name="calendar">
   <property name="geometry"><rect><x>10</x><y>10</y><width>210</width><height>200</height></rect></property>
   <property name="calCaption"><string>Due</string></property>
   <property name="calFirstDayofWeek"><enum>ZVCalDesignerControl::ZORVcalSaturday</enum></property>
   <property name="calMinYear"><number>1700</number></property>
  </widget>
  <widget class="ZVCalButton" name="calButton">
   <property name="geometry"><rect><x>250</x><y>10</y><width>36</width><height>36</height></rect></property>
   <property name="Caption"><string>Pick</string></property>
   <property name="calMaxYear"><number>2100</number></property>
  </widget>
 </widget>
</ui>)";
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(ZVCAL_DESIGNER_PLUGIN)).absolutePath());
    QVERIFY(loader.availableWidgets().contains(QStringLiteral("ZVCalButton")));
    QBuffer buffer;
    buffer.setData(form);
    std::unique_ptr<QWidget> widget(loader.load(&buffer));
    QVERIFY2(widget, qPrintable(loader.errorString()));
    QWidget *calendar = widget->findChild<QWidget *>(QStringLiteral("calendar"));
    QWidget *button = widget->findChild<QWidget *>(QStringLiteral("calButton"));
    QVERIFY(calendar && button);
    QCOMPARE(calendar->property("calCaption").toString(), QStringLiteral("Due"));
    QCOMPARE(calendar->property("calFirstDayofWeek").toInt(), 7);
    QCOMPARE(calendar->property("calMinYear").toInt(), 1700);
    QCOMPARE(button->property("Caption").toString(), QStringLiteral("Pick"));
    QCOMPARE(button->property("calMaxYear").toInt(), 2100);
    QCOMPARE(button->size(), QSize(36, 36));
}

void tst_DesignerPlugin::coloursFontsAndEnabledSurviveAFormFile_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("colourProperty");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("oleColour");
    QTest::addColumn<QString>("fontProperty");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("enabled");

    // 0x00BBGGRR: red in the low byte.
    QTest::newRow("calendar selected day") << "ZVCalendar" << "calSelectedDayBackColor" << QColor(0x12, 0x34, 0x56) << 0x00563412
                                           << "calFont" << true << true;
    QTest::newRow("calendar next month text") << "ZVCalendar" << "calNextMonthForeColor" << QColor(255, 255, 255) << 0x00FFFFFF
                                              << "calScrollArrowsFont" << false << true;
    QTest::newRow("button caption") << "ZVCalButton" << "ForeColor" << QColor(0, 0, 0) << 0x00000000 << "Font" << true << false;
    QTest::newRow("button's calendar") << "ZVCalButton" << "calCurrentDateBackColor" << QColor(0xFF, 0, 0x80) << 0x008000FF
                                       << "calMonthYearTitleFont" << false << true;
}

// What the editor saves in a form file is what a form loaded from it gets:
// set through the editor's properties, saved, loaded, read by name.
void tst_DesignerPlugin::coloursFontsAndEnabledSurviveAFormFile()
{
    QFETCH(QString, className);
    QFETCH(QString, colourProperty);
    QFETCH(QColor, colour);
    QFETCH(int, oleColour);
    QFETCH(QString, fontProperty);
    QFETCH(bool, bold);
    QFETCH(bool, enabled);

    QPluginLoader plugin(QStringLiteral(ZVCAL_DESIGNER_PLUGIN));
    auto *collection = qobject_cast<QDesignerCustomWidgetCollectionInterface *>(plugin.instance());
    QVERIFY2(collection, qPrintable(plugin.errorString()));
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    QWidget *control = nullptr;
    for (QDesignerCustomWidgetInterface *w : collection->customWidgets())
        if (w->name() == className)
            control = w->createWidget(&form);
    QVERIFY(control);
    control->setObjectName(QStringLiteral("control"));

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSize(14);
    font.setBold(bold);
    font.setItalic(!bold);
    QVERIFY(control->setProperty(qPrintable(colourProperty), colour));
    QVERIFY(control->setProperty(qPrintable(fontProperty), font));
    QStringList changed {colourProperty, fontProperty};
    if (className == QLatin1String("ZVCalButton")) {
        QVERIFY(control->setProperty("Enabled", enabled));
        changed << QStringLiteral("Enabled");
    }

    // The control itself holds what was set, on the form and after loading.
    const auto checkByName = [&](ZVCalDesignerControl *c) {
        QCOMPARE(ByName::get(c->dispatch(), colourProperty).toInt32(), oleColour);
        const FontRef saved = ByName::get(c->dispatch(), fontProperty).toFont();
        QVERIFY(saved);
        QCOMPARE(saved->name(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(saved->size(), 14.0);
        QCOMPARE(saved->weight(), bold ? 700 : 400);
        QCOMPARE(saved->italic(), !bold);
        if (className == QLatin1String("ZVCalButton"))
            QCOMPARE(ByName::get(c->dispatch(), QStringLiteral("Enabled")).toBool(), enabled);
    };
    checkByName(static_cast<ZVCalDesignerControl *>(control));
    if (QTest::currentTestFailed())
        return;

    QBuffer file;
    file.open(QIODevice::WriteOnly);
    FormWriter(changed).save(&file, &form);
    file.close();

    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(ZVCAL_DESIGNER_PLUGIN)).absolutePath());
    file.open(QIODevice::ReadOnly);
    std::unique_ptr<QWidget> loaded(loader.load(&file));
    QVERIFY2(loaded, qPrintable(loader.errorString()));
    auto *again = static_cast<ZVCalDesignerControl *>(loaded->findChild<QWidget *>(QStringLiteral("control")));
    QVERIFY(again && again->dispatch());
    QCOMPARE(again->metaObject()->className(), qPrintable(className));

    checkByName(again);
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_DesignerPlugin.moc"
