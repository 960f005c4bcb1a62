// quorvane-cli on bad inputs: each command line ends with the described message and status, or
// a quiet stop, in a bounded time, and AstOrb.dat and Diacriticals.txt are left as they were.
#include "astorb/record.h"
#include "cli/cli_harness.h"
#include "support/fault_support.h"
#include "support/fixtures.h"
#include "support/gzip_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {
namespace {

using test::Ceres;
using test::Fingerprint;
using test::FingerprintOf;
using test::WithField;

using test::MakeRecord;
using test::RecordSpec;
using test::TempFolder;

using Result = test::CliResult;

// `{dir}` in a text stands for the row's folder.
std::string InFolder(std::string text, const std::string& folder) {
    for (auto at = text.find("{dir}"); at != std::string::npos; at = text.find("{dir}")) {
        text.replace(at, 5, folder);
    }
    return text;
}

Result RunCli(std::vector<std::string> args, const std::string& folder) {
    for (std::string& arg : args) {
        arg = InFolder(arg, folder);
    }
    return test::RunCli(args);
}

RecordSpec Pallas() {
    RecordSpec fields = Ceres();
    fields.number = "2";
    fields.name = "Pallas";
    fields.inclination = "34.845000";
    return fields;
}

// Runs a row's command line and checks what every row shares: no input file changes, and the
// command ends within a few seconds.
Result RunRow(const TempFolder& folder, const std::vector<std::string>& args) {
    const std::string astorb = folder.str() + "/AstOrb.dat";
    const std::string names = folder.str() + "/Diacriticals.txt";
    const Fingerprint astorbBefore = FingerprintOf(astorb);
    const Fingerprint namesBefore = FingerprintOf(names);
    const auto start = std::chrono::steady_clock::now();
    Result result = RunCli(args, folder.str());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_TRUE(FingerprintOf(astorb) == astorbBefore) << "AstOrb.dat changed";
    EXPECT_TRUE(FingerprintOf(names) == namesBefore) << "Diacriticals.txt changed";
    return result;
}

const std::string kNamesHeader = "Names\r\nwith TeX accents\r\n----\r\n";
// An entry: the number right-aligned in characters 2 to 7, the name from character 30.
std::string Entry(const std::string& number, const std::string& name) {
    return " " + std::string(6 - number.size(), ' ') + number + std::string(22, ' ') + name;
}

struct Row {
    std::string name;
    std::function<void(const TempFolder&)> setup;
    std::vector<std::string> args;
    int status;
    std::string out; // checked when not "*"
    std::string err;
};

void RunRows(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        row.setup(folder);
        const Result result = RunRow(folder, row.args);
        EXPECT_EQ(result.status, row.status);
        if (row.out != "*") {
            EXPECT_EQ(result.out, row.out);
        }
        // A usage error is checked up to the usage text that follows its first line.
        const std::string err = InFolder(row.err, folder.str());
        const bool usage = err.size() > 2 && err.compare(err.size() - 2, 2, "\n\n") == 0;
        EXPECT_EQ(usage ? result.err.substr(0, err.size()) : result.err, err);
    }
}

std::function<void(const TempFolder&)> AstOrbOf(const std::string& bytes) {
    return [bytes](const TempFolder& folder) { folder.Write("AstOrb.dat", bytes); };
}

std::function<void(const TempFolder&)> WithNames(const std::string& names) {
    return [names](const TempFolder& folder) {
        folder.Write("AstOrb.dat", MakeRecord(Ceres()));
        folder.Write("Diacriticals.txt", names);
    };
}

const std::string kShowCeres = "Number: 1\nName: Ceres\nAbs. mag H: 3.34\nSlope G: 0.12\n"
                               "B-V Colour: 0.72\nIRAS diameter: 848.4\nIRAS classification: G\n"
                               "Epoch: 20051018\nMean Anomaly: 115.390000\n"
                               "Argument of Perihelion: 73.150000\nAscending Node: 80.407000\n"
                               "Inclination: 10.583000\nEccentricity: 0.07890000\n"
                               "Semi-Major Axis: 2.76630000\nAten: \nApollo: \nAmor: \n"
                               "Mars-Crosser: \nOuter Planet Crosser: \n";

