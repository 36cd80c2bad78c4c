#pragma once

#include <QByteArrayView>

namespace orvane {

// Whether `bundle` is a whole, self-consistent Qt binary resource bundle (the output of
// `rcc --binary`): every tree node, name and data block it points to lies inside it.
// Qt trusts a registered bundle completely, so a truncated or damaged library file must be
// turned away before it is registered, or a later look-up could read past its end.
// Entries must be stored plain or zlib-compressed (`rcc --compress-algo zlib`): zstd entries
// are refused, since Qt would allocate whatever size a forged zstd frame claims.
bool IsWholeResourceBundle(QByteArrayView bundle);

}  // namespace orvane
