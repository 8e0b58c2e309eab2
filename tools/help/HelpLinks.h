#pragma once
// Addresses of help topics and the links inside them. A topic address names a
// compiled help file and an object inside it, "C:/P/X.CHM::/HsTs.htm#depth";
// a link inside a page is resolved against the page that holds it. Both are
// plain text work, so the viewer and the fuzzer share them.

#include <string>
#include <string_view>

namespace orvane {

struct HelpAddress {
    std::string file;      // the compiled help file as written ("" = the current one)
    std::string object;    // absolute object path inside it, "/HsTs.htm" ("" = its default topic)
    std::string fragment;  // anchor after "#", without the "#"
};

// "%s::/%s.htm" of the file and the keyword: the address ShowHelpTopic opens.
std::string TopicAddress(const std::string& helpFile, const std::string& keyword);

// Splits "file::/object#fragment". The prefixes "mk:@MSITStore:", "ms-its:"
// and "its:" are accepted before the file. Text without "::" is an object of
// the current file.
HelpAddress ParseHelpAddress(std::string_view text);

// The address as text, "file::/object#fragment" (the fragment only when set).
std::string FormatHelpAddress(const HelpAddress& address);

enum class LinkKind {
    Topic,     // an object of a help file: resolved.file and resolved.object are set
    External,  // an address with a scheme (https:, mailto:, file:): nothing inside the help
    Invalid,   // empty, or a target that cannot be named
};

struct ResolvedLink {
    LinkKind kind = LinkKind::Invalid;
    HelpAddress address;   // Topic
    std::string external;  // External: the link text as written
};

// Resolves href as written in the page `page` (an address with file and
// object). Relative paths start from the page's folder; "./" and "../" are
// folded, never above the file's root; "%xx" escapes are decoded; "#x" alone
// stays on the page; a link naming another compiled file ("other.chm::/x.htm")
// keeps that file, relative to the folder of the page's file. A "file:"
// address is External: a page never names a local file.
ResolvedLink ResolveHelpLink(const HelpAddress& page, std::string_view href);

// Whether an External address may be handed to the desktop at all (after the
// user agrees): a web address ("http://", "https://") or an e-mail address
// ("mailto:") that attaches no file (no "attach=" or "attachment=" in its
// query, escaped or not). Everything else (javascript:, data:, file:, smb:,
// unknown schemes) would run or read something on this computer. Addresses
// with control characters or blanks are refused too.
bool MayLeaveHelp(std::string_view address);

// "/a/./b/../c.htm" -> "/a/c.htm"; always starts with "/"; ".." at the root
// stays at the root; backslashes count as "/".
std::string NormalizeObjectPath(std::string_view path);

// Decodes "&amp;", "&lt;", "&gt;", "&quot;", "&apos;", "&#NN;" and "&#xNN;"
// (as UTF-8); any other "&" is kept as written.
std::string DecodeHtmlEntities(std::string_view text);

}  // namespace orvane