// A file too short for a record leaves the scroll bar without a range (the window's error); an
// index past the last record is a bad command line.
TEST(FaultsCli, FilesTooShortCutOrHoldingZeroBytes) {
    const std::string ceres = MakeRecord(Ceres());
    std::string zeroInName = ceres;
    zeroInName[29] = '\0'; // column 30: every number is cut off
    std::string zeroAtEnd = ceres;
    zeroAtEnd[266] = '\0'; // the line feed: nothing is lost
    const std::string noRange = "Propriété barre de défilement hors limites\n";
    const std::string usage = "quorvane-cli: INDEX must be a record index from 0 to 0: 1\n\n";
    const std::vector<Row> rows = {
        {"0 bytes", AstOrbOf(""), {"show", "{dir}", "0"}, 1, "", noRange},
        {"266 bytes", AstOrbOf(ceres.substr(0, 266)), {"show", "{dir}", "0"}, 1, "", noRange},
        {"266 bytes, names", AstOrbOf(ceres.substr(0, 266)), {"names", "{dir}"}, 1, "", noRange},
        {"267 bytes", AstOrbOf(ceres), {"show", "{dir}", "0"}, 0, kShowCeres, ""},
        {"a trailing partial record",
         AstOrbOf(ceres + ceres.substr(0, 200)),
         {"show", "{dir}", "1"},
         2,
         "",
         usage},
        {"a trailing partial record, names",
         AstOrbOf(ceres + ceres.substr(0, 200)),
         {"names", "{dir}"},
         0,
         "1 Ceres\n",
         "Done. 1 results in the clipboard.\n"},
        {"a zero byte in a record, show",
         AstOrbOf(zeroInName),
         {"show", "{dir}", "0"},
         1,
         "",
         "'' n'est pas une valeur entière correcte\n"},
        // The infobox shows the record first, as the window has, and the display fails first.
        {"a zero byte in a record, infobox",
         AstOrbOf(zeroInName),
         {"infobox", "{dir}", "0", "--lang", "en"},
         1,
         "",
         "'' n'est pas une valeur entière correcte\n"},
        {"a zero byte in place of the line feed",
         AstOrbOf(zeroAtEnd),
         {"show", "{dir}", "0"},
         0,
         kShowCeres,
         ""},
    };
    RunRows(rows);
}

