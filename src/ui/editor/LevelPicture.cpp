#include "editor/LevelPicture.h"

#include "editor/GridCanvas.h"
#include "editor/modQuobixEditorZN.h"
#include "files/modLoadOrSave.h"
#include "game/SolveCommand.h"
#include "geometry/GridGeometry.h"
#include "messages/modMessages.h"
#include "platform/FileSystem.h"
#include "skins/SkinState.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>

namespace quobix::LevelPicture {

using geometry::Cell;

namespace {
    const QRect GridArea(geometry::GridPictureLeft, 0, 790, 528);
}

void Draw(QImage& image, const LevelDocument& level)
{
    QPainter(&image).drawImage(geometry::GridPictureLeft, 0, *SkinPictures[EmptyGridPicture]);
    for (int index = 0; index < GridRows * GridCells; ++index) {
        const Cell at = Cell::OfIndex(index);
        const qint16 code = SymbolCodeOf(CharAt(level.LevelLines[1][at.row], at.TextColumn()));
        if (code > 0)
            GridCanvas::PaintCellOn(image, *SkinPictures[code], at.Corner().x(), at.Corner().y());
    }
}

QRect Area(const LevelDocument& level)
{
    QRect used;
    for (int index = 0; index < GridRows * GridCells; ++index) {
        const Cell at = Cell::OfIndex(index);
        if (CharAt(level.LevelLines[1][at.row], at.TextColumn()) != QLatin1Char(' '))
            used |= QRect(
                at.Corner(), QSize(geometry::CellPictureWidth, geometry::CellPictureHeight));
    }
    if (used.isNull())
        return GridArea;
    return used.adjusted(
               -geometry::CellStep, -geometry::RowStep, geometry::CellStep, geometry::RowStep)
        & GridArea;
}

QImage Picture(const LevelDocument& level)
{
    QImage image(GridCanvas::ClientWidth, GridCanvas::ClientHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    Draw(image, level);
    return image.copy(Area(level));
}

bool Export(const LevelDocument& level, const QString& path, RunTimeError& error)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    Picture(level).save(&buffer, "PNG");
    // Written as level files are: the old file goes only once the new one is complete.
    return FileSystem::ReplaceFile(path, png, error);
}

int ExportCommand(const QString& file, const QString& out, QTextStream& err)
{
    modQuobixEditorZN::InitGlobals();
    SetMessageBoxHandler(game::StreamMessageHandler(err, file + QStringLiteral(": ")));
    const QFileInfo info(file);
    const QString folder = FileSystem::WithSeparator(info.absolutePath());
    const LoadResult loaded = modLoadOrSave::LoadLevel(
        folder, info.fileName(), modLoadOrSave::FileTypeOfName(info.fileName()));
    for (const Message& message : loaded.messages)
        Show(message);
    if (!loaded.ok)
        return 1;
    RunTimeError error;
    if (Export(loaded.level, out, error))
        return 0;
    Show(modMessages::SavingError(out, error));
    return 1;
}

} // namespace quobix::LevelPicture
