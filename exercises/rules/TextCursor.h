#pragma once

#include <cstddef>
#include <string_view>

namespace sostav {

// Walks an answer text one character at a time, passing over the blanks that the
// reading rules ignore wherever they stand. Each byte is looked at once, so a whole
// read stays linear in the length of the text.
//
// The loops work on local copies of the position: the text is made of chars, which may
// alias any member, so stepping a member would store it again on every byte.
class TextCursor {
public:
    explicit TextCursor(std::string_view text)
        : m_text(text)
    {
    }

    // The next character that counts, or '\0' once the text is used up. A NUL byte in
    // the text cannot continue a number any more than the end can, so both read alike.
    char peek()
    {
        std::size_t position = m_position;
        while (position < m_text.size() && isBlank(m_text[position]))
            ++position;
        m_position = position;
        return position < m_text.size() ? m_text[position] : '\0';
    }

    // Moves past the character that peek() returned.
    void advance()
    {
        if (m_position < m_text.size())
            ++m_position;
    }

    // Copies the digits from here up to the next character that is neither a digit nor
    // a blank into out, which must have room for remaining() characters, and gives how
    // many were copied.
    std::size_t copyDigits(char* out)
    {
        const char* const text = m_text.data();
        const std::size_t size = m_text.size();
        std::size_t position = m_position;
        std::size_t count = 0;
        for (; position < size; ++position) {
            const char c = text[position];
            if (isDigit(c))
                out[count++] = c;
            else if (!isBlank(c))
                break;
        }
        m_position = position;
        return count;
    }

    std::size_t remaining() const { return m_text.size() - m_position; }

    // Only space, tab and line feed count as blanks; carriage returns, form feeds and
    // the like stop a number just as letters do.
    static constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

    static constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

private:
    std::string_view m_text;
    std::size_t m_position = 0;
};

} // namespace sostav
