#include "platform/pages/PropertyPageWidget.h"

#include "platform/pages/ByName.h"

namespace {

constexpr int TwipsPerPixel = 15;

} // namespace

PropertyPageWidget::PropertyPageWidget(const QString &title, QSize sizeTwips, QWidget *parent)
    : QWidget(parent), m_title(title), m_sizeTwips(sizeTwips)
{
    setMinimumSize(sizeTwips.width() / TwipsPerPixel, sizeTwips.height() / TwipsPerPixel);
}

void PropertyPageWidget::setSelection(const QList<IDispatch *> &objects)
{
    m_selection.clear();
    for (IDispatch *o : objects)
        if (o)
            m_selection.append(ComPtr<IDispatch>(o));
    if (!m_selection.isEmpty())
        SelectionChanged();
}

void PropertyPageWidget::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedFlagChanged(changed);
}

bool PropertyPageWidget::apply(ExcepInfo *excep)
{
    if (!first())
        return true;
    try {
        ApplyChanges();
    } catch (const ApplyError &e) {
        if (excep)
            *excep = e.info;
        return false;
    }
    return true;
}

IDispatch *PropertyPageWidget::first() const
{
    return m_selection.isEmpty() ? nullptr : m_selection.first().get();
}

Variant PropertyPageWidget::get(const QString &name) const
{
    return ByName::get(first(), name);
}

void PropertyPageWidget::put(const QString &name, const Variant &value)
{
    ApplyError error;
    if (FAILED(ByName::put(first(), name, value, &error.info)))
        throw error;
}
