#pragma once

#include <QWidget>

class QAbstractButton;
class QLineEdit;

// Spin buttons buddied to a text box: each click steps the whole number in the
// box by the increment, kept within minimum .. maximum.
//
// When the buddy shares the control's parent, the control sits against the
// buddy's right edge at the buddy's height and follows it when it moves. The
// Up and Down arrow keys in the buddy step as well. Text in the buddy that is
// no whole number is stepped from the last number the buddy held (initially
// the minimum).
class UpDown : public QWidget
{
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    void setBuddy(QLineEdit *buddy);
    QLineEdit *buddy() const;
    void setRange(int minimum, int maximum);
    int minimum() const;
    int maximum() const;
    void setIncrement(int increment);
    int increment() const;
    // The last number stepped to or read from the buddy, within the range.
    int value() const;

    QSize sizeHint() const override;

public slots:
    void stepUp();
    void stepDown();

signals:
    void changed(int value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void step(int direction);
    void followBuddy();
    void readBuddy();

    QLineEdit *m_buddy = nullptr;
    QAbstractButton *m_up;
    QAbstractButton *m_down;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_increment = 1;
    int m_value = 0;
};
