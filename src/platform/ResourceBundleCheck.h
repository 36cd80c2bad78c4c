#pragma once

#include <QByteArrayView>

namespace orvane {

// Whether `bundle` is a whole, self-consistent Qt binary resource bundle (the output of
// `rcc --binary`): every tree node, name and data block it points to lies inside it.
// Qt trusts a registered bundle completely, so a truncated or damaged library file must be
// turned away before it is registered, or a later look-up could read past its end.
bool IsWholeResourceBundle(QByteArrayView bundle);

}  // namespace orvane
