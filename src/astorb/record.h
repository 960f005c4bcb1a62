// The AstOrb.dat record layout: the column table, FieldText and the field accessors. Every
// accessor reads one record text (normally the shared CurrentRecord) and nothing else.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorvane {

// Each record is 267 bytes, its line end included; record i starts at byte i * 267.
constexpr int RecordLength = 267;

// The record fields the program reads. Columns count from 1 at the first byte of the record.
enum class Field {
    Number,        // asteroid number, right-aligned; blank when unnumbered
    Name,          // name, or provisional designation of an unnamed asteroid
    H,             // absolute magnitude
    G,             // slope parameter
    BVColour,      // B-V colour index; may be blank
    Diameter,      // IRAS diameter, km; may be blank
    IRASClass,     // IRAS taxonomic class; may be blank
    FlagCode,      // decimal integer whose bits are the five orbit flags
    Epoch,         // yyyymmdd
    MeanAnomaly,   // degrees
    ArgPerihelion, // degrees
    AscNode,       // degrees
    Inclination,   // degrees
    Eccentricity,  //
    SemiMajorAxis, // AU
};

struct FieldColumns {
    int start; // first column, 1-based
    int width;
};

// Row order follows the Field enumeration.
constexpr std::array<FieldColumns, 15> kFieldColumns = {{
    {1, 5},    // Number
    {7, 18},   // Name
    {42, 5},   // H
    {48, 5},   // G
    {54, 4},   // BVColour
    {59, 5},   // Diameter
    {65, 4},   // IRASClass
    {70, 4},   // FlagCode
    {106, 8},  // Epoch
    {115, 10}, // MeanAnomaly
    {126, 10}, // ArgPerihelion
    {137, 10}, // AscNode
    {147, 10}, // Inclination
    {158, 10}, // Eccentricity
    {169, 12}, // SemiMajorAxis
}};

constexpr FieldColumns ColumnsOf(Field field) {
    return kFieldColumns[static_cast<std::size_t>(field)];
}

// The orbit flags: bit values of the flag code.
enum class Flag : std::int32_t {
    Aten = 1,
    Apollo = 2,
    Amor = 4,
    MarsCrosser = 8,
    OuterCrosser = 16,
};

// The characters of a field as they stand, cut where a short record ends.
std::string_view FieldChars(std::string_view record, int start, int width);
std::string_view FieldChars(std::string_view record, Field field);

// The field with every leading and trailing character of code 32 or less removed.
std::string_view TrimControls(std::string_view text);
std::string FieldText(std::string_view record, int start, int width);
std::string FieldText(std::string_view record, Field field);

// A record is numbered when its trimmed Number field is not empty.
bool IsNumbered(std::string_view record);

// The orbital elements by the float rule; a blank or malformed field raises "'%s' n'est pas
// une valeur en virgule flottante correcte".
double GetSemiMajorAxis(std::string_view record);
double GetEccentricity(std::string_view record);
double GetInclination(std::string_view record);
double GetAscNode(std::string_view record);
double GetArgPerihelion(std::string_view record);
double GetMeanAnomaly(std::string_view record);
std::string GetH(std::string_view record);
std::string GetIRASClass(std::string_view record);

// The flag code as a signed decimal integer; raises "'%s' n'est pas une valeur entière
// correcte" when blank or malformed.
std::int32_t GetFlagCode(std::string_view record);

// The epoch pieces, untrimmed: year (4 characters), month (2), day (2).
std::string GetEpochYear(std::string_view record);
std::string GetEpochMonth(std::string_view record);
std::string GetEpochDay(std::string_view record);

} // namespace quorvane
