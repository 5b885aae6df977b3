#pragma once

#include "platform/RunTimeError.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QTextStream>

namespace quobix {
class LevelDocument;
}

// A level as a picture in the current skin, drawn as the main window draws its grid.
namespace quobix::LevelPicture {

// The empty grid, then every cell's symbol, onto an image of the main window's client size.
void Draw(QImage& image, const LevelDocument& level);

// The part worth showing: the used rows and cells with one cell around them, or the whole grid
// when it is empty.
QRect Area(const LevelDocument& level);

// That part of a fresh drawing.
QImage Picture(const LevelDocument& level);

// Writes the picture as a PNG file, replacing a file only once the new one is complete; false
// with the error, the old file intact.
bool Export(const LevelDocument& level, const QString& path, RunTimeError& error);

// --export-picture FILE OUT: the level of a level file as a PNG file; 0 when written, 1 when the
// level could not be read or the picture written, the messages on err led by the file's name.
int ExportCommand(const QString& file, const QString& out, QTextStream& err);

} // namespace quobix::LevelPicture
