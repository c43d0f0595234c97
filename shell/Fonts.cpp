#include "shell/Fonts.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace sostav {

namespace {

QStringList families(FontFace face)
{
    switch (face) {
    case FontFace::TimesNewRoman:
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
            QStringLiteral("DejaVu Serif")};
    case FontFace::Arial:
        return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("DejaVu Sans")};
    case FontFace::MsSansSerif:
    case FontFace::None:
        break;
    }
    // MS Sans Serif is a bitmap face no Linux desktop has; a sans face of similar width stands in.
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans")};
}

} // namespace

QFont fontFor(const FontStyle& style, double scale)
{
    QFont font;
    font.setFamilies(families(style.face));
    font.setStyleHint(style.face == FontFace::TimesNewRoman ? QFont::Serif : QFont::SansSerif);
    font.setPixelSize(std::max(1, int(std::lround(style.pixelSize() * scale))));
    font.setWeight(style.weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace sostav
