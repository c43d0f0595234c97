#pragma once

namespace sostav {

enum class FontFace { None, TimesNewRoman, Arial, MsSansSerif };
enum class Weight { Normal, Bold };

// Sizes are kept in hundredths of a point so that 27.75 pt stays exact in a constexpr table.
struct FontStyle {
    FontFace face = FontFace::None;
    int centiPoints = 0;
    Weight weight = Weight::Normal;

    // One point is 4/3 of a logical pixel; every size the screens use is a whole pixel.
    constexpr int pixelSize() const { return centiPoints * 4 / 300; }
};

constexpr FontStyle TimesBold(int centiPoints)
{
    return FontStyle {FontFace::TimesNewRoman, centiPoints, Weight::Bold};
}

constexpr FontStyle ArialNormal(int centiPoints)
{
    return FontStyle {FontFace::Arial, centiPoints, Weight::Normal};
}

constexpr FontStyle SansSerifNormal(int centiPoints)
{
    return FontStyle {FontFace::MsSansSerif, centiPoints, Weight::Normal};
}

} // namespace sostav
