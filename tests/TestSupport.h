#pragma once
// Helpers shared by the test programs: boundaries of a project record, a
// private temporary folder and a recorder for messages that core
// operations show.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/Messages.h"
#include "core/ProjectRecord.h"

namespace orvane::test {

// A node of a test boundary; number -1 means the node's own position.
struct TestNode {
    float x = 0;
    float y = 0;
    int number = -1;
};

// Boundary b from its nodes at positions 1..N as given (a ring the fetch
// reads closed repeats its first node last), position 0 the closing copy of
// node N as the program keeps it, BoundaryCount raised to b.
inline void SetBoundary(ProjectRecord& rec, int b, const std::vector<TestNode>& nodes)
{
    const int n = static_cast<int>(nodes.size());
    rec.NodeCount[b] = n;
    rec.NodeNumber[b][0] = 0;
    for (int k = 1; k <= n; ++k) {
        const TestNode& node = nodes[static_cast<std::size_t>(k - 1)];
        rec.NodeNumber[b][k] = node.number < 0 ? k : node.number;
        rec.NodeX[b][k] = node.x;
        rec.NodeY[b][k] = node.y;
    }
    rec.NodeX[b][0] = rec.NodeX[b][n];
    rec.NodeY[b][0] = rec.NodeY[b][n];
    if (rec.BoundaryCount < b)
        rec.BoundaryCount = b;
}

// The corners closed by repeating the first one.
inline std::vector<TestNode> ClosedRing(std::vector<TestNode> corners)
{
    if (!corners.empty())
        corners.push_back(corners.front());
    return corners;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvane-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Collects every message shown while it lives.
class MessageRecorder {
public:
    MessageRecorder() : scope_([this](MessageKind kind, const std::string& text) { messages.push_back({kind, text}); })
    {
    }
    struct Entry {
        MessageKind kind;
        std::string text;
    };
    std::vector<Entry> messages;

private:
    ScopedMessageSink scope_;
};

}  // namespace orvane::test
