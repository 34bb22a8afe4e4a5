#include "framework/gdi/EmfDescription.h"

#include <QString>

#include <algorithm>

namespace {

std::u16string Utf16(std::string_view utf8)
{
    const QString s = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return std::u16string(reinterpret_cast<const char16_t *>(s.utf16()), static_cast<size_t>(s.size()));
}

std::string Utf8(std::u16string_view units)
{
    const QByteArray bytes = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size())).toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace

namespace EmfDescription {

std::u16string Units(std::string_view application, std::string_view picture)
{
    if (application.empty() && picture.empty())
        return {};
    std::u16string units = Utf16(application);
    units.push_back(u'\0');
    units += Utf16(picture);
    units.append(2, u'\0');
    return units;
}

std::u16string FromCallerText(LPCTSTR text)
{
    if (!text)
        return {};
    const std::string_view application(text);
    const std::string_view picture(text + application.size() + 1);
    return Units(application, picture);
}

std::string ToText(const std::u16string &stored)
{
    const std::u16string_view units(stored);
    const size_t applicationEnd = std::min(units.find(u'\0'), units.size());
    const std::u16string_view application = units.substr(0, applicationEnd);
    std::u16string_view picture;
    if (applicationEnd < units.size()) {
        const std::u16string_view rest = units.substr(applicationEnd + 1);
        picture = rest.substr(0, std::min(rest.find(u'\0'), rest.size()));
    }
    if (application.empty() && picture.empty())
        return {};
    std::string text = Utf8(application);
    text.push_back('\0');
    text += Utf8(picture);
    text.append(2, '\0');
    return text;
}

} // namespace EmfDescription
