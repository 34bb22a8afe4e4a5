// Calendar time in whole seconds (local time for display), and spans of time.
#pragma once

#include "framework/base/CString.h"

#include <cstdint>

typedef int64_t __time64_t;

class CTimeSpan {
public:
    CTimeSpan() = default;
    CTimeSpan(int64_t seconds) : m_span(seconds) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
        : m_span(((int64_t)lDays * 24 * 3600) + (int64_t)nHours * 3600 + (int64_t)nMins * 60 + nSecs)
    {
    }

    int64_t GetDays() const { return m_span / (24 * 3600); }
    int64_t GetTotalHours() const { return m_span / 3600; }
    int GetHours() const { return static_cast<int>(GetTotalHours() - GetDays() * 24); }
    int64_t GetTotalMinutes() const { return m_span / 60; }
    int GetMinutes() const { return static_cast<int>(GetTotalMinutes() - GetTotalHours() * 60); }
    int64_t GetTotalSeconds() const { return m_span; }
    int GetSeconds() const { return static_cast<int>(GetTotalSeconds() - GetTotalMinutes() * 60); }

    // %D days, %H hours, %M minutes, %S seconds, %% a percent sign.
    CString Format(LPCTSTR pFormat) const;

    CTimeSpan operator+(CTimeSpan other) const { return CTimeSpan(m_span + other.m_span); }
    CTimeSpan operator-(CTimeSpan other) const { return CTimeSpan(m_span - other.m_span); }
    bool operator==(CTimeSpan other) const { return m_span == other.m_span; }
    bool operator<(CTimeSpan other) const { return m_span < other.m_span; }

private:
    int64_t m_span = 0;
};

class CTime {
public:
    CTime() = default;
    CTime(__time64_t time) : m_time(time) {}
    // A local date and time; nDST < 0 lets the library decide daylight saving.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);

    static CTime GetCurrentTime();

    __time64_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday

    // strftime codes, local time; FormatGmt in UTC.
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;

    CTimeSpan operator-(CTime other) const { return CTimeSpan(m_time - other.m_time); }
    CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTotalSeconds()); }
    CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTotalSeconds()); }
    bool operator==(CTime other) const { return m_time == other.m_time; }
    bool operator!=(CTime other) const { return m_time != other.m_time; }
    bool operator<(CTime other) const { return m_time < other.m_time; }

private:
    __time64_t m_time = 0;
};
