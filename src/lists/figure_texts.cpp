#include "lists/figure_texts.h"

#include <array>

namespace quorvane {

namespace {

// Row 0 French, row 1 English, in the order of FigureLanguage.
constexpr std::array<FigureWords, 2> kFigureWords = {{
    {"Demi-grand axe a (ua)", "Excentricit\u00e9 e", "Sinus de l'inclinaison sin i", "membre",
     "ast\u00e9ro\u00efde de d\u00e9part", "autres ast\u00e9ro\u00efdes", ',', "\u00a0"},
    {"Semi-major axis a (AU)", "Eccentricity e", "Sine of inclination sin i", "member",
     "asteroid searched from", "other asteroids", '.', ","},
}};

bool IsFrench(FigureLanguage language) {
    return language == FigureLanguage::French;
}

// "1 member", "20 members": the noun agrees with the count.
std::string Counted(std::int64_t count, std::string_view one, std::string_view many,
                    FigureLanguage language) {
    return GroupedNumber(count, language) + " " + std::string(count == 1 ? one : many);
}

bool ShowsSubset(const FamilyFigure& figure) {
    return static_cast<std::int64_t>(figure.others.size()) < figure.othersInWindow;
}

} // namespace

const FigureWords& FigureWordsOf(FigureLanguage language) {
    return kFigureWords[IsFrench(language) ? 0 : 1];
}

std::string GroupedNumber(std::int64_t value, FigureLanguage language) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string grouped = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += FigureWordsOf(language).thousandsSeparator;
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string FigureTitle(const FamilyFigure& figure, FigureLanguage language) {
    const std::string tolerance = std::to_string(figure.tolerance);
    if (IsFrench(language)) {
        return "Famille de " + figure.seed.name + " : " +
               Counted(figure.count, "membre", "membres", language) + " \u00e0 " + tolerance +
               " m/s pr\u00e8s";
    }
    return "Family of " + figure.seed.name + ": " +
           Counted(figure.count, "member", "members", language) + " within " + tolerance + " m/s";
}

std::string OthersLegend(const FamilyFigure& figure, FigureLanguage language) {
    std::string legend(FigureWordsOf(language).others);
    if (ShowsSubset(figure)) {
        const std::string shown =
            GroupedNumber(static_cast<std::int64_t>(figure.others.size()), language);
        const std::string all = GroupedNumber(figure.othersInWindow, language);
        legend += IsFrench(language) ? " (" + shown + " sur " + all + " affich\u00e9s)"
                                     : " (" + shown + " of " + all + " shown)";
    }
    return legend;
}

std::string FigureDescription(const FamilyFigure& figure, FigureLanguage language) {
    const std::string& seed = figure.seed.name;
    const std::string tolerance = std::to_string(figure.tolerance);
    const std::string inWindow = GroupedNumber(figure.othersInWindow, language);
    const std::string shown =
        GroupedNumber(static_cast<std::int64_t>(figure.others.size()), language);
    std::string text;
    if (IsFrench(language)) {
        text = "Famille de " + seed + " : " + Counted(figure.count, "membre", "membres", language) +
               ", ast\u00e9ro\u00efde de d\u00e9part compris ; recherche \u00e0 " + tolerance +
               " m/s pr\u00e8s, " + Counted(figure.passes, "passe", "passes", language) +
               ". \u00c0 gauche l'excentricit\u00e9 e, \u00e0 droite le sinus de l'inclinaison "
               "sin i, chacun en fonction du demi-grand axe a (ua). En gris : les autres "
               "ast\u00e9ro\u00efdes de la base situ\u00e9s dans la fen\u00eatre trac\u00e9e (" +
               (ShowsSubset(figure)
                    ? shown + " sur " + inWindow +
                          ", r\u00e9partis r\u00e9guli\u00e8rement dans l'ordre du fichier"
                    : inWindow) +
               "). Base : AstOrb.dat, " +
               Counted(figure.records, "enregistrement", "enregistrements", language) +
               " ; \u00e9l\u00e9ments de " + seed + " \u00e0 l'\u00e9poque " + figure.seedEpoch +
               ".";
        if (figure.recordsRead < figure.records) {
            text += " Seuls les " + GroupedNumber(figure.recordsRead, language) +
                    " premiers enregistrements ont pu \u00eatre lus.";
        }
        return text;
    }
    text = "Family of " + seed + ": " + Counted(figure.count, "member", "members", language) +
           ", the asteroid searched from included; search within " + tolerance + " m/s, " +
           Counted(figure.passes, "pass", "passes", language) +
           ". Left, eccentricity e, and right, sine of inclination sin i, each against "
           "semi-major axis a (AU). In grey: the other asteroids of the database inside the "
           "plotted window (" +
           (ShowsSubset(figure) ? shown + " of " + inWindow + ", evenly spread in file order"
                                : inWindow) +
           "). Database: AstOrb.dat, " + Counted(figure.records, "record", "records", language) +
           "; elements of " + seed + " at epoch " + figure.seedEpoch + ".";
    if (figure.recordsRead < figure.records) {
        text += " Only the first " + GroupedNumber(figure.recordsRead, language) +
                " records could be read.";
    }
    return text;
}

} // namespace quorvane
