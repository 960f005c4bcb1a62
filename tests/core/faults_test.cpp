// Bad inputs met by the core: files too short, cut or holding a zero byte, malformed fields,
// broken names tables, unreadable files, a file past 2 GiB and a file cut while it is open.
// Every row ends with the described message or a quiet stop, and leaves its input files as they
// were.
#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/display.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "infobox/epoch.h"
#include "infobox/infobox.h"
#include "support/fault_support.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quorvane {
namespace {

using test::MakeRecord;
using test::RecordSpec;
using test::TempFolder;
using namespace std::string_literals;
using test::Ceres;
using test::Fingerprint;
using test::FingerprintOf;
using test::WithField;

// Checks at the end of a row that the two input files of a folder did not change.
class InputsUnchanged {
public:
    explicit InputsUnchanged(const std::string& folder)
        : astorb_(folder + "/AstOrb.dat"), names_(folder + "/Diacriticals.txt"),
          astorbBefore_(FingerprintOf(astorb_)), namesBefore_(FingerprintOf(names_)) {}
    ~InputsUnchanged() {
        EXPECT_TRUE(FingerprintOf(astorb_) == astorbBefore_) << astorb_ << " changed";
        EXPECT_TRUE(FingerprintOf(names_) == namesBefore_) << names_ << " changed";
    }
    InputsUnchanged(const InputsUnchanged&) = delete;
    InputsUnchanged& operator=(const InputsUnchanged&) = delete;

private:
    std::string astorb_;
    std::string names_;
    Fingerprint astorbBefore_;
    Fingerprint namesBefore_;
};

// The message of the error `action` raises, or "(no error)".
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(Faults, ShortCutAndZeroByteFiles) {
    const std::string ceres = MakeRecord(Ceres());
    std::string zeroInName = ceres;
    zeroInName[9] = '\0'; // column 10, inside "Ceres"
    struct Row {
        const char* name;
        std::string bytes;
        std::int64_t count;
        std::string firstRecord; // CurrentRecord after reading record 0; unread when count is 0
    };
    // RecordCount is the size div 267; a read needs 267 whole bytes; the shared record stops at
    // the first zero byte.
    const std::vector<Row> rows = {
        {"empty file", "", 0, ""},
        {"266 bytes", ceres.substr(0, 266), 0, ""},
        {"267 bytes", ceres, 1, ceres},
        {"a trailing partial record", ceres + ceres.substr(0, 100), 1, ceres},
        {"a zero byte in a record", zeroInName, 1, ceres.substr(0, 9)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder folder;
        const std::string path = folder.Write("AstOrb.dat", row.bytes);
        const InputsUnchanged unchanged(folder.str());
        AstOrbDatabase database;
        database.ReplaceFile(path);
        EXPECT_EQ(database.RecordCount(), row.count);
        if (row.count > 0) {
            ASSERT_TRUE(database.ReadRecord(0));
            EXPECT_EQ(database.CurrentRecord(), row.firstRecord);
        }
        EXPECT_FALSE(database.ReadRecord(row.count));
        EXPECT_EQ(database.CurrentRecord(), row.firstRecord) << "a failed read changed the record";
    }
}

TEST(Faults, ZeroByteCutsTheRecordBeforeItsNumbers) {
    std::string record = MakeRecord(Ceres());
    record[29] = '\0'; // column 30: the fields from H on are lost with it
    TempFolder folder;
    folder.Write("AstOrb.dat", record);
    const InputsUnchanged unchanged(folder.str());
    AstOrbDatabase database;
    database.ReplaceFile(folder.str() + "/AstOrb.dat");
    RecordDisplay display;
    std::string diameterBox;
    display.Value(ValueLabel::Aten) = "Yes";
    diameterBox = "typed";
    EXPECT_EQ(ErrorOf([&] { ShowRecord(database, nullptr, 0, display, diameterBox); }),
              "'' n'est pas une valeur entière correcte");
    EXPECT_EQ(display.Value(ValueLabel::Name), "Ceres");
    EXPECT_EQ(display.Value(ValueLabel::Aten), "Yes") << "the flags are written after the code";
    EXPECT_EQ(diameterBox, "typed");
    EXPECT_EQ(ErrorOf([&] { GetSemiMajorAxis(database.Current(), NumberFormat{'.'}); }),
              "'' n'est pas une valeur en virgule flottante correcte");
}

// Every numeric field, blank and malformed. The orbital elements go by the float rule, the flag
// code by the integer rule; the message quotes the trimmed field.
TEST(Faults, BlankAndMalformedNumbersInEveryField) {
    struct FloatField {
        const char* name;
        Field field;
        double (*accessor)(AstOrbRecord, const NumberFormat&);
    };
    const std::vector<FloatField> floatFields = {
        {"MeanAnomaly", Field::MeanAnomaly, GetMeanAnomaly},
        {"ArgPerihelion", Field::ArgPerihelion, GetArgPerihelion},
        {"AscNode", Field::AscNode, GetAscNode},
        {"Inclination", Field::Inclination, GetInclination},
        {"Eccentricity", Field::Eccentricity, GetEccentricity},
        {"SemiMajorAxis", Field::SemiMajorAxis, GetSemiMajorAxis},
    };
    const std::vector<std::string> badFloats = {"", "1.2.3", "abc", "1e", "--1", "1,5", "2 5", "."};
    for (const RecordLayout layout : {RecordLayout::FiveDigit, RecordLayout::SixDigit}) {
        const std::string ceres = MakeRecord(Ceres(), layout);
        for (const FloatField& entry : floatFields) {
            for (const std::string& text : badFloats) {
                SCOPED_TRACE(std::string(entry.name) + " '" + text + "'");
                const std::string record = WithField(ceres, entry.field, text, layout);
                EXPECT_EQ(ErrorOf([&] {
                              entry.accessor({record, layout}, NumberFormat{'.'});
                          }),
                          "'" + text + "' n'est pas une valeur en virgule flottante correcte");
            }
        }
        for (const std::string text : {"", "abc", "1.5", "-", "0x1"}) {
            SCOPED_TRACE("flag code '" + text + "'");
            const std::string record = WithField(ceres, Field::FlagCode, text, layout);
            EXPECT_EQ(ErrorOf([&] {
                          GetFlagCode({record, layout});
                      }),
                      "'" + text + "' n'est pas une valeur entière correcte");
        }
    }
}

TEST(Faults, EpochThatIsNoDate) {
    const NumberFormat point{'.'};
    struct Row {
        const char* name;
        std::string epoch;
        std::string error; // of the month name, then of the Julian date
    };
    // The month name comes first in both texts; a month outside 1 to 12 has none and ends the
    // command with the date error there.
    const std::vector<Row> rows = {
        {"30 February", "20050230",
         "'2005-02-30' ne correspond pas à une date et une heure correctes"},
        {"month 13, day 0", "20051300",
         "'2005-13-00' ne correspond pas à une date et une heure correctes"},
        {"month 00", "20050010",
         "'2005-00-10' ne correspond pas à une date et une heure correctes"},
        {"month of letters", "2005ab10", "'ab' n'est pas une valeur entière correcte"},
        // The month name reads its two characters by the strict integer rule, blanks included,
        // though the date conversion alone would skip them.
        {"a blank in the month", "2020 201", "' 2' n'est pas une valeur entière correcte"},
        {"29 February 1900", "19000229",
         "'1900-02-29' ne correspond pas à une date et une heure correctes"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        RecordSpec fields = Ceres();
        fields.epoch = row.epoch;
        const std::string record = MakeRecord(fields);
        const std::string error = ErrorOf([&] {
            GetEpochMonthNameFR(test::FiveDigit(record));
            GetEpochJulianDate(test::FiveDigit(record), point);
        });
        EXPECT_EQ(error, row.error);

        TempFolder folder;
        folder.Write("AstOrb.dat", record);
        const InputsUnchanged unchanged(folder.str());
        AstOrbDatabase database;
        database.ReplaceFile(folder.str() + "/AstOrb.dat");
        for (const InfoboxLanguage language : {InfoboxLanguage::French, InfoboxLanguage::English}) {
            ParameterTexts texts{.diameter = "848.4"};
            ParameterBoxes boxes{texts, "848.4"};
            EXPECT_EQ(ErrorOf([&] { BuildInfobox(database, nullptr, 0, language, boxes, point); }),
                      row.error);
        }
    }
}

TEST(Faults, BrokenNamesTables) {
    const std::string header = "Names\r\nwith TeX accents\r\n----\r\n";
    // Asteroid 1: its number right-aligned in characters 2 to 7, the name from character 30.
    const std::string kEntry1 = "      1" + std::string(22, ' ');
    const std::string longLine = kEntry1 + std::string(4971, 'x');
    struct Row {
        const char* name;
        std::string text;
        std::string error;      // "(no error)" when it loads
        std::u16string lookup1; // the name of asteroid 1 afterwards
    };
    const std::vector<Row> rows = {
        {"empty file", "", "Indice de liste hors limites (-1)", u""},
        {"empty lines only", "\r\n\r\n\n", "Indice de liste hors limites (-1)", u""},
        {"header only", header, "(no error)", u""},
        // The name is taken from character 30, at most 999 characters.
        {"a line of 5,000 characters", header + longLine + "\r\n", "(no error)",
         std::u16string(999, u'x')},
        {"a zero byte ends the text", header + kEntry1 + "Ab\0cd"s, "(no error)", u"Ab"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(longLine.size(), 5000u);
        TempFolder folder;
        folder.Write("Diacriticals.txt", row.text);
        const InputsUnchanged unchanged(folder.str());
        std::optional<DiacriticalNames> table;
        EXPECT_EQ(ErrorOf([&] { EXPECT_TRUE(LoadDiacriticals(folder.str(), table)); }), row.error);
        ASSERT_TRUE(table.has_value());
        EXPECT_EQ(LookupDiacriticalName(&*table, "1", false), row.lookup1);
        EXPECT_EQ(LookupDiacriticalName(&*table, "1", true), row.lookup1);
    }
}

TEST(Faults, MissingFolderAndFilesThatAreFolders) {
    TempFolder folder;
    const std::string missing = folder.str() + "/no such folder";
    std::optional<DiacriticalNames> table;
    EXPECT_FALSE(LoadDiacriticals(missing, table));
    EXPECT_FALSE(table.has_value());
    AstOrbDatabase database;
    EXPECT_EQ(ErrorOf([&] { database.ReplaceFile(missing + "/AstOrb.dat"); }),
              "Impossible d'ouvrir le fichier \"" + missing +
                  "/AstOrb.dat\". No such file or directory");

    // A folder where a file should be: the names step takes it for a missing file, the database
    // refuses to open it.
    std::filesystem::create_directory(folder.path() / "AstOrb.dat");
    std::filesystem::create_directory(folder.path() / "Diacriticals.txt");
    const InputsUnchanged unchanged(folder.str());
    EXPECT_FALSE(LoadDiacriticals(folder.str(), table));
    EXPECT_EQ(ErrorOf([&] { database.ReplaceFile(folder.str() + "/AstOrb.dat"); }),
              "Impossible d'ouvrir le fichier \"" + folder.str() + "/AstOrb.dat\". Is a directory");
    EXPECT_FALSE(database.IsOpen());
    EXPECT_FALSE(database.ReadRecord(0));
}

// The files are made unreadable with chmod; root reads them anyway, so the opening runs in a
// child process that gives up root for "nobody" first.
TEST(Faults, UnreadableAstOrbDat) {
    TempFolder folder;
    const std::string path = folder.Write("AstOrb.dat", MakeRecord(Ceres()));
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const InputsUnchanged unchanged(folder.str());
    EXPECT_EXIT(
        {
            constexpr uid_t kNobody = 65534;
            if (::geteuid() == 0 && ::setuid(kNobody) != 0) {
                std::_Exit(2);
            }
            AstOrbDatabase database;
            const std::string error = ErrorOf([&] { database.ReplaceFile(path); });
            std::fputs(error.c_str(), stderr);
            std::_Exit(database.ReadRecord(0) ? 3 : 0);
        },
        ::testing::ExitedWithCode(0),
        "Impossible d'ouvrir le fichier \".*/AstOrb.dat\"\\. Permission denied");
}

// A sparse AstOrb.dat of 8,050,000 records (2,149,350,000 bytes, past 2 GiB) whose last record
// is Ceres; the rest reads as zero bytes, which make empty records.
TEST(Faults, SparseFileBeyondTwoGigabytes) {
    constexpr std::int64_t kCount = 8'050'000;
    constexpr std::int64_t kSize = kCount * RecordLength;
    static_assert(kSize > (std::int64_t{1} << 31));
    TempFolder folder;
    const std::string path = folder.str() + "/AstOrb.dat";
    {
        const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        const std::string ceres = MakeRecord(Ceres());
        const bool made = ::ftruncate(fd, kSize) == 0 &&
                          ::pwrite(fd, ceres.data(), ceres.size(), kSize - RecordLength) ==
                              static_cast<ssize_t>(ceres.size());
        ::close(fd);
        if (!made) {
            GTEST_SKIP() << "this file system cannot hold a sparse file of " << kSize << " bytes";
        }
    }
    const InputsUnchanged unchanged(folder.str());
    const auto start = std::chrono::steady_clock::now();
    AstOrbDatabase database;
    database.ReplaceFile(path);
    EXPECT_EQ(database.RecordCount(), kCount);
    ASSERT_TRUE(database.ReadRecord(kCount - 1));
    EXPECT_EQ(FieldText(database.Current(), Field::Name), "Ceres");
    EXPECT_EQ(GetSemiMajorAxis(database.Current(), NumberFormat{'.'}), 2.7663);
    ASSERT_TRUE(database.ReadRecord(kCount / 2)); // past the 2 GiB mark, in the hole
    EXPECT_EQ(database.CurrentRecord(), "");
    EXPECT_FALSE(database.ReadRecord(kCount));
    EXPECT_FALSE(database.ReadRecord(INT64_MAX / RecordLength + 1));
    EXPECT_EQ(database.CurrentRecord(), "");
    RecordDisplay display;
    std::string diameterBox;
    EXPECT_TRUE(ShowRecord(database, nullptr, static_cast<int>(kCount - 1), display, diameterBox));
    EXPECT_EQ(display.Value(ValueLabel::Number), "1");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// The open file is cut on disk between two reads: the records past the new end fail like short
// reads and change nothing; the rest still reads. A file put in its place by a rename does not
// concern the open one, which keeps being read.
TEST(Faults, DatabaseChangedOnDiskWhileOpen) {
    std::vector<RecordSpec> specs;
    for (const char* name : {"Ceres", "Pallas", "Juno", "Vesta", "Astraea"}) {
        RecordSpec fields = Ceres();
        fields.number = std::to_string(specs.size() + 1);
        fields.name = name;
        specs.push_back(fields);
    }
    TempFolder folder;
    const std::string path = folder.WriteAstOrb(specs);
    AstOrbDatabase database;
    database.ReplaceFile(path);
    ASSERT_TRUE(database.ReadRecord(4));
    const std::string astraea = database.CurrentRecord();

    ASSERT_EQ(::truncate(path.c_str(), 3 * RecordLength + 10), 0);
    EXPECT_EQ(database.RecordCount(), 3);
    EXPECT_FALSE(database.ReadRecord(4));
    EXPECT_FALSE(database.ReadRecord(3));
    EXPECT_EQ(database.CurrentRecord(), astraea);
    RecordDisplay display;
    std::string diameterBox;
    display.Value(ValueLabel::Name) = "Astraea";
    EXPECT_FALSE(ShowRecord(database, nullptr, 3, display, diameterBox));
    EXPECT_EQ(display.Value(ValueLabel::Name), "Astraea");
    ASSERT_TRUE(database.ReadRecord(2));
    EXPECT_EQ(FieldText(database.Current(), Field::Name), "Juno");

    const std::string replacement = folder.Write("AstOrb.new", MakeRecord(Ceres()));
    ASSERT_EQ(std::rename(replacement.c_str(), path.c_str()), 0);
    ASSERT_TRUE(database.ReadRecord(2));
    EXPECT_EQ(FieldText(database.Current(), Field::Name), "Juno");
    EXPECT_EQ(database.RecordCount(), 3);
}

} // namespace
} // namespace quorvane
