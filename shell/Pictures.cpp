#include "shell/Pictures.h"

#include "shell/QtText.h"

#include <QGuiApplication>
#include <QImageReader>

namespace sostav {

QPixmap loadPicture(std::string_view name)
{
    const qreal devicePixelRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    const QString base = QStringLiteral(":/pictures/") + toQString(name);
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
