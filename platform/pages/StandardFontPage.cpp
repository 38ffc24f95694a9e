#include "platform/pages/StandardFontPage.h"

#include "platform/objects/StdFont.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

StandardFontPage::StandardFontPage(QWidget *parent) : StandardPage(tr("Font"), QStringLiteral("StdFont"), parent)
{
    auto *form = new QFormLayout;
    m_face = new QFontComboBox(this);
    m_face->setObjectName(QStringLiteral("cbxFontName"));
    m_size = new QDoubleSpinBox(this);
    m_size->setObjectName(QStringLiteral("txtFontSize"));
    // The limits of the font object's size.
    m_size->setRange(0.25, 2048);
    m_size->setDecimals(2);
    form->addRow(tr("&Font:"), m_face);
    form->addRow(tr("&Size:"), m_size);
    editorLayout()->addLayout(form);

    auto *effects = new QGroupBox(tr("Effects"), this);
    auto *grid = new QGridLayout(effects);
    m_bold = new QCheckBox(tr("&Bold"), effects);
    m_italic = new QCheckBox(tr("&Italic"), effects);
    m_underline = new QCheckBox(tr("&Underline"), effects);
    m_strikeout = new QCheckBox(tr("Stri&keout"), effects);
    m_bold->setObjectName(QStringLiteral("chkBold"));
    m_italic->setObjectName(QStringLiteral("chkItalic"));
    m_underline->setObjectName(QStringLiteral("chkUnderline"));
    m_strikeout->setObjectName(QStringLiteral("chkStrikeout"));
    grid->addWidget(m_bold, 0, 0);
    grid->addWidget(m_italic, 0, 1);
    grid->addWidget(m_underline, 1, 0);
    grid->addWidget(m_strikeout, 1, 1);
    editorLayout()->addWidget(effects);

    m_sample = new QLabel(tr("AaBbYyZz"), this);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setMinimumHeight(48);
    editorLayout()->addWidget(m_sample, 1);

    connect(m_face, &QFontComboBox::currentFontChanged, this, &StandardFontPage::takeEdit);
    connect(m_size, &QDoubleSpinBox::valueChanged, this, &StandardFontPage::takeEdit);
    for (QCheckBox *box : {m_bold, m_italic, m_underline, m_strikeout})
        connect(box, &QCheckBox::toggled, this, &StandardFontPage::takeEdit);
}

void StandardFontPage::showValue(const Variant &value)
{
    const FontRef font = value.type() == VarType::Font ? value.toFont() : nullptr;
    const FontAttributes a = font ? font->attributes() : FontAttributes();
    m_loading = true;
    m_face->setCurrentFont(QFont(a.name));
    // The combo shows only installed faces; the control's own name is kept.
    m_face->setEditText(a.name);
    m_size->setValue(a.size);
    m_bold->setChecked(a.bold());
    m_italic->setChecked(a.italic);
    m_underline->setChecked(a.underline);
    m_strikeout->setChecked(a.strikethrough);
    m_sample->setFont(StdFont::toQFont(a));
    m_loading = false;
}

void StandardFontPage::takeEdit()
{
    if (m_loading)
        return;
    FontAttributes a;
    a.name = m_face->currentText().trimmed();
    if (a.name.isEmpty())
        return;
    a.size = m_size->value();
    a.weight = m_bold->isChecked() ? 700 : 400;
    a.italic = m_italic->isChecked();
    a.underline = m_underline->isChecked();
    a.strikethrough = m_strikeout->isChecked();
    m_sample->setFont(StdFont::toQFont(a));
    edit(Variant(FontRef(StdFont::create(a))));
}
