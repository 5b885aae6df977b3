#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

// The seven symbols a cell holds, in one table: code, character, name and picture name, and what
// the symbol counts as. The reader and the writer, the game, the skins and the palette all read it.
namespace quobix {

namespace SymbolCode {
    constexpr qint16 Floor = 0;
    constexpr qint16 Wall = 1;
    constexpr qint16 Object = 2;
    constexpr qint16 Man = 3;
    constexpr qint16 Target = 4;
    constexpr qint16 ObjectOnTarget = 5;
    constexpr qint16 ManOnTarget = 6;
    constexpr qint16 None = 7; // a character that is no symbol
}

struct Symbol {
    char character;
    const char* name; // as the status line names the selected symbol
    const char* picture; // the name of its picture in a skin
    bool wall, object, target, man;
};

// Indexed by the symbol's code; a code also indexes the skins' pictures.
inline constexpr Symbol Symbols[7] = {
    { ' ', "Floor", "Floor", false, false, false, false },
    { '#', "Wall", "Wall", true, false, false, false },
    { '$', "Object", "Object", false, true, false, false },
    { '@', "Man", "Man", false, false, false, true },
    { '.', "Target", "Target", false, false, true, false },
    { '*', "Object on target", "ObjectOnTarget", false, true, true, false },
    { '+', "Man on target", "ManOnTarget", false, false, true, true },
};

// The level characters by code, after an "X" that stands before Floor: a character's code is its
// place in the text minus 2.
inline constexpr char SymbolAlphabet[] = "X #$@.*+";

inline QString SymbolName(qint16 code) { return QString::fromLatin1(Symbols[code].name); }
inline QChar SymbolChar(qint16 code) { return QLatin1Char(Symbols[code].character); }

// Code of a level character by its place in SymbolAlphabet: 0..6 for the symbols, -1 for "X",
// -2 for any other character.
qint16 SymbolCodeOf(QChar c);

// Code of a level character among the seven symbols: 0..6, or 7 when it is none of them.
qint16 SymbolIndexOf(QChar c);

// The symbol of a cell that holds what is said; a wall holds nothing else.
qint16 SymbolOf(bool wall, bool object, bool target, bool man);

inline bool IsMan(qint16 code) { return code >= 0 && code < 7 && Symbols[code].man; }

// Exactly one man, as many objects as targets, and at least one target.
inline bool IsValidLevel(int men, int objects, int targets)
{
    return men == 1 && objects == targets && targets != 0;
}

} // namespace quobix