// Blank and malformed numbers in every numeric field. The orbital elements are decoded by the
// float rule wherever a command needs them (the infobox needs all six); the flag code by the
// integer rule in the display. H, G, B-V and the IRAS diameter are shown and written as text,
// and a diameter that does not read is replaced, so those never fail.
TEST(FaultsCli, BlankAndMalformedNumbers) {
    const std::string ceres = MakeRecord(Ceres());
    const std::vector<std::pair<const char*, Field>> elements = {
        {"MeanAnomaly", Field::MeanAnomaly},   {"ArgPerihelion", Field::ArgPerihelion},
        {"AscNode", Field::AscNode},           {"Inclination", Field::Inclination},
        {"Eccentricity", Field::Eccentricity}, {"SemiMajorAxis", Field::SemiMajorAxis},
    };
    std::vector<Row> rows;
    for (const auto& [name, field] : elements) {
        for (const std::string text : {"", "1.2.3", "abc", "1e5x"}) {
            rows.push_back({std::string(name) + " '" + text + "'",
                            AstOrbOf(WithField(ceres, field, text)),
                            {"infobox", "{dir}", "0", "--lang", "fr"},
                            1,
                            "",
                            "'" + text + "' n'est pas une valeur en virgule flottante correcte\n"});
        }
    }
    for (const std::string text : {"", "abc", "1.5", "-"}) {
        rows.push_back({"flag code '" + text + "'",
                        AstOrbOf(WithField(ceres, Field::FlagCode, text)),
                        {"show", "{dir}", "0"},
                        1,
                        "",
                        "'" + text + "' n'est pas une valeur entière correcte\n"});
    }
    for (const auto& [name, field] :
         std::vector<std::pair<const char*, Field>>{{"H", Field::H},
                                                    {"G", Field::G},
                                                    {"BVColour", Field::BVColour},
                                                    {"Diameter", Field::Diameter}}) {
        for (const std::string text : {"", "x.y"}) {
            for (const char* command : {"show", "infobox"}) {
                std::vector<std::string> args = {command, "{dir}", "0"};
                if (std::string(command) == "infobox") {
                    args.insert(args.end(), {"--lang", "en"});
                }
                rows.push_back({std::string(name) + " '" + text + "', " + command,
                                AstOrbOf(WithField(ceres, field, text)), args, 0, "*", ""});
            }
        }
    }
    rows.push_back({"the message quotes the text with the separator put in",
                    AstOrbOf(WithField(ceres, Field::Eccentricity, "0.1.2")),
                    {"--decimal-separator", ",", "infobox", "{dir}", "0", "--lang", "fr"},
                    1,
                    "",
                    "'0,1,2' n'est pas une valeur en virgule flottante correcte\n"});
    rows.push_back({"a malformed inclination ends the inclination scan",
                    AstOrbOf(ceres + WithField(MakeRecord(Pallas()), Field::Inclination, "3O.5")),
                    {"inclination", "{dir}", "0"},
                    1,
                    "",
                    "'3O.5' n'est pas une valeur en virgule flottante correcte\n"});
    rows.push_back({"a blank semi-major axis ends the orbit-type list",
                    AstOrbOf(ceres + WithField(MakeRecord(Pallas()), Field::SemiMajorAxis, "")),
                    {"special", "{dir}", "--planet", "mars", "--type", "outer"},
                    1,
                    "",
                    "'' n'est pas une valeur en virgule flottante correcte\n"});
    rows.push_back({"a malformed eccentricity ends the family extraction",
                    AstOrbOf(ceres + WithField(MakeRecord(Pallas()), Field::Eccentricity, "e")),
                    {"family", "{dir}", "0", "--tolerance", "50", "--passes", "1"},
                    1,
                    "",
                    "'e' n'est pas une valeur en virgule flottante correcte\n"});
    RunRows(rows);
}

// 30 February and month 13 are no dates: the infobox ends with the date error, quoting the
// joined pieces. The display shows the epoch as text.
TEST(FaultsCli, EpochThatIsNoDate) {
    std::vector<Row> rows;
    for (const auto& [epoch, joined] : std::vector<std::pair<std::string, std::string>>{
             {"20050230", "2005-02-30"}, {"20051300", "2005-13-00"}}) {
        RecordSpec fields = Ceres();
        fields.epoch = epoch;
        for (const char* lang : {"fr", "en"}) {
            rows.push_back(
                {epoch + " " + lang,
                 AstOrbOf(MakeRecord(fields)),
                 {"infobox", "{dir}", "0", "--lang", lang},
                 1,
                 "",
                 "'" + joined + "' ne correspond pas à une date et une heure correctes\n"});
        }
        rows.push_back(
            {epoch + " shown", AstOrbOf(MakeRecord(fields)), {"show", "{dir}", "0"}, 0, "*", ""});
    }
    RunRows(rows);
}

