// The French and English infobox texts and the command behind both buttons.
#include "astorb/database.h"
#include "astorb/error.h"
#include "infobox/infobox.h"
#include "reference/ports.h"
#include "support/infobox_example.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

class RecordingClipboard : public Clipboard {
public:
    void SetText(const std::string& cp1252) override {
        text = cp1252;
        ++writes;
    }
    void SetUnicodeText(const std::u16string&) override { ++writes; }
    std::string text = "previous";
    int writes = 0;
};

// The infobox command as the front ends run it: the text on the clipboard when there is one.
void CopyInfobox(AstOrbDatabase& database, const DiacriticalNames* names, int position,
                 InfoboxLanguage language, ParameterBoxes& boxes, const NumberFormat& format,
                 Clipboard& clipboard) {
    if (const std::optional<std::string> text =
            BuildInfobox(database, names, position, language, boxes, format)) {
        clipboard.SetText(*text);
    }
}

// One AstOrb.dat of the given records and the three boxes as the window starts them.
class InfoboxTest : public testing::Test {
protected:
    void Open(const std::vector<test::RecordSpec>& records) {
        database.ReplaceFile(folder.WriteAstOrb(records));
    }

    std::string Press(InfoboxLanguage language, int position = 0) {
        clipboard.writes = 0;
        CopyInfobox(database, nullptr, position, language, boxes, format, clipboard);
        EXPECT_EQ(clipboard.writes, 1);
        return clipboard.text;
    }

    // The message of the error the command raises; the clipboard must stay as it was.
    std::string PressFailing(InfoboxLanguage language) {
        try {
            CopyInfobox(database, nullptr, 0, language, boxes, format, clipboard);
        } catch (const Error& error) {
            EXPECT_EQ(clipboard.text, "previous");
            EXPECT_EQ(clipboard.writes, 0);
            return error.what();
        }
        ADD_FAILURE() << "no error raised";
        return {};
    }

    NumberFormat format{'.'}; // the caller's: the regional one
    test::TempFolder folder;
    AstOrbDatabase database;
    PlainParameterBox diameter{"10"};
    PlainParameterBox albedo{"0.1"};
    PlainParameterBox density{"2"};
    ParameterBoxes boxes{diameter, albedo, density, ""};
    RecordingClipboard clipboard;
};

TEST_F(InfoboxTest, EnglishWorkedExampleByteForByte) {
    Open({test::ExampleRecord()});
    format = {','};
    EXPECT_EQ(Press(InfoboxLanguage::English),
              test::JoinLines(test::ExampleEnglishLines(), "\r\n"));
}

TEST_F(InfoboxTest, FrenchOnACommaSystem) {
    Open({test::ExampleRecord()});
    format = {','};
    const std::string text = Press(InfoboxLanguage::French);
    EXPECT_EQ(text.substr(0, text.find("\r\n | p\xE9rih\xE9lie=")),
              test::JoinLines(test::ExampleFrenchFirstLines(), "\r\n"));
    // The rest of the text, by the same formulas as the English example.
    const std::vector<std::string> rest = {
        " | p\xE9rih\xE9lie=336,595 Gm (2,250 ua)",
        " | aph\xE9lie=411,394 Gm (2,750 ua)",
        " | r\xE9volution=1443,805 [[jour|d]] (3,95 [[Ann\xE9"
        "e julienne|a]])",
        " | vitesse=18,79",
        " | inclinaison=5,000",
        " | noeud_asc=100,000",
        " | arg_p\xE9ri=200,000",
        " | anomalie_moy=300,000",
        " | dimensions=10,0 km",
        " | masse=1,0{{x10|15}}",
        " | densit\xE9=2,0",
        " | gravit\xE9=0,0028",
        " | lib\xE9ration=0,0053",
        " | rotation=? d",
        " | spectre=?",
        " | abs_mag=13,40",
        " | alb\xE9"
        "do=0,10",
        " | temp\xE9rature=~176}}",
    };
    EXPECT_EQ(text, test::JoinLines(test::ExampleFrenchFirstLines(), "\r\n") + "\r\n" +
                        test::JoinLines(rest, "\r\n"));
}

