// The fixed tables hold their texts as UTF-16 string views; Qt takes them without copying.
#pragma once

#include <string_view>

#include <QString>
#include <QStringView>

constexpr QStringView qsv(std::u16string_view s)
{
    return {s.data(), qsizetype(s.size())};
}

inline QString qs(std::u16string_view s)
{
    return qsv(s).toString();
}
