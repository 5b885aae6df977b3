#include "skins/SkinWindow.h"

#include "skins/SkinState.h"

#include <QPainter>

namespace quobix {

PictureHolder::PictureHolder(const QString& name, const QString& resource, QObject* parent)
    : QObject(parent)
{
    setObjectName(name);
    // Qt reads a GIF with transparency as ARGB32 with the transparent white at alpha 0; the
    // bitwise AND needs plain white there, so the alpha channel is dropped once, here.
    QImage image(resource);
    if (image.isNull())
        qWarning("Cannot read the picture %s", qUtf8Printable(resource));
    if (image.hasAlphaChannel()) {
        QImage opaque(image.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, image);
        image = opaque;
    }
    Picture = image.convertToFormat(QImage::Format_RGB32);
}

SkinWindow::SkinWindow(const QString& folder)
{
    for (int index = 0; index <= EmptyGridPicture; ++index) {
        const QString name = QLatin1String(PictureName(index));
        new PictureHolder(name, folder + QLatin1Char('/') + name + QStringLiteral(".gif"), this);
    }
}

} // namespace quobix
