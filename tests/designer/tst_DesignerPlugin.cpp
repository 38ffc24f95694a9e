// The form editor plugin loaded as the form editor and QUiLoader load it.

#include "calendar/designer/DialogEdits.h"
#include "zvcal/ZVCalButtonWidget.h"
#include "zvcal/ZVCalendarWidget.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QPluginLoader>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QUiLoader>
#include <QtDesigner/QFormBuilder>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtTest>

namespace {

// Saves a form as the form editor does: only the properties changed on it, and
// a control is not a container, so the widgets it makes for itself stay out.
class FormWriter : public QFormBuilder
{
public:
    explicit FormWriter(const QStringList &changed) : m_saved(changed + QStringList {"objectName", "geometry"}) {}

protected:
    bool checkProperty(QObject *, const QString &name) const override { return m_saved.contains(name); }
    // The form editor writes an enumeration by its key, as the form builder
    // does when it is handed the number.
    DomProperty *createProperty(QObject *object, const QString &name, const QVariant &value) override
    {
        const bool enumeration = value.metaType().flags() & QMetaType::IsEnumeration;
        return QFormBuilder::createProperty(object, name, enumeration ? QVariant(value.toInt()) : value);
    }
    DomWidget *createDom(QWidget *widget, DomWidget *parent, bool recursive) override
    {
        const bool control = qobject_cast<ZVCalendarWidget *>(widget) || qobject_cast<ZVCalButtonWidget *>(widget);
        return QFormBuilder::createDom(widget, parent, recursive && !control);
    }

private:
    QStringList m_saved;
};

QDesignerCustomWidgetCollectionInterface *plugin()
{
    static QPluginLoader loader(QStringLiteral(ZVCAL_DESIGNER_PLUGIN));
    return qobject_cast<QDesignerCustomWidgetCollectionInterface *>(loader.instance());
}

std::unique_ptr<QWidget> loadForm(const QByteArray &form)
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(ZVCAL_DESIGNER_PLUGIN)).absolutePath());
    QBuffer buffer;
    buffer.setData(form);
    return std::unique_ptr<QWidget>(loader.load(&buffer));
}

// The signals a class declares itself, each name once, in declaration order.
QStringList ownSignals(const QMetaObject *meta)
{
    QStringList names;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        const QMetaMethod m = meta->method(i);
        if (m.methodType() == QMetaMethod::Signal && !names.contains(QString::fromLatin1(m.name())))
            names << QString::fromLatin1(m.name());
    }
    return names;
}

const QByteArray bothControls = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>300</height></rect></property>
  <widget class="ZVCalendarWidget" name="calendar">
   <property name="geometry"><rect><x>10</x><y>10</y><width>210</width><height>200</height></rect></property>
   <property name="calCaption"><string>Due</string></property>
   <property name="calFirstDayofWeek"><enum>ZVCalendarWidget::ZORVcalSaturday</enum></property>
   <property name="calMinYear"><number>1700</number></property>
  </widget>
  <widget class="ZVCalButtonWidget" name="calButton">
   <property name="geometry"><rect><x>250</x><y>10</y><width>36</width><height>48</height></rect></property>
   <property name="Caption"><string>Pick</string></property>
   <property name="calMaxYear"><number>2100</number></property>
   <property name="Font3D"><enum>ZVCalButtonWidget::InsetLightShading</enum></property>
   <property name="calWidth"><number>4500</number></property>
   <property name="calHeight"><number>2100</number></property>
  </widget>
 </widget>
</ui>)";

} // namespace

class tst_DesignerPlugin : public QObject
{
    Q_OBJECT

private slots:
    void listsAndCreatesBothControls();
    void editorSeesOneEnabledOneFontAndEnumerations_data();
    void editorSeesOneEnabledOneFontAndEnumerations();
    void formWithBothControlsLoads();
    void loadedControlsListTheirSignals_data();
    void loadedControlsListTheirSignals();
    void loadedCalendarRaisesValueChanged();
    void valuesSurviveAFormFile_data();
    void valuesSurviveAFormFile();
    void appliedThenCancelledEditsReachTheForm();
};

void tst_DesignerPlugin::listsAndCreatesBothControls()
{
    QDesignerCustomWidgetCollectionInterface *collection = plugin();
    QVERIFY(collection);
    QStringList names;
    for (QDesignerCustomWidgetInterface *w : collection->customWidgets()) {
        names << w->name();
        QCOMPARE(w->group(), QStringLiteral("ZVCal"));
        QCOMPARE(w->includeFile(), QStringLiteral("zvcal/%1.h").arg(w->name()));
        QVERIFY(!w->icon().isNull());
        QWidget parent;
        QWidget *control = w->createWidget(&parent);
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), w->name());
        QVERIFY(w->domXml().contains(QStringLiteral("class=\"%1\"").arg(w->name())));
    }
    QCOMPARE(names, (QStringList {QStringLiteral("ZVCalendarWidget"), QStringLiteral("ZVCalButtonWidget")}));
}

