#include "ZVCalDesignerPlugin.h"

#include "DesignerControl.h"

#include <QAction>
#include <QMetaProperty>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QExtensionManager>

ZVCalWidgetInterface::ZVCalWidgetInterface(const QString &className, int toolboxBitmap, QSize defaultSize, const QString &toolTip,
                                           QObject *parent)
    : QObject(parent), m_name(className), m_bitmap(toolboxBitmap), m_size(defaultSize), m_toolTip(toolTip)
{
}

// The library carries its toolbox bitmaps as resources.
QIcon ZVCalWidgetInterface::icon() const
{
    return QIcon(QStringLiteral(":/ZVCal/%1.bmp").arg(m_bitmap));
}

QWidget *ZVCalWidgetInterface::createWidget(QWidget *parent)
{
    if (m_name == QLatin1String("ZVCalButton"))
        return new ZVCalButton(parent);
    return new ZVCalendar(parent);
}

void ZVCalWidgetInterface::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    m_initialized = true;
    if (QExtensionManager *manager = core ? core->extensionManager() : nullptr)
        manager->registerExtensions(new ZVCalTaskMenuFactory(m_name, manager), Q_TYPEID(QDesignerTaskMenuExtension));
}

QString ZVCalWidgetInterface::domXml() const
{
    const QString object = m_name == QLatin1String("ZVCalButton") ? QStringLiteral("calButton") : QStringLiteral("calendar");
    return QStringLiteral(R"(<ui language="c++"><widget class="%1" name="%2"><property name="geometry"><rect><x>0</x><y>0</y>)"
                          R"(<width>%3</width><height>%4</height></rect></property></widget></ui>)")
        .arg(m_name, object)
        .arg(m_size.width())
        .arg(m_size.height());
}

ZVCalTaskMenu::ZVCalTaskMenu(ZVCalDesignerControl *control, QObject *parent)
    : QObject(parent), m_control(control), m_edit(new QAction(tr("Edit Properties…"), this))
{
    connect(m_edit, &QAction::triggered, this, &ZVCalTaskMenu::editProperties);
}

// The dialog edits the control directly; what it changed is then handed to
// the form through its cursor, so that the property editor shows it and the
// form file keeps it.
void ZVCalTaskMenu::editProperties()
{
    const QMetaObject *meta = m_control->metaObject();
    QVariantMap before;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        before.insert(QLatin1String(meta->property(i).name()), meta->property(i).read(m_control));
    if (!m_control->editProperties())
        return;
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_control);
    if (!form)
        return;
    form->clearSelection(false);
    form->selectWidget(m_control, true);
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        const QVariant now = m_control->property(it.key().toLatin1().constData());
        if (now != it.value())
            form->cursor()->setProperty(it.key(), now);
    }
}

ZVCalTaskMenuFactory::ZVCalTaskMenuFactory(const QString &className, QExtensionManager *parent)
    : QExtensionFactory(parent), m_className(className)
{
}

QObject *ZVCalTaskMenuFactory::createExtension(QObject *object, const QString &iid, QObject *parent) const
{
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension))
        return nullptr;
    auto *control = qobject_cast<ZVCalDesignerControl *>(object);
    if (!control || QLatin1String(control->metaObject()->className()) != m_className)
        return nullptr;
    return new ZVCalTaskMenu(control, parent);
}

ZVCalDesignerPlugin::ZVCalDesignerPlugin(QObject *parent) : QObject(parent)
{
    m_widgets.append(new ZVCalWidgetInterface(QStringLiteral("ZVCalendar"), 30000, QSize(210, 200), tr("ZVCal month calendar"), this));
    m_widgets.append(new ZVCalWidgetInterface(QStringLiteral("ZVCalButton"), 30001, QSize(36, 36), tr("ZVCal drop-down calendar button"), this));
}
