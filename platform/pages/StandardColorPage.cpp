#include "platform/pages/StandardColorPage.h"

#include "platform/objects/OleColor.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

// Qt's colour chooser is a dialog: left to itself, Escape would hide it inside
// the page and Enter would be swallowed. In the page both keys belong to the
// property dialog around it.
class EmbeddedColorChooser final : public QColorDialog
{
public:
    using QColorDialog::QColorDialog;

protected:
    void keyPressEvent(QKeyEvent *event) override { QWidget::keyPressEvent(event); }
};

} // namespace

StandardColorPage::StandardColorPage(QWidget *parent) : StandardPage(tr("Color"), QStringLiteral("OLE_COLOR"), parent)
{
    m_chooser = new EmbeddedColorChooser(this);
    m_chooser->setObjectName(QStringLiteral("clrChooser"));
    // A child widget of the page, not a window of its own.
    m_chooser->setWindowFlags(Qt::Widget);
    m_chooser->setOptions(QColorDialog::NoButtons | QColorDialog::DontUseNativeDialog);
    editorLayout()->addWidget(m_chooser, 1);
    connect(m_chooser, &QColorDialog::currentColorChanged, this, [this](const QColor &c) {
        if (!m_loading)
            edit(Variant(std::int32_t(OleColor::fromRgb(c.red(), c.green(), c.blue()))));
    });
}

void StandardColorPage::showValue(const Variant &value)
{
    m_loading = true;
    m_chooser->setCurrentColor(OleColor::toQColor(value.toInt32()));
    m_loading = false;
}
