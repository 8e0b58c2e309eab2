#include "tools/help/HelpChmCheck.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace orvane {

namespace {

using Bytes = std::vector<unsigned char>;

constexpr std::size_t kItsfLength = 0x60;  // chmlib always reads this much
constexpr std::size_t kItspLength = 0x54;
constexpr std::size_t kPmglHeader = 0x14;
constexpr std::size_t kPmgiHeader = 0x08;
constexpr std::size_t kMaxName = 512;  // chmlib's CHM_MAX_PATHLEN
// Directory pages are 4 KB in every file the compilers write; chmlib
// allocates one page per lookup, so the size is bounded here.
constexpr std::uint32_t kMinPage = 0x100;
constexpr std::uint32_t kMaxPage = 0x10000;
// LZX frames are always 32 KB; chmlib allocates a block of the table's
// length plus 6144 bytes of slack for one compressed frame.
constexpr std::uint64_t kLzxBlock = 0x8000;
constexpr std::uint64_t kLzxSlack = 6144;
constexpr std::uint32_t kMaxBlocks = 1u << 20;

std::uint32_t U32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint64_t U64(const unsigned char* p) { return U32(p) | static_cast<std::uint64_t>(U32(p + 4)) << 32; }

std::int32_t I32(const unsigned char* p) { return static_cast<std::int32_t>(U32(p)); }

// a + b <= limit without overflow.
bool FitsWithin(std::uint64_t a, std::uint64_t b, std::uint64_t limit) { return a <= limit && b <= limit - a; }

struct Entry {
    std::uint64_t space = 0;
    std::uint64_t start = 0;
    std::uint64_t length = 0;
};

std::string Lower(std::string_view name)
{
    std::string out(name);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A variable-length number as chmlib reads it (7 bits a byte, high bit set
// on all but the last); it must end before `end`.
std::optional<std::uint64_t> Cword(const Bytes& page, std::size_t& at, std::size_t end)
{
    std::uint64_t value = 0;
    for (int n = 0; n < 10 && at < end; ++n) {
        const unsigned char byte = page[at++];
        value = value << 7 | (byte & 0x7f);
        if (byte < 0x80)
            return value;
    }
    return std::nullopt;
}

class Checker {
public:
    Checker(std::uint64_t fileSize, const ChmByteReader& read) : size_(fileSize), read_(read) { }

    std::string Run()
    {
        if (std::string why = Headers(); !why.empty())
            return why;
        if (std::string why = Pages(); !why.empty())
            return why;
        return Compression();
    }

private:
    std::optional<Bytes> Read(std::uint64_t offset, std::uint64_t length)
    {
        if (!FitsWithin(offset, length, size_))
            return std::nullopt;
        Bytes bytes(static_cast<std::size_t>(length));
        if (length > 0 && !read_(offset, bytes.size(), bytes.data()))
            return std::nullopt;
        return bytes;
    }

    std::string Headers()
    {
        const auto itsf = Read(0, kItsfLength);
        if (!itsf || std::string_view(reinterpret_cast<const char*>(itsf->data()), 4) != "ITSF")
            return "no ITSF header";
        const std::int32_t version = I32(&(*itsf)[4]);
        if (version != 2 && version != 3)
            return "unknown ITSF version";
        const std::uint64_t dirOffset = U64(&(*itsf)[0x48]);
        const std::uint64_t dirLength = U64(&(*itsf)[0x50]);
        if (!FitsWithin(dirOffset, dirLength, size_) || dirLength < kItspLength)
            return "directory outside the file";
        dataOffset_ = version == 3 ? U64(&(*itsf)[0x58]) : dirOffset + dirLength;
        if (dataOffset_ > size_)
            return "content section outside the file";

        const auto itsp = Read(dirOffset, kItspLength);
        if (!itsp || std::string_view(reinterpret_cast<const char*>(itsp->data()), 4) != "ITSP" ||
            I32(&(*itsp)[4]) != 1 || U32(&(*itsp)[8]) != kItspLength)
            return "no ITSP directory header";
        pageSize_ = U32(&(*itsp)[0x10]);
        if (pageSize_ < kMinPage || pageSize_ > kMaxPage)
            return "directory page size out of range";
        indexRoot_ = I32(&(*itsp)[0x1c]);
        indexHead_ = I32(&(*itsp)[0x20]);
        pagesAt_ = dirOffset + kItspLength;
        pageCount_ = (dirLength - kItspLength) / pageSize_;
        if (indexHead_ < 0 || static_cast<std::uint64_t>(indexHead_) >= pageCount_)
            return "first listing page outside the directory";
        // chmlib starts its lookups at the listing when there is no index.
        if (indexRoot_ < 0)
            indexRoot_ = indexHead_;
        if (static_cast<std::uint64_t>(indexRoot_) >= pageCount_)
            return "index root outside the directory";
        return {};
    }

    // Every page of the directory: chmlib may be led to any of them.
    std::string Pages()
    {
        kinds_.assign(static_cast<std::size_t>(pageCount_), Kind::Other);
        children_.assign(static_cast<std::size_t>(pageCount_), {});
        next_.assign(static_cast<std::size_t>(pageCount_), -1);
        for (std::uint64_t p = 0; p < pageCount_; ++p) {
            const auto page = Read(pagesAt_ + p * pageSize_, pageSize_);
            if (!page)
                return "directory page cut short";
            const std::string_view magic(reinterpret_cast<const char*>(page->data()), 4);
            const auto index = static_cast<std::size_t>(p);
            std::string why;
            if (magic == "PMGL") {
                kinds_[index] = Kind::Listing;
                why = Listing(*page, index);
            } else if (magic == "PMGI") {
                kinds_[index] = Kind::Index;
                why = Index(*page, index);
            }
            if (!why.empty())
                return why;
        }
        // The listing chain, as chm_enumerate walks it, must end.
        std::vector<bool> seen(static_cast<std::size_t>(pageCount_), false);
        for (std::int32_t p = indexHead_; p != -1; p = next_[static_cast<std::size_t>(p)]) {
            if (p < 0 || static_cast<std::uint64_t>(p) >= pageCount_ ||
                kinds_[static_cast<std::size_t>(p)] != Kind::Listing)
                return "listing chain leaves the directory";
            if (seen[static_cast<std::size_t>(p)])
                return "listing chain loops";
            seen[static_cast<std::size_t>(p)] = true;
        }
        // The index tree, as chm_resolve_object descends it, must not loop.
        std::vector<int> state(static_cast<std::size_t>(pageCount_), 0);  // 0 new, 1 on the path, 2 done
        return IndexUnusable(static_cast<std::size_t>(indexRoot_), state, 0) ? "index pages loop or nest too deep" : "";
    }

    // Real files nest their index two or three levels deep.
    static constexpr int kMaxIndexDepth = 32;

    bool IndexUnusable(std::size_t page, std::vector<int>& state, int depth)
    {
        if (kinds_[page] != Kind::Index || state[page] == 2)
            return false;
        if (state[page] == 1 || depth > kMaxIndexDepth)
            return true;
        state[page] = 1;
        for (const std::uint64_t child : children_[page])
            if (child < pageCount_ && IndexUnusable(static_cast<std::size_t>(child), state, depth + 1))
                return true;
        state[page] = 2;
        return false;
    }

    // Name length and name; the name must be non-empty and not start with a
    // NUL (chmlib takes strlen(name) - 1 as an index).
    std::optional<std::string> Name(const Bytes& page, std::size_t& at, std::size_t end)
    {
        const auto length = Cword(page, at, end);
        if (!length || *length == 0 || *length > kMaxName || *length > end - at || page[at] == 0)
            return std::nullopt;
        std::string name(reinterpret_cast<const char*>(&page[at]), static_cast<std::size_t>(*length));
        at += static_cast<std::size_t>(*length);
        return name;
    }

    std::string Listing(const Bytes& page, std::size_t index)
    {
        const std::uint32_t freeSpace = U32(&page[4]);
        if (freeSpace > pageSize_ - kPmglHeader)
            return "listing page overfull";
        next_[index] = I32(&page[0x10]);
        const std::size_t end = pageSize_ - freeSpace;
        std::size_t at = kPmglHeader;
        while (at < end) {
            const auto name = Name(page, at, end);
            if (!name)
                return "listing entry name damaged";
            Entry entry;
            const auto space = Cword(page, at, end);
            const auto start = Cword(page, at, end);
            const auto length = Cword(page, at, end);
            if (!space || !start || !length || *space > 1)
                return "listing entry damaged";
            entry.space = *space;
            entry.start = *start;
            entry.length = *length;
            entries_.emplace(Lower(*name), entry);
        }
        return {};
    }

    std::string Index(const Bytes& page, std::size_t index)
    {
        const std::uint32_t freeSpace = U32(&page[4]);
        if (freeSpace > pageSize_ - kPmgiHeader)
            return "index page overfull";
        const std::size_t end = pageSize_ - freeSpace;
        std::size_t at = kPmgiHeader;
        while (at < end) {
            const auto name = Name(page, at, end);
            const auto child = name ? Cword(page, at, end) : std::nullopt;
            if (!child)
                return "index entry damaged";
            // chmlib keeps the page number as an int.
            children_[index].push_back(static_cast<std::uint32_t>(*child));
        }
        return {};
    }

    // The one entry of that name (chmlib compares names without case), if any.
    std::optional<Entry> Unique(std::string_view name, bool& ambiguous) const
    {
        const auto range = entries_.equal_range(Lower(name));
        if (range.first == range.second)
            return std::nullopt;
        ambiguous = ambiguous || std::next(range.first) != range.second;
        return range.first->second;
    }

    std::string Compression()
    {
        bool ambiguous = false;
        const auto table = Unique("::DataSpace/Storage/MSCompressed/Transform/"
                                  "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable",
                                  ambiguous);
        const auto content = Unique("::DataSpace/Storage/MSCompressed/Content", ambiguous);
        const auto control = Unique("::DataSpace/Storage/MSCompressed/ControlData", ambiguous);
        if (ambiguous)
            return "a compression object is named twice";
        // chmlib leaves compression off unless all three lie in section 0;
        // compressed objects then read as empty.
        if (!table || !content || !control || table->space != 0 || content->space != 0 || control->space != 0)
            return {};

        if (table->length < 0x28)
            return "reset table too short";
        const auto head = Read(dataOffset_ + table->start, 0x28);
        if (!head || U32(&(*head)[0]) != 2)
            return "reset table damaged";
        const std::uint32_t blocks = U32(&(*head)[4]);
        const std::uint32_t tableOffset = U32(&(*head)[12]);
        const std::uint64_t uncompressed = U64(&(*head)[16]);
        const std::uint64_t compressed = U64(&(*head)[24]);
        if (U64(&(*head)[32]) != kLzxBlock)
            return "compressed block length is not 32 KB";
        if (blocks == 0 || blocks > kMaxBlocks || uncompressed > blocks * kLzxBlock)
            return "block count does not cover the compressed section";
        if (!FitsWithin(tableOffset, blocks * 8ull, table->length))
            return "block table outside the reset table";
        if (compressed > content->length || !FitsWithin(dataOffset_ + content->start, compressed, size_))
            return "compressed section outside the file";
        const auto addresses = Read(dataOffset_ + table->start + tableOffset, blocks * 8ull);
        if (!addresses)
            return "block table cut short";
        for (std::uint32_t b = 0; b < blocks; ++b) {
            const std::uint64_t from = U64(&(*addresses)[b * 8ull]);
            const std::uint64_t to = b + 1 < blocks ? U64(&(*addresses)[(b + 1) * 8ull]) : compressed;
            if (to < from || to - from > kLzxBlock + kLzxSlack)
                return "compressed block out of order or too long";
        }

        if (control->length < 0x18 || control->length > 256)
            return "control data of the wrong size";
        const auto lzxc = Read(dataOffset_ + control->start, 0x18);
        if (!lzxc || std::string_view(reinterpret_cast<const char*>(&(*lzxc)[4]), 4) != "LZXC")
            return "control data damaged";
        // chmlib's own 32-bit arithmetic, overflow included.
        std::uint32_t interval = U32(&(*lzxc)[12]);
        std::uint32_t window = U32(&(*lzxc)[16]);
        if (U32(&(*lzxc)[8]) == 2) {
            interval *= 0x8000u;
            window *= 0x8000u;
        }
        if (window < (1u << 15) || window > (1u << 21) || (window & (window - 1)) != 0)
            return "LZX window size invalid";
        if (interval == 0 || interval % (window / 2) != 0)
            return "LZX reset interval invalid";
        const std::uint32_t blocksPerReset = interval / (window / 2) * U32(&(*lzxc)[20]);
        if (blocksPerReset == 0)
            return "LZX blocks per reset is zero";

        for (const auto& [name, entry] : entries_)
            if (entry.space == 1 && !FitsWithin(entry.start, entry.length, uncompressed))
                return "compressed object beyond the compressed section";
        return {};
    }

    enum class Kind { Other, Listing, Index };

    std::uint64_t size_;
    const ChmByteReader& read_;
    std::uint64_t dataOffset_ = 0;
    std::uint32_t pageSize_ = 0;
    std::int32_t indexRoot_ = -1;
    std::int32_t indexHead_ = -1;
    std::uint64_t pagesAt_ = 0;
    std::uint64_t pageCount_ = 0;
    std::vector<Kind> kinds_;
    std::vector<std::vector<std::uint64_t>> children_;
    std::vector<std::int32_t> next_;
    std::multimap<std::string, Entry> entries_;
};

}  // namespace

std::string ChmStructureProblem(std::uint64_t fileSize, const ChmByteReader& read)
{
    return Checker(fileSize, read).Run();
}

}  // namespace orvane
