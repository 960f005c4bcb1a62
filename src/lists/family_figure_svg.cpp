// FamilyFigureSvg: the figure laid out on a fixed page of 1200 x 560, with plain SVG 1.1
// elements and presentation attributes only, so that browsers, rsvg and Qt SVG draw it alike.
#include "lists/family_figure.h"

#include "lists/figure_axes.h"
#include "lists/figure_texts.h"
#include "text/xml_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace quorvane {

namespace {

constexpr int kPageWidth = 1200;
constexpr int kPageHeight = 560;

struct PanelBox {
    double left, top, right, bottom;
};

// Row 0: a against e; row 1: a against sin i. Room on the left of each for its tick labels and
// its rotated axis title.
constexpr std::array<PanelBox, 2> kPanels = {{{95, 80, 565, 470}, {690, 80, 1160, 470}}};

constexpr double kTitleBaseline = 32;
constexpr double kTitleSize = 20;
constexpr double kLegendBaseline = 60;
constexpr double kLegendSize = 14;
constexpr double kTickLength = 5;
constexpr double kTickLabelSize = 13;
constexpr double kXTickLabelDrop = 20;  // below the frame, to the baseline
constexpr double kYTickLabelGap = 8;    // left of the frame, to the end of the label
constexpr double kYTickLabelLift = 4.5; // half the height of the digits: centred on the tick
constexpr double kAxisTitleSize = 15;
constexpr double kXAxisTitleDrop = 48;
constexpr double kYAxisTitleGap = 66;
// Average advance of a character in a sans-serif face, in ems: enough to lay out a line of
// text (the legend, a long title) without measuring it.
constexpr double kAverageAdvance = 0.58;
constexpr double kBoldWidening = 1.1;
constexpr double kSideMargin = 20;

constexpr const char* kMemberColour = "#1f6fb4";
constexpr double kMemberDot = 5;
constexpr const char* kSeedColour = "#e03a1e";
constexpr double kSeedHalf = 7; // half the diagonal of the seed's diamond
constexpr const char* kOtherColour = "#9c9c9c";
constexpr double kOtherDot = 2.6;
constexpr const char* kGridColour = "#e6e6e6";
constexpr const char* kInkColour = "#222222";
// A dot is a round-capped segment: Qt SVG draws none for a segment of length 0. The members'
// is short enough to leave their centres where the ticks put them; the others' saves a byte.
constexpr const char* kMemberStub = "h.01";
constexpr const char* kOtherStub = "h.1";
constexpr int kDotsPerLine = 48;

void AppendInteger(std::string& out, long long value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    out.append(buffer, end);
}

// A coordinate to one decimal, "." whatever the locale, with no ".0".
void AppendNumber(std::string& out, double value) {
    long long tenths = std::llround(value * 10.0);
    if (tenths < 0) {
        out += '-';
        tenths = -tenths;
    }
    AppendInteger(out, tenths / 10);
    if (tenths % 10 != 0) {
        out += '.';
        out += static_cast<char>('0' + tenths % 10);
    }
}

std::string Number(double value) {
    std::string text;
    AppendNumber(text, value);
    return text;
}

std::size_t CodePoints(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

double TextWidth(std::string_view utf8, double size) {
    return static_cast<double>(CodePoints(utf8)) * kAverageAdvance * size;
}

// One panel: its box on the page, the windows of its two coordinates and their ticks.
struct Panel {
    std::string_view id; // "e" or "s", after the coordinate on its vertical axis
    PanelBox box;
    FigureRange x;
    FigureRange y;
    double FigureOrbit::*vertical;
    std::string_view yTitle;
    std::vector<AxisTick> xTicks;
    std::vector<AxisTick> yTicks;

    bool Shows(const FigureOrbit& orbit) const {
        return x.Contains(orbit.a) && y.Contains(orbit.*vertical);
    }
    double X(double a) const { return box.left + (a - x.low) / x.Span() * (box.right - box.left); }
    double Y(double v) const {
        return box.bottom - (v - y.low) / y.Span() * (box.bottom - box.top);
    }
    double X(const FigureOrbit& orbit) const { return X(orbit.a); }
    double Y(const FigureOrbit& orbit) const { return Y(orbit.*vertical); }
};

void AppendText(std::string& out, double x, double y, std::string_view attributes,
                std::string_view utf8) {
    out += "<text x=\"" + Number(x) + "\" y=\"" + Number(y) + "\"";
    if (!attributes.empty()) {
        out += ' ';
        out += attributes;
    }
    out += '>';
    AppendXmlEscaped(out, utf8);
    out += "</text>\n";
}

void AppendDot(std::string& out, double x, double y, const char* stub) {
    out += 'M';
    AppendNumber(out, x);
    out += ' ';
    AppendNumber(out, y);
    out += stub;
}

std::string DiamondPath(double x, double y) {
    return "M" + Number(x) + " " + Number(y - kSeedHalf) + "L" + Number(x + kSeedHalf) + " " +
           Number(y) + "L" + Number(x) + " " + Number(y + kSeedHalf) + "L" + Number(x - kSeedHalf) +
           " " + Number(y) + "Z";
}

// The other asteroids of one panel as one path of dots on whole pixels, each pixel once: a
// background dot is wider than a pixel, and so the file stays small.
void AppendOthers(std::string& out, const Panel& panel, const std::vector<FigureOrbit>& others) {
    const auto columns = static_cast<std::size_t>(panel.box.right - panel.box.left) + 1;
    const auto rows = static_cast<std::size_t>(panel.box.bottom - panel.box.top) + 1;
    std::vector<bool> taken(columns * rows, false);
    out += "<path id=\"others-" + std::string(panel.id) + "\" fill=\"none\" stroke=\"" +
           kOtherColour + "\" stroke-width=\"" + Number(kOtherDot) +
           "\" stroke-linecap=\"round\" d=\"";
    int onLine = 0;
    for (const FigureOrbit& orbit : others) {
        if (!panel.Shows(orbit)) {
            continue;
        }
        const long long x = std::llround(panel.X(orbit));
        const long long y = std::llround(panel.Y(orbit));
        const auto cell =
            static_cast<std::size_t>(x - static_cast<long long>(panel.box.left)) * rows +
            static_cast<std::size_t>(y - static_cast<long long>(panel.box.top));
        if (taken[cell]) {
            continue;
        }
        taken[cell] = true;
        if (onLine == kDotsPerLine) {
            out += '\n';
            onLine = 0;
        }
        out += 'M';
        AppendInteger(out, x);
        out += ' ';
        AppendInteger(out, y);
        out += kOtherStub;
        ++onLine;
    }
    out += "\"/>\n";
}

void AppendGrid(std::string& out, const Panel& panel) {
    const PanelBox& box = panel.box;
    out += "<path fill=\"none\" stroke=\"";
    out += kGridColour;
    out += "\" d=\"";
    for (const AxisTick& tick : panel.xTicks) {
        out += "M" + Number(panel.X(tick.value)) + " " + Number(box.top) + "V" + Number(box.bottom);
    }
    for (const AxisTick& tick : panel.yTicks) {
        out += "M" + Number(box.left) + " " + Number(panel.Y(tick.value)) + "H" + Number(box.right);
    }
    out += "\"/>\n";
}

void AppendFrameAndAxes(std::string& out, const Panel& panel, std::string_view xTitle) {
    const PanelBox& box = panel.box;
    out += "<rect x=\"" + Number(box.left) + "\" y=\"" + Number(box.top) + "\" width=\"" +
           Number(box.right - box.left) + "\" height=\"" + Number(box.bottom - box.top) +
           "\" fill=\"none\" stroke=\"" + kInkColour + "\"/>\n";
    const std::string tickLine = std::string(" stroke=\"") + kInkColour + "\"/>";
    out += "<g class=\"x-ticks\" font-size=\"" + Number(kTickLabelSize) +
           "\" text-anchor=\"middle\">\n";
    for (const AxisTick& tick : panel.xTicks) {
        out += "<g transform=\"translate(" + Number(panel.X(tick.value)) + "," +
               Number(box.bottom) + ")\"><line y2=\"" + Number(kTickLength) + "\"" + tickLine;
        out += "<text y=\"" + Number(kXTickLabelDrop) + "\">";
        AppendXmlEscaped(out, tick.label);
        out += "</text></g>\n";
    }
    out += "</g>\n<g class=\"y-ticks\" font-size=\"" + Number(kTickLabelSize) +
           "\" text-anchor=\"end\">\n";
    for (const AxisTick& tick : panel.yTicks) {
        out += "<g transform=\"translate(" + Number(box.left) + "," + Number(panel.Y(tick.value)) +
               ")\"><line x2=\"" + Number(-kTickLength) + "\"" + tickLine;
        out += "<text x=\"" + Number(-kYTickLabelGap) + "\" y=\"" + Number(kYTickLabelLift) + "\">";
        AppendXmlEscaped(out, tick.label);
        out += "</text></g>\n";
    }
    out += "</g>\n";
    const std::string axisTitle =
        "font-size=\"" + Number(kAxisTitleSize) + "\" text-anchor=\"middle\"";
    AppendText(out, (box.left + box.right) / 2, box.bottom + kXAxisTitleDrop,
               "class=\"x-title\" " + axisTitle, xTitle);
    out += "<text class=\"y-title\" transform=\"translate(" + Number(box.left - kYAxisTitleGap) +
           "," + Number((box.top + box.bottom) / 2) + ") rotate(-90)\" " + axisTitle + ">";
    AppendXmlEscaped(out, panel.yTitle);
    out += "</text>\n";
}

std::string DotPath(const char* colour, double width, double x, double y, const char* stub) {
    std::string path = "<path fill=\"none\" stroke=\"" + std::string(colour) +
                       "\" stroke-width=\"" + Number(width) + "\" stroke-linecap=\"round\" d=\"";
    AppendDot(path, x, y, stub);
    return path + "\"/>\n";
}

// One line under the title: each marker as the panels draw it, then its text.
void AppendLegend(std::string& out, const FamilyFigure& figure, const FigureWords& words,
                  FigureLanguage language) {
    const std::string othersText = OthersLegend(figure, language);
    const std::array<std::string_view, 3> texts = {words.member, words.seed, othersText};
    constexpr double kMarkerRoom = 20; // the marker and the space after it
    constexpr double kEntryGap = 26;
    double width = -kEntryGap;
    for (const std::string_view text : texts) {
        width += kMarkerRoom + TextWidth(text, kLegendSize) + kEntryGap;
    }
    double x = std::max(kSideMargin, (kPageWidth - width) / 2);
    const double markerY = kLegendBaseline - kLegendSize * 0.35;
    out +=
        "<g id=\"legend\" font-size=\"" + Number(kLegendSize) + "\" fill=\"" + kInkColour + "\">\n";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const double markerX = x + kMarkerRoom / 2 - 4;
        out += i == 0   ? DotPath(kMemberColour, kMemberDot, markerX, markerY, kMemberStub)
               : i == 1 ? "<path fill=\"" + std::string(kSeedColour) + "\" stroke=\"" + kInkColour +
                              "\" d=\"" + DiamondPath(markerX, markerY) + "\"/>\n"
                        : DotPath(kOtherColour, kOtherDot, markerX, markerY, kOtherStub);
        AppendText(out, x + kMarkerRoom, kLegendBaseline, "", texts[i]);
        x += kMarkerRoom + TextWidth(texts[i], kLegendSize) + kEntryGap;
    }
    out += "</g>\n";
}

// Each member one path with its dot on each panel that shows it, named by its <title>.
void AppendMembers(std::string& out, const FamilyFigure& figure,
                   const std::array<Panel, 2>& panels) {
    out += "<g id=\"members\" fill=\"none\" stroke=\"" + std::string(kMemberColour) +
           "\" stroke-width=\"" + Number(kMemberDot) + "\" stroke-linecap=\"round\">\n";
    std::string dots;
    for (const FigureAsteroid& member : figure.members) {
        dots.clear();
        for (const Panel& panel : panels) {
            if (panel.Shows(member.orbit)) {
                AppendDot(dots, panel.X(member.orbit), panel.Y(member.orbit), kMemberStub);
            }
        }
        if (dots.empty()) {
            continue;
        }
        out += "<path d=\"" + dots + "\"><title>";
        AppendXmlEscaped(out, member.name);
        out += "</title></path>\n";
    }
    out += "</g>\n";
}

void AppendSeed(std::string& out, const FamilyFigure& figure, const std::array<Panel, 2>& panels) {
    std::string diamonds;
    for (const Panel& panel : panels) {
        if (panel.Shows(figure.seed.orbit)) {
            diamonds += DiamondPath(panel.X(figure.seed.orbit), panel.Y(figure.seed.orbit));
        }
    }
    if (diamonds.empty()) {
        return;
    }
    out += "<path id=\"seed\" fill=\"" + std::string(kSeedColour) + "\" stroke=\"" + kInkColour +
           "\" d=\"" + diamonds + "\"><title>";
    AppendXmlEscaped(out, figure.seed.name);
    out += "</title></path>\n";
}

} // namespace

