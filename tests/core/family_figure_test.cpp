// The family figure: the scan that collects it, its axes and subset, and the SVG file read back
// with an XML parser, dot by dot against the ticks it draws.
#include "lists/family_figure.h"

#include "astorb/database.h"
#include "astorb/diacriticals.h"
#include "astorb/error.h"
#include "astorb/numbers.h"
#include "astorb/record.h"
#include "infobox/title.h"
#include "lists/even_sample.h"
#include "lists/family.h"
#include "lists/figure_axes.h"
#include "reference/family_members.h"
#include "support/fixtures.h"
#include "text/cp1252.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <locale>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {
namespace {

using test::RecordSpec;

// A dot's centre and the place its ticks give it differ by the rounding of both to a tenth of
// a pixel, and by the rounding of the ticks through which the place is drawn.
constexpr double kPixelTolerance = 0.2;
constexpr double kPageWidth = 1200;
constexpr double kPageHeight = 560;
constexpr double kPanelDivide = kPageWidth / 2; // the left panel lies left of it

// ---- The SVG read back -------------------------------------------------------------------

struct XmlNode {
    std::string name;
    std::string namespaceUri;
    std::map<std::string, std::string> attributes;
    std::string text; // the character data directly inside
    std::vector<XmlNode> children;

    std::string Attribute(const std::string& key) const {
        const auto found = attributes.find(key);
        return found == attributes.end() ? std::string() : found->second;
    }
};

// The document's root element; a parse error fails the test.
XmlNode ParseXml(const std::string& bytes) {
    QXmlStreamReader reader(QByteArray::fromStdString(bytes));
    std::vector<XmlNode> open;
    XmlNode root;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            XmlNode node;
            node.name = reader.name().toString().toStdString();
            node.namespaceUri = reader.namespaceUri().toString().toStdString();
            for (const QXmlStreamAttribute& attribute : reader.attributes()) {
                node.attributes[attribute.qualifiedName().toString().toStdString()] =
                    attribute.value().toString().toStdString();
            }
            open.push_back(std::move(node));
            break;
        }
        case QXmlStreamReader::EndElement: {
            XmlNode node = std::move(open.back());
            open.pop_back();
            if (open.empty()) {
                root = std::move(node);
            } else {
                open.back().children.push_back(std::move(node));
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (!open.empty()) {
                open.back().text += reader.text().toString().toStdString();
            }
            break;
        default:
            break;
        }
    }
    EXPECT_FALSE(reader.hasError())
        << reader.errorString().toStdString() << " at line " << reader.lineNumber();
    return root;
}

// The text of the root's child `i` (the <title> is child 0, the <desc> child 1).
std::string ChildText(const XmlNode& root, std::size_t i) {
    if (i >= root.children.size()) {
        ADD_FAILURE() << "the root has no child " << i;
        return {};
    }
    return root.children[i].text;
}

template <typename Visit> void Walk(const XmlNode& node, Visit&& visit) {
    visit(node);
    for (const XmlNode& child : node.children) {
        Walk(child, visit);
    }
}

const XmlNode* FindById(const XmlNode& root, const std::string& id) {
    const XmlNode* found = nullptr;
    Walk(root, [&](const XmlNode& node) {
        if (found == nullptr && node.Attribute("id") == id) {
            found = &node;
        }
    });
    return found;
}

const XmlNode& Required(const XmlNode& root, const std::string& id) {
    const XmlNode* node = FindById(root, id);
    if (node == nullptr) {
        ADD_FAILURE() << "no element with id " << id;
        static const XmlNode kNone;
        return kNone;
    }
    return *node;
}

std::vector<const XmlNode*> WithClass(const XmlNode& root, const std::string& cls) {
    std::vector<const XmlNode*> found;
    Walk(root, [&](const XmlNode& node) {
        if (node.Attribute("class") == cls) {
            found.push_back(&node);
        }
    });
    return found;
}

// A number as the file writes it: "." and nothing else; anything else fails the test.
double ParseNumber(std::string_view text) {
    double value = std::nan("");
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size())
        << "not a number: '" << text << "'";
    return value;
}

double NumberAttribute(const XmlNode& node, const std::string& key) {
    const std::string text = node.Attribute(key);
    return text.empty() ? 0.0 : ParseNumber(text);
}

struct Point {
    double x;
    double y;
};

// The points of each subpath of a path's data (the commands M, L, H, V, h, v and Z).
std::vector<std::vector<Point>> Subpaths(const std::string& d) {
    std::vector<std::vector<Point>> subpaths;
    const char* at = d.data();
    const char* const end = d.data() + d.size();
    const auto skipSpace = [&] {
        while (at != end && (*at == ' ' || *at == ',' || *at == '\n')) {
            ++at;
        }
    };
    const auto number = [&] {
        skipSpace();
        double value = 0.0;
        const auto [next, error] = std::from_chars(at, end, value);
        EXPECT_TRUE(error == std::errc()) << "no number at '" << std::string(at, end) << "'";
        at = error == std::errc() ? next : end;
        return value;
    };
    double x = 0.0;
    double y = 0.0;
    char command = 0;
    for (skipSpace(); at != end; skipSpace()) {
        if (std::isalpha(static_cast<unsigned char>(*at))) {
            command = *at++;
        }
        if (command != 'M' && command != 'Z' && subpaths.empty()) {
            ADD_FAILURE() << "path data does not start with M: " << d;
            return subpaths;
        }
        switch (command) {
        case 'M':
            x = number();
            y = number();
            subpaths.push_back({{x, y}});
            command = 'L'; // further pairs draw lines
            continue;
        case 'L':
            x = number();
            y = number();
            break;
        case 'H':
            x = number();
            break;
        case 'V':
            y = number();
            break;
        case 'h':
            x += number();
            break;
        case 'v':
            y += number();
            break;
        case 'Z':
            command = 0; // takes no numbers
            continue;
        default:
            ADD_FAILURE() << "unexpected path data at '" << std::string(at, end) << "'";
            return subpaths;
        }
        subpaths.back().push_back({x, y});
    }
    return subpaths;
}

