#pragma once

#include "platform/pages/PropertyPageWidget.h"

#include <QMap>

class QComboBox;
class QVBoxLayout;

// The common frame of the platform's standard pages: a list of the selected
// control's properties of one type ("Property Name") above an editor of the
// chosen one. Edits are kept per property and written on apply, in the
// control's member order.
class StandardPage : public PropertyPageWidget
{
    Q_OBJECT

public:
    StandardPage(const QString &title, const QString &typeName, QWidget *parent = nullptr);

    // Picks the property the editor shows.
    void choose(const QString &property);
    QString current() const;

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

    // Loads the editor from the value of the current property.
    virtual void showValue(const Variant &value) = 0;
    // Records an edit of the current property.
    void edit(const Variant &value);

    QVBoxLayout *editorLayout() const { return m_editor; }

private:
    QString m_typeName;
    QComboBox *m_properties;
    QVBoxLayout *m_editor;
    QStringList m_names;
    QMap<QString, Variant> m_values;
    QStringList m_edited;
};

// The platform's pages by name ("StandardFont", "StandardColor",
// "StandardPicture"); null for any other name.
PropertyPageWidget *createStandardPage(const QString &name);
