// Any bytes as a compiled help file: opening it, listing it, reading every
// object, parsing its contents and index lists and resolving every link of
// every page never fails and never reads outside what it was given. The same
// bytes also go straight to the list parser and the link resolver.
//
// The help file is handed over as a memory file, so no run leaves a file
// behind. Corpus: corpus/help_file/ (a small help file made by chmcmd, a
// contents list, links, and damaged help files that once stopped chmlib).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <sys/mman.h>
#include <unistd.h>

#include "tools/help/HelpChmArchive.h"
#include "tools/help/HelpLinks.h"
#include "tools/help/HelpSitemap.h"

namespace {

void ResolveAll(const orvane::HelpAddress& page, std::string_view html)
{
    for (const auto& entry : orvane::ParseSitemap(html))
        orvane::ResolveHelpLink(page, entry.local);
    // href="..." and src="..." of ordinary pages.
    for (std::string_view key : {"href=\"", "src=\""}) {
        std::size_t pos = 0;
        while ((pos = html.find(key, pos)) != std::string_view::npos) {
            pos += key.size();
            const auto end = html.find('"', pos);
            const std::string_view target = html.substr(pos, end == std::string_view::npos ? end : end - pos);
            const auto link = orvane::ResolveHelpLink(page, target);
            if (link.kind == orvane::LinkKind::Topic)
                orvane::FormatHelpAddress(link.address);
            // Nothing that names a local file leaves the viewer.
            if (link.kind == orvane::LinkKind::External && orvane::MayLeaveHelp(link.external) &&
                link.external.find("file:") == 0)
                std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const orvane::HelpAddress page {"/p/HLP/X.CHM", "/a/b.htm", ""};
    ResolveAll(page, bytes);
    orvane::ParseHelpAddress(bytes);
    orvane::ParseChmSystem(std::string(bytes));

    // chmlib reads files only: hand it the bytes as a memory file.
    const int fd = ::memfd_create("help-fuzz.chm", MFD_CLOEXEC);
    if (fd < 0)
        return 0;
    if (::write(fd, data, size) == static_cast<ssize_t>(size)) {
        const std::string path = "/proc/self/fd/" + std::to_string(fd);
        if (auto archive = orvane::ChmArchive::Open(path)) {
            const orvane::ChmSystemInfo info = archive->System();
            std::size_t objects = 0;
            for (const std::string& file : archive->Files()) {
                if (++objects > 64)
                    break;
                if (const auto content = archive->Read(file))
                    ResolveAll({path, file, ""}, *content);
            }
            for (const std::string& list : {info.contentsFile, info.indexFile})
                if (const auto content = archive->Read(list.empty() ? std::string("/") : list))
                    orvane::ParseSitemap(*content);
        }
    }
    ::close(fd);
    return 0;
}
