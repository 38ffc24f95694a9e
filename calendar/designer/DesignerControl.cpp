#include "DesignerControl.h"

#include "platform/com/WindowSite.h"
#include "platform/dates/DateValue.h"
#include "platform/objects/OleColor.h"
#include "platform/objects/StdFont.h"
#include "platform/pages/ByName.h"
#include "platform/pages/PageObject.h"
#include "platform/pages/PropertyDialog.h"
#include "platform/pages/StandardPage.h"

#include <QResizeEvent>

namespace {

Variant toVariant(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Bool: return Variant(v.toBool());
    case QMetaType::QString: return Variant(v.toString());
    case QMetaType::QDate: {
        const QDate d = v.toDate();
        return Variant::fromDate(DateValue::fromDate(d.year(), d.month(), d.day()).value_or(0));
    }
    case QMetaType::QFont: return Variant(StdFont::fromQFont(v.value<QFont>()));
    default: return Variant(std::int32_t(v.toInt()));
    }
}

QVariant toQVariant(const Variant &v)
{
    switch (v.type()) {
    case VarType::Bool: return v.toBool();
    case VarType::String: return v.toString();
    case VarType::Date: {
        const DateValue::Parts p = DateValue::toParts(v.toDate());
        return QDate(p.year, p.month, p.day);
    }
    case VarType::Int16:
    case VarType::Int32: return v.toInt32();
    case VarType::Font: {
        const FontRef font = v.toFont();
        return font ? QVariant(font->toQFont()) : QVariant();
    }
    default: return {};
    }
}

ComPtr<IPropertyPage> createPage(const TypeLibraryInfo *library, const QString &name)
{
    ComPtr<IPropertyPage> page;
    const TypeEntry *entry = library ? library->entry(name) : nullptr;
    if (entry && entry->kind == TypeKind::CoClass) {
        ComPtr<IClassFactory> factory;
        if (SUCCEEDED(DllGetClassObject(entry->guid, IID_IClassFactory, factory.putVoid())))
            factory->CreateInstance(nullptr, IID_IPropertyPage, page.putVoid());
    } else if (PropertyPageWidget *widget = createStandardPage(name)) {
        page = ComPtr<IPropertyPage>::adopt(PageObject::create(widget));
    }
    return page;
}

} // namespace

ZVCalDesignerControl::ZVCalDesignerControl(const Guid &clsid, QSize defaultSize, QWidget *parent)
    : QWidget(parent), m_defaultSize(defaultSize)
{
    ComPtr<IClassFactory> factory;
    if (SUCCEEDED(DllGetClassObject(clsid, IID_IClassFactory, factory.putVoid())))
        factory->CreateInstance(nullptr, IID_IDispatch, m_dispatch.putVoid());
    m_control = m_dispatch.query<IControl>(IID_IControl);
    if (!m_control)
        return;
    auto site = ComPtr<IControlSite>::adopt(WindowSite::create(this));
    m_control->SetSite(site.get());
    m_control->InitProperties();
    m_control->GetWidget(&m_widget);
    resize(defaultSize);
}

// Releasing the control destroys its widget while this one still stands.
ZVCalDesignerControl::~ZVCalDesignerControl()
{
    if (m_control)
        m_control->SetSite(nullptr);
    m_control.reset();
    m_dispatch.reset();
}

void ZVCalDesignerControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_widget)
        m_widget->setGeometry(rect());
}

QVariant ZVCalDesignerControl::readProperty(const QString &name) const
{
    DISPID id = DISPID_UNKNOWN;
    if (!m_dispatch || FAILED(m_dispatch->GetIDsOfNames(name, &id)))
        return {};
    try {
        return toQVariant(ByName::get(m_dispatch.get(), name));
    } catch (const std::exception &) {
        return {};
    }
}

void ZVCalDesignerControl::writeProperty(const QString &name, const QVariant &value)
{
    if (m_dispatch)
        ByName::put(m_dispatch.get(), name, toVariant(value), nullptr);
}

QColor ZVCalDesignerControl::readColor(const QString &name) const
{
    const QVariant value = readProperty(name);
    return value.isValid() ? OleColor::toQColor(value.toInt()) : QColor();
}

void ZVCalDesignerControl::writeColor(const QString &name, const QColor &color)
{
    if (color.isValid())
        writeProperty(name, OleColor::fromQColor(color));
}

bool ZVCalDesignerControl::editProperties()
{
    auto types = m_dispatch.query<IProvideTypeLibrary>(IID_IProvideTypeLibrary);
    TypeLibraryRef library;
    if (!types || FAILED(types->GetTypeLibrary(&library)) || !library)
        return false;
    const QString className = QString::fromLatin1(metaObject()->className());
    QStringList pages;
    for (const PageBinding &b : library->pages)
        if (b.className == className)
            pages = b.pages;
    PropertyDialog dialog(tr("%1 Properties").arg(objectName().isEmpty() ? className : objectName()), pages,
                          [library](const QString &name) { return createPage(library.get(), name); }, {m_dispatch.get()}, window());
    return dialog.exec() == QDialog::Accepted;
}

ZVCalendar::ZVCalendar(QWidget *parent) : ZVCalDesignerControl(zvcal::CLSID_ZVCalendar, QSize(210, 200), parent) {}

ZVCalButton::ZVCalButton(QWidget *parent) : ZVCalDesignerControl(zvcal::CLSID_ZVCalButton, QSize(36, 36), parent) {}
