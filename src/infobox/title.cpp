#include "infobox/title.h"

#include "astorb/diacriticals.h"
#include "astorb/record.h"
#include "text/cp1252.h"

namespace quorvane {

namespace {

bool IsDesignationLetter(char c) {
    return c >= 'A' && c <= 'Y' && c != 'I';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "(n) " before a name that is a provisional designation (its first character a digit 1 to 9),
// "n " before any other, nothing for an unnumbered asteroid.
void AppendNumberPrefix(std::string& title, std::string_view number, char firstOfName) {
    if (number.empty()) {
        return;
    }
    if (firstOfName >= '1' && firstOfName <= '9') {
        title += '(';
        title += number;
        title += ") ";
    } else {
        title += number;
        title += ' ';
    }
}

} // namespace

bool IsProvisionalDesignation(std::string_view name) {
    const std::string_view century = TrimControls(name.substr(0, 2));
    if (century != "19" && century != "20") {
        return false;
    }
    return name.size() >= 8 && IsDigit(name[2]) && IsDigit(name[3]) && name[4] == ' ' &&
           IsDesignationLetter(name[5]) && IsDesignationLetter(name[6]);
}

std::string AsteroidTitle(AstOrbRecord record, const DiacriticalNames* names, bool wikiMarkup,
                          bool pipedLink) {
    const std::string_view number = TrimControls(FieldChars(record, Field::Number));
    const std::string_view storedName = FieldChars(record, Field::Name);
    const char first = storedName.empty() ? ' ' : storedName[0];

    const std::string accented =
        names != nullptr ? Utf16ToCp1252(LookupDiacriticalName(names, number, wikiMarkup))
                         : std::string();
    const std::string_view name =
        accented.empty() ? TrimControls(storedName) : std::string_view(accented);

    // Built in one string: a list calls this for every record it takes.
    std::string title;
    title.reserve(2 * (number.size() + name.size()) + 24);
    AppendNumberPrefix(title, number, first);
    if ((pipedLink || wikiMarkup) && IsProvisionalDesignation(name)) {
        if (pipedLink) {
            title += name;
            title += '|';
            AppendNumberPrefix(title, number, first);
        }
        title += name.substr(0, 7);
        title += "<sub>";
        title += name.substr(7);
        title += "</sub>";
    } else {
        title += name;
    }
    return title;
}

std::string AsteroidPlainTitle(AstOrbRecord record, const DiacriticalNames* names) {
    const std::string_view number = TrimControls(FieldChars(record, Field::Number));
    const std::string_view storedName = FieldChars(record, Field::Name);
    std::string title;
    AppendNumberPrefix(title, number, storedName.empty() ? ' ' : storedName[0]);
    const std::u16string accented = LookupDiacriticalName(names, number, false);
    title += accented.empty() ? Cp1252ToUtf8(TrimControls(storedName)) : Utf16ToUtf8(accented);
    return title;
}

} // namespace quorvane
