#pragma once

#include "platform/pages/StandardPage.h"

class QColorDialog;

// Edits the colour properties of the selected control with Qt's colour
// chooser, embedded in the page.
class StandardColorPage : public StandardPage
{
    Q_OBJECT

public:
    explicit StandardColorPage(QWidget *parent = nullptr);

    QColorDialog *chooser() const { return m_chooser; }

protected:
    void showValue(const Variant &value) override;

private:
    QColorDialog *m_chooser;
    bool m_loading = false;
};
