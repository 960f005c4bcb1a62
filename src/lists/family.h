// The family extraction ("Famil&y"): every asteroid within a velocity tolerance of the seed
// asteroid or of a member already found, pass after pass, as a wikicode list on the clipboard.
#pragma once

#include "lists/scan.h"

#include <string>
#include <vector>

namespace quorvane {

// The "Tolerance" scroll bar, in m/s (0 to 200 in the window).
class ToleranceSetting {
public:
    virtual ~ToleranceSetting() = default;
    virtual int Tolerance() const = 0;
};

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

// btnFamilyClick: the seed is the record at the browser position. Under the wait cursor, runs
// passes over the database from record 0, each candidate compared with every member known when
// its turn comes; a member found moves the browser to it. After each pass the browser goes back
// to the seed, pending window messages run once and PassCompleteQuestion is asked; every
// answer but No runs another pass. Then the header and member lines go to the clipboard and
// the Done message counts the members, the seed included.
ScanEnd ExtractFamily(const ScanPorts& ports, const ToleranceSetting& tolerance);

} // namespace quorvane
