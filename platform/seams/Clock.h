#pragma once

#include <QDateTime>

// The one seam for every reading of the current date and time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    static const Clock &instance();
    // Installs a clock the caller keeps alive; nullptr restores the system clock.
    static void install(const Clock *clock);

    // The current local time as a date value (days since 30 December 1899).
    static double nowSerial();
    // Today at midnight as a date value.
    static double today();
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

// A clock that stands still until told otherwise; for tests.
class SettableClock : public Clock
{
public:
    explicit SettableClock(const QDateTime &start = QDateTime(QDate(2000, 1, 1), QTime(12, 0))) : m_now(start) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &now) { m_now = now; }
    void advanceSeconds(qint64 seconds) { m_now = m_now.addSecs(seconds); }

private:
    QDateTime m_now;
};
