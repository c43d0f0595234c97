#pragma once

#include <QString>

#include <string_view>

namespace sostav {

// The tables keep their texts as UTF-8; Qt shows them as QString.
inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace sostav
