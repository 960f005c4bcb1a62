// The quick scans against their plain reference on generated files: the same clipboard bytes,
// messages, questions, browser moves, errors and CurrentRecord at the end, record for record.
#include "astorb/numbers.h"
#include "core/fast_compare.h"
#include "core/fast_generator.h"
#include "lists/inclination.h"
#include "lists/names.h"
#include "reference/plain_scans.h"
#include "reference/plain_search.h"
#include "search/search.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using test::CompareRuns;
using test::GenerateSpecs;
using test::Observed;
using test::RecordBytes;
using test::WindowSetup;

// What is done to a generated file before it is scanned.
enum class Damage {
    None,
    MalformedAxis,   // record 150 has "2.5.1" as its semi-major axis
    MalformedFlags,  // record 150 has a flag code that is no integer
    ZeroInFields,    // record 120 has a zero byte at column 100: every later field is cut off
    ZeroAfterFields, // record 120 has a zero byte at column 200: only the record text is cut
    ShortLastRecord, // 100 bytes of a record after the last whole one
    BlankUnnumbered, // one unnumbered record among the numbered ones, at index 60
};

struct FileCase {
    const char* name;
    std::uint64_t seed;
    int count;
    int numbered;
    Damage damage;
    char separator;
};

// Files of a few hundred records: the reader's first blocks (16, 32, 64, ... records) end
// inside them, so block edges fall between every kind of record.
constexpr FileCase kFiles[] = {
    {"plain file", 1, 300, 200, Damage::None, '.'},
    {"comma separator", 2, 260, 260, Damage::None, ','},
    {"malformed axis", 3, 300, 250, Damage::MalformedAxis, '.'},
    {"malformed flags", 4, 300, 250, Damage::MalformedFlags, '.'},
    {"zero byte inside the fields", 5, 300, 150, Damage::ZeroInFields, '.'},
    {"zero byte after the fields", 6, 300, 150, Damage::ZeroAfterFields, '.'},
    {"short last record", 7, 290, 100, Damage::ShortLastRecord, '.'},
    {"unnumbered record among numbered", 8, 300, 280, Damage::BlankUnnumbered, '.'},
};

// The file of a case. One that ends in a short record is written with one whole record more,
// which SetupFor cuts away once the file is open.
std::string WriteFile(const test::TempFolder& folder, const FileCase& file) {
    test::GeneratedSpecs specs =
        GenerateSpecs(file.seed, file.count, file.numbered, file.separator == ',');
    if (file.damage == Damage::MalformedAxis) {
        specs.records[150].semiMajorAxis = "2.5.1";
    } else if (file.damage == Damage::MalformedFlags) {
        specs.records[150].flags = "x1";
    } else if (file.damage == Damage::BlankUnnumbered) {
        specs.records[60].number.clear();
    }
    std::string bytes = RecordBytes(specs.records);
    if (file.damage == Damage::ZeroInFields) {
        bytes[120 * 267 + 99] = '\0';
    } else if (file.damage == Damage::ZeroAfterFields) {
        bytes[120 * 267 + 199] = '\0';
    } else if (file.damage == Damage::ShortLastRecord) {
        bytes += std::string(RecordLength, '7');
    }
    return folder.Write("AstOrb.dat", bytes);
}

// The browser reaches one record past the file when it ends in a short record: the file shrank
// after it was opened. The window's format has the file's separator.
WindowSetup SetupFor(const FileCase& file) {
    WindowSetup setup;
    setup.numbers = {file.separator};
    if (file.damage == Damage::ShortLastRecord) {
        setup.cutTo = static_cast<std::uintmax_t>(file.count) * RecordLength + 100;
    }
    return setup;
}

TEST(QuickScans, OrbitTypeListMatchesThePlainScan) {
    for (const FileCase& file : kFiles) {
        SCOPED_TRACE(file.name);
        const test::TempFolder folder;
        const std::string path = WriteFile(folder, file);
        for (const bool numberedOnly : {true, false}) {
            for (int type = -1; type <= 7; ++type) {
                for (const int planet : {2, 3, 4}) {
                    SCOPED_TRACE("type " + std::to_string(type) + " planet " +
                                 std::to_string(planet) + (numberedOnly ? " numbered" : " all"));
                    WindowSetup setup = SetupFor(file);
                    setup.numberedOnly = numberedOnly;
                    setup.type = type;
                    setup.planet = planet;
                    CompareRuns(
                        path, setup, [](FakeWindow& w) { return w.RunSpecial(); },
                        [](FakeWindow& w) { return ExtractOrbitTypeListPlain(w.Ports(), w); });
                }
            }
        }
    }
}

