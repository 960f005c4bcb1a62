// The remembered folders read from a damaged Quorvane.conf: each value comes out as its text,
// as absent, or as the wrong-type error, and nothing worse.
#include "app/settingsstore.h"
#include "astorb/error.h"
#include "window_fixture.h"

#include <QDir>

#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <variant>

namespace quorvane::app::test {
namespace {

using namespace std::string_literals;

// The sanitizer's allocator aborts on an allocation that cannot be met, where malloc returns
// null and Qt gives up reading the value.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAllocationFailureAborts = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAllocationFailureAborts = true;
#else
constexpr bool kAllocationFailureAborts = false;
#endif
#else
constexpr bool kAllocationFailureAborts = false;
#endif

struct Absent {};
struct WrongType {};
using Expected = std::variant<QString, Absent, WrongType>;

TEST_F(WindowTest, DamagedSettingsFile) {
    struct Row {
        const char* name;
        std::string contents; // the bytes of Quorvane.conf
        Expected expected;
        bool needsAllocationFailure = false;
    };
    const auto corpusFile = [](const char* name) {
        std::ifstream file(std::string(QUORVANE_SOURCE_DIR) + "/tests/fuzz-corpus/fuzz_settings/" +
                               name,
                           std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string regression = corpusFile("regression-variant-huge-block");
    const std::string listCount = corpusFile("regression-variant-list-count");
    // What QSettings makes of each text, seen once and kept: only "@" forms are other types.
    const std::vector<Row> rows = {
        {"plain text", "[General]\nAstOrbDatPath=/data\n", QString("/data")},
        {"outside any section", "AstOrbDatPath=/top\n", QString("/top")},
        {"a section header left open", "[General\nAstOrbDatPath=/x\n", QString("/x")},
        {"binary bytes before the section", "\0\xff\xfe[General]\nAstOrbDatPath=/x\n"s,
         QString("/x")},
        {"an escaped letter", "[General]\nAstOrbDatPath=\"\\x20ac/data\"\n",
         QString("\u20AC/data")},
        {"an unfinished variant", "[General]\nAstOrbDatPath=@Variant(\n", QString("@Variant(")},
        {"a byte array", "[General]\nAstOrbDatPath=@ByteArray(/x)\n", WrongType{}},
        {"an invalid value", "[General]\nAstOrbDatPath=@Invalid()\n", WrongType{}},
        {"a list", "[General]\nAstOrbDatPath=a, b\n", WrongType{}},
        {"another key only", "[General]\nDiacriticalsPath=/x\n", Absent{}},
        // Found by fuzz_settings: a variant announcing a block of about 25 GB.
        {"a variant announcing a huge block", regression, WrongType{}, true},
        // Found by fuzz_settings: a list of 811,556,707 byte arrays, for which Qt reserves
        // 19 GB before it reads the first; made and never touched, or refused, either way the
        // value is of another type. The sanitizer would write 2.4 GB of shadow for it.
        {"a variant list announcing 811 million items", listCount, WrongType{}, true},
    };
    ASSERT_FALSE(regression.empty());
    ASSERT_FALSE(listCount.empty());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needsAllocationFailure && kAllocationFailureAborts) {
            continue;
        }
        {
            QDir().mkpath(QString::fromStdString(settingsFolder.str()) + "/user/Morvelt");
            std::ofstream file(SettingsFile().toStdString(), std::ios::binary | std::ios::trunc);
            file << row.contents;
        }
        // QSettings keeps a file it has read while its size and time stamp stay the same.
        static long seconds = 1000000000;
        const timespec times[2] = {{seconds, 0}, {seconds, 0}};
        ++seconds;
        ASSERT_EQ(::utimensat(AT_FDCWD, SettingsFile().toStdString().c_str(), times, 0), 0);
        const SettingsStore store;
        std::optional<QString> value;
        bool wrongType = false;
        try {
            value = store.Read(kAstOrbDatPath);
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Type de données incorrect pour 'AstOrbDatPath'");
            wrongType = true;
        }
        if (const auto* text = std::get_if<QString>(&row.expected)) {
            EXPECT_EQ(value, std::optional<QString>(*text));
        } else if (std::holds_alternative<Absent>(row.expected)) {
            EXPECT_FALSE(value.has_value());
            EXPECT_FALSE(wrongType);
        } else {
            EXPECT_TRUE(wrongType);
        }
    }
}

} // namespace
} // namespace quorvane::app::test
