#pragma once

#include <QString>
#include <stdexcept>

// An error raised by a control's property setter or method, carried to the
// caller as its number and text (the host layer turns it into a result code).
class PropertyError : public std::runtime_error
{
public:
    static constexpr int InvalidPropertyValue = 380;

    PropertyError(int number, const QString &text)
        : std::runtime_error(text.toStdString()), m_number(number), m_text(text) {}

    static PropertyError invalidValue() { return PropertyError(InvalidPropertyValue, QStringLiteral("Invalid property value")); }

    int number() const { return m_number; }
    QString text() const { return m_text; }

private:
    int m_number;
    QString m_text;
};
