#include "platform/pages/StandardPage.h"

#include "platform/pages/ByName.h"
#include "platform/pages/StandardColorPage.h"
#include "platform/pages/StandardFontPage.h"
#include "platform/pages/StandardPicturePage.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

StandardPage::StandardPage(const QString &title, const QString &typeName, QWidget *parent)
    : PropertyPageWidget(title, QSize(5775, 4515), parent), m_typeName(typeName)
{
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(tr("&Property Name:"), this);
    m_properties = new QComboBox(this);
    m_properties->setObjectName(QStringLiteral("cbxProperty"));
    label->setBuddy(m_properties);
    layout->addWidget(label);
    layout->addWidget(m_properties);
    m_editor = new QVBoxLayout;
    layout->addLayout(m_editor, 1);
    connect(m_properties, &QComboBox::currentTextChanged, this, [this](const QString &name) {
        if (m_values.contains(name))
            showValue(m_values.value(name));
    });
}

void StandardPage::choose(const QString &property)
{
    m_properties->setCurrentText(property);
}

QString StandardPage::current() const
{
    return m_properties->currentText();
}

void StandardPage::SelectionChanged()
{
    m_names = ByName::propertiesOfType(first(), m_typeName);
    m_values.clear();
    m_edited.clear();
    for (const QString &name : m_names)
        m_values.insert(name, get(name));
    const QSignalBlocker block(m_properties);
    m_properties->clear();
    m_properties->addItems(m_names);
    if (!m_names.isEmpty())
        showValue(m_values.value(m_names.first()));
    setChanged(false);
}

void StandardPage::edit(const Variant &value)
{
    const QString name = current();
    if (name.isEmpty() || m_values.value(name) == value)
        return;
    m_values.insert(name, value);
    if (!m_edited.contains(name))
        m_edited.append(name);
    setChanged(true);
}

void StandardPage::ApplyChanges()
{
    for (const QString &name : std::as_const(m_names))
        if (m_edited.contains(name))
            put(name, m_values.value(name));
    m_edited.clear();
}

PropertyPageWidget *createStandardPage(const QString &name)
{
    if (name == QLatin1String("StandardFont"))
        return new StandardFontPage;
    if (name == QLatin1String("StandardColor"))
        return new StandardColorPage;
    if (name == QLatin1String("StandardPicture"))
        return new StandardPicturePage;
    return nullptr;
}
