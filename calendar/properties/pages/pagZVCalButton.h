#pragma once

#include "platform/pages/PropertyPageWidget.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class NumericBox;

// The "Button" page: edits the drop-down button's own properties by name.
class pagZVCalButton : public PropertyPageWidget
{
    Q_OBJECT

public:
    explicit pagZVCalButton(QWidget *parent = nullptr);

    void Initialize() override;

protected:
    void SelectionChanged() override;
    void ApplyChanges() override;

private:
    QLineEdit *txtCaption;
    QComboBox *cbxFont3D, *cbxAutoSize, *cbxMousePointer;
    NumericBox *txtBevelWidth;
    QCheckBox *chkEnabled, *chkOutline, *chkRoundedCorners;

    int m_bevelWidth = 0;
    // The MousePointer read, written back while no item of the list is chosen.
    int m_mousePointer = 0;
};
