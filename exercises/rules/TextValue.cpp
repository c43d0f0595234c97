#include "exercises/rules/TextValue.h"

#include "exercises/rules/DecimalNumber.h"
#include "exercises/rules/RadixNumber.h"
#include "exercises/rules/TextCursor.h"

namespace sostav {

std::optional<double> TextValue(std::string_view text)
{
    TextCursor cursor(text);
    if (cursor.peek() != '&')
        return readDecimalNumber(cursor);

    cursor.advance();
    switch (cursor.peek()) {
    case 'H':
    case 'h':
        cursor.advance();
        return readRadixNumber(cursor, Radix::Hexadecimal);
    case 'O':
    case 'o':
        cursor.advance();
        return readRadixNumber(cursor, Radix::Octal);
    default:
        // An ampersand that starts neither form holds no digit.
        return 0.0;
    }
}

} // namespace sostav
