#pragma once

#include <QString>

namespace skingen {

// Paints the three skins into folder/krv, folder/tlm and folder/bnz.
// Returns an error text, empty on success.
QString WriteSkins(const QString& folder);

} // namespace skingen
