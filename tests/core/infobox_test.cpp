// The French and English infobox texts and the command behind both buttons.
#include "astorb/database.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "core/fixture_window.h"
#include "infobox/infobox.h"
#include "support/infobox_example.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvane {
namespace {

// One AstOrb.dat of the given records in the window, the diameter typed as the worked example
// has it; the buttons pressed as the window runs them.
class InfoboxTest : public testing::Test {
protected:
    void Open(const std::vector<test::RecordSpec>& records) {
        window.Open(records);
        Type(Parameter::Diameter, "10");
    }

    void Type(Parameter box, std::string text) {
        window.model.SetParameterText(box, std::move(text));
    }
    const ParameterTexts& Boxes() const { return window.model.Parameters(); }

    long ClipboardWrites() const {
        return std::count(window.log.begin(), window.log.end(), "clipboard");
    }

    // The button pressed with `format` as the window's number format.
    CommandEnd Run(InfoboxLanguage language) {
        window.model.SetNumberFormat(format);
        return window.RunInfobox(language);
    }

    std::string Press(InfoboxLanguage language) {
        const long writes = ClipboardWrites();
        EXPECT_EQ(Run(language), CommandEnd::Finished);
        EXPECT_EQ(ClipboardWrites(), writes + 1);
        return window.clipboard.value_or("");
    }

    // The message of the error the command raises; the clipboard must stay as it was.
    std::string PressFailing(InfoboxLanguage language) {
        const std::optional<std::string> before = window.clipboard;
        const long writes = ClipboardWrites();
        try {
            Run(language);
        } catch (const Error& error) {
            EXPECT_EQ(window.clipboard, before);
            EXPECT_EQ(ClipboardWrites(), writes);
            return error.what();
        }
        ADD_FAILURE() << "no error raised";
        return {};
    }

    NumberFormat format{'.'}; // the window's: the regional one
    test::FixtureWindow window;
};

TEST_F(InfoboxTest, EnglishWorkedExampleByteForByte) {
    Open({test::ExampleRecord()});
    format = {','};
    EXPECT_EQ(Press(InfoboxLanguage::English),
              test::JoinLines(test::ExampleEnglishLines(), "\r\n"));
    // Whatever it was before, the English text leaves a comma.
    EXPECT_EQ(window.model.Format().decimalSeparator, ',');
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
    EXPECT_EQ(window.model.Format().decimalSeparator, ',');
}

TEST_F(InfoboxTest, UnknownDiameterWritesQuestionMarksAndLeavesTheDensityBox) {
    test::RecordSpec fields = test::ExampleRecord();
    fields.epoch = "20050105";
    fields.irasClass = "";
    Open({fields});
    format = {','};
    for (const char* text : {"", "0", "-3"}) {
        SCOPED_TRACE(text);
        Type(Parameter::Diameter, text);
        Type(Parameter::Density, "junk");
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
        EXPECT_EQ(Boxes().density, "junk");
    }
}

// The English text writes with a point of its own: the window's format is the same after it,
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
        EXPECT_EQ(window.model.Format().decimalSeparator, separator);
        EXPECT_EQ(Press(InfoboxLanguage::French), french);
        Type(Parameter::Density, "0");
        EXPECT_EQ(PressFailing(InfoboxLanguage::English),
                  "Division par z\xC3\xA9ro en virgule flottante");
        EXPECT_EQ(window.model.Format().decimalSeparator, separator);
        Type(Parameter::Density, "2");
        EXPECT_EQ(Press(InfoboxLanguage::French), french);
    }
}

TEST_F(InfoboxTest, RecordTextsAndCorrectedBoxes) {
    test::RecordSpec fields = test::ExampleRecord();
    fields.h = "3.34";
    fields.irasClass = "G";
    Open({fields});
    format = {','};
    Type(Parameter::Albedo, "1.01");
    Type(Parameter::Density, "2,5"); // a comma, refused while the English text forces a point
    const std::string english = Press(InfoboxLanguage::English);
    EXPECT_NE(english.find(" | density=2.0 g/"), std::string::npos);
    EXPECT_NE(english.find(" | spectral_class=G\r\n | abs_mag=3.34\r\n | albedo=0.10\r\n"),
              std::string::npos);
    EXPECT_EQ(Boxes().albedo, "0.1");
    EXPECT_EQ(Boxes().density, "2.0");

    // The French text keeps the comma: it accepts "2,5" and writes H with a comma.
    Type(Parameter::Density, "2,5");
    Type(Parameter::Albedo, "1");
    const std::string french = Press(InfoboxLanguage::French);
    EXPECT_NE(french.find(" | densit\xE9=2,5\r\n"), std::string::npos);
    EXPECT_NE(french.find(" | spectre=G\r\n | abs_mag=3,34\r\n | alb\xE9"
                          "do=1,00\r\n | temp\xE9rature=~0}}"),
              std::string::npos);
    EXPECT_EQ(Boxes().density, "2,5");
}

TEST_F(InfoboxTest, UnreadableDiameterTakesTheIrasTextForTheNextPress) {
    // The diameter label shows the record's IRAS diameter, which an unreadable box takes.
    test::RecordSpec fields = test::ExampleRecord();
    fields.diameter = "848.4";
    Open({fields});
    Type(Parameter::Diameter, "abc");
    const std::string first = Press(InfoboxLanguage::English);
    EXPECT_NE(first.find(" | dimensions=? km"), std::string::npos);
    EXPECT_EQ(Boxes().diameter, "848.4");
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
    // The browser on record 1 of a file that has lost it since it was opened.
    Open(test::PaddedTo({test::ExampleRecord()}, 2));
    window.SetPosition(1);
    window.CutFileAfter(1);
    format = {','};
    Type(Parameter::Diameter, "abc");
    EXPECT_EQ(Run(InfoboxLanguage::English), CommandEnd::ReadFailed);
    EXPECT_EQ(ClipboardWrites(), 0);
    EXPECT_FALSE(window.clipboard);
    EXPECT_EQ(window.model.Format().decimalSeparator, ',');
    EXPECT_EQ(Boxes().diameter, "abc");
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
        Type(Parameter::Density, row.densityText);
        format = {','};
        EXPECT_EQ(PressFailing(InfoboxLanguage::French), row.message);
        EXPECT_EQ(window.model.Format().decimalSeparator, ',');
        EXPECT_EQ(PressFailing(InfoboxLanguage::English), row.message);
        // An abandoned English text leaves the window's format as it found it.
        EXPECT_EQ(window.model.Format().decimalSeparator, ',');
    }
}

TEST_F(InfoboxTest, BadSemiMajorAxisFailsBeforeTheLanguageIsChosen) {
    test::RecordSpec fields = test::ExampleRecord();
    fields.semiMajorAxis = "-1";
    Open({fields});
    format = {','};
    EXPECT_EQ(PressFailing(InfoboxLanguage::English),
              "Op\xC3\xA9ration en virgule flottante incorrecte");
    EXPECT_EQ(window.model.Format().decimalSeparator, ',');
}

} // namespace
} // namespace quorvane
