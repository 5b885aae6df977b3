#pragma once

#include <QPixmap>

// Every built-in picture, registered in one place: the skins, the displace buttons, the program
// icon and the help pages.
namespace quobix::BuiltInPictures {

// Registers the pictures with the resource system; safe to call any number of times.
void Init();

// The picture of the auxiliary windows named name ("icon", "help1".."help6"); a null pixmap
// when there is none.
QPixmap Picture(const QString& name);

} // namespace quobix::BuiltInPictures
