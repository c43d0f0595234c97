#include "shell/PictureLoader.h"

#include <QGuiApplication>
#include <QImageReader>

// The pictures live in a static library, where nothing else would pull their
// registration into the program.
static void registerPictures()
{
    Q_INIT_RESOURCE(assets);
}

namespace sostav {

void PictureLoader::registerResources()
{
    static const bool registered = (registerPictures(), true);
    Q_UNUSED(registered);
}

QPixmap PictureLoader::load(std::string_view name)
{
    return load(name, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap PictureLoader::load(std::string_view name, qreal devicePixelRatio)
{
    registerResources();
    const QString base = QStringLiteral(":/pictures/") + QString::fromUtf8(name.data(), qsizetype(name.size()));
    const bool dense = devicePixelRatio > 1.0;
    QImageReader reader(base + (dense ? QStringLiteral("@2x.jpg") : QStringLiteral(".jpg")));
    QImage image = reader.read();
    if (image.isNull() && dense) {
        reader.setFileName(base + QStringLiteral(".jpg"));
        image = reader.read();
    } else if (dense) {
        image.setDevicePixelRatio(2.0);
    }
    return QPixmap::fromImage(std::move(image));
}

} // namespace sostav
