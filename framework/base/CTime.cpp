#include "framework/base/CTime.h"

#include <ctime>

namespace {

std::tm LocalParts(__time64_t t)
{
    std::tm parts{};
    const time_t value = static_cast<time_t>(t);
    localtime_r(&value, &parts);
    return parts;
}

CString FormatParts(const std::tm &parts, LPCTSTR pFormat)
{
    if (!pFormat || !*pFormat)
        return CString();
    char buffer[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    const size_t n = std::strftime(buffer, sizeof buffer, pFormat, &parts);
#pragma GCC diagnostic pop
    return CString(buffer, static_cast<int>(n));
}

} // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    std::tm parts{};
    parts.tm_year = nYear - 1900;
    parts.tm_mon = nMonth - 1;
    parts.tm_mday = nDay;
    parts.tm_hour = nHour;
    parts.tm_min = nMin;
    parts.tm_sec = nSec;
    parts.tm_isdst = nDST;
    m_time = static_cast<__time64_t>(std::mktime(&parts));
}

CTime CTime::GetCurrentTime()
{
    return CTime(static_cast<__time64_t>(std::time(nullptr)));
}

int CTime::GetYear() const
{
    return LocalParts(m_time).tm_year + 1900;
}
int CTime::GetMonth() const
{
    return LocalParts(m_time).tm_mon + 1;
}
int CTime::GetDay() const
{
    return LocalParts(m_time).tm_mday;
}
int CTime::GetHour() const
{
    return LocalParts(m_time).tm_hour;
}
int CTime::GetMinute() const
{
    return LocalParts(m_time).tm_min;
}
int CTime::GetSecond() const
{
    return LocalParts(m_time).tm_sec;
}
int CTime::GetDayOfWeek() const
{
    return LocalParts(m_time).tm_wday + 1;
}

CString CTime::Format(LPCTSTR pFormat) const
{
    return FormatParts(LocalParts(m_time), pFormat);
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    std::tm parts{};
    const time_t value = static_cast<time_t>(m_time);
    gmtime_r(&value, &parts);
    return FormatParts(parts, pFormat);
}

CString CTimeSpan::Format(LPCTSTR pFormat) const
{
    CString result;
    for (const char *p = pFormat ? pFormat : ""; *p; ++p) {
        if (*p != '%' || p[1] == 0) {
            result += *p;
            continue;
        }
        switch (*++p) {
        case 'D': result.AppendFormat("%lld", static_cast<long long>(GetDays())); break;
        case 'H': result.AppendFormat("%02d", GetHours()); break;
        case 'M': result.AppendFormat("%02d", GetMinutes()); break;
        case 'S': result.AppendFormat("%02d", GetSeconds()); break;
        case '%': result += '%'; break;
        default:
            result += '%';
            result += *p;
            break;
        }
    }
    return result;
}
