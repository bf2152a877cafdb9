// Timings of the handling file's hot paths on a generated file far larger than a real one:
// splitting its bytes, loading it and listing every section's names, one record line's
// tokens, number entry, saving, and applying a language file.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "handling/HandlingFile.h"
#include "handling/NumberEntry.h"
#include "handling/RecordFields.h"
#include "platform/SysUtils.h"
#include "platform/TextList.h"
#include "startup/LanguageFile.h"

namespace {

constexpr int SectionCount = 4;
constexpr int RecordsPerSection = 2000;
constexpr int RecordCount = SectionCount * RecordsPerSection;

// Tokens 1 to 32 of a typical car; token 0, the name, is made per record.
constexpr std::array<const char*, 32> CarValues = {
    "1200.0", "2.0",  "4.3",  "1.3",  "0.0",   "0.0",  "-0.15", "75",   "0.85", "0.80", "0.50",
    "5",      "190.0", "30.0", "R",    "P",     "9.0",  "0.50",  "0",    "35.0", "1.20", "0.12",
    "0.25",   "0.70", "22000", "0.28", "-0.14", "0.50", "0.30",  "2000", "1",    "1"};

// Every fifth record is separated by tabs, as hand-edited files often are.
std::string MakeRecordLine(int record) {
    const char separator = record % 5 == 0 ? '\t' : ' ';
    std::string line = "VEHICLE" + std::to_string(record);
    for (const char* value : CarValues) {
        line += separator;
        line += value;
    }
    return line;
}

std::string MakeHandlingText() {
    std::string text = "; generated handling file\r\n; 33 columns per record\r\n;\r\n";
    for (int section = 0; section < SectionCount; ++section) {
        if (section > 0) text += "; --- section " + std::to_string(section) + " ---\r\n";
        for (int record = 0; record < RecordsPerSection; ++record)
            text += MakeRecordLine(section * RecordsPerSection + record) + "\r\n";
    }
    return text + "; end of file\r\n";
}

const std::string& HandlingText() {
    static const std::string text = MakeHandlingText();
    return text;
}

const THandlingFile& HandlingLines() {
    static const THandlingFile lines(TStringList::SplitText(HandlingText()));
    return lines;
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TTempFolder {
public:
    TTempFolder() {
        std::random_device random;
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("wendrix-bench-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TTempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw EFileError("cannot write " + path);
}

std::vector<std::string> ListSectionNames(const THandlingFile& lines) {
    std::vector<std::string> names;
    names.reserve(RecordCount);
    for (int section = 0; section < SectionCount; ++section)
        WalkSectionLines(lines, FindSectionStart(lines, section),
                         [&names](const std::string& line) { names.push_back(GetRecordName(line)); });
    return names;
}

void CountProcessed(benchmark::State& state, std::int64_t items, std::int64_t bytes) {
    state.SetItemsProcessed(state.iterations() * items);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_SplitText(benchmark::State& state) {
    const std::string& text = HandlingText();
    std::size_t lineCount = 0;
    for (auto _ : state) {
        const std::vector<std::string> lines = TStringList::SplitText(text);
        lineCount = lines.size();
        benchmark::DoNotOptimize(lines.data());
    }
    CountProcessed(state, static_cast<std::int64_t>(lineCount), static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_SplitText)->Unit(benchmark::kMillisecond);

void BM_ListSectionNames(benchmark::State& state) {
    const THandlingFile& lines = HandlingLines();
    for (auto _ : state) {
        const std::vector<std::string> names = ListSectionNames(lines);
        benchmark::DoNotOptimize(names.data());
    }
    // Only the names are read, so bytes per second would flatter it.
    state.SetItemsProcessed(state.iterations() * RecordCount);
}
BENCHMARK(BM_ListSectionNames)->Unit(benchmark::kMillisecond);

// What opening a game folder costs: read the file, then list the names of every section.
void BM_LoadAndListSections(benchmark::State& state) {
    const TTempFolder folder;
    const std::string path = folder.File("handling.cfg");
    WriteBytes(path, HandlingText());
    for (auto _ : state) {
        THandlingFile lines;
        lines.LoadFromFile(path);
        const std::vector<std::string> names = ListSectionNames(lines);
        benchmark::DoNotOptimize(names.data());
    }
    CountProcessed(state, RecordCount, static_cast<std::int64_t>(HandlingText().size()));
}
BENCHMARK(BM_LoadAndListSections)->Unit(benchmark::kMillisecond);

void BM_SplitRecordLine(benchmark::State& state, const std::string& line) {
    for (auto _ : state) {
        const TRecordTokens tokens = SplitRecordLine(line);
        benchmark::DoNotOptimize(tokens.Lines().data());
    }
    CountProcessed(state, RecordTokenCount, static_cast<std::int64_t>(line.size()));
}
BENCHMARK_CAPTURE(BM_SplitRecordLine, spaces, MakeRecordLine(1));
BENCHMARK_CAPTURE(BM_SplitRecordLine, tabs, MakeRecordLine(0));

void BM_JoinRecordTokens(benchmark::State& state) {
    const TRecordTokens tokens = SplitRecordLine(MakeRecordLine(1));
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string line = JoinRecordTokens(tokens);
        size = line.size();
        benchmark::DoNotOptimize(line.data());
    }
    CountProcessed(state, RecordTokenCount, static_cast<std::int64_t>(size));
}
BENCHMARK(BM_JoinRecordTokens);

// The 26 number tokens of a record with their fields' bounds, as the commit checks them.
struct TCheckedText {
    std::string Text;
    TFieldBounds Bounds;
};

std::vector<TCheckedText> RecordNumbers() {
    const TRecordTokens tokens = SplitRecordLine(MakeRecordLine(1));
    std::vector<TCheckedText> numbers;
    for (int editor = 0; editor < ValueEditorCount; ++editor) {
        const TRecordField& field = FieldOfEditor(editor);
        numbers.push_back({tokens.Get(field.Token), field.Bounds});
    }
    return numbers;
}

void BM_ParseFieldNumber(benchmark::State& state) {
    const std::vector<TCheckedText> numbers = RecordNumbers();
    for (auto _ : state) {
        for (const TCheckedText& number : numbers) benchmark::DoNotOptimize(ParseFieldNumber(number.Text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_ParseFieldNumber);

void BM_CheckedFieldText(benchmark::State& state) {
    // As typed: a decimal comma, values beyond a bound and long digit strings too.
    std::vector<TCheckedText> numbers = RecordNumbers();
    numbers.push_back({"0,85", {0, 1}});
    numbers.push_back({"75000", {1, 50000}});
    numbers.push_back({"-12.5", {-10, 10}});
    numbers.push_back({"3.14159265358979323846", {0, 20}});
    for (auto _ : state) {
        for (const TCheckedText& number : numbers) {
            const std::string checked = CheckedFieldText(number.Text, number.Bounds);
            benchmark::DoNotOptimize(checked.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(numbers.size()));
}
BENCHMARK(BM_CheckedFieldText);

void BM_FormatFieldNumber(benchmark::State& state) {
    const std::array<double, 6> values = {1200.0, -0.15, 0.85, 22000, 0.1 + 0.2, 99999};
    for (auto _ : state) {
        for (const double value : values) {
            const std::string text = FormatFieldNumber(value);
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_FormatFieldNumber);

// The save replaces the file atomically and syncs it, so the disk's flush dominates.
void BM_SaveToFile(benchmark::State& state) {
    const TTempFolder folder;
    const std::string path = folder.File("handling.cfg");
    const THandlingFile& lines = HandlingLines();
    for (auto _ : state) lines.SaveToFile(path);
    CountProcessed(state, lines.Count(), static_cast<std::int64_t>(HandlingText().size()));
}
BENCHMARK(BM_SaveToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

class TCountingTargets : public ILanguageTargets {
public:
    void SetEditorLabel(int, const std::string& text) override { Take(text); }
    void SetEditorHint(int, const std::string& text) override { Take(text); }
    void SetCaption(const std::string&, const std::string& text) override { Take(text); }
    void ClearItems(const std::string&) override { ++calls_; }
    void AddItem(const std::string&, const std::string& text) override { Take(text); }
    void SetMessageText(int, const std::string& text) override { Take(text); }
    std::size_t Bytes() const { return bytes_; }

private:
    void Take(const std::string& text) {
        ++calls_;
        bytes_ += text.size();
    }
    std::size_t calls_ = 0;
    std::size_t bytes_ = 0;
};

void BM_ApplyLanguageLines(benchmark::State& state) {
    TStringList lines;
    for (int line = 0; line < LanguageLineCount; ++line) lines.Add("Language line " + std::to_string(line));
    TCountingTargets targets;
    for (auto _ : state) ApplyLanguageLines(lines, targets);
    benchmark::DoNotOptimize(targets.Bytes());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(LanguageSteps().size()));
}
BENCHMARK(BM_ApplyLanguageLines);

}  // namespace
