#pragma once

#include <QLineEdit>

// The numeric text box of the property pages: of the keys that type a
// character only the digits and Backspace get through (Ctrl+V and every
// other pasting path included), the whole text is selected when the box gains
// the focus, and leaving it reports the text for checking.
class NumericBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumericBox(QWidget *parent = nullptr);

signals:
    // The user moved the focus elsewhere in the page (not a window switch).
    void left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A text box whose whole text is selected when it gains the focus.
class SelectingLineEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
};
