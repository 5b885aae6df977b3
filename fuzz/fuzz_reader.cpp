// Feeds arbitrary bytes to the level reader in both notations. A read that succeeds must leave
// a grid the editor can draw; a read that fails must leave the editor's level and texts alone.

#include "displace/DisplaceState.h"
#include "files/modLoadOrSave.h"
#include "level/LevelState.h"
#include "messages/LoadSaveState.h"
#include "state/CoreState.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace quobix;

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_reader: %s\n", what);
        std::abort();
    }
}

// The editor's level before each read: one wall and one man.
QString StartLine(int line)
{
    QString text(64, QLatin1Char(' '));
    if (line == 5)
        text[1] = QLatin1Char('#');
    if (line == 6)
        text[2] = QLatin1Char('@');
    return text;
}

void ReadAs(const QByteArray& bytes, qint16 type)
{
    InitCoreState();
    for (int line = 1; line <= GridRows; ++line)
        LevelLines[1][line] = StartLine(line);
    Author = QStringLiteral("author before");
    TopComment = QStringLiteral("top before");
    BottomComment = QStringLiteral("bottom before");
    LevelFileType = type;

    modLoadOrSave::ReadLevelBytes(bytes);

    if (!LoadOrSaveOK) {
        for (int line = 1; line <= GridRows; ++line)
            Require(LevelLines[1][line] == StartLine(line), "a failed read changed the grid");
        Require(Author == QLatin1String("author before")
                && TopComment == QLatin1String("top before")
                && BottomComment == QLatin1String("bottom before"),
            "a failed read changed the texts");
        return;
    }
    for (int line = 1; line <= GridRows; ++line) {
        const QString& text = LevelLines[1][line];
        Require(text.size() == 64, "a grid line is not 64 characters long");
        for (int column = 1; column <= 64; ++column) {
            const QChar c = text[column - 1];
            if ((line + column) % 2 == 1)
                Require(SymbolCodeOf(c) >= 0, "a cell holds no level character");
            else
                Require(c == QLatin1Char(' '), "a level character stands between two cells");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(
        reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ReadAs(bytes, 1);
    ReadAs(bytes, 2);
    return 0;
}
