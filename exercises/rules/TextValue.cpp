#include "exercises/rules/TextValue.h"

#include "exercises/rules/DecimalNumber.h"
#include "exercises/rules/RadixNumber.h"
#include "exercises/rules/TextCursor.h"

namespace sostav {

std::optional<double> TextValue(std::string_view text)
{
    TextCursor cursor(text);
    if (cursor.Peek() != '&')
        return ReadDecimalNumber(cursor);

    cursor.Advance();
    switch (cursor.Peek()) {
    case 'H':
    case 'h':
        cursor.Advance();
        return ReadRadixNumber(cursor, Radix::Hexadecimal);
    case 'O':
    case 'o':
        cursor.Advance();
        return ReadRadixNumber(cursor, Radix::Octal);
    default:
        // An ampersand that starts neither form holds no digit.
        return 0.0;
    }
}

} // namespace sostav
