#pragma once

#include "platform/pages/StandardPage.h"

class QCheckBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;

// Edits the font properties of the selected control: face, size and effects.
class StandardFontPage : public StandardPage
{
    Q_OBJECT

public:
    explicit StandardFontPage(QWidget *parent = nullptr);

protected:
    void showValue(const Variant &value) override;

private:
    void takeEdit();

    QFontComboBox *m_face;
    QDoubleSpinBox *m_size;
    QCheckBox *m_bold, *m_italic, *m_underline, *m_strikeout;
    QLabel *m_sample;
    bool m_loading = false;
};
