// Any bytes as a project companion file: no crash; JSON that is read writes
// back to text that reads to the same value; the companion's own text reads
// back to the same settings and the same text.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/Json.h"
#include "core/ProjectCompanion.h"

namespace {

void Require(bool property)
{
    if (!property)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const orvane::JsonParseResult parsed = orvane::ParseJson(text);
    if (parsed.Ok()) {
        const orvane::JsonParseResult again = orvane::ParseJson(orvane::WriteJson(parsed.value));
        Require(again.Ok() && again.value == parsed.value);
    } else {
        Require(parsed.value.IsNull() && parsed.error.rfind("line ", 0) == 0);
    }

    orvane::ProjectCompanion companion;
    companion.ReadText(text);
    const std::string written = companion.Text();
    orvane::ProjectCompanion reread;
    Require(reread.ReadText(written).empty());
    Require(reread.wind == companion.wind && reread.growth == companion.growth);
    Require(reread.Text() == written);
    Require(reread.HoldsSomething() == (written != "{}\n"));
    return 0;
}
