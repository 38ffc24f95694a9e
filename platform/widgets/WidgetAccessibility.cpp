#include "platform/widgets/WidgetAccessibility.h"

#include "platform/widgets/SSCommand.h"
#include "platform/widgets/SSPanel.h"
#include "platform/widgets/UpDown.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

namespace {

bool hasWords(const QString &text)
{
    for (QChar c : text) {
        if (c.isLetterOrNumber())
            return true;
    }
    return false;
}

// The text of a label whose buddy is the widget, as Qt's own widgets find it.
QString buddyLabelText(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    if (!parent)
        return {};
    for (const QLabel *label : parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == widget)
            return WidgetAccessibility::nameFromCaption(label->text());
    }
    return {};
}

// A 3-D command button. A button that is the focus proxy of its parent stands
// for that control, so the control's name and tooltip name it first.
class CommandAccessible : public QAccessibleWidget
{
public:
    explicit CommandAccessible(SSCommand *button) : QAccessibleWidget(button, QAccessible::Button) {}

    SSCommand *button() const { return static_cast<SSCommand *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const SSCommand *b = button();
        if (!b->accessibleName().isEmpty())
            return b->accessibleName();
        if (const QWidget *host = b->parentWidget(); host && host->focusProxy() == b) {
            if (!host->accessibleName().isEmpty())
                return host->accessibleName();
            if (!host->toolTip().isEmpty())
                return host->toolTip();
        }
        const QString caption = WidgetAccessibility::nameFromCaption(b->caption());
        if (hasWords(caption) || b->toolTip().isEmpty())
            return caption;
        return b->toolTip();
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction()) {
            if (widget()->isEnabled() && widget()->isVisible())
                emit button()->Click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

// A panel shows a text (a title, a caption) or holds other controls.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(SSPanel *panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        const auto *panel = static_cast<const SSPanel *>(widget());
        return panel->caption().trimmed().isEmpty() ? QAccessible::Grouping : QAccessible::StaticText;
    }

    QString text(QAccessible::Text t) const override
    {
        const auto *panel = static_cast<const SSPanel *>(widget());
        if (t == QAccessible::Name && panel->accessibleName().isEmpty())
            return WidgetAccessibility::nameFromCaption(panel->caption());
        return QAccessibleWidget::text(t);
    }
};

// The spin buttons: a spin control whose value is the number in its buddy.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit UpDownAccessible(UpDown *control) : QAccessibleWidget(control, QAccessible::SpinBox) {}

    UpDown *control() const { return static_cast<UpDown *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(control()->value());
        return QAccessibleWidget::text(t);
    }

    // What the box shows when it holds a number, typed or stepped to.
    QVariant currentValue() const override
    {
        bool ok = false;
        const int typed = control()->buddy() ? control()->buddy()->text().trimmed().toInt(&ok) : 0;
        return ok ? typed : control()->value();
    }
    void setCurrentValue(const QVariant &value) override
    {
        // The number goes into the buddy as if typed; the control reads it
        // from there at its next step.
        if (QLineEdit *buddy = control()->buddy())
            buddy->setText(QString::number(qBound(control()->minimum(), value.toInt(), control()->maximum())));
    }
    QVariant maximumValue() const override { return control()->maximum(); }
    QVariant minimumValue() const override { return control()->minimum(); }
    QVariant minimumStepSize() const override { return control()->increment(); }
};

// One arrow of the spin buttons, named after the control it steps.
class ArrowAccessible : public QAccessibleWidget
{
public:
    explicit ArrowAccessible(QAbstractButton *arrow) : QAccessibleWidget(arrow, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty())
            return QAccessibleWidget::text(t);
        const bool up = widget()->objectName() == QLatin1String("upButton");
        const QString step = up ? QCoreApplication::translate("UpDown", "up") : QCoreApplication::translate("UpDown", "down");
        QAccessibleInterface *spin = parent();
        const QString spinName = spin ? spin->text(QAccessible::Name) : QString();
        return spinName.isEmpty() ? step : spinName + QLatin1Char(' ') + step;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (name == pressAction() && widget()->isEnabled())
            static_cast<QAbstractButton *>(widget())->click();
    }
};

// Qt names a combo box after the entry it shows; a user needs to hear what
// the box is for, so it is named after its own name or its label.
class ComboAccessible : public QAccessibleWidget
{
public:
    explicit ComboAccessible(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return box()->accessibleName().isEmpty() ? buddyLabelText(box()) : box()->accessibleName();
        case QAccessible::Value:
            return box()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.editable = box()->isEditable();
        return s;
    }

    // As Qt's own combo box: the list it drops down, then the text field of
    // an editable box.
    int childCount() const override { return box()->lineEdit() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const QObject *o = child ? child->object() : nullptr;
        if (!o)
            return -1;
        if (o == box()->view())
            return 0;
        return o == box()->lineEdit() ? 1 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &name) override
    {
        if ((name == showMenuAction() || name == pressAction()) && box()->isEnabled())
            box()->showPopup();
    }
};

// The casts check the class itself, not only its name: a program and a
// library it loads may each hold a copy of these widgets, and each copy
// makes the interfaces of its own.
QAccessibleInterface *widgetFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SSCommand")) {
        auto *button = qobject_cast<SSCommand *>(object);
        return button ? new CommandAccessible(button) : nullptr;
    }
    if (className == QLatin1String("SSPanel")) {
        auto *panel = qobject_cast<SSPanel *>(object);
        return panel ? new PanelAccessible(panel) : nullptr;
    }
    if (className == QLatin1String("UpDown")) {
        auto *control = qobject_cast<UpDown *>(object);
        return control ? new UpDownAccessible(control) : nullptr;
    }
    if (className == QLatin1String("QComboBox"))
        return new ComboAccessible(static_cast<QComboBox *>(object));
    if (className == QLatin1String("QAbstractButton") && qobject_cast<UpDown *>(object->parent()))
        return new ArrowAccessible(static_cast<QAbstractButton *>(object));
    return nullptr;
}

// Registered for as long as the code is loaded: a library that holds this
// code takes the factory out again when it is unloaded.
struct Registration
{
    Registration() { QAccessible::installFactory(widgetFactory); }
    ~Registration() { QAccessible::removeFactory(widgetFactory); }
};

} // namespace

namespace WidgetAccessibility {

void install()
{
    static Registration registration;
}

void captionChanged(QWidget *widget)
{
    // Only while assistive technology listens: see CalendarAccessible's announce().
    if (!QAccessible::isActive() || !widget->accessibleName().isEmpty())
        return;
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QString nameFromCaption(const QString &caption)
{
    QString name;
    name.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        name += caption[i];
    }
    return name.trimmed();
}

} // namespace WidgetAccessibility