void tst_DesignerPlugin::editorSeesOneEnabledOneFontAndEnumerations_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("enumerations");

    QTest::newRow("calendar") << "ZVCalendarWidget"
                              << QStringList {"calAppearance", "calAlignmentNum", "calMonthTitle", "calDayTitle", "calScrollArrowsPos",
                                              "calFirstDayofWeek"};
    QTest::newRow("button") << "ZVCalButtonWidget"
                            << QStringList {"AutoSize", "Font3D", "MousePointer", "calAppearance", "calAlignmentDayTitle", "calFirstDayofWeek"};
}

// What the property editor lists: the designable properties, grouped under
// the class that declares them.
void tst_DesignerPlugin::editorSeesOneEnabledOneFontAndEnumerations()
{
    QFETCH(QString, className);
    QFETCH(QStringList, enumerations);

    QWidget parent;
    QWidget *control = nullptr;
    for (QDesignerCustomWidgetInterface *w : plugin()->customWidgets())
        if (w->name() == className)
            control = w->createWidget(&parent);
    QVERIFY(control);
    const QMetaObject *meta = control->metaObject();
    int enabled = 0, fonts = 0;
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isDesignable())
            continue;
        const QString name = QString::fromLatin1(p.name());
        enabled += name.compare(u"enabled", Qt::CaseInsensitive) == 0;
        fonts += name.compare(u"font", Qt::CaseInsensitive) == 0;
        // Everything of the control's own is grouped under the class's own name.
        if (i >= QWidget::staticMetaObject.propertyCount())
            QCOMPARE(QString::fromLatin1(p.enclosingMetaObject()->className()), className);
    }
    QCOMPARE(enabled, 1);
    QCOMPARE(fonts, 1);
    for (const QString &name : enumerations) {
        const QMetaProperty p = meta->property(meta->indexOfProperty(qPrintable(name)));
        QVERIFY2(p.isEnumType(), qPrintable(name));
        QVERIFY2(p.enumerator().keyCount() >= 2, qPrintable(name));
    }
}

void tst_DesignerPlugin::formWithBothControlsLoads()
{
    const auto widget = loadForm(bothControls);
    QVERIFY(widget);
    QWidget *calendar = widget->findChild<QWidget *>(QStringLiteral("calendar"));
    QWidget *button = widget->findChild<QWidget *>(QStringLiteral("calButton"));
    QVERIFY(calendar && button);
    QCOMPARE(calendar->property("calCaption").toString(), QStringLiteral("Due"));
    QCOMPARE(calendar->property("calFirstDayofWeek").toInt(), 7);
    QCOMPARE(calendar->property("calMinYear").toInt(), 1700);
    QCOMPARE(button->property("Caption").toString(), QStringLiteral("Pick"));
    QCOMPARE(button->property("calMaxYear").toInt(), 2100);
    QCOMPARE(button->property("Font3D").toInt(), 3);
    QCOMPARE(button->property("calWidth").toInt(), 4500);
    QCOMPARE(button->property("calHeight").toInt(), 2100);
    QCOMPARE(button->size(), QSize(36, 48));
}

void tst_DesignerPlugin::loadedControlsListTheirSignals_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QStringList>("expected");

    const QStringList calendarEvents {"MonthChanged", "ValueChanged", "YearChanged", "Click", "DblClick", "KeyDown",
                                      "KeyPress", "KeyUp", "MouseDown", "MouseMove", "MouseUp"};
    const QStringList buttonEvents {"MonthChanged", "ValueChanged", "YearChanged", "BtnClick", "BtnKeyDown", "BtnKeyPress",
                                    "BtnKeyUp", "BtnMouseDown", "BtnMouseMove", "BtnMouseUp", "Click", "KeyDown",
                                    "KeyPress", "KeyUp", "MouseDown", "MouseMove", "MouseUp"};
    QTest::newRow("calendar") << "calendar" << calendarEvents + QStringList {"propertyRefused"};
    QTest::newRow("button") << "calButton" << buttonEvents + QStringList {"propertyRefused"};
}

// The events in their documented order, with the arguments a handler may
// change passed by reference.
void tst_DesignerPlugin::loadedControlsListTheirSignals()
{
    QFETCH(QString, objectName);
    QFETCH(QStringList, expected);

    const auto widget = loadForm(bothControls);
    QVERIFY(widget);
    QWidget *control = widget->findChild<QWidget *>(objectName);
    QVERIFY(control);
    const QMetaObject *meta = control->metaObject();
    QCOMPARE(ownSignals(meta), expected);
    QVERIFY(meta->indexOfSignal("ValueChanged()") >= 0);
    QVERIFY(meta->indexOfSignal("ValueChanged(QDate)") >= 0);
    QVERIFY(meta->indexOfSignal("KeyDown(int&,int&)") >= 0);
    QVERIFY(meta->indexOfSignal("KeyPress(int&)") >= 0);
    const QMetaMethod mouseUp = meta->method(meta->indexOfSignal("MouseUp(int&,int&,qreal&,qreal&)"));
    QCOMPARE(mouseUp.parameterNames(), (QList<QByteArray> {"Button", "Shift", "X", "Y"}));
}