Point Centre(const std::vector<Point>& points) {
    double left = points.front().x;
    double right = left;
    double top = points.front().y;
    double bottom = top;
    for (const Point& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    return {(left + right) / 2, (top + bottom) / 2};
}

// The offset of translate(x,y) at the start of a transform; (0, 0) without one.
Point Translation(const XmlNode& node) {
    const std::string transform = node.Attribute("transform");
    constexpr std::string_view kTranslate = "translate(";
    if (transform.rfind(kTranslate, 0) != 0) {
        return {0, 0};
    }
    const std::size_t comma = transform.find(',');
    const std::size_t close = transform.find(')');
    return {ParseNumber(
                std::string_view(transform).substr(kTranslate.size(), comma - kTranslate.size())),
            ParseNumber(std::string_view(transform).substr(comma + 1, close - comma - 1))};
}

// ---- The axes as the file draws them ----------------------------------------------------

struct TickMark {
    double value; // read from the label
    double pixel;
    std::string label;
};

double LabelValue(std::string label) {
    std::replace(label.begin(), label.end(), ',', '.');
    return ParseNumber(label);
}

// The ticks of a panel's axis ("x-ticks" or "y-ticks"): each a translated group with a tick
// line and a label.
std::vector<TickMark> Ticks(const XmlNode& panel, const std::string& axis) {
    std::vector<TickMark> ticks;
    for (const XmlNode* group : WithClass(panel, axis)) {
        for (const XmlNode& tick : group->children) {
            const Point at = Translation(tick);
            std::string label;
            for (const XmlNode& child : tick.children) {
                if (child.name == "text") {
                    label = child.text;
                }
            }
            ticks.push_back({LabelValue(label), axis == "x-ticks" ? at.x : at.y, label});
        }
    }
    return ticks;
}

// Value to pixel, drawn through the first and the last tick; every tick between must agree.
struct AxisMap {
    double value0, pixel0, value1, pixel1;

    double Pixel(double value) const {
        return pixel0 + (value - value0) * (pixel1 - pixel0) / (value1 - value0);
    }
};

AxisMap MapOf(const std::vector<TickMark>& ticks) {
    EXPECT_GE(ticks.size(), 4u);
    EXPECT_LE(ticks.size(), 8u);
    if (ticks.size() < 2) {
        return {0, 0, 1, 1};
    }
    const AxisMap map{ticks.front().value, ticks.front().pixel, ticks.back().value,
                      ticks.back().pixel};
    for (const TickMark& tick : ticks) {
        EXPECT_NEAR(map.Pixel(tick.value), tick.pixel, kPixelTolerance) << tick.label;
    }
    return map;
}

struct PanelMaps {
    AxisMap x;
    AxisMap y;
};

// Panel 0: a against e; panel 1: a against sin i.
std::vector<PanelMaps> PanelMapsOf(const XmlNode& root) {
    std::vector<PanelMaps> maps;
    for (const char* id : {"panel-e", "panel-s"}) {
        const XmlNode& panel = Required(root, id);
        maps.push_back({MapOf(Ticks(panel, "x-ticks")), MapOf(Ticks(panel, "y-ticks"))});
    }
    return maps;
}

// The dots that carry a name: each member's path and the seed's.
struct NamedDot {
    std::string name;
    std::vector<Point> centres; // one per panel showing it
    bool isSeed;
};

std::vector<NamedDot> NamedDots(const XmlNode& root) {
    std::vector<NamedDot> dots;
    Walk(root, [&](const XmlNode& node) {
        for (const XmlNode& child : node.children) {
            if (child.name == "title" && node.name != "svg") {
                NamedDot dot{child.text, {}, node.Attribute("id") == "seed"};
                EXPECT_EQ(node.name, "path") << child.text;
                for (const std::vector<Point>& subpath : Subpaths(node.Attribute("d"))) {
                    dot.centres.push_back(Centre(subpath));
                }
                dots.push_back(std::move(dot));
            }
        }
    });
    return dots;
}

// Checks that each named dot stands where the ticks of its panel put its orbit, on both panels.
void ExpectDotsWhereTicksSay(const XmlNode& root,
                             const std::map<std::string, FigureOrbit>& expected) {
    const std::vector<PanelMaps> maps = PanelMapsOf(root);
    ASSERT_EQ(maps.size(), 2u);
    const std::vector<NamedDot> dots = NamedDots(root);
    EXPECT_EQ(dots.size(), expected.size());
    std::set<std::string> seen;
    for (const NamedDot& dot : dots) {
        SCOPED_TRACE(dot.name);
        EXPECT_TRUE(seen.insert(dot.name).second) << "named twice";
        const auto orbit = expected.find(dot.name);
        ASSERT_NE(orbit, expected.end());
        ASSERT_EQ(dot.centres.size(), 2u);
        for (const Point& centre : dot.centres) {
            const bool left = centre.x < kPanelDivide;
            const PanelMaps& map = maps[left ? 0 : 1];
            EXPECT_NEAR(centre.x, map.x.Pixel(orbit->second.a), kPixelTolerance);
            EXPECT_NEAR(centre.y, map.y.Pixel(left ? orbit->second.e : orbit->second.s),
                        kPixelTolerance);
        }
        EXPECT_NE(dot.centres[0].x < kPanelDivide, dot.centres[1].x < kPanelDivide)
            << "one dot on each panel";
    }
}

// Checks every place the file draws at, through the translations of its groups.
void ExpectInsidePage(const XmlNode& node, Point offset = {0, 0}) {
    const Point shift = Translation(node);
    offset = {offset.x + shift.x, offset.y + shift.y};
    std::vector<Point> points;
    if (node.name == "text") {
        points.push_back({NumberAttribute(node, "x"), NumberAttribute(node, "y")});
    } else if (node.name == "rect") {
        const double x = NumberAttribute(node, "x");
        const double y = NumberAttribute(node, "y");
        points.push_back({x, y});
        points.push_back({x + NumberAttribute(node, "width"), y + NumberAttribute(node, "height")});
    } else if (node.name == "line") {
        points.push_back({NumberAttribute(node, "x1"), NumberAttribute(node, "y1")});
        points.push_back({NumberAttribute(node, "x2"), NumberAttribute(node, "y2")});
    } else if (node.name == "path") {
        for (const std::vector<Point>& subpath : Subpaths(node.Attribute("d"))) {
            points.insert(points.end(), subpath.begin(), subpath.end());
        }
    }
    for (const Point& p : points) {
        const double x = p.x + offset.x;
        const double y = p.y + offset.y;
        EXPECT_TRUE(x >= 0 && x <= kPageWidth && y >= 0 && y <= kPageHeight)
            << node.name << " " << node.Attribute("id") << " at " << x << ", " << y;
    }
    for (const XmlNode& child : node.children) {
        ExpectInsidePage(child, offset);
    }
}

// Checks that the file stands on its own as plain SVG 1.1.
void ExpectStandaloneSvg(const std::string& svg) {
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    const XmlNode root = ParseXml(svg);
    EXPECT_EQ(root.name, "svg");
    EXPECT_EQ(root.namespaceUri, "http://www.w3.org/2000/svg");
    EXPECT_EQ(root.Attribute("version"), "1.1");
    EXPECT_EQ(root.Attribute("width"), "1200");
    EXPECT_EQ(root.Attribute("height"), "560");
    EXPECT_EQ(root.Attribute("viewBox"), "0 0 1200 560");
    EXPECT_EQ(root.Attribute("font-family"), "sans-serif");
    ASSERT_GE(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "title");
    EXPECT_FALSE(root.children[0].text.empty());
    EXPECT_EQ(root.children[1].name, "desc");
    EXPECT_FALSE(root.children[1].text.empty());
    // The seed is drawn last, over everything.
    EXPECT_EQ(root.children.back().Attribute("id"), "seed");
    const std::set<std::string> plain = {"svg",  "title", "desc", "rect",
                                         "text", "g",     "path", "line"};
    Walk(root, [&](const XmlNode& node) {
        EXPECT_TRUE(plain.count(node.name)) << node.name;
        for (const auto& [key, value] : node.attributes) {
            EXPECT_EQ(key.find("href"), std::string::npos) << key;
            EXPECT_NE(key, "style");
            EXPECT_EQ(value.find("url("), std::string::npos) << key << "=" << value;
        }
    });
    ExpectInsidePage(root);
}

// ---- Fixtures ----------------------------------------------------------------------------

// The orbit as the record's digits give it.
FigureOrbit OrbitOf(const RecordSpec& fields) {
    return {ParseNumber(fields.semiMajorAxis), ParseNumber(fields.eccentricity),
            std::sin(ParseNumber(fields.inclination) * std::numbers::pi / 180.0)};
}

// A family as a search would report it: `members` (record indexes) besides the seed, the extent
// taken from the records' digits.
FamilyFound FoundOf(const std::vector<RecordSpec>& records, std::int64_t seed,
                    std::vector<std::int64_t> members, int tolerance = 60, int passes = 2) {
    FamilyFound found;
    found.seed = seed;
    found.members = std::move(members);
    found.tolerance = tolerance;
    found.passes = passes;
    found.count = static_cast<int>(found.members.size()) + 1;
    const FigureOrbit first = OrbitOf(records[static_cast<std::size_t>(seed)]);
    found.aMin = found.aMax = first.a;
    found.eMin = found.eMax = first.e;
    found.sMin = found.sMax = first.s;
    for (const std::int64_t member : found.members) {
        const FigureOrbit orbit = OrbitOf(records[static_cast<std::size_t>(member)]);
        found.aMin = std::min(found.aMin, orbit.a);
        found.aMax = std::max(found.aMax, orbit.a);
        found.eMin = std::min(found.eMin, orbit.e);
        found.eMax = std::max(found.eMax, orbit.e);
        found.sMin = std::min(found.sMin, orbit.s);
        found.sMax = std::max(found.sMax, orbit.s);
    }
    return found;
}

// A database opened on the records, in `layout`.
struct OpenFile {
    explicit OpenFile(const std::vector<RecordSpec>& records,
                      RecordLayout layout = RecordLayout::FiveDigit) {
        database.ReplaceFile(folder.WriteAstOrb(records, layout));
    }
    test::TempFolder folder;
    AstOrbDatabase database;
};

FamilyFigure Collect(AstOrbDatabase& database, const FamilyFound& found,
                     const DiacriticalNames* names = nullptr,
                     std::size_t othersShown = kFigureOthersShown) {
    std::optional<FamilyFigure> figure =
        CollectFamilyFigure(database, names, found, NumberFormat{}, othersShown);
    if (!figure) {
        ADD_FAILURE() << "no figure";
        return {};
    }
    return std::move(*figure);
}

// 200 Dynamene (record 1) and 19 members close to it, between 1 Ceres (far from them) and two
// other asteroids inside the window.
std::vector<RecordSpec> DynameneFile() {
    std::vector<RecordSpec> records = {test::Orbit("1", "Ceres", "2.7675", "0.0758", "10.59"),
                                       test::Orbit("200", "Dynamene", "2.7375", "0.1331", "6.90")};
    for (int k = 1; k <= 19; ++k) {
        records.push_back(test::Orbit(std::to_string(200 + k), "Member" + std::to_string(k),
                                      "2.7" + std::to_string(3750 + 5 * k),
                                      "0.1" + std::to_string(331 + 2 * k),
                                      "6." + std::to_string(900 + 5 * k)));
    }
    records.push_back(test::Orbit("300", "Near", "2.7400", "0.1350", "7.00"));
    records.push_back(test::Orbit("301", "Nearer", "2.7350", "0.1310", "6.95"));
    return records;
}

FamilyFound DynameneFamily(const std::vector<RecordSpec>& records) {
    std::vector<std::int64_t> members;
    for (std::int64_t k = 2; k <= 20; ++k) {
        members.push_back(k);
    }
    return FoundOf(records, 1, members, 60, 3);
}

std::map<std::string, FigureOrbit> ExpectedDots(const std::vector<RecordSpec>& records,
                                                const FamilyFound& found) {
    std::map<std::string, FigureOrbit> dots;
    const auto add = [&](std::int64_t index) {
        const RecordSpec& fields = records[static_cast<std::size_t>(index)];
        dots[fields.number + " " + fields.name] = OrbitOf(fields);
    };
    add(found.seed);
    for (const std::int64_t member : found.members) {
        add(member);
    }
    return dots;
}

// The family by its plain definition: passes over every record, each candidate against every
// member known, until a pass adds none.
FamilyFound SearchFamily(AstOrbDatabase& database, int seed, int tolerance) {
    const std::int64_t count = database.RecordCount();
    std::vector<FigureOrbit> orbits;
    for (std::int64_t i = 0; i < count; ++i) {
        EXPECT_TRUE(database.ReadRecord(i));
        const AstOrbRecord record = database.Current();
        orbits.push_back({GetSemiMajorAxis(record, NumberFormat{}),
                          GetEccentricity(record, NumberFormat{}),
                          SineOfInclination(GetInclination(record, NumberFormat{}))});
    }
    FamilyMembers members;
    const FigureOrbit& start = orbits[static_cast<std::size_t>(seed)];
    members.Add(start.a, start.e, start.s, seed);
    FamilyFound found;
    found.seed = seed;
    found.tolerance = tolerance;
    for (bool added = true; added;) {
        added = false;
        ++found.passes;
        for (std::int64_t i = 0; i < count; ++i) {
            const FigureOrbit& o = orbits[static_cast<std::size_t>(i)];
            if (!IsFamilyMember(members, i) &&
                FamilyDistance(members, o.a, o.e, o.s, MeanMotion(o.a)) <= tolerance) {
                members.Add(o.a, o.e, o.s, static_cast<int>(i));
                added = true;
            }
        }
    }
    found.count = static_cast<int>(members.size());
    found.aMin = *std::min_element(members.semiMajorAxis.begin(), members.semiMajorAxis.end());
    found.aMax = *std::max_element(members.semiMajorAxis.begin(), members.semiMajorAxis.end());
    found.eMin = *std::min_element(members.eccentricity.begin(), members.eccentricity.end());
    found.eMax = *std::max_element(members.eccentricity.begin(), members.eccentricity.end());
    found.sMin = *std::min_element(members.sineInclination.begin(), members.sineInclination.end());
    found.sMax = *std::max_element(members.sineInclination.begin(), members.sineInclination.end());
    found.members.assign(members.recordIndex.begin() + 1, members.recordIndex.end());
    std::sort(found.members.begin(), found.members.end());
    return found;
}

// ---- The file ----------------------------------------------------------------------------

TEST(FamilyFigureFile, SampleEosFamilyDotByDot) {
    // 221 Eos is record 220 of both samples; the sample holds its family as linked in steps
    // of 150 m/s.
    for (const std::string& folder : {test::SamplesFolder(), test::SixDigitSamplesFolder()}) {
        SCOPED_TRACE(folder);
        AstOrbDatabase database;
        database.ReplaceFile(folder + "/AstOrb.dat");
        const FamilyFound found = SearchFamily(database, 220, 150);
        ASSERT_GT(found.members.size(), 100u);
        std::map<std::string, FigureOrbit> expected;
        for (const std::int64_t index : found.members) {
            ASSERT_TRUE(database.ReadRecord(index));
            const AstOrbRecord record = database.Current();
            expected[Cp1252ToUtf8(AsteroidTitle(record, nullptr, false, false))] = {
                GetSemiMajorAxis(record, NumberFormat{}), GetEccentricity(record, NumberFormat{}),
                SineOfInclination(GetInclination(record, NumberFormat{}))};
        }
        ASSERT_EQ(expected.size(), found.members.size());
        expected["221 Eos"] = {3.01059068, 0.10215254, SineOfInclination(10.892956)};

        const FamilyFigure figure = Collect(database, found);
        EXPECT_EQ(figure.records, database.RecordCount());
        EXPECT_EQ(figure.recordsRead, figure.records);
        EXPECT_EQ(figure.seedEpoch, "2022-08-09");
        for (const FigureLanguage language : {FigureLanguage::English, FigureLanguage::French}) {
            const std::string svg = FamilyFigureSvg(figure, language);
            ExpectStandaloneSvg(svg);
            ExpectDotsWhereTicksSay(ParseXml(svg), expected);
        }
    }
}

TEST(FamilyFigureFile, TextsOfEachLanguage) {
    const std::vector<RecordSpec> records = DynameneFile();
    OpenFile file(records);
    const FamilyFound found = DynameneFamily(records);
    struct Row {
        const char* name;
        FigureLanguage language;
        std::size_t othersShown;
        const char* title;
        const char* axisA;
        const char* axisE;
        const char* axisS;
        std::vector<std::string> legend;
        const char* desc;
        char decimalMark;
    };
    const std::string englishDesc =
        "Family of 200 Dynamene: 20 members, the asteroid searched from included; search within "
        "60 m/s, 3 passes. Left, eccentricity e, and right, sine of inclination sin i, each "
        "against semi-major axis a (AU). In grey: the other asteroids of the database inside "
        "the plotted window (";
    const std::string englishEnd = "). Database: AstOrb.dat, 23 records; elements of 200 "
                                   "Dynamene at epoch 2005-10-18.";
    const std::string frenchDesc =
        "Famille de 200 Dynamene : 20 membres, astéroïde de départ compris ; recherche à 60 m/s "
        "près, 3 passes. À gauche l'excentricité e, à droite le sinus de l'inclinaison sin i, "
        "chacun en fonction du demi-grand axe a (ua). En gris : les autres astéroïdes de la "
        "base situés dans la fenêtre tracée (";
    const std::string frenchEnd = "). Base : AstOrb.dat, 23 enregistrements ; éléments de 200 "
                                  "Dynamene à l'époque 2005-10-18.";
    const std::string descs[] = {
        englishDesc + "2" + englishEnd,
        englishDesc + "1 of 2, evenly spread in file order" + englishEnd,
        frenchDesc + "2" + frenchEnd,
        frenchDesc + "1 sur 2, répartis régulièrement dans l'ordre du fichier" + frenchEnd,
    };
    const Row rows[] = {
        {"English",
         FigureLanguage::English,
         kFigureOthersShown,
         "Family of 200 Dynamene: 20 members within 60 m/s",
         "Semi-major axis a (AU)",
         "Eccentricity e",
         "Sine of inclination sin i",
         {"member", "asteroid searched from", "other asteroids"},
         descs[0].c_str(),
         '.'},
        {"English, one of two others shown",
         FigureLanguage::English,
         1,
         "Family of 200 Dynamene: 20 members within 60 m/s",
         "Semi-major axis a (AU)",
         "Eccentricity e",
         "Sine of inclination sin i",
         {"member", "asteroid searched from", "other asteroids (1 of 2 shown)"},
         descs[1].c_str(),
         '.'},
        {"French",
         FigureLanguage::French,
         kFigureOthersShown,
         "Famille de 200 Dynamene : 20 membres à 60 m/s près",
         "Demi-grand axe a (ua)",
         "Excentricité e",
         "Sinus de l'inclinaison sin i",
         {"membre", "astéroïde de départ", "autres astéroïdes"},
         descs[2].c_str(),
         ','},
        {"French, one of two others shown",
         FigureLanguage::French,
         1,
         "Famille de 200 Dynamene : 20 membres à 60 m/s près",
         "Demi-grand axe a (ua)",
         "Excentricité e",
         "Sinus de l'inclinaison sin i",
         {"membre", "astéroïde de départ", "autres astéroïdes (1 sur 2 affichés)"},
         descs[3].c_str(),
         ','},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string svg =
            FamilyFigureSvg(Collect(file.database, found, nullptr, row.othersShown), row.language);
        ExpectStandaloneSvg(svg);
        const XmlNode root = ParseXml(svg);
        EXPECT_EQ(ChildText(root, 0), row.title);
        EXPECT_EQ(ChildText(root, 1), row.desc);
        EXPECT_EQ(Required(root, "title").text, row.title);
        std::vector<std::string> legend;
        for (const XmlNode& child : Required(root, "legend").children) {
            if (child.name == "text") {
                legend.push_back(child.text);
            }
        }
        EXPECT_EQ(legend, row.legend);
        const std::pair<const char*, const char*> panels[] = {{"panel-e", row.axisE},
                                                              {"panel-s", row.axisS}};
        for (const auto& [id, axisY] : panels) {
            const XmlNode& panel = Required(root, id);
            ASSERT_EQ(WithClass(panel, "x-title").size(), 1u);
            ASSERT_EQ(WithClass(panel, "y-title").size(), 1u);
            EXPECT_EQ(WithClass(panel, "x-title")[0]->text, row.axisA);
            EXPECT_EQ(WithClass(panel, "y-title")[0]->text, axisY);
            for (const char* axis : {"x-ticks", "y-ticks"}) {
                for (const TickMark& tick : Ticks(panel, axis)) {
                    const char other = row.decimalMark == '.' ? ',' : '.';
                    EXPECT_NE(tick.label.find(row.decimalMark), std::string::npos) << tick.label;
                    EXPECT_EQ(tick.label.find(other), std::string::npos) << tick.label;
                }
            }
        }
        ExpectDotsWhereTicksSay(root, ExpectedDots(records, found));
    }
}

TEST(FamilyFigureFile, SameBytesWhateverTheLocaleAndTheDecimalSeparator) {
    const std::vector<RecordSpec> records = DynameneFile();
    OpenFile file(records);
    const FamilyFigure figure = Collect(file.database, DynameneFamily(records));
    const std::string english = FamilyFigureSvg(figure, FigureLanguage::English);
    const std::string french = FamilyFigureSvg(figure, FigureLanguage::French);

    // A locale that writes 2,5 for 2.5 and 1.000 for 1000, and the program's own separator
    // set as an English infobox sets it.
    struct CommaDecimals : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
    EXPECT_EQ(FamilyFigureSvg(figure, FigureLanguage::English), english);
    EXPECT_EQ(FamilyFigureSvg(figure, FigureLanguage::French), french);
    std::locale::global(previous);
}

TEST(FamilyFigureFile, TenThousandMembersAndFiftyThousandOthersStayWithinTwoMegabytes) {
    // Members and others spread over their windows by a fixed sequence; names as long as
    // six-digit numbers with provisional designations make them.
    FamilyFigure figure;
    figure.a = PlotRange(FigureAxis::SemiMajorAxis, 2.95, 3.10);
    figure.e = PlotRange(FigureAxis::Eccentricity, 0.04, 0.12);
    figure.s = PlotRange(FigureAxis::SineOfInclination, 0.15, 0.21);
    std::uint64_t state = 12345;
    const auto next = [&state](const FigureRange& range) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return range.low + static_cast<double>(state >> 11) / 9007199254740992.0 * range.Span();
    };
    const auto orbit = [&] {
        const double a = next(figure.a);
        const double e = next(figure.e);
        return FigureOrbit{a, e, next(figure.s)};
    };
    figure.seed = {0, orbit(), "(100000) 2001 AB123"};
    for (int k = 1; k <= 10000; ++k) {
        figure.members.push_back({k, orbit(), "(" + std::to_string(100000 + k) + ") 2001 AB123"});
    }
    for (std::size_t k = 0; k < kFigureOthersShown; ++k) {
        figure.others.push_back(orbit());
    }
    figure.othersInWindow = 400000;
    figure.count = 10001;
    figure.tolerance = 100;
    figure.passes = 1;
    figure.records = 1400000;
    figure.recordsRead = 1400000;
    figure.seedEpoch = "2022-08-09";

    const std::string svg = FamilyFigureSvg(figure, FigureLanguage::French);
    EXPECT_LE(svg.size(), 2u * 1024 * 1024);
    const XmlNode root = ParseXml(svg);
    EXPECT_EQ(NamedDots(root).size(), 10001u);
    for (const char* id : {"others-e", "others-s"}) {
        const std::size_t dots = Subpaths(Required(root, id).Attribute("d")).size();
        EXPECT_LE(dots, kFigureOthersShown) << id;
        // Only dots falling on a pixel already drawn are left out.
        EXPECT_GT(dots, kFigureOthersShown * 3 / 4) << id;
    }
    ExpectInsidePage(root);
}

