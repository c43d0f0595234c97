// sostav-draw: draws every picture and icon of the program into one folder, and
// synthesises its sounds there too.
//
//   QT_QPA_PLATFORM=offscreen sostav-draw <output-dir>
//
// The output is the same on every run and every machine, so the committed files change only
// when a drawing does; the PicturesDrift test holds them to that.

#include "AppIcon.h"
#include "GlyphOutline.h"
#include "PictureFile.h"
#include "SmileFace.h"
#include "SoundFile.h"
#include "SurprisedFace.h"
#include "TenPicture.h"
#include "ToneSynth.h"
#include "VerdictCues.h"
#include "WorksheetPicture.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace sostav::draw;

namespace {

// The plain name holds the picture as the screens show it; "@2x" the same drawing at twice
// the size for dense displays.
QString pictureName(const char* base, int scale)
{
    return QString::fromLatin1(base) + (scale == 1 ? QStringLiteral(".jpg") : QStringLiteral("@2x.jpg"));
}

bool writePictures(const QDir& out)
{
    bool ok = true;
    for (const int scale : {1, 2}) {
        ok = writeJpeg(drawTenPicture(scale), out.filePath(pictureName("ten", scale))) && ok;
        ok = writeJpeg(drawSmileFace(scale), out.filePath(pictureName("smile", scale))) && ok;
        ok = writeJpeg(drawSurprisedFace(scale), out.filePath(pictureName("surprised", scale)),
                 SurprisedFaceDotsPerInch * scale)
            && ok;
        ok = writeJpeg(drawWorksheet(scale), out.filePath(pictureName("worksheet", scale))) && ok;
    }
    for (const int pixels : AppIconSizes)
        ok = writePng(drawAppIcon(pixels), out.filePath(QStringLiteral("icon-%1.png").arg(pixels))) && ok;
    return ok;
}

bool writeSounds(const QDir& out)
{
    const bool right = writeWav(renderRightCue(), SoundSampleRate, out.filePath(QStringLiteral("cue-right.wav")));
    return writeWav(renderWrongCue(), SoundSampleRate, out.filePath(QStringLiteral("cue-wrong.wav"))) && right;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sostav-draw <output-dir>\n");
        return 2;
    }
    if (!glyphFontAvailable()) {
        std::fprintf(stderr, "sostav-draw: the Liberation Sans font (fonts-liberation2) is not installed\n");
        return 1;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "sostav-draw: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool sounds = writeSounds(out);
    return writePictures(out) && sounds ? 0 : 1;
}