TEST(QuickScans, FamilyMatchesThePlainScan) {
    for (const FileCase& file : kFiles) {
        SCOPED_TRACE(file.name);
        const test::TempFolder folder;
        const std::string path = WriteFile(folder, file);
        const int seed = GenerateSpecs(file.seed, file.count, file.numbered).clusterSeed;
        for (const bool numberedOnly : {true, false}) {
            for (const int tolerance : {0, 15, 40, 200}) {
                SCOPED_TRACE("tolerance " + std::to_string(tolerance) +
                             (numberedOnly ? " numbered" : " all"));
                WindowSetup setup = SetupFor(file);
                setup.position = seed;
                setup.numberedOnly = numberedOnly;
                setup.tolerance = tolerance;
                // Three passes; the tolerance is moved between them, as input handled while
                // the pending messages run may do.
                setup.answers = {true, true, false};
                setup.onAsk = [](FakeWindow& w) { w.tolerance = w.tolerance / 2 + 7; };
                const Observed plain = CompareRuns(
                    path, setup, [](FakeWindow& w) { return w.RunFamily(); },
                    [](FakeWindow& w) { return ExtractFamilyPlain(w.Ports(), w); });
                if (file.damage == Damage::None && tolerance == 40) {
                    // The case is meant to grow a family over several passes.
                    EXPECT_GE(plain.clipboard.value_or("").size(), 200u) << plain.end;
                }
            }
        }
    }
}

TEST(QuickScans, FamilySeedsEverywhereMatchThePlainScan) {
    // Seeds in every part of one file, unnumbered ones and the last record included.
    const FileCase file = kFiles[0];
    const test::TempFolder folder;
    const std::string path = WriteFile(folder, file);
    for (int seed = 0; seed < file.count; seed += 23) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        WindowSetup setup;
        setup.position = seed;
        setup.numberedOnly = false;
        setup.tolerance = 30;
        setup.answers = {true, false};
        CompareRuns(
            path, setup, [](FakeWindow& w) { return w.RunFamily(); },
            [](FakeWindow& w) { return ExtractFamilyPlain(w.Ports(), w); });
    }
}

TEST(QuickScans, NamesAndInclinationMatchThePlainScans) {
    for (const FileCase& file : kFiles) {
        SCOPED_TRACE(file.name);
        const test::TempFolder folder;
        const std::string path = WriteFile(folder, file);
        for (const bool numberedOnly : {true, false}) {
            WindowSetup setup = SetupFor(file);
            setup.numberedOnly = numberedOnly;
            CompareRuns(
                path, setup, [](FakeWindow& w) { return w.RunNames(); },
                [](FakeWindow& w) { return ExtractNamesPlain(w.Ports()); });
            for (const int start : {0, 5, 149, 150, file.count - 2, file.count - 1}) {
                SCOPED_TRACE("inclination from " + std::to_string(start));
                setup.position = start;
                CompareRuns(
                    path, setup, [](FakeWindow& w) { return w.RunInclination(); },
                    [](FakeWindow& w) { return ScanHighestInclinationPlain(w.Ports()); });
            }
        }
    }
}

struct SearchCase {
    const char* name;
    ValueLabel label;
    std::u16string text;
};

const SearchCase kSearches[] = {
    {"name found in places", ValueLabel::Name, u"name1"},
    {"name found nowhere", ValueLabel::Name, u"zzz"},
    {"empty text", ValueLabel::Name, u""},
    {"digits of the axis", ValueLabel::SemiMajorAxis, u"2.7"},
    {"designation year", ValueLabel::Name, u"19"},
    {"number", ValueLabel::Number, u"9"},
    {"flag set", ValueLabel::Amor, u"yes"},
    {"flag clear", ValueLabel::OuterCrosser, u"no"},
};

TEST(QuickScans, FieldSearchMatchesThePlainSearch) {
    for (const FileCase& file : kFiles) {
        SCOPED_TRACE(file.name);
        const test::TempFolder folder;
        const std::string path = WriteFile(folder, file);
        for (const SearchCase& search : kSearches) {
            for (const bool forward : {true, false}) {
                for (const bool numberedOnly : {true, false}) {
                    for (const int start : {0, 149, 151, file.count - 1}) {
                        SCOPED_TRACE(std::string(search.name) + (forward ? " forward" : " back") +
                                     (numberedOnly ? " numbered" : " all") + " from " +
                                     std::to_string(start));
                        WindowSetup setup = SetupFor(file);
                        setup.numberedOnly = numberedOnly;
                        setup.position = start;
                        const auto direction =
                            forward ? Model::Direction::Forwards : Model::Direction::Backwards;
                        // F3 or Shift+F3 once the search is set, then where it stopped.
                        const auto quick = [&](FakeWindow& w) {
                            w.model.RepeatSearch(search.label, search.text);
                            const CommandEnd end = w.RunFindAgain(direction);
                            return test::EndText(end) + ", examined " +
                                   std::to_string(w.model.Search().SearchPosition);
                        };
                        const auto plain = [&](FakeWindow& w) {
                            SearchState state;
                            state.SearchText = search.text;
                            state.SearchLabel = search.label;
                            state.AgainEnabled = true;
                            state.SearchForward = forward;
                            const SearchOutcome outcome = FindAgainPlain(state, w.Ports());
                            return test::EndText(outcome) + ", examined " +
                                   std::to_string(state.SearchPosition);
                        };
                        CompareRuns(path, setup, quick, plain);
                    }
                }
            }
        }
    }
}

} // namespace
} // namespace quorvane
