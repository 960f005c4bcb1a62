#include "lists/family.h"

#include "astorb/database.h"
#include "astorb/float_reader.h"
#include "astorb/record.h"
#include "astorb/scanner.h"
#include "infobox/title.h"
#include "lists/family_index.h"
#include "lists/one_decimal.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <utility>

namespace quorvane {

double MeanMotion(double a) {
    return kGaussK / std::sqrt(a * a * a);
}

double SineOfInclination(double inclinationDegrees) {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
    return std::sin(inclinationDegrees * kRadiansPerDegree);
}

std::string PassCompleteQuestion(int added) {
    return "Pass complete. " + std::to_string(added) + " asteroids added. Another pass?";
}

namespace {

// A candidate within the tolerance: its distance to the family and its elements.
struct Within {
    double distance;
    double a;
    double e;
    double s;
};

// The exact test of one candidate: when its distance to the family is within `limit`, adds it
// to the index and gives its distance and elements; nothing otherwise. A malformed field raises its
// error, as the accessors do, in their order.
std::optional<Within> AddIfWithin(RecordBlockReader& reader, AstOrbRecord record,
                                  const FloatReader& fields, const NumberFormat& format,
                                  FamilyIndex& index, int limit) {
    double a = 0.0;
    double e = 0.0;
    double inclination = 0.0;
    if (!fields.Read(record, Field::SemiMajorAxis, a) ||
        !fields.Read(record, Field::Eccentricity, e) ||
        !fields.Read(record, Field::Inclination, inclination)) {
        reader.Sync();
        const AstOrbRecord text = reader.Database().Current();
        a = GetSemiMajorAxis(text, format);
        e = GetEccentricity(text, format);
        inclination = GetInclination(text, format);
    }
    const double n = MeanMotion(a);
    // Far from every member: no need for the sine.
    if (!index.MayBeWithin(a, e, n, limit)) {
        return std::nullopt;
    }
    const double s = SineOfInclination(inclination);
    const double d = index.Distance(a, e, s, n, limit);
    if (!(d <= limit)) {
        return std::nullopt;
    }
    index.Add(a, e, s);
    return Within{d, a, e, s};
}

} // namespace

// The members live in the index and the bitmap only: a family chained across the whole
// catalogue keeps one copy of each orbit.
struct FamilySearch::Members {
    FamilyIndex index;
    MemberBitmap isMember;
};

FamilySearch::FamilySearch(AstOrbDatabase& database, int seed, const NumberFormat& format)
    : database_(database), seed_(seed), format_(format), members_(std::make_unique<Members>()) {}

FamilySearch::~FamilySearch() = default;

ScanOutcome FamilySearch::Start(const DiacriticalNames* names, int tolerance) {
    ScanOutcome outcome;
    if (!database_.ReadRecord(seed_)) {
        outcome.end = ScanEnd::ReadFailed;
        return outcome;
    }
    try {
        const AstOrbRecord record = database_.Current();
        list_ += "[[" + AsteroidTitle(record, names, false, false) +
                 " family]] members; tolerance " + std::to_string(tolerance) + " m/s" +
                 kListLineEnd;
        const double a = GetSemiMajorAxis(record, format_);
        const double e = GetEccentricity(record, format_);
        const double s = SineOfInclination(GetInclination(record, format_));
        members_->index.Add(a, e, s);
        members_->isMember.Set(seed_);
        count_ = 1;
        found_.seed = seed_;
        found_.tolerance = tolerance;
        found_.aMin = found_.aMax = a;
        found_.eMin = found_.eMax = e;
        found_.sMin = found_.sMax = s;
    } catch (...) {
        outcome.end = ScanEnd::Raised;
        outcome.error = std::current_exception();
        outcome.errorRecord = seed_;
    }
    return outcome;
}

ScanOutcome FamilySearch::RunPass(const FamilyPassControls& controls) {
    ScanOutcome outcome;
    const int countAtStart = count_;
    ++found_.passes;
    BrowserTrail browser(controls.browser);
    RecordBlockReader reader(database_);
    WithLayout(reader.Layout(), [&](auto layout) {
        const FloatReader fields(format_);
        const long long last = controls.browser.maximum;
        const int limit = controls.tolerance;
        long long i = 0;
        long long lastRead = -1;
        GuardScan(outcome, browser, i, [&] {
            for (;; ++i) {
                if (!members_->isMember.Has(i)) {
                    const std::optional<AstOrbRecord> record =
                        reader.RecordOf<decltype(layout)::value>(i);
                    if (!record) {
                        return browser.End(outcome, ScanEnd::ReadFailed, lastRead);
                    }
                    lastRead = i;
                    if (controls.numberedOnly && !IsNumberedRecord(*record)) {
                        break;
                    }
                    // Well-formed fields whose a and e lie far from every member: not one.
                    double a = 0.0;
                    double e = 0.0;
                    const bool setAside = fields.Read(*record, Field::SemiMajorAxis, a) &&
                                          fields.Read(*record, Field::Eccentricity, e) &&
                                          fields.Check(*record, Field::Inclination) &&
                                          !members_->index.MayBeNearMembers(a, e, limit);
                    if (!setAside) {
                        const std::optional<Within> distance =
                            AddIfWithin(reader, *record, fields, format_, members_->index, limit);
                        if (distance) {
                            Extend(distance->a, distance->e, distance->s);
                            if (!browser.MoveTo(i, *record, outcome)) {
                                return;
                            }
                            list_ += "* [[" + AsteroidTitle(*record, controls.names, true, true) +
                                     "]] " + FormatOneDecimal(distance->distance, format_) +
                                     kListLineEnd;
                            ++count_;
                            members_->isMember.Set(BrowserIndex(i));
                        }
                    }
                }
                if (i == last) {
                    break;
                }
            }
        });
    });
    if (outcome.end != ScanEnd::Finished) {
        return outcome;
    }
    // Back to the seed, which also undoes a move the user made between passes.
    browser.End(outcome, ScanEnd::Finished, -1);
    outcome.moves.push_back(seed_);
    outcome.count = count_ - countAtStart;
    outcome.message = PassCompleteQuestion(outcome.count);
    return outcome;
}

void FamilySearch::Extend(double a, double e, double s) {
    found_.aMin = std::min(found_.aMin, a);
    found_.aMax = std::max(found_.aMax, a);
    found_.eMin = std::min(found_.eMin, e);
    found_.eMax = std::max(found_.eMax, e);
    found_.sMin = std::min(found_.sMin, s);
    found_.sMax = std::max(found_.sMax, s);
}

FamilyFound FamilySearch::Found() const {
    FamilyFound found = found_;
    found.count = count_;
    found.members = members_->isMember.Indexes();
    std::erase(found.members, seed_);
    return found;
}

ScanOutcome FamilySearch::Finish() {
    ScanOutcome outcome;
    outcome.count = count_;
    outcome.clipboard.emplace(std::move(list_));
    outcome.message = DoneMessage(count_);
    return outcome;
}

} // namespace quorvane
