#include "platform/pages/PropertyDialog.h"

#include "platform/com/RefCounted.h"
#include "platform/seams/Dialogs.h"

#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Tells the dialog when a page's changed flag may have changed.
class DialogSite final : public RefCounted<IPropertyPageSite>
{
public:
    static DialogSite *create(std::function<void()> onChange) { return new DialogSite(std::move(onChange)); }

    HRESULT QueryInterface(const Guid &iid, void **object) override
    {
        return queryAs(iid, object, {IID_IUnknown, IID_IPropertyPageSite});
    }
    void OnStatusChange() override { m_onChange(); }

private:
    explicit DialogSite(std::function<void()> onChange) : m_onChange(std::move(onChange)) {}
    ~DialogSite() override = default;

    std::function<void()> m_onChange;
};

} // namespace

PropertyDialog::PropertyDialog(const QString &caption, const QStringList &pageNames, const PageCreator &createPage,
                               const QList<IDispatch *> &selection, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setObjectName(QStringLiteral("PropertyDialog"));
    auto *layout = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabPages"));
    layout->addWidget(m_tabs);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    m_apply = buttons->button(QDialogButtonBox::Apply);
    m_apply->setObjectName(QStringLiteral("cmdApply"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PropertyDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PropertyDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, &PropertyDialog::applyAll);
    connect(m_tabs, &QTabWidget::currentChanged, this, &PropertyDialog::updateApply);

    QPointer<PropertyDialog> self(this);
    m_site = ComPtr<IPropertyPageSite>::adopt(DialogSite::create([self] {
        if (self)
            self->updateApply();
    }));
    for (const QString &name : pageNames) {
        ComPtr<IPropertyPage> page = createPage(name);
        QWidget *widget = nullptr;
        QString title;
        if (!page || FAILED(page->GetWidget(&widget)) || !widget || FAILED(page->GetPageInfo(&title, nullptr)))
            continue;
        page->SetPageSite(m_site.get());
        page->SetObjects(selection);
        m_tabs->addTab(widget, title);
        m_pages.append(page);
    }
    updateApply();
}

PropertyDialog::~PropertyDialog()
{
    // The pages hold the site; let go of it before the pages go.
    for (const ComPtr<IPropertyPage> &page : std::as_const(m_pages))
        page->SetPageSite(nullptr);
    m_pages.clear();
}

void PropertyDialog::updateApply()
{
    IPropertyPage *current = page(m_tabs->currentIndex());
    m_apply->setEnabled(current && current->IsPageDirty() == S_OK);
}

// OK and Apply reached from the keyboard (Enter on the default button) leave
// the focus in the page; a number typed into a box counts only once the box is
// left, so the focused control gives up the focus first. A page that refuses
// the text takes the focus back, and nothing is applied.
bool PropertyDialog::leaveFocusedControl()
{
    QWidget *focused = focusWidget();
    if (!focused || !focused->hasFocus() || !m_tabs->isAncestorOf(focused))
        return true;
    focused->clearFocus();
    if (focusWidget() == focused)
        return false;
    focused->setFocus(Qt::OtherFocusReason);
    return true;
}

bool PropertyDialog::applyAll()
{
    if (!leaveFocusedControl())
        return false;
    for (int i = 0; i < m_pages.size(); ++i) {
        IPropertyPage *p = m_pages.at(i).get();
        if (p->IsPageDirty() != S_OK)
            continue;
        ExcepInfo excep;
        if (FAILED(p->Apply(&excep))) {
            m_tabs->setCurrentIndex(i);
            QString text = excep.description.isEmpty() ? tr("The property could not be set.") : excep.description;
            if (!excep.source.isEmpty())
                text = QStringLiteral("%1: %2").arg(excep.source, text);
            if (excep.number != 0)
                text += tr(" (error %1)").arg(excep.number);
            Dialogs::instance().messageBox(text, Dialogs::Buttons::Ok, Dialogs::Icon::Critical, windowTitle());
            updateApply();
            return false;
        }
        p->SetPageDirty(false);
    }
    updateApply();
    return true;
}

void PropertyDialog::accept()
{
    if (applyAll())
        QDialog::accept();
}