TEST(FaultsCli, MissingAndBrokenFiles) {
    const std::string longName(4971, 'x');
    const auto nothing = [](const TempFolder&) {};
    const auto folderNamedAstOrb = [](const TempFolder& folder) {
        std::filesystem::create_directory(folder.path() / "AstOrb.dat");
    };
    const auto folderNamedNames = [](const TempFolder& folder) {
        folder.Write("AstOrb.dat", MakeRecord(Ceres()));
        std::filesystem::create_directory(folder.path() / "Diacriticals.txt");
    };
    const std::vector<Row> rows = {
        {"a folder that does not exist",
         nothing,
         {"show", "{dir}/missing", "0"},
         1,
         "",
         "Impossible d'ouvrir le fichier \"{dir}/missing/AstOrb.dat\". No such file or "
         "directory\n"},
        {"a folder without AstOrb.dat",
         nothing,
         {"names", "{dir}"},
         1,
         "",
         "Impossible d'ouvrir le fichier \"{dir}/AstOrb.dat\". No such file or directory\n"},
        {"AstOrb.dat is a folder",
         folderNamedAstOrb,
         {"show", "{dir}", "0"},
         1,
         "",
         "Impossible d'ouvrir le fichier \"{dir}/AstOrb.dat\". No such file or directory\n"},
        {"a names folder that does not exist",
         WithNames(""),
         {"show", "{dir}", "0", "--diacriticals", "{dir}/missing"},
         1,
         "",
         "Impossible d'ouvrir le fichier \"{dir}/missing/Diacriticals.txt\". No such file or "
         "directory\n"},
        {"Diacriticals.txt is a folder",
         folderNamedNames,
         {"show", "{dir}", "0", "--diacriticals", "{dir}"},
         1,
         "",
         "Impossible d'ouvrir le fichier \"{dir}/Diacriticals.txt\". No such file or directory\n"},
        {"an empty Diacriticals.txt",
         WithNames(""),
         {"show", "{dir}", "0", "--diacriticals", "{dir}"},
         1,
         "",
         "Indice de liste hors limites (-1)\n"},
        {"a header-only Diacriticals.txt",
         WithNames(kNamesHeader),
         {"show", "{dir}", "0", "--diacriticals", "{dir}"},
         0,
         "Number: 1\nName: Ceres\nName (accents): \n" + kShowCeres.substr(22),
         ""},
        // The name is taken from character 30, at most 999 characters of it.
        {"a names line of 5,000 characters",
         WithNames(kNamesHeader + Entry("1", longName) + "\r\n"),
         {"show", "{dir}", "0", "--diacriticals", "{dir}"},
         0,
         "Number: 1\nName: Ceres\nName (accents): " + longName.substr(0, 999) + "\n" +
             kShowCeres.substr(22),
         ""},
        {"a search text of 5,000 characters",
         AstOrbOf(MakeRecord(Ceres()) + MakeRecord(Pallas())),
         {"find", "{dir}", "0", "--field", "Name", "--text", std::string(5000, 'P')},
         1,
         "",
         "No more occurrences.\n"},
        {"a diameter of 5,000 digits",
         AstOrbOf(MakeRecord(Ceres())),
         {"infobox", "{dir}", "0", "--lang", "en", "--diameter", std::string(5000, '9')},
         0,
         "*",
         ""},
    };
    RunRows(rows);
}

