// Fuzzes the record line's split and join and the record name: any bytes make 33 tokens
// without blanks, joining and splitting again keeps them, and the name is a short prefix.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/FuzzProperties.h"
#include "handling/HandlingFile.h"

namespace {

bool HasBlank(const std::string& text) { return text.find_first_of(" \t") != std::string::npos; }

void CheckTokens(const TRecordTokens& tokens) {
    Require(tokens.Count() == RecordTokenCount, "SplitRecordLine gives 33 tokens");
    for (const std::string& token : tokens.Lines()) Require(!HasBlank(token), "no token holds a blank");
}

void CheckRecordName(const std::string& line, const TRecordTokens& tokens) {
    const std::string name = GetRecordName(line);
    Require(name.size() <= 14, "the record name has at most 14 characters");
    Require(line.compare(0, name.size(), name) == 0, "the record name is a prefix of the line");
    Require(!HasBlank(name), "the record name holds no blank");
    // It stops early only at a blank.
    if (name.size() < 14 && name.size() < line.size())
        Require(line[name.size()] == ' ' || line[name.size()] == '\t', "the record name ends at a blank");
    if (!line.empty() && line[0] != ' ' && line[0] != '\t')
        Require(name == tokens.Get(0).substr(0, 14), "the record name is token 0's first 14 characters");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string line(reinterpret_cast<const char*>(data), size);
    const TRecordTokens tokens = SplitRecordLine(line);
    CheckTokens(tokens);
    Require(SplitRecordLine(JoinRecordTokens(tokens)) == tokens, "joined tokens split into the same tokens");
    CheckRecordName(line, tokens);
    return 0;
}
