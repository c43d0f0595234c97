#include "shell/Legibility.h"

#include <cmath>

namespace sostav {

namespace {

// Qt's own light scheme, which the screens were designed on.
const QColor StandardText(0, 0, 0);
const QColor StandardBackground(239, 239, 239);

double luminance(QColor c)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor clearer(QColor fixed, QColor desktop, QColor standard)
{
    return contrastRatio(standard, fixed) > contrastRatio(desktop, fixed) ? standard : desktop;
}

} // namespace

double contrastRatio(QColor a, QColor b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor textOn(QColor background, QColor desktopText)
{
    return clearer(background, desktopText, StandardText);
}

QColor backgroundBehind(QColor text, QColor desktopBackground)
{
    return clearer(text, desktopBackground, StandardBackground);
}

} // namespace sostav
