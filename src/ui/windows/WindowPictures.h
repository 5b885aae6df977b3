#pragma once

#include <QPixmap>

// The built-in pictures of the auxiliary windows: the program icon and the help pages.
namespace quobix::WindowPictures {

// Registers the pictures with the resource system; safe to call any number of times.
void Init();

// The picture named name ("icon", "help1".."help5"); a null pixmap when there is none.
QPixmap Picture(const QString& name);

} // namespace quobix::WindowPictures
