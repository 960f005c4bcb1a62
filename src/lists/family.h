// The family extraction ("Famil&y"): every asteroid within a velocity tolerance of the seed
// asteroid or of a member already found, pass after pass, as a wikicode list on the clipboard.
#pragma once

#include "astorb/numbers.h"
#include "lists/family_found.h"
#include "lists/family_metric.h"
#include "lists/scan.h"

#include <memory>
#include <string>

namespace quorvane {

// Where the smallest distance starts: larger than any tolerance.
constexpr double kDistanceStart = 149597870.691;

// n = k / sqrt(a^3), radians per day.
double MeanMotion(double a);

// sin of an inclination given in degrees.
double SineOfInclination(double inclinationDegrees);

// "Pass complete. N asteroids added. Another pass?"
std::string PassCompleteQuestion(int added);

// What one family pass reads of the window. Messages run between passes, so each pass reads
// them again: the tolerance, "Numbered only", the browser and the names table may have changed.
struct FamilyPassControls {
    int tolerance = 10;
    bool numberedOnly = true;
    BrowserRange browser;
    const DiacriticalNames* names = nullptr;
};

// btnFamilyClick's search: the seed is the record the browser shows. Start reads it and writes
// the header; each RunPass then scans the database from record 0, every candidate compared
// with every member known when its turn comes, a member found moving the browser to it, and
// the browser back to the seed at the end of a pass that found any. The front end lets
// messages run after a pass and asks the pass's question (its outcome's message); every answer
// but No runs another pass. Finish gives the header and the member lines for the clipboard and
// the Done message, which counts the members, the seed included. The orbits are read by the
// fields' rule of `format`, and the distances written with its separator.
class FamilySearch {
public:
    FamilySearch(AstOrbDatabase& database, int seed, const NumberFormat& format);
    ~FamilySearch();
    FamilySearch(const FamilySearch&) = delete;
    FamilySearch& operator=(const FamilySearch&) = delete;

    // Reads the seed: Finished, or how the command ends (a failed read, a malformed field).
    // `tolerance` goes into the header.
    ScanOutcome Start(const DiacriticalNames* names, int tolerance);
    // One pass after a Finished start or pass. Finished: `count` the members it added, the
    // message the question "Pass complete. N asteroids added. Another pass?".
    ScanOutcome RunPass(const FamilyPassControls& controls);
    // The list and the Done message, once the user wants no more passes.
    ScanOutcome Finish();
    // The family as found so far: the seed, the members, the passes run, their extent.
    FamilyFound Found() const;

private:
    struct Members;
    // Takes a new member's elements into the family's extent.
    void Extend(double a, double e, double s);

    AstOrbDatabase& database_;
    int seed_;
    NumberFormat format_;
    std::unique_ptr<Members> members_;
    ListText list_;
    int count_ = 0;
    FamilyFound found_;
};

} // namespace quorvane
