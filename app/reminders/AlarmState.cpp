#include "reminders/AlarmState.h"

void AlarmState::setText(const QString &text)
{
    m_text = text;
    m_value.reset();
}

void AlarmState::setValue(double serial)
{
    m_text.clear();
    m_value = serial;
}

bool AlarmState::tick(double today, double nowTime, const QString &nowText, const QString &alarmText)
{
    if (m_suspended || alarmText == nowText)
        return false;
    if (m_rung && today != m_rungDay)
        m_rung = false;
    // A value with a date lies after every time of day; one before day zero
    // (a date of the 1800s) is no time of day either, and never rings.
    const bool timeOfDay = m_value && *m_value >= 0 && *m_value < 1;
    if (timeOfDay && nowTime >= *m_value) {
        if (m_rung)
            return false;
        m_rung = true;
        m_rungDay = today;
        return true;
    }
    m_rung = false;
    return false;
}
