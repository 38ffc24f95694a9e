#pragma once

#include "platform/com/PropertyPage.h"

#include <QDialog>
#include <functional>

class QPushButton;
class QTabWidget;

// The property dialog a host shows for a control: the pages bound to the
// control's class as tabs, each handed the selection; OK, Cancel and Apply,
// Apply enabled while the current page holds edits. OK and Apply run every
// page's ApplyChanges that holds edits; a setter's refusal is shown and keeps
// the dialog open on that page.
class PropertyDialog : public QDialog
{
    Q_OBJECT

public:
    // Makes a page object by its name; null when the name is unknown.
    using PageCreator = std::function<ComPtr<IPropertyPage>(const QString &name)>;

    PropertyDialog(const QString &caption, const QStringList &pageNames, const PageCreator &createPage,
                   const QList<IDispatch *> &selection, QWidget *parent = nullptr);
    ~PropertyDialog() override;

    QTabWidget *tabs() const { return m_tabs; }
    QPushButton *applyButton() const { return m_apply; }
    IPropertyPage *page(int index) const { return m_pages.value(index).get(); }

    // Applies every page that holds edits, in tab order; false (after showing
    // the error) at the first page whose apply fails.
    bool applyAll();

    void accept() override;

private:
    void updateApply();
    bool leaveFocusedControl();

    QTabWidget *m_tabs;
    QPushButton *m_apply;
    QList<ComPtr<IPropertyPage>> m_pages;
    ComPtr<IPropertyPageSite> m_site;
};
