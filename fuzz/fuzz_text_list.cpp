// Fuzzes the text list's line splitting: no line keeps a line end, and joining the lines
// and splitting them again gives the same lines.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz/FuzzProperties.h"
#include "platform/TextList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = TStringList::SplitText(bytes);
    std::size_t lineBytes = 0;
    for (const std::string& line : lines) {
        Require(line.find_first_of("\r\n") == std::string::npos, "no line holds CR or LF");
        lineBytes += line.size();
    }
    Require(lineBytes <= bytes.size(), "the lines hold no byte the text did not have");

    const std::string joined = TStringList(lines).JoinedText();
    Require(joined.size() == lineBytes + 2 * lines.size(), "every joined line ends with CR LF");
    Require(TStringList::SplitText(joined) == lines, "joined lines split into the same lines");
    return 0;
}