// The English text writes with a point of its own: the caller's format is the same after it,
// written or abandoned by an error, so the French text does not change either.
TEST_F(InfoboxTest, FrenchTextIsTheSameBeforeAndAfterAnEnglishOne) {
    Open({test::ExampleRecord()});
    for (const char separator : {'.', ','}) {
        SCOPED_TRACE(std::string("separator ") + separator);
        format = {separator};
        const std::string french = Press(InfoboxLanguage::French);
        EXPECT_NE(french.find("([[Jour julien|JJ]] 2453661" + std::string(1, separator) + "5)"),
                  std::string::npos);
        EXPECT_NE(french.find(" | excentricit\xE9=0" + std::string(1, separator) + "100\r\n"),
                  std::string::npos);
        EXPECT_NE(Press(InfoboxLanguage::English).find("([[Julian day|JD]] 2453661.5)"),
                  std::string::npos);
        EXPECT_EQ(Press(InfoboxLanguage::French), french);
        density.SetText("0");
        clipboard = RecordingClipboard{};
        EXPECT_EQ(PressFailing(InfoboxLanguage::English),
                  "Division par z\xC3\xA9ro en virgule flottante");
        density.SetText("2");
        EXPECT_EQ(Press(InfoboxLanguage::French), french);
    }
}

TEST_F(InfoboxTest, UnknownDiameterWritesQuestionMarksAndLeavesTheDensityBox) {
    test::RecordSpec fields = test::ExampleRecord();
    fields.epoch = "20050105";
    fields.irasClass = "";
    Open({fields});
    format = {','};
    for (const char* text : {"", "0", "-3"}) {
        SCOPED_TRACE(text);
        diameter.SetText(text);
        density.SetText("junk");
        const std::string english = Press(InfoboxLanguage::English);
        EXPECT_NE(english.find(" | epoch=[[January 05]], [[2005]]"), std::string::npos);
        EXPECT_NE(english.find(" | speed=18.79 km/[[second|s]]\r\n"
                               " | dimensions=? km\r\n"
                               " | mass=?{{e|?}} [[kilogram|kg]]\r\n"
                               " | density=? g/[[cubic centimetre|cm\xB3]]\r\n"
                               " | gravity=? m/s\xB2\r\n"
                               " | escape_velocity=? km/s\r\n"
                               " | rotation=? d\r\n"
                               " | spectral_class=?\r\n"),
                  std::string::npos);
        const std::string french = Press(InfoboxLanguage::French);
        EXPECT_NE(french.find(" | \xE9poque=[[05 janvier]] [[2005]]"), std::string::npos);
        EXPECT_NE(french.find(" | anomalie_moy=300,000\r\n"
                              " | dimensions=? km\r\n"
                              " | masse=?{{x10|?}}\r\n"
                              " | densit\xE9=?\r\n"
                              " | gravit\xE9=?\r\n"
                              " | lib\xE9ration=?\r\n"
                              " | rotation=? d\r\n"
                              " | spectre=?\r\n"),
                  std::string::npos);
        EXPECT_EQ(density.Text(), "junk");
    }
}

TEST_F(InfoboxTest, RecordTextsAndCorrectedBoxes) {
    test::RecordSpec fields = test::ExampleRecord();
    fields.h = "3.34";
    fields.irasClass = "G";
    Open({fields});
    format = {','};
    albedo.SetText("1.01");
    density.SetText("2,5"); // a comma, refused while the English text forces a point
    const std::string english = Press(InfoboxLanguage::English);
    EXPECT_NE(english.find(" | density=2.0 g/"), std::string::npos);
    EXPECT_NE(english.find(" | spectral_class=G\r\n | abs_mag=3.34\r\n | albedo=0.10\r\n"),
              std::string::npos);
    EXPECT_EQ(albedo.Text(), "0.1");
    EXPECT_EQ(density.Text(), "2.0");

    // The French text keeps the comma: it accepts "2,5" and writes H with a comma.
    density.SetText("2,5");
    albedo.SetText("1");
    const std::string french = Press(InfoboxLanguage::French);
    EXPECT_NE(french.find(" | densit\xE9=2,5\r\n"), std::string::npos);
    EXPECT_NE(french.find(" | spectre=G\r\n | abs_mag=3,34\r\n | alb\xE9"
                          "do=1,00\r\n | temp\xE9rature=~0}}"),
              std::string::npos);
    EXPECT_EQ(density.Text(), "2,5");
}

