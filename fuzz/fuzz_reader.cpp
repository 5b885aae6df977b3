// Feeds arbitrary bytes to the level reader in both notations. A read that succeeds must give a
// grid the editor can draw, with the counts of what it holds; a read that fails gives messages.

#include "files/modLoadOrSave.h"

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

void ReadAs(const QByteArray& bytes, qint16 type)
{
    const LoadResult read = modLoadOrSave::ReadLevelBytes(bytes, type);
    Require(read.ok == read.messages.isEmpty(), "a read failed without a message, or the reverse");
    if (!read.ok)
        return;
    int objects = 0, targets = 0, men = 0;
    for (int line = 1; line <= GridRows; ++line) {
        const QString& text = read.level.LevelLines[1][line];
        Require(text.size() == 64, "a grid line is not 64 characters long");
        for (int column = 1; column <= 64; ++column) {
            const QChar c = text[column - 1];
            if ((line + column) % 2 == 1) {
                Require(SymbolCodeOf(c) >= 0, "a cell holds no level character");
                const qint16 code = SymbolIndexOf(c);
                if (code != SymbolCode::None) {
                    objects += Symbols[code].object;
                    targets += Symbols[code].target;
                    men += Symbols[code].man;
                }
            } else {
                Require(c == QLatin1Char(' '), "a level character stands between two cells");
            }
        }
    }
    Require(objects == read.level.ObjectCount && targets == read.level.TargetCount
            && men == read.level.ManCount,
        "the counts do not follow the grid");
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
