// The held-back display against the plain one: after any run of moves the labels, the shared
// record and the errors are what showing every record in turn gives.
#include "astorb/database.h"
#include "astorb/display.h"
#include "astorb/error.h"
#include "astorb/paths.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvane {
namespace {

using test::RecordSpec;
using test::TempFolder;

// What a run of moves leaves: the labels, the shared record, and the message of each move
// that raised ("" where none did).
struct Outcome {
    LabelTexts labels;
    std::string currentRecord;
    std::vector<std::string> errors;
};

void ExpectSame(const Outcome& held, const Outcome& plain) {
    EXPECT_EQ(held.labels.values, plain.labels.values);
    EXPECT_EQ(held.labels.nameUnicode, plain.labels.nameUnicode);
    EXPECT_EQ(held.labels.diameterBox, plain.labels.diameterBox);
    EXPECT_EQ(held.currentRecord, plain.currentRecord);
    EXPECT_EQ(held.errors, plain.errors);
}

// One move: `scanRead` first reads the record into CurrentRecord as a scan does before it
// moves the browser there.
struct Move {
    int position;
    bool scanRead;
};

template <typename ShowFn>
Outcome RunMoves(const std::string& path, const std::vector<Move>& moves, ShowFn show) {
    AstOrbDatabase database;
    database.ReplaceFile(path);
    Outcome outcome;
    for (const Move& move : moves) {
        if (move.scanRead) {
            database.ReadRecord(move.position);
        }
        try {
            show(database, move.position, outcome.labels);
            outcome.errors.emplace_back();
        } catch (const Error& error) {
            outcome.errors.push_back(error.what());
        }
    }
    outcome.currentRecord = database.CurrentRecord();
    return outcome;
}

TEST(HeldBackDisplay, EndsAsShowingEveryRecordInTurn) {
    TempFolder folder;
    const std::string path = folder.WriteAstOrb({
        {.number = "1", .name = "Ceres", .diameter = "848.4", .flags = "5"},
        {.number = "2", .name = "Pallas", .diameter = "498.1", .flags = "abc"},
        {.number = "3", .name = "Juno", .flags = "8"},
        {.name = "2004 XY12", .diameter = "1.5", .flags = "16"},
    });
    struct Case {
        const char* name;
        std::vector<Move> moves;
    };
    const std::vector<Case> cases = {
        {"records just read", {{0, true}, {2, true}, {3, true}}},
        {"a move without a read", {{0, true}, {3, false}}},
        {"the shared record holds another record", {{0, true}, {3, true}, {2, false}}},
        {"a malformed flag code after a held record", {{0, true}, {1, true}}},
        {"a malformed flag code, then more records", {{2, true}, {1, true}, {3, true}}},
        {"a malformed flag code reached without a read", {{3, true}, {1, false}}},
        {"a move past the end", {{2, true}, {7, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeldBackDisplay held;
        Outcome quick =
            RunMoves(path, c.moves, [&](AstOrbDatabase& db, int position, LabelTexts& l) {
                held.Show(db, nullptr, position, l);
            });
        held.Flush(nullptr, quick.labels);
        const Outcome plain =
            RunMoves(path, c.moves, [](AstOrbDatabase& db, int position, LabelTexts& l) {
                ShowRecord(db, nullptr, position, l);
            });
        ExpectSame(quick, plain);
    }
}

TEST(HeldBackDisplay, ReadsAgainAfterTheFileIsReplaced) {
    TempFolder first;
    TempFolder second;
    const std::string firstPath = first.WriteAstOrb({{.number = "1", .name = "Ceres"}});
    const std::string secondPath = second.WriteAstOrb({{.number = "4", .name = "Vesta"}});
    AstOrbDatabase database;
    database.ReplaceFile(firstPath);
    ASSERT_TRUE(database.ReadRecord(0));
    database.ReplaceFile(secondPath);
    EXPECT_EQ(database.CurrentIndex(), -1);
    HeldBackDisplay held;
    LabelTexts labels;
    ASSERT_TRUE(held.Show(database, nullptr, 0, labels));
    held.Flush(nullptr, labels);
    EXPECT_EQ(labels.Value(ValueLabel::Name), "Vesta");
    EXPECT_EQ(database.CurrentRecord().substr(6, 5), "Vesta");
}

} // namespace
} // namespace quorvane
