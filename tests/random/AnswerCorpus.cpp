#include "AnswerCorpus.h"

#include <cfloat>

namespace sostav::test {

const std::vector<CorpusText>& AnswerCorpus()
{
    static const std::vector<CorpusText> corpus = [] {
        constexpr int Long = 5000;
        const std::optional<double> beyond;
        std::vector<CorpusText> texts {
            {"empty", "", 0},
            {"one space", " ", 0},
            {"blanks around", "  7  ", 7},
            {"blank inside ten", "1 0", 10},
            {"blanks between digits", "2 45 7", 2457},
            {"leading zero", "03", 3},
            {"4.5", "4.5", 4.5},
            {"5.5", "5.5", 5.5},
            {"3.5", "3.5", 3.5},
            {"0.3", "0.3", 0.3},
            {"9.7", "9.7", 9.7},
            {"0.1", "0.1", 0.1},
            {"7.9", "7.9", 7.9},
            {"minus one", "-1", -1},
            {"minus two", "-2", -2},
            {"12", "12", 12},
            {"plus three", "+3", 3},
            {"sign after", "3-", 3},
            {"lone minus", "-", 0},
            {"two signs", "+-4", 0},
            {"blank after the sign", "- 5", -5},
            {"point at the end", "7.", 7},
            {"point first", ".5", 0.5},
            {"comma", "1,5", 1},
            {"two points", "1.2.3", 1.2},
            {"exponent", "1e1", 10},
            {"D exponent", "1D1", 10},
            {"signed exponent", "2E+0", 2},
            {"negative exponent", "60e-1", 6},
            {"fraction and d", "0.8d1", 8},
            {"exponent without digits", "1e", 1},
            {"exponent sign without digits", "5e-", 5},
            {"exponent alone", "e5", 0},
            {"Cyrillic Е is no exponent", "1\u04151", 1},
            {"digit then letters", "5abc", 5},
            {"words after a number", "24 and 57", 24},
            {"word", "ten", 0},
            {"Russian word", "пять", 0},
            {"digit then Russian", "3три", 3},
            {"hex minus one", "&HFFFF", -1},
            {"hex nine", "&H9", 9},
            {"hex ten, small letters", "&ha", 10},
            {"octal eight", "&o10", 8},
            {"octal minus one", "&O177777", -1},
            {"ampersand alone", "&", 0},
            {"blanks inside hex", "& H 8", 8},
            {"sign before hex", "-&H5", 0},
            {"hex of 17 bits", "&H10000", 65536},
            {"hex 16-bit minimum", "&H8000", -32768},
            {"hex of 32 bits", "&HFFFFFFFF", -1},
            {"hex of 33 bits", "&H100000000", beyond},
            {"past the range", "1e400", beyond},
            {"negative past the range", "-1e400", beyond},
            {"large", "1e308", 1e308},
            {"large negative", "-1e308", -1e308},
            {"largest double", "1.7976931348623157e308", DBL_MAX},
            {"below the range", "1e-400", 0},
            {"smallest subnormal", "4.9e-324", 0x1p-1074},
            {"just above eight", "8.000000000000001", 8.0 + 0x1p-49},
            {"eight within half a step", "8.0000000000000001", 8},
            {"tie rounds to even", "9007199254740993", 9007199254740992.0},
            {"long: a one and zeros", "1" + QString(Long - 1, u'0'), beyond},
            {"long: zeros and an eight", QString(Long - 1, u'0') + "8", 8},
            {"long: blanks and a three", QString(Long - 1, u' ') + "3", 3},
            {"long: a seven and letters", "7" + QString(Long - 1, u'x'), 7},
            {"long: hex zeros", "&H" + QString(Long - 5, u'0') + "FFF", 4095},
            {"long: ones and blanks", QStringLiteral("1 ").repeated(Long / 2), beyond},
        };
        for (int number = 0; number <= 10; ++number)
            texts.push_back({QString::number(number), QString::number(number), number});
        return texts;
    }();
    return corpus;
}

std::vector<const CorpusText*> CorpusTextsWhere(const std::function<bool(double)>& fits)
{
    std::vector<const CorpusText*> result;
    for (const CorpusText& text : AnswerCorpus()) {
        if (text.value && fits(*text.value))
            result.push_back(&text);
    }
    return result;
}

} // namespace sostav::test