// ---- The scan ----------------------------------------------------------------------------

TEST(FamilyFigureScan, DegenerateFamiliesGetAWindowAroundThem) {
    struct Row {
        const char* name;
        std::vector<RecordSpec> records; // the seed first
        std::vector<std::int64_t> members;
    };
    const Row rows[] = {
        {"the seed alone",
         {test::Orbit("7", "Iris", "2.386", "0.231", "5.52"),
          test::Orbit("8", "Flora", "2.201", "0.156", "5.89")},
         {}},
        {"members with the seed's orbit",
         {test::Orbit("7", "Iris", "2.386", "0.231", "5.52"),
          test::Orbit("8", "Twin", "2.386", "0.231", "5.52"),
          test::Orbit("9", "Triplet", "2.3860", "0.2310", "5.520")},
         {1, 2}},
        {"a circular orbit in the plane", {test::Orbit("7", "Flat", "2.386", "0", "0")}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        OpenFile file(row.records);
        const FamilyFound found = FoundOf(row.records, 0, row.members);
        const FamilyFigure figure = Collect(file.database, found);
        for (const FigureRange& range : {figure.a, figure.e, figure.s}) {
            EXPECT_GT(range.Span(), 0.0);
        }
        EXPECT_GE(figure.e.low, 0.0);
        EXPECT_GE(figure.s.low, 0.0);
        const std::string svg = FamilyFigureSvg(figure, FigureLanguage::English);
        ExpectStandaloneSvg(svg);
        const XmlNode root = ParseXml(svg);
        ExpectDotsWhereTicksSay(root, ExpectedDots(row.records, found));
        EXPECT_EQ(ChildText(root, 0).find("Family of 7 "), 0u);
    }
}

TEST(FamilyFigureScan, NamesAsPlainUnicodeText) {
    // Accents from the names table (one letter Windows-1252 lacks), six-digit numbers, a
    // provisional designation with and without a number, markup characters, a Windows-1252
    // letter and a control character in the records' own names.
    DiacriticalNames names;
    names.SetText("Names\r\nwith accents\r\n---\r\n"
                  "     61                      Dana\\\"e\r\n"
                  "    100                      Ko\\v{c}ka\r\n");
    const std::vector<RecordSpec> records = {
        test::Orbit("61", "Danae", "2.98", "0.09", "18.2"),
        test::Orbit("100", "Kocka", "2.98", "0.09", "18.2"),
        test::Orbit("123456", "2001 AB12", "2.98", "0.09", "18.2"),
        test::Orbit("", "2004 MN4", "2.98", "0.09", "18.2"),
        test::Orbit("123457", "Tom & <Jerry> \"A\"", "2.98", "0.09", "18.2"),
        test::Orbit("123458", "M\xFCller", "2.98", "0.09", "18.2"),
        test::Orbit("123459", "Bad\x01Name", "2.98", "0.09", "18.2"),
    };
    const std::set<std::string> expected = {
        "61 Dana\u00eb",
        "100 Ko\u010dka",
        "(123456) 2001 AB12",
        "2004 MN4",
        "123457 Tom & <Jerry> \"A\"",
        "123458 M\u00fcller",
        "123459 Bad\ufffdName",
    };
    OpenFile file(records, RecordLayout::SixDigit);
    const FamilyFigure figure =
        Collect(file.database, FoundOf(records, 0, {1, 2, 3, 4, 5, 6}), &names);
    for (const FigureLanguage language : {FigureLanguage::English, FigureLanguage::French}) {
        const std::string svg = FamilyFigureSvg(figure, language);
        ExpectStandaloneSvg(svg);
        std::set<std::string> titles;
        for (const NamedDot& dot : NamedDots(ParseXml(svg))) {
            titles.insert(dot.name);
        }
        EXPECT_EQ(titles, expected);
        EXPECT_EQ(ChildText(ParseXml(svg), 0)
                      .find(language == FigureLanguage::English
                                ? "Family of 61 Dana\u00eb: 7 members"
                                : "Famille de 61 Dana\u00eb : 7 membres"),
                  0u);
    }
}

TEST(FamilyFigureScan, BothLayoutsGiveTheSameFile) {
    const std::vector<RecordSpec> records = DynameneFile();
    const FamilyFound found = DynameneFamily(records);
    OpenFile five(records, RecordLayout::FiveDigit);
    OpenFile six(records, RecordLayout::SixDigit);
    ASSERT_EQ(six.database.Format().layout, RecordLayout::SixDigit);
    for (const FigureLanguage language : {FigureLanguage::English, FigureLanguage::French}) {
        EXPECT_EQ(FamilyFigureSvg(Collect(five.database, found), language),
                  FamilyFigureSvg(Collect(six.database, found), language));
    }
}

TEST(FamilyFigureScan, EachPanelShowsTheOthersInsideItsWindow) {
    // The seed's windows: a 2.5 +- 0.029, e 0.1 +- 0.0116, sin i 0.0872 +- 0.0116.
    const std::vector<RecordSpec> records = {
        test::Orbit("1", "Seed", "2.5", "0.1", "5"),
        test::Orbit("2", "InBoth", "2.501", "0.101", "5.1"),
        test::Orbit("3", "OnlyLeft", "2.51", "0.105", "20"),
        test::Orbit("4", "OnlyRight", "2.49", "0.3", "4.9"),
        test::Orbit("5", "FarInA", "2.7", "0.1", "5"),
        test::Orbit("6", "FarInBoth", "2.5", "0.3", "20"),
    };
    OpenFile file(records);
    const FamilyFigure figure = Collect(file.database, FoundOf(records, 0, {}));
    EXPECT_EQ(figure.othersInWindow, 3);
    ASSERT_EQ(figure.others.size(), 3u);
    EXPECT_NEAR(figure.others[1].a, 2.51, 1e-12); // file order
    const XmlNode root = ParseXml(FamilyFigureSvg(figure, FigureLanguage::English));
    for (const char* id : {"others-e", "others-s"}) {
        EXPECT_EQ(Subpaths(Required(root, id).Attribute("d")).size(), 2u) << id;
    }
    // Every dot of a panel inside that panel's frame.
    for (const char* panel : {"panel-e", "panel-s"}) {
        const XmlNode& group = Required(root, panel);
        const XmlNode* frame = nullptr;
        for (const XmlNode& child : group.children) {
            frame = child.name == "rect" ? &child : frame;
        }
        ASSERT_NE(frame, nullptr);
        const double left = NumberAttribute(*frame, "x");
        const double top = NumberAttribute(*frame, "y");
        const std::string others = std::string("others-") + panel[6];
        for (const auto& subpath : Subpaths(Required(root, others).Attribute("d"))) {
            const Point c = Centre(subpath);
            EXPECT_TRUE(c.x >= left && c.x <= left + NumberAttribute(*frame, "width") &&
                        c.y >= top && c.y <= top + NumberAttribute(*frame, "height"))
                << panel << " " << c.x << ", " << c.y;
        }
    }
}

TEST(FamilyFigureScan, RecordsThatCannotBeDecodedAreLeftOut) {
    std::vector<RecordSpec> records = {
        test::Orbit("5", "Astraea", "2.574", "0.191", "5.37"),
        test::Orbit("6", "Member", "2.575", "0.192", "5.38"),
        test::Orbit("7", "BadMember", "2.575", "0.192", "5.x8"),
        test::Orbit("8", "BadA", "2.5a4", "0.191", "5.37"),
        test::Orbit("9", "BlankE", "2.574", "", "5.37"),
        test::Orbit("10", "Good", "2.573", "0.190", "5.36"),
    };
    OpenFile file(records);
    const FamilyFound found = FoundOf(records, 0, {1});
    FamilyFound withBadMember = found;
    withBadMember.members = {1, 2};
    const FamilyFigure figure = Collect(file.database, withBadMember);
    ASSERT_EQ(figure.members.size(), 1u);
    EXPECT_EQ(figure.members[0].name, "6 Member");
    EXPECT_EQ(figure.othersInWindow, 1);
    const std::string svg = FamilyFigureSvg(figure, FigureLanguage::French);
    ExpectStandaloneSvg(svg);
    ExpectDotsWhereTicksSay(ParseXml(svg), ExpectedDots(records, found));

    // Without its seed there is nothing to draw; a malformed seed raises what the search's
    // start would have raised.
    FamilyFound pastTheEnd = found;
    pastTheEnd.seed = 6;
    EXPECT_FALSE(CollectFamilyFigure(file.database, nullptr, pastTheEnd, NumberFormat{}));
    FamilyFound badSeed = found;
    badSeed.seed = 3;
    EXPECT_THROW(CollectFamilyFigure(file.database, nullptr, badSeed, NumberFormat{}), Error);
}

TEST(FamilyFigureScan, OthersSubsetIsDeterministicBoundedAndEven) {
    // 1,000 others inside the window, each told by its a: 2.5 + k / 10^7 for record k + 1.
    constexpr int kOthers = 1000;
    constexpr std::size_t kShown = 100;
    std::vector<RecordSpec> records = {test::Orbit("1", "Seed", "2.5", "0.1", "5")};
    for (int k = 0; k < kOthers; ++k) {
        char a[16];
        std::snprintf(a, sizeof a, "2.5%06d", k);
        records.push_back(test::Orbit(std::to_string(k + 2), "Other", a, "0.1", "5"));
    }
    OpenFile file(records);
    const FamilyFound found = FoundOf(records, 0, {});
    const FamilyFigure figure = Collect(file.database, found, nullptr, kShown);
    EXPECT_EQ(figure.othersInWindow, kOthers);
    ASSERT_EQ(figure.others.size(), kShown);
    const FamilyFigure again = Collect(file.database, found, nullptr, kShown);
    EXPECT_EQ(FamilyFigureSvg(again, FigureLanguage::English),
              FamilyFigureSvg(figure, FigureLanguage::English));
    // In file order, spread over the whole file: no gap above twice the even one.
    constexpr int kEvenGap = kOthers / static_cast<int>(kShown);
    int previous = -1;
    for (const FigureOrbit& other : figure.others) {
        const int k = static_cast<int>(std::lround((other.a - 2.5) * 1e7));
        EXPECT_GT(k, previous);
        EXPECT_LE(k - previous, 2 * kEvenGap) << k;
        previous = k;
    }
    EXPECT_GE(previous, kOthers - 2 * kEvenGap);
}

// ---- The parts ---------------------------------------------------------------------------

TEST(EvenSample, KeepsAnEvenlySpreadSubsetInArrivalOrder) {
    // By hand for 21 offers and 4 wanted: offers 0-8 kept, the ninth keeps 0, 2, ..., 8 (stride
    // 2); 10-16 kept, the ninth again keeps 0, 4, 8, 12, 16 (stride 4); then 20. Four of those
    // six: places 0, 1, 3 and 4.
    struct Row {
        const char* name;
        int offered;
        std::size_t wanted;
        std::vector<int> taken;
    };
    const Row rows[] = {
        {"nothing offered", 0, 3, {}},
        {"fewer than wanted", 3, 5, {0, 1, 2}},
        {"none wanted", 10, 0, {}},
        {"thinned twice", 21, 4, {0, 4, 12, 16}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EvenSample<int> sample(row.wanted);
        for (int k = 0; k < row.offered; ++k) {
            sample.Add(k);
        }
        EXPECT_EQ(sample.Offered(), static_cast<std::uint64_t>(row.offered));
        EXPECT_EQ(std::move(sample).Take(), row.taken);
    }
}

TEST(EvenSample, AMillionOffersGiveFiftyThousandEvenlySpread) {
    constexpr int kOffered = 1000003;
    EvenSample<int> sample(kFigureOthersShown);
    for (int k = 0; k < kOffered; ++k) {
        sample.Add(k);
    }
    const std::vector<int> taken = std::move(sample).Take();
    ASSERT_EQ(taken.size(), kFigureOthersShown);
    const int even = kOffered / static_cast<int>(kFigureOthersShown);
    EXPECT_EQ(taken.front(), 0);
    EXPECT_GE(taken.back(), kOffered - 2 * even);
    for (std::size_t j = 1; j < taken.size(); ++j) {
        ASSERT_GT(taken[j] - taken[j - 1], even / 2) << j;
        ASSERT_LE(taken[j] - taken[j - 1], 2 * even) << j;
    }
}

TEST(FigureAxes, TicksAtRoundNumbersFourToEight) {
    struct Row {
        const char* name;
        FigureRange range;
        char mark;
        std::vector<std::string> labels; // empty: only the general rules checked
    };
    const Row rows[] = {
        // By hand: steps 0.02, 0.025 and 0.05 give 8, 7 and 4 ticks; 7 lies nearest 6.
        {"the Eos span",
         {2.95, 3.10},
         '.',
         {"2.950", "2.975", "3.000", "3.025", "3.050", "3.075", "3.100"}},
        {"the Eos span in French",
         {2.95, 3.10},
         ',',
         {"2,950", "2,975", "3,000", "3,025", "3,050", "3,075", "3,100"}},
        // Steps 0.2 and 0.25 give 6 and 5 ticks.
        {"from 0 to 1", {0.0, 1.0}, '.', {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        // Steps 2 and 2.5 give 4 and 3 ticks.
        {"a distant family", {40.3, 49.9}, '.', {"42", "44", "46", "48"}},
        {"a narrow window", {0.12341, 0.12349}, '.', {}},
        {"a seed alone in e", {0.2194, 0.2426}, ',', {}},
        {"a wide window", {0.5, 420.0}, '.', {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::vector<AxisTick> ticks = AxisTicks(row.range, row.mark);
        ASSERT_GE(ticks.size(), 4u);
        ASSERT_LE(ticks.size(), 8u);
        if (!row.labels.empty()) {
            std::vector<std::string> labels;
            for (const AxisTick& tick : ticks) {
                labels.push_back(tick.label);
            }
            EXPECT_EQ(labels, row.labels);
        }
        const double step = ticks[1].value - ticks[0].value;
        const double decade = std::pow(10.0, std::floor(std::log10(step)));
        const double mantissa = step / decade;
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                    std::abs(mantissa - 2.5) < 1e-9 || std::abs(mantissa - 5) < 1e-9)
            << step;
        const std::size_t decimals = ticks[0].label.size() - ticks[0].label.find(row.mark);
        for (const AxisTick& tick : ticks) {
            EXPECT_TRUE(row.range.Contains(tick.value)) << tick.label;
            EXPECT_NEAR(tick.value - ticks[0].value,
                        step * static_cast<double>(&tick - ticks.data()), step * 1e-9);
            EXPECT_DOUBLE_EQ(LabelValue(tick.label), tick.value) << tick.label;
            EXPECT_EQ(tick.label.size() - tick.label.find(row.mark), decimals) << tick.label;
        }
    }
}

TEST(FigureAxes, PlotRangeCoversTheMembersWithAMargin) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        FigureAxis axis;
        double least, greatest;
        double low, high; // by hand: the span (at least the smallest) widened by 8% a side,
                          // cut to the coordinate's values
    };
    const Row rows[] = {
        {"the Eos span in a", FigureAxis::SemiMajorAxis, 2.95, 3.10, 2.938, 3.112},
        {"one value of a", FigureAxis::SemiMajorAxis, 3.0, 3.0, 2.971, 3.029},
        {"e near 0", FigureAxis::Eccentricity, 0.0, 0.005, 0.0, 0.0141},
        {"sin i at 1", FigureAxis::SineOfInclination, 1.0, 1.0, 0.9884, 1.0},
        {"e beyond its values", FigureAxis::Eccentricity, 1.2, 1.2, 1.1884, 1.2},
        {"no extent", FigureAxis::Eccentricity, std::nan(""), inf, 0.0, 0.0116},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const FigureRange range = PlotRange(row.axis, row.least, row.greatest);
        EXPECT_NEAR(range.low, row.low, 1e-12);
        EXPECT_NEAR(range.high, row.high, 1e-12);
    }
}

} // namespace
} // namespace quorvane
