#include "messages/modMessages.h"

#include "geometry/Cell.h"

namespace quobix::modMessages {

namespace {
    // Message texts break their lines with a carriage return alone.
    constexpr QChar CR(13);
    // A number joined to a text is written with one leading blank.
    QString Num(int n) { return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n); }

    Message Error(const QString& text, const char* title)
    {
        return { text, QString::fromLatin1(title), MsgButtons::OK, MsgIcon::Critical };
    }

    qint16 Ask(const QString& text, const char* title, MsgIcon icon)
    {
        return ShowMessageBox(text, QString::fromLatin1(title), MsgButtons::YesNo, icon);
    }

    QString FileErrorText(const RunTimeError& error, const char* phrase, const QString& path)
    {
        return QStringLiteral("Error") + Num(error.Number) + QStringLiteral(": ")
            + error.Description + QLatin1String(phrase) + path;
    }

    constexpr const char* LevelLoadError = "Level Load Error";
}

Message SavingError(const QString& path, const RunTimeError& error)
{
    return Error(FileErrorText(error, " was generated while saving ", path), "Saving Error");
}

Message LoadingError(const QString& path, const RunTimeError& error)
{
    return Error(FileErrorText(error, " was generated while loading ", path), "Loading Error");
}

Message NoLevelFound()
{
    return Error(QStringLiteral("No quobix level found within the file."), LevelLoadError);
}

Message TooManyCellsPerLine()
{
    return Error(QStringLiteral("The level doesn't fit within the grid (number of cells per line >")
            + Num(GridCells) + QStringLiteral(")."),
        LevelLoadError);
}

Message QbxFormatError()
{
    return Error(QStringLiteral("The level doesn't fit within the grid (qbx format error(s))."),
        LevelLoadError);
}

Message TooManyLines()
{
    return Error(QStringLiteral("The level doesn't fit within the grid (number of lines >")
            + Num(GridRows) + QStringLiteral(")."),
        LevelLoadError);
}

Message LoadedLevelInvalid()
{
    return { QStringLiteral("The loaded level is invalid."), QStringLiteral("Load Level Warning"),
        MsgButtons::OK, MsgIcon::Exclamation };
}

Message FlippedToFit()
{
    return { QStringLiteral("The level is vertically flipped to fit within the grid."),
        QStringLiteral("Level Load Warning"), MsgButtons::OK, MsgIcon::Exclamation };
}

qint16 AskOverwriteLevel(const QString& path)
{
    return Ask(QStringLiteral("Level ") + path + QStringLiteral(" already exists") + CR
            + QStringLiteral("Overwrite?"),
        "Saving Warning...", MsgIcon::Exclamation);
}

void ShowEmptyGridError()
{
    Show(Error(QStringLiteral("You can't save an empty grid"), "Saving Error"));
}

void ShowInvalidLoadFileName(const QString& fileName)
{
    Show(Error(QStringLiteral("Invalid filename: ") + fileName, LevelLoadError));
}

void ShowInvalidSaveFileName(const QString& fileName)
{
    Show(Error(QStringLiteral("Invalid filename: ") + fileName, "Level Save Error"));
}

void ShowNoDisplacementPossible()
{
    Show(Error(QStringLiteral("No displacements possible."), "Displace Level"));
}

void ShowLoadedLevelInvalid() { Show(LoadedLevelInvalid()); }

qint16 AskSaveInvalidLevel()
{
    return Ask(QStringLiteral("This level is invalid.") + CR + QStringLiteral("Save it anyway?"),
        "Saving Warning...", MsgIcon::Exclamation);
}

qint16 AskFlipBackBeforeSaving()
{
    return Ask(QStringLiteral("The level was vertically flipped after loading.") + CR
            + QStringLiteral("Flip it back before saving?"),
        "Save Level", MsgIcon::Question);
}

} // namespace quobix::modMessages
