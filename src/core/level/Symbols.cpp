#include "level/Symbols.h"

namespace quobix {

qint16 SymbolCodeOf(QChar c)
{
    for (qint16 k = 0; SymbolAlphabet[k] != 0; ++k)
        if (c == QLatin1Char(SymbolAlphabet[k]))
            return static_cast<qint16>(k - 1);
    return -2;
}

qint16 SymbolIndexOf(QChar c)
{
    for (qint16 code = SymbolCode::Floor; code <= SymbolCode::ManOnTarget; ++code)
        if (c == SymbolChar(code))
            return code;
    return SymbolCode::None;
}

qint16 SymbolOf(bool wall, bool object, bool target, bool man)
{
    for (qint16 code = SymbolCode::Floor; code <= SymbolCode::ManOnTarget; ++code) {
        const Symbol& s = Symbols[code];
        if (s.wall == wall && s.object == object && s.target == target && s.man == man)
            return code;
    }
    return SymbolCode::None;
}

} // namespace quobix
