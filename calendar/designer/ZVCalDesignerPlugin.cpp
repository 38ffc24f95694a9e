#include "ZVCalDesignerPlugin.h"

#include "DialogEdits.h"

#include "zvcal/ZVCalButtonWidget.h"
#include "zvcal/ZVCalendarWidget.h"

#include <QAction>
#include <QLabel>
#include <QTimer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowCursorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerPropertyEditorInterface>
#include <QtDesigner/QExtensionManager>

ZVCalWidgetInterface::ZVCalWidgetInterface(const QString &className, const QString &objectName, int toolboxBitmap, QSize defaultSize,
                                           const QString &toolTip, QObject *parent)
    : QObject(parent), m_name(className), m_objectName(objectName), m_bitmap(toolboxBitmap), m_size(defaultSize), m_toolTip(toolTip)
{
}

// libZVCal.so carries its toolbox bitmaps as resources.
QIcon ZVCalWidgetInterface::icon() const
{
    return QIcon(QStringLiteral(":/ZVCal/%1.bmp").arg(m_bitmap));
}

QWidget *ZVCalWidgetInterface::createWidget(QWidget *parent)
{
    const auto refused = [this](const QString &name, int number, const QString &text) { showRefusal(name, number, text); };
    if (m_name == QLatin1String("ZVCalButtonWidget")) {
        auto *button = new ZVCalButtonWidget(parent);
        connect(button, &ZVCalButtonWidget::propertyRefused, this, refused);
        return button;
    }
    auto *calendar = new ZVCalendarWidget(parent);
    connect(calendar, &ZVCalendarWidget::propertyRefused, this, refused);
    return calendar;
}

// The property editor has set a value the control refused: a note below the
// editor says so for a few seconds. It is neither modal nor a tooltip, which
// the next keystroke would close, since the editor sets a number at every
// digit typed. The form keeps the control's own value.
void ZVCalWidgetInterface::showRefusal(const QString &name, int number, const QString &text)
{
    QWidget *editor = m_core ? m_core->propertyEditor() : nullptr;
    if (!editor)
        return;
    if (!m_note) {
        m_note = new QLabel(editor, Qt::ToolTip);
        m_note->setObjectName(QStringLiteral("ZVCalRefusal"));
        m_note->setForegroundRole(QPalette::ToolTipText);
        m_note->setBackgroundRole(QPalette::ToolTipBase);
        m_note->setAutoFillBackground(true);
        m_note->setMargin(4);
        auto *timer = new QTimer(m_note);
        timer->setObjectName(QStringLiteral("hideTimer"));
        timer->setSingleShot(true);
        timer->setInterval(5000);
        connect(timer, &QTimer::timeout, m_note, &QWidget::hide);
    }
    m_note->setText(tr("%1: %2 (error %3)").arg(name, text).arg(number));
    m_note->adjustSize();
    m_note->move(editor->mapToGlobal(QPoint(0, editor->height())));
    m_note->show();
    m_note->raise();
    m_note->findChild<QTimer *>(QStringLiteral("hideTimer"))->start();
}

void ZVCalWidgetInterface::initialize(QDesignerFormEditorInterface *core)
{
    if (m_initialized)
        return;
    m_initialized = true;
    m_core = core;
    if (QExtensionManager *manager = core ? core->extensionManager() : nullptr)
        manager->registerExtensions(new ZVCalTaskMenuFactory(m_name, manager), Q_TYPEID(QDesignerTaskMenuExtension));
}

QString ZVCalWidgetInterface::domXml() const
{
    return QStringLiteral(R"(<ui language="c++"><widget class="%1" name="%2"><property name="geometry"><rect><x>0</x><y>0</y>)"
                          R"(<width>%3</width><height>%4</height></rect></property></widget></ui>)")
        .arg(m_name, m_objectName)
        .arg(m_size.width())
        .arg(m_size.height());
}

ZVCalTaskMenu::ZVCalTaskMenu(QWidget *control, QObject *parent)
    : QObject(parent), m_control(control), m_edit(new QAction(tr("Edit Properties…"), this))
{
    connect(m_edit, &QAction::triggered, this, &ZVCalTaskMenu::editProperties);
}

// The dialog edits the control directly; what it changed, by OK or by Apply
// before a Cancel, is then handed to the form through its cursor, so that
// the property editor shows it, the form is marked changed and its file
// keeps it.
void ZVCalTaskMenu::editProperties()
{
    QDesignerFormWindowInterface *form = QDesignerFormWindowInterface::findFormWindow(m_control);
    const QVariantMap changed = DialogEdits::editInDialog(m_control, form ? static_cast<QWidget *>(form) : m_control->window());
    if (!form || changed.isEmpty())
        return;
    form->clearSelection(false);
    form->selectWidget(m_control, true);
    for (auto it = changed.cbegin(); it != changed.cend(); ++it)
        form->cursor()->setProperty(it.key(), it.value());
}

ZVCalTaskMenuFactory::ZVCalTaskMenuFactory(const QString &className, QExtensionManager *parent)
    : QExtensionFactory(parent), m_className(className)
{
}

QObject *ZVCalTaskMenuFactory::createExtension(QObject *object, const QString &iid, QObject *parent) const
{
    if (iid != Q_TYPEID(QDesignerTaskMenuExtension) || QLatin1String(object->metaObject()->className()) != m_className)
        return nullptr;
    return new ZVCalTaskMenu(static_cast<QWidget *>(object), parent);
}

ZVCalDesignerPlugin::ZVCalDesignerPlugin(QObject *parent) : QObject(parent)
{
    m_widgets.append(new ZVCalWidgetInterface(QStringLiteral("ZVCalendarWidget"), QStringLiteral("calendar"), 30000, QSize(210, 200),
                                              tr("ZVCal month calendar"), this));
    m_widgets.append(new ZVCalWidgetInterface(QStringLiteral("ZVCalButtonWidget"), QStringLiteral("calButton"), 30001, QSize(36, 36),
                                              tr("ZVCal drop-down calendar button"), this));
}