// AstOrb.dat.gz as downloaded, whole or not: the same output as the file it unpacks to, the
// message of a download that went wrong, and the plain file first when both are there.
TEST(FaultsCli, PackedDownloads) {
    RecordSpec juno = Ceres();
    juno.number = "3";
    juno.name = "Juno";
    const std::string three = MakeRecord(Ceres()) + MakeRecord(Pallas()) + MakeRecord(juno);
    const test::FlushedGzip flushed = test::GzipFlushedAt(three, 2 * RecordLength);
    std::string badCheckSum = flushed.bytes;
    badCheckSum[badCheckSum.size() - 6] ^= 0x20;
    const TempFolder cacheFolder;
    const test::ScopedEnv cache("XDG_CACHE_HOME", cacheFolder.str());
    const auto packed = [](const std::string& name, const std::string& bytes) {
        return [name, bytes](const TempFolder& folder) { folder.Write(name, bytes); };
    };
    const std::string names = "1 Ceres\n2 Pallas\n3 Juno\n";
    const std::vector<Row> rows = {
        {"astorb.dat.gz only",
         packed("astorb.dat.gz", test::Gzip(three)),
         {"show", "{dir}", "0"},
         0,
         kShowCeres,
         ""},
        {"in two members",
         packed("astorb.dat.gz", test::Gzip(three.substr(0, 300)) + test::Gzip(three.substr(300))),
         {"names", "{dir}"},
         0,
         names,
         "Done. 3 results in the clipboard.\n"},
        {"upper case",
         packed("ASTORB.DAT", three),
         {"names", "{dir}"},
         0,
         names,
         "Done. 3 results in the clipboard.\n"},
        {"plain before packed",
         [&](const TempFolder& folder) {
             folder.Write("AstOrb.dat.gz", test::Gzip(MakeRecord(Pallas())));
             folder.Write("astorb.dat", MakeRecord(Ceres()));
         },
         {"show", "{dir}", "0"},
         0,
         kShowCeres,
         ""},
        {"an interrupted download goes on with its whole records",
         packed("astorb.dat.gz", flushed.bytes.substr(0, flushed.flushEnd + 3)),
         {"names", "{dir}"},
         0,
         "1 Ceres\n2 Pallas\n",
         "astorb.dat.gz is incomplete: only the first 2 records can be read.\n"
         "Done. 2 results in the clipboard.\n"},
        {"the index is checked against the records that can be read",
         packed("astorb.dat.gz", flushed.bytes.substr(0, flushed.flushEnd)),
         {"show", "{dir}", "2"},
         2,
         "",
         "astorb.dat.gz is incomplete: only the first 2 records can be read.\n"
         "quorvane-cli: INDEX must be a record index from 0 to 1: 2\n\n"},
        {"check sum",
         packed("astorb.dat.gz", badCheckSum),
         {"show", "{dir}", "0"},
         1,
         "",
         "astorb.dat.gz is damaged (its check sum does not match): download it again.\n"},
        {"not gzip",
         packed("AstOrb.dat.gz", three),
         {"show", "{dir}", "0"},
         1,
         "",
         "AstOrb.dat.gz is not a gzip file.\n"},
        {"an empty file packed",
         packed("astorb.dat.gz", test::Gzip("")),
         {"show", "{dir}", "0"},
         1,
         "",
         "Propriété barre de défilement hors limites\n"},
    };
    RunRows(rows);
}

// The files are made unreadable with chmod; root reads them anyway, so the command runs in a
// child process that gives up root for "nobody" first.
TEST(FaultsCli, UnreadableFiles) {
    struct UnreadableRow {
        const char* name;
        const char* file;
        std::vector<std::string> args;
        const char* message; // a regular expression
    };
    const std::vector<UnreadableRow> rows = {
        {"AstOrb.dat",
         "AstOrb.dat",
         {"show", "{dir}", "0"},
         "Impossible d'ouvrir le fichier \".*/AstOrb.dat\"\\. Permission denied"},
        {"Diacriticals.txt",
         "Diacriticals.txt",
         {"show", "{dir}", "0", "--diacriticals", "{dir}"},
         "Impossible d'ouvrir le fichier \".*/Diacriticals.txt\"\\. Permission denied"},
    };
    for (const UnreadableRow& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        folder.Write("AstOrb.dat", MakeRecord(Ceres()));
        folder.Write("Diacriticals.txt", kNamesHeader + Entry("1", "C\\'er\\`es") + "\r\n");
        const std::string locked = folder.str() + "/" + row.file;
        ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
        const Fingerprint before = FingerprintOf(locked);
        EXPECT_EXIT(
            {
                constexpr uid_t kNobody = 65534;
                if (::geteuid() == 0 && ::setuid(kNobody) != 0) {
                    std::_Exit(2);
                }
                const Result result = RunCli(row.args, folder.str());
                std::fputs(result.err.c_str(), stderr);
                std::_Exit(result.status == 1 && result.out.empty() ? 0 : 3);
            },
            ::testing::ExitedWithCode(0), row.message);
        EXPECT_TRUE(FingerprintOf(locked) == before);
    }
}