std::string FamilyFigureSvg(const FamilyFigure& figure, FigureLanguage language) {
    const FigureWords& words = FigureWordsOf(language);
    const std::array<Panel, 2> panels = {{
        {"e", kPanels[0], figure.a, figure.e, &FigureOrbit::e, words.eccentricity,
         AxisTicks(figure.a, words.decimalMark), AxisTicks(figure.e, words.decimalMark)},
        {"s", kPanels[1], figure.a, figure.s, &FigureOrbit::s, words.sineOfInclination,
         AxisTicks(figure.a, words.decimalMark), AxisTicks(figure.s, words.decimalMark)},
    }};
    const std::string title = FigureTitle(figure, language);
    std::string out;
    out.reserve(256 * 1024 + figure.members.size() * 96 + figure.others.size() * 24);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           std::to_string(kPageWidth) + "\" height=\"" + std::to_string(kPageHeight) +
           "\" viewBox=\"0 0 " + std::to_string(kPageWidth) + " " + std::to_string(kPageHeight) +
           "\" font-family=\"sans-serif\">\n<title>";
    AppendXmlEscaped(out, title);
    out += "</title>\n<desc>";
    AppendXmlEscaped(out, FigureDescription(figure, language));
    out += "</desc>\n<rect width=\"" + std::to_string(kPageWidth) + "\" height=\"" +
           std::to_string(kPageHeight) + "\" fill=\"#ffffff\"/>\n";
    // A title too long for the page at its size is set smaller, never cut.
    const double titleSize = std::min(kTitleSize, (kPageWidth - 2 * kSideMargin) /
                                                      (TextWidth(title, 1.0) * kBoldWidening));
    AppendText(out, kPageWidth / 2.0, kTitleBaseline,
               "id=\"title\" font-size=\"" + Number(titleSize) +
                   "\" font-weight=\"bold\" text-anchor=\"middle\" fill=\"" + kInkColour + "\"",
               title);
    AppendLegend(out, figure, words, language);
    for (const Panel& panel : panels) {
        out += "<g id=\"panel-" + std::string(panel.id) + "\" fill=\"" + kInkColour + "\">\n";
        AppendGrid(out, panel);
        AppendOthers(out, panel, figure.others);
        AppendFrameAndAxes(out, panel, words.semiMajorAxis);
        out += "</g>\n";
    }
    AppendMembers(out, figure, panels);
    AppendSeed(out, figure, panels);
    out += "</svg>\n";
    return out;
}

} // namespace quorvane
