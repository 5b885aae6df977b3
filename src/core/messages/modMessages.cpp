#include "messages/modMessages.h"

#include "geometry/GridGeometry.h"
#include "messages/LoadSaveState.h"
#include "platform/MessageSeam.h"
#include "platform/RunTimeError.h"

namespace quobix::modMessages {

namespace {
    // Message texts break their lines with a carriage return alone.
    const QString CR = QStringLiteral("\r");
    // A number joined to a text is written with one leading blank.
    QString Num(int n) { return (n >= 0 ? QStringLiteral(" ") : QString()) + QString::number(n); }

    void Error(const QString& text, const QString& title)
    {
        ShowMessageBox(text, title, MsgButtons::OK, MsgIcon::Critical);
    }

    void Ask(const QString& text, const QString& title, MsgIcon icon)
    {
        UserAnswer = ShowMessageBox(text, title, MsgButtons::YesNo, icon);
    }

    QString FileErrorText(const char* phrase)
    {
        return QStringLiteral("Error") + Num(Err.Number) + QStringLiteral(": ") + Err.Description
            + QLatin1String(phrase) + CurrentFolder + FileName;
    }

    const QString LevelLoadError = QStringLiteral("Level Load Error");
}

void AskOverwriteLevel()
{
    Ask(QStringLiteral("Level ") + CurrentFolder + FileName + QStringLiteral(" already exists") + CR
            + QStringLiteral("Overwrite?"),
        QStringLiteral("Saving Warning..."), MsgIcon::Exclamation);
}

void ShowSavingError()
{
    Error(FileErrorText(" was generated while saving "), QStringLiteral("Saving Error"));
}

void ShowLoadingError()
{
    Error(FileErrorText(" was generated while loading "), QStringLiteral("Loading Error"));
}

void ShowEmptyGridError()
{
    Error(QStringLiteral("You can't save an empty grid"), QStringLiteral("Saving Error"));
}

void ShowInvalidLoadFileName()
{
    Error(QStringLiteral("Invalid filename: ") + FileName, LevelLoadError);
}

void ShowNoLevelFound()
{
    Error(QStringLiteral("No quobix level found within the file."), LevelLoadError);
}

void ShowTooManyCellsPerLine()
{
    Error(QStringLiteral("The level doesn't fit within the grid (number of cells per line >")
            + Num(GridCells) + QStringLiteral(")."),
        LevelLoadError);
}

void ShowQbxFormatError()
{
    Error(QStringLiteral("The level doesn't fit within the grid (qbx format error(s))."),
        LevelLoadError);
}

void ShowInvalidSaveFileName()
{
    Error(QStringLiteral("Invalid filename: ") + FileName, QStringLiteral("Level Save Error"));
}

void ShowTooManyLines()
{
    Error(QStringLiteral("The level doesn't fit within the grid (number of lines >") + Num(GridRows)
            + QStringLiteral(")."),
        LevelLoadError);
}

void ShowNoDisplacementPossible()
{
    Error(QStringLiteral("No displacements possible."), QStringLiteral("Displace Level"));
}

void ShowLoadedLevelInvalid()
{
    ShowMessageBox(QStringLiteral("The loaded level is invalid."),
        QStringLiteral("Load Level Warning"), MsgButtons::OK, MsgIcon::Exclamation);
}

void AskSaveInvalidLevel()
{
    Ask(QStringLiteral("This level is invalid.") + CR + QStringLiteral("Save it anyway?"),
        QStringLiteral("Saving Warning..."), MsgIcon::Exclamation);
}

void AskFlipBackBeforeSaving()
{
    Ask(QStringLiteral("The level was vertically flipped after loading.") + CR
            + QStringLiteral("Flip it back before saving?"),
        QStringLiteral("Save Level"), MsgIcon::Question);
}

} // namespace quobix::modMessages
