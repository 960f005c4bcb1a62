// Copying a shown value, and the Find prompt's caption formed from the label's name.
#include "core/search_bench.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using test::SearchBench;

TEST(SearchPrompt, CaptionIsFormedFromTheLabelName) {
    struct Row {
        ValueLabel label;
        std::u16string caption;
    };
    // The prompt captions of the searched-field table of the window's description.
    const std::vector<Row> rows = {
        {ValueLabel::Number, u"Find in Number"},
        {ValueLabel::Name, u"Find in Name"},
        {ValueLabel::NameUnicode, u"Find in NameUnicode"},
        {ValueLabel::H, u"Find in H"},
        {ValueLabel::G, u"Find in G"},
        {ValueLabel::BVColour, u"Find in BVColour"},
        {ValueLabel::Diam, u"Find in Diam"},
        {ValueLabel::IRASClass, u"Find in IRASClass"},
        {ValueLabel::Epoch, u"Find in Epoch"},
        {ValueLabel::MeanAnomaly, u"Find in MeanAnomaly"},
        {ValueLabel::ArgPerihelion, u"Find in ArgPerihelion"},
        {ValueLabel::AscNode, u"Find in AscNode"},
        {ValueLabel::Inclination, u"Find in Inclination"},
        {ValueLabel::Eccentricity, u"Find in Eccentricity"},
        {ValueLabel::SemiMajorAxis, u"Find in SemiMajorAxis"},
        {ValueLabel::Aten, u"Find in Aten"},
        {ValueLabel::Apollo, u"Find in Apollo"},
        {ValueLabel::Amor, u"Find in Amor"},
        {ValueLabel::MarsCrosser, u"Find in MarsCrosser"},
        {ValueLabel::OuterCrosser, u"Find in OuterCrosser"},
    };
    ASSERT_EQ(rows.size(), kValueLabelCount);
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(InfoOf(row.label).fieldName));
        EXPECT_EQ(SearchPromptCaption(row.label), row.caption);
        EXPECT_EQ(ValueLabelOfField(InfoOf(row.label).fieldName), row.label);
    }
    EXPECT_EQ(ValueLabelOfField("Diameter"), std::nullopt) << "the record field, not the label's";
    EXPECT_EQ(ValueLabelOfField("Path"), std::nullopt);
}

TEST(SearchPrompt, ShowsCaptionPromptAndTheSearchText) {
    SearchBench bench({{.number = "1", .name = "Ceres", .diameter = "848.4"},
                       {.number = "2", .name = "Pallas", .diameter = "498.1"}});
    bench.model.RepeatSearch(ValueLabel::Name, u"earlier");
    EXPECT_EQ(bench.Find(ValueLabel::Diam, u"498", 0), CommandEnd::Finished);
    EXPECT_EQ(bench.promptsShown, 1);
    EXPECT_EQ(bench.promptCaption, u"Find in Diam");
    EXPECT_EQ(bench.promptText, u"What?");
    EXPECT_EQ(bench.promptInitialText, u"earlier");
    EXPECT_EQ(bench.State().SearchText, u"498");
    EXPECT_EQ(bench.State().SearchLabel, ValueLabel::Diam);
    EXPECT_TRUE(bench.State().AgainEnabled);

    bench.findAnswer.reset();
    bench.RunFind(ValueLabel::NameUnicode);
    EXPECT_EQ(bench.promptCaption, u"Find in NameUnicode");
    EXPECT_EQ(bench.promptInitialText, u"498");
}

TEST(CopyValue, PutsTheCaptionOnTheClipboardAsUnicode) {
    struct Row {
        const char* name;
        std::string caption; // Windows-1252
        std::u16string copied;
    };
    const std::vector<Row> rows = {
        {"a name", "Ceres", u"Ceres"},
        {"a clear flag", "", u""},
        {"a number", "848.4", u"848.4"},
        {"Windows-1252 letters", "\xC9lodie \x9F", u"Élodie Ÿ"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(LabelCopyText(row.caption), row.copied);
    }
}

TEST(CopyValue, UnicodeNameGoesThroughTheEightBitCaption) {
    struct Row {
        const char* name;
        std::u16string shown;
        std::u16string copied;
    };
    const std::vector<Row> rows = {
        {"Windows-1252 letters survive", u"Ångström", u"Ångström"},
        {"ř is outside Windows-1252", u"Dvořák", u"Dvorák"},
        {"empty label", u"", u""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(UnicodeLabelCopyText(row.shown), row.copied);
    }
}

} // namespace
} // namespace quorvane