// A sparse AstOrb.dat of 8,050,000 records (2,149,350,000 bytes, past 2 GiB): zero bytes
// everywhere but Ceres ten records before the end and Pallas in the last four. The commands are
// chosen to stay fast: the scans that read from record 0 stop at its empty record at once (names
// at the first unnumbered record, the orbit-type list on its blank semi-major axis), while
// inclination and find start near the end and run to it; a scan of all eight million records
// would take many seconds. A search cannot start on a zero record, whose display fails.
TEST(FaultsCli, SparseFileBeyondTwoGigabytes) {
    constexpr std::int64_t kCount = 8'050'000;
    constexpr std::int64_t kSize = kCount * RecordLength;
    static_assert(kSize > (std::int64_t{1} << 31));
    TempFolder folder;
    {
        const std::string path = folder.str() + "/AstOrb.dat";
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        std::string tail;
        for (const char* inclination : {"5", "20", "170", "12"}) {
            RecordSpec fields = Pallas();
            fields.inclination = inclination;
            tail += MakeRecord(fields);
        }
        const std::string ceres = MakeRecord(Ceres());
        const auto written = [](ssize_t got, const std::string& bytes) {
            return got == static_cast<ssize_t>(bytes.size());
        };
        const bool made =
            ::ftruncate(fd, kSize) == 0 &&
            written(::pwrite(fd, tail.data(), tail.size(), kSize - 4 * RecordLength), tail) &&
            written(::pwrite(fd, ceres.data(), ceres.size(), kSize - 10 * RecordLength), ceres);
        ::close(fd);
        if (!made) {
            GTEST_SKIP() << "this file system cannot hold a sparse file of " << kSize << " bytes";
        }
    }
    const std::string last = std::to_string(kCount - 1);
    struct SparseRow {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const std::vector<SparseRow> rows = {
        {"the last record", {"show", "{dir}", last}, 0, "*", ""},
        {"a record in the hole",
         {"show", "{dir}", "5000000"},
         1,
         "",
         "'' n'est pas une valeur entière correcte\n"},
        {"names stops at the empty record 0",
         {"names", "{dir}"},
         0,
         "",
         "Done. 0 results in the clipboard.\n"},
        {"the orbit-type list stops on record 0",
         {"special", "{dir}", "--planet", "mars", "--type", "outer", "--all"},
         1,
         "",
         "'' n'est pas une valeur en virgule flottante correcte\n"},
        // From the fourth record before the end: 20 is the highest, 170 folds to 10.
        {"inclination to the end",
         {"inclination", "{dir}", std::to_string(kCount - 4)},
         0,
         std::to_string(kCount - 3) + "\n",
         "Done.\n"},
        {"inclination stops at the first zero record",
         {"inclination", "{dir}", std::to_string(kCount - 10)},
         0,
         std::to_string(kCount - 10) + "\n",
         "Done.\n"},
        {"find through zero records to the end",
         {"find", "{dir}", std::to_string(kCount - 10), "--field", "Name", "--text", "Vesta",
          "--all"},
         1,
         "",
         "No more occurrences.\n"},
        {"find through zero records to the last one",
         {"find", "{dir}", std::to_string(kCount - 10), "--field", "Inclination", "--text", "12",
          "--all"},
         0,
         last + "\n",
         ""},
        {"find from a zero record",
         {"find", "{dir}", std::to_string(kCount - 6), "--field", "Name", "--text", "Pallas",
          "--all"},
         1,
         "",
         "'' n'est pas une valeur entière correcte\n"},
    };
    for (const SparseRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Result result = RunRow(folder, row.args);
        EXPECT_EQ(result.status, row.status);
        if (row.out != "*") {
            EXPECT_EQ(result.out, row.out);
        }
        EXPECT_EQ(result.err, row.err);
    }
    EXPECT_NE(RunRow(folder, {"show", "{dir}", last}).out.find("Name: Pallas\n"),
              std::string::npos);
}

} // namespace
} // namespace quorvane
