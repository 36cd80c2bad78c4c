#pragma once

#include <QByteArrayView>
#include <QtGlobal>

namespace orvane {

// What a picture library may hold. The largest library the build writes is under 3 MB with
// 108 entries of at most half a megabyte; these leave room for finer pictures while keeping
// a forged or runaway file from costing more than a few megabytes of memory.
inline constexpr qint64 MaxBundleFileSize = 16 * 1024 * 1024;
inline constexpr quint32 MaxBundleEntries = 1024;               // files and folders together
inline constexpr quint32 MaxBundleEntrySize = 4 * 1024 * 1024;  // stored or expanded

// Whether `bundle` is a whole, self-consistent Qt binary resource bundle (the output of
// `rcc --binary`): every tree node, name and data block it points to lies inside it.
// Qt trusts a registered bundle completely, so a truncated or damaged library file must be
// turned away before it is registered, or a later look-up could read past its end.
// A bundle beyond the limits above is refused as well.
// Entries must be stored plain or zlib-compressed (`rcc --compress-algo zlib`): zstd entries
// are refused, since Qt would allocate whatever size a forged zstd frame claims.
bool IsWholeResourceBundle(QByteArrayView bundle);

}  // namespace orvane
