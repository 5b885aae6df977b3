#pragma once

#include <QImage>
#include <QObject>

namespace quobix {

// Holds one built-in picture; its object name is the picture's name ("Floor" .. "Grid").
class PictureHolder : public QObject {
    Q_OBJECT
public:
    PictureHolder(const QString& name, const QString& resource, QObject* parent);
    QImage Picture;
};

// A skin: an object that is never shown and only carries its eight pictures as children named
// Floor, Wall, Object, Man, Target, ObjectOnTarget, ManOnTarget and Grid.
class SkinWindow : public QObject {
    Q_OBJECT
protected:
    // folder is the skin's resource folder, for example ":/skins/krv".
    explicit SkinWindow(const QString& folder);
};

} // namespace quobix
