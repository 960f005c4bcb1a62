// The family extraction ("Famil&y"): every asteroid within a velocity tolerance of the seed
// asteroid or of a member already found, pass after pass, as a wikicode list on the clipboard.
#pragma once

#include "lists/scan.h"

#include <memory>
#include <string>
#include <vector>

namespace quorvane {

// The members found so far, in order of discovery, the seed first: four parallel sequences.
struct FamilyMembers {
    std::vector<double> semiMajorAxis;   // AU
    std::vector<double> eccentricity;    //
    std::vector<double> sineInclination; // sin(i), i in degrees converted with pi/180
    std::vector<int> recordIndex;

    void Add(double a, double e, double s, int index);
    std::size_t size() const { return recordIndex.size(); }
};

// Gaussian gravitational constant, radians per day for a in AU.
constexpr double kGaussK = 0.01720209895;
// Metres per second in one AU per day: 149 597 870 691 m / 86 400 s.
constexpr double kAuPerDayInMetresPerSecond = 1731456.836701389;
// Where the smallest distance starts: larger than any tolerance.
constexpr double kDistanceStart = 149597870.691;

// n = k / sqrt(a^3), radians per day.
double MeanMotion(double a);

// sin of an inclination given in degrees.
double SineOfInclination(double inclinationDegrees);

// True when `index` is one of the members' record indexes; a linear search from the first.
bool IsFamilyMember(const FamilyMembers& members, long long index);

// The smallest velocity distance in m/s from the candidate (a, e, s = sin i, mean motion n) to
// the members: d_j = C n a sqrt(1.25 ((a - a_j)/a)^2 + 2 (e - e_j)^2 + 2 (s - s_j)^2), scaled
// by the candidate's a and n. Starts at kDistanceStart and takes only strictly smaller d_j, so
// with no members (or only NaN distances) it stays kDistanceStart. Brute force over every member:
// the reference that any faster search must match.
double FamilyDistance(const FamilyMembers& members, double a, double e, double s, double n);

// scrToleranceChange: "&Tolerance (m/s): " + position.
std::string ToleranceCaption(int position);

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
// the Done message, which counts the members, the seed included.
class FamilySearch {
public:
    FamilySearch(AstOrbDatabase& database, int seed);
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

    int MemberCount() const { return count_; }

private:
    struct Members;

    AstOrbDatabase& database_;
    int seed_;
    std::unique_ptr<Members> members_;
    ListText list_;
    int count_ = 0;
};

} // namespace quorvane
