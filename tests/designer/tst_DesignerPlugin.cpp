// The form editor plugin loaded as the form editor and QUiLoader load it.

#include <QPluginLoader>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtTest>

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void listsAndCreatesBothControls();
    void formWithBothControlsLoads();
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

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_DesignerPlugin.moc"