void tst_DesignerPlugin::loadedCalendarRaisesValueChanged()
{
    const auto widget = loadForm(bothControls);
    QVERIFY(widget);
    QWidget *calendar = widget->findChild<QWidget *>(QStringLiteral("calendar"));
    QSignalSpy changed(calendar, SIGNAL(ValueChanged(QDate)));
    QVERIFY(calendar->setProperty("calValue", QDate(1997, 4, 4)));
    QTest::keyClick(calendar, Qt::Key_Right);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toDate(), QDate(1997, 4, 5));
}

void tst_DesignerPlugin::valuesSurviveAFormFile_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QVariantMap>("values");

    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPointSize(14);
    serif.setBold(true);
    QFont italic(QStringLiteral("DejaVu Sans"));
    italic.setPointSize(11);
    italic.setItalic(true);

    QTest::newRow("calendar") << "ZVCalendarWidget"
                              << QVariantMap {{"calSelectedDayBackColor", QColor(0x12, 0x34, 0x56)},
                                              {"calNextMonthForeColor", QColor(255, 255, 255)},
                                              {"calFont", serif},
                                              {"calScrollArrowsFont", italic},
                                              {"calValue", QDate(1997, 4, 4)},
                                              {"calAlignmentNum", QVariant::fromValue(ZVCalendarWidget::ZORVcalRightMiddle)},
                                              {"enabled", false}};
    QTest::newRow("button") << "ZVCalButtonWidget"
                            << QVariantMap {{"ForeColor", QColor(0, 0, 0)},
                                            {"calCurrentDateBackColor", QColor(0xFF, 0, 0x80)},
                                            {"font", serif},
                                            {"calMonthYearTitleFont", italic},
                                            {"calWidth", 4800},
                                            {"calHeight", 1950},
                                            {"calFirstDayofWeek", QVariant::fromValue(ZVCalendarWidget::ZORVcalMonday)},
                                            {"MousePointer", QVariant::fromValue(ZVCalButtonWidget::PointerCustom)},
                                            {"enabled", false}};
}

// What the editor saves in a form file is what a form loaded from it gets:
// set through the editor's properties, saved, loaded, read by name.
void tst_DesignerPlugin::valuesSurviveAFormFile()
{
    QFETCH(QString, className);
    QFETCH(QVariantMap, values);

    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    QWidget *control = nullptr;
    for (QDesignerCustomWidgetInterface *w : plugin()->customWidgets())
        if (w->name() == className)
            control = w->createWidget(&form);
    QVERIFY(control);
    control->setObjectName(QStringLiteral("control"));
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        QVERIFY(control->setProperty(qPrintable(it.key()), it.value()));

    QBuffer file;
    file.open(QIODevice::WriteOnly);
    FormWriter(values.keys()).save(&file, &form);
    file.close();

    const auto loaded = loadForm(file.data());
    QVERIFY(loaded);
    QWidget *again = loaded->findChild<QWidget *>(QStringLiteral("control"));
    QVERIFY(again);
    QCOMPARE(again->metaObject()->className(), qPrintable(className));
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const QVariant now = again->property(qPrintable(it.key()));
        if (it.value().typeId() == QMetaType::QFont) {
            const QFont want = it.value().value<QFont>();
            const QFont got = now.value<QFont>();
            QCOMPARE(got.family(), want.family());
            QCOMPARE(got.pointSizeF(), want.pointSizeF());
            QCOMPARE(got.bold(), want.bold());
            QCOMPARE(got.italic(), want.italic());
        } else if (it.value().typeId() == QMetaType::Int || now.metaType().flags() & QMetaType::IsEnumeration) {
            QCOMPARE(now.toInt(), it.value().toInt());
        } else {
            QCOMPARE(now, it.value());
        }
    }
    // The control itself holds the widget's enabled state and font.
    QCOMPARE(again->property("Enabled").toBool(), false);
    if (className == QLatin1String("ZVCalButtonWidget"))
        QCOMPARE(again->property("Font").value<QFont>().family(), QStringLiteral("DejaVu Serif"));
}

// "Edit Properties…": Apply, then Cancel, still hands what was applied to
// the form, and the button's Enabled arrives as the widget's enabled.
void tst_DesignerPlugin::appliedThenCancelledEditsReachTheForm()
{
    QWidget form;
    auto *button = new ZVCalButtonWidget(&form);
    QTimer::singleShot(0, this, [] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QWidget *page = dialog->findChild<QTabWidget *>()->currentWidget();
        page->findChild<QLineEdit *>(QStringLiteral("txtCaption"))->setText(QStringLiteral("Due"));
        page->findChild<QCheckBox *>(QStringLiteral("chkEnabled"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("cmdApply"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
    });
    const QVariantMap changed = DialogEdits::editInDialog(button, &form);
    QCOMPARE(changed, (QVariantMap {{"Caption", QStringLiteral("Due")}, {"enabled", false}}));
}

QTEST_MAIN(tst_DesignerPlugin)
#include "tst_DesignerPlugin.moc"