TEST_F(InfoboxTest, UnreadableDiameterTakesTheIrasTextForTheNextPress) {
    Open({test::ExampleRecord()});
    boxes.diamCaption = "848.4";
    diameter.SetText("abc");
    const std::string first = Press(InfoboxLanguage::English);
    EXPECT_NE(first.find(" | dimensions=? km"), std::string::npos);
    EXPECT_EQ(diameter.Text(), "848.4");
    const std::string second = Press(InfoboxLanguage::English);
    EXPECT_NE(second.find(" | dimensions=848.4 km\r\n | mass=6.4{{e|20}}"), std::string::npos);
    EXPECT_EQ(Press(InfoboxLanguage::English), second);
}

TEST_F(InfoboxTest, LinesEndWithCrLfExceptTheLast) {
    Open({test::ExampleRecord()});
    struct Row {
        const char* name;
        InfoboxLanguage language;
        int lines; // 28 French items, 27 English ones
    };
    for (const Row row : {Row{"French", InfoboxLanguage::French, 28},
                          Row{"English", InfoboxLanguage::English, 27}}) {
        SCOPED_TRACE(row.name);
        const std::string text = Press(row.language);
        int lineFeeds = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++lineFeeds;
                EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
            }
        }
        EXPECT_EQ(lineFeeds, row.lines - 1);
        EXPECT_EQ(text.substr(text.size() - 2), "}}");
    }
}

TEST_F(InfoboxTest, FailedReadChangesNothing) {
    Open({test::ExampleRecord()});
    format = {','};
    diameter.SetText("abc");
    CopyInfobox(database, nullptr, 1, InfoboxLanguage::English, boxes, format, clipboard);
    EXPECT_EQ(clipboard.writes, 0);
    EXPECT_EQ(clipboard.text, "previous");
    EXPECT_EQ(diameter.Text(), "abc");
}

TEST_F(InfoboxTest, ErrorsAbandonTheCommand) {
    const std::string divisionByZero = "Division par z\xC3\xA9ro en virgule flottante";
    const std::string invalid = "Op\xC3\xA9ration en virgule flottante incorrecte";
    const auto noDate = [](const std::string& joined) {
        return "'" + joined + "' ne correspond pas \xC3\xA0 une date et une heure correctes";
    };
    struct Row {
        const char* name;
        test::RecordSpec fields;
        const char* densityText;
        std::string message;
    };
    auto with = [](auto change) {
        test::RecordSpec fields = test::ExampleRecord();
        change(fields);
        return fields;
    };
    const Row rows[] = {
        {"density 0 with a known diameter", test::ExampleRecord(), "0", divisionByZero},
        {"eccentricity above 1", with([](auto& s) { s.eccentricity = "1.5"; }), "2", invalid},
        {"semi-major axis 0", with([](auto& s) { s.semiMajorAxis = "0"; }), "2", invalid},
        {"30 February", with([](auto& s) { s.epoch = "20050230"; }), "2", noDate("2005-02-30")},
        {"month 13", with([](auto& s) { s.epoch = "20051300"; }), "2", noDate("2005-13-00")},
        {"month that is no number", with([](auto& s) { s.epoch = "2005ab01"; }), "2",
         "'ab' n'est pas une valeur enti\xC3\xA8re correcte"},
        {"inclination that is no number", with([](auto& s) { s.inclination = "x"; }), "2",
         "'x' n'est pas une valeur en virgule flottante correcte"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Open({row.fields});
        density.SetText(row.densityText);
        format = {','};
        EXPECT_EQ(PressFailing(InfoboxLanguage::French), row.message);
        EXPECT_EQ(PressFailing(InfoboxLanguage::English), row.message);
    }
}

TEST_F(InfoboxTest, BadSemiMajorAxisFailsBeforeTheLanguageIsChosen) {
    test::RecordSpec fields = test::ExampleRecord();
    fields.semiMajorAxis = "-1";
    Open({fields});
    format = {','};
    EXPECT_EQ(PressFailing(InfoboxLanguage::English),
              "Op\xC3\xA9ration en virgule flottante incorrecte");
}

} // namespace
} // namespace quorvane
