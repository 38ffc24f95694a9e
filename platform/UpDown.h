#pragma once

#include <QWidget>

class QLineEdit;

// Spin buttons buddied to a text box: each click steps the whole number in the
// box by the increment, kept within minimum .. maximum.
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

public slots:
    void stepUp();
    void stepDown();

signals:
    void changed(int value);
};
