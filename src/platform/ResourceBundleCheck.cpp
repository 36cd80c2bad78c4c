#include "platform/ResourceBundleCheck.h"

#include <cstdint>

namespace orvane {

namespace {

// Layout written by rcc and read by QResource, all numbers big-endian:
//   header "qres", version, tree offset, data offset, names offset [, feature flags (v3)]
//   tree node: name offset (4), flags (2), then directory: child count (4), first child (4);
//              file: country (2), language (2), data offset (4); from v2 a time stamp (8)
//   name: length in UTF-16 units (2), hash (4), the UTF-16 text
//   data: size (4), the bytes (compressed ones start with their own size)
constexpr std::uint32_t DirectoryFlag = 0x02;
constexpr std::uint32_t CompressedZlibFlag = 0x01;
constexpr std::uint32_t CompressedZstdFlag = 0x04;

class BundleReader {
  public:
    explicit BundleReader(QByteArrayView data) : bytes(data) {}

    bool Fits(std::uint64_t at, std::uint64_t length) const {
        return at <= static_cast<std::uint64_t>(bytes.size()) &&
               length <= static_cast<std::uint64_t>(bytes.size()) - at;
    }
    std::uint32_t U16(std::uint64_t at) const {
        const auto* p = reinterpret_cast<const unsigned char*>(bytes.data()) + at;
        return static_cast<std::uint32_t>(p[0]) << 8 | p[1];
    }
    std::uint32_t U32(std::uint64_t at) const { return U16(at) << 16 | U16(at + 2); }
    std::uint64_t Size() const { return static_cast<std::uint64_t>(bytes.size()); }

  private:
    QByteArrayView bytes;
};

struct Sections {
    std::uint64_t tree = 0;
    std::uint64_t data = 0;
    std::uint64_t names = 0;
    std::uint64_t nodeSize = 0;
    std::uint64_t nodeCount = 0;
};

bool ReadHeader(const BundleReader& in, Sections& sections) {
    if (!in.Fits(0, 20) || in.U32(0) != 0x71726573) {  // "qres"
        return false;
    }
    const std::uint32_t version = in.U32(4);
    if (version < 1 || version > 3 || (version == 3 && !in.Fits(0, 24))) {
        return false;
    }
    sections.tree = in.U32(8);
    sections.data = in.U32(12);
    sections.names = in.U32(16);
    sections.nodeSize = version >= 2 ? 22 : 14;
    if (sections.tree >= in.Size() || sections.data > in.Size() || sections.names > in.Size()) {
        return false;
    }
    // The tree is the last section: it runs to the end of the file.
    sections.nodeCount = (in.Size() - sections.tree) / sections.nodeSize;
    return sections.nodeCount > 0;
}

bool NameFits(const BundleReader& in, const Sections& sections, std::uint32_t nameOffset) {
    const std::uint64_t at = sections.names + nameOffset;
    return in.Fits(at, 6) && in.Fits(at + 6, std::uint64_t{2} * in.U16(at));
}

bool DataFits(const BundleReader& in, const Sections& sections, std::uint64_t node) {
    const std::uint32_t flags = in.U16(node + 4);
    if ((flags & CompressedZstdFlag) != 0) {
        // Qt allocates whatever size a zstd frame claims. The libraries are built with zlib
        // (see tools/CMakeLists.txt), so a zstd entry is refused rather than trusted.
        return false;
    }
    const std::uint64_t at = sections.data + in.U32(node + 10);
    if (!in.Fits(at, 4) || !in.Fits(at + 4, in.U32(at)) || in.U32(at) > MaxBundleEntrySize) {
        return false;
    }
    if ((flags & CompressedZlibFlag) != 0) {
        // zlib blocks carry the size they expand to; refuse absurd claims before anyone
        // allocates for them.
        return in.U32(at) >= 4 && in.U32(at + 4) <= MaxBundleEntrySize;
    }
    return true;
}

}  // namespace

bool IsWholeResourceBundle(QByteArrayView bundle) {
    if (bundle.size() > MaxBundleFileSize) {
        return false;
    }
    const BundleReader in(bundle);
    Sections sections;
    if (!ReadHeader(in, sections) || sections.nodeCount > MaxBundleEntries) {
        return false;
    }
    if ((in.U16(sections.tree + 4) & DirectoryFlag) == 0) {
        return false;  // the root must be a folder
    }
    for (std::uint64_t i = 0; i < sections.nodeCount; ++i) {
        const std::uint64_t node = sections.tree + i * sections.nodeSize;
        // The root's name is never read; every other node's is compared during look-ups.
        if (i > 0 && !NameFits(in, sections, in.U32(node))) {
            return false;
        }
        if ((in.U16(node + 4) & DirectoryFlag) != 0) {
            const std::uint64_t count = in.U32(node + 6);
            const std::uint64_t first = in.U32(node + 10);
            if (first > sections.nodeCount || count > sections.nodeCount - first) {
                return false;
            }
        } else if (!DataFits(in, sections, node)) {
            return false;
        }
    }
    return true;
}

}  // namespace orvane
