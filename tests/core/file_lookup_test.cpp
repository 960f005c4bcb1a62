// Finding AstOrb.dat and Diacriticals.txt in a folder as a file system blind to letter case
// would: the exact name first, then any other case, then the compressed AstOrb.dat.gz.
#include "astorb/diacriticals.h"
#include "astorb/paths.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace quorvane {
namespace {

using test::TempFolder;

TEST(FindAstOrbFile, ChoosesByNameThenCaseThenCompression) {
    struct Row {
        const char* what;
        std::vector<std::string> files;
        std::vector<std::string> folders;
        std::string found; // empty: none
    };
    const std::vector<Row> rows = {
        {"exact", {"AstOrb.dat"}, {}, "AstOrb.dat"},
        {"lower case", {"astorb.dat"}, {}, "astorb.dat"},
        {"upper case", {"ASTORB.DAT"}, {}, "ASTORB.DAT"},
        {"exact before other cases", {"astorb.dat", "AstOrb.dat", "ASTORB.DAT"}, {}, "AstOrb.dat"},
        {"first in byte order", {"astorb.dat", "AstOrb.Dat", "ASTORB.dat"}, {}, "ASTORB.dat"},
        {"plain before compressed", {"AstOrb.dat.gz", "astorb.dat"}, {}, "astorb.dat"},
        {"compressed exact", {"AstOrb.dat.gz", "astorb.dat.gz"}, {}, "AstOrb.dat.gz"},
        {"compressed in another case", {"astorb.dat.GZ", "astorb.DAT.gz"}, {}, "astorb.DAT.gz"},
        {"a folder is not the file", {"astorb.dat.gz"}, {"AstOrb.dat"}, "astorb.dat.gz"},
        {"only a folder", {}, {"astorb.dat"}, ""},
        {"other names", {"AstOrb2005.dat", "astorb.dat.bak", "astorb.gz", "AstOrb.da"}, {}, ""},
        {"empty folder", {}, {}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder folder;
        for (const std::string& name : row.files) {
            folder.Write(name, "x");
        }
        for (const std::string& name : row.folders) {
            std::filesystem::create_directory(folder.path() / name);
        }
        const std::string found = FindAstOrbFile(folder.str());
        EXPECT_EQ(found, row.found.empty() ? "" : folder.str() + "/" + row.found);
    }
}

TEST(FindAstOrbFile, MissingFolderFindsNothing) {
    TempFolder folder;
    EXPECT_EQ(FindAstOrbFile(folder.str() + "/gone"), "");
    EXPECT_EQ(FindDiacriticalsFile(folder.str() + "/gone"), "");
}

TEST(FindDiacriticalsFile, AnyCaseButNoCompressedForm) {
    struct Row {
        std::vector<std::string> files;
        std::string found;
    };
    const std::vector<Row> rows = {
        {{"Diacriticals.txt", "diacriticals.txt"}, "Diacriticals.txt"},
        {{"diacriticals.txt"}, "diacriticals.txt"},
        {{"DIACRITICALS.TXT", "diacriticals.TXT"}, "DIACRITICALS.TXT"},
        {{"Diacriticals.txt.gz"}, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.files.front());
        TempFolder folder;
        for (const std::string& name : row.files) {
            folder.Write(name, "x");
        }
        EXPECT_EQ(FindDiacriticalsFile(folder.str()),
                  row.found.empty() ? "" : folder.str() + "/" + row.found);
    }
}

TEST(LoadDiacriticals, ReadsTheFileInAnotherCase) {
    TempFolder folder;
    // The number in characters 2 to 7, the name from character 30.
    const std::string entry = "    101" + std::string(22, ' ') + R"(Dvo\v r\'ak)";
    folder.Write("diacriticals.txt", "header\r\nformat\r\n---\r\n" + entry + "\r\n");
    std::optional<DiacriticalNames> table;
    ASSERT_TRUE(LoadDiacriticals(folder.str(), table));
    EXPECT_EQ(LookupDiacriticalName(&*table, "101", false), u"Dvořák");
}

} // namespace
} // namespace quorvane
