#pragma once

#include <QString>
#include <optional>

// The one alarm of the main window: a memo and an alarm time, and the rung
// mark of the clock tick. The alarm time is empty text, text (the "HH:mm"
// placeholder or a typed value that is no time) or a date value; only a date
// value on day zero, a time of day, can ring.
class AlarmState
{
public:
    // Text states never ring.
    void setText(const QString &text);
    void setValue(double serial);
    void setMemo(const QString &memo) { m_memo = memo; }

    const QString &memo() const { return m_memo; }
    bool holdsValue() const { return m_value.has_value(); }
    std::optional<double> value() const { return m_value; }
    const QString &text() const { return m_text; }
    bool rung() const { return m_rung; }

    // While the alarm command asks for the memo and the time its placeholder
    // is no alarm the tick should judge: a tick under the input boxes would
    // otherwise clear the rung mark of the alarm being replaced.
    void setSuspended(bool suspended) { m_suspended = suspended; }
    bool suspended() const { return m_suspended; }

    // One clock tick on day today (the date value of its midnight) at the
    // time of day nowTime (a fraction of a day, on day zero), whose long time
    // text is nowText; alarmText is the alarm time as text (the general date
    // form for a date value). True when the alarm rings now: the rung mark is
    // then already set, so that ticks arriving while the alarm's message is
    // up never ring it again. A new day clears the mark, so that an alarm at
    // 00:00, which no time of day lies before, rings on every day too.
    bool tick(double today, double nowTime, const QString &nowText, const QString &alarmText);

private:
    QString m_text;
    std::optional<double> m_value;
    QString m_memo;
    bool m_rung = false;
    // The day on which the alarm rang, while the rung mark is set.
    double m_rungDay = 0;
    bool m_suspended = false;
};
