#include "infobox/title.h"

#include "astorb/cp1252.h"
#include "astorb/diacriticals.h"
#include "astorb/record.h"

namespace quorvane {

namespace {

bool IsDesignationLetter(char c) {
    return c >= 'A' && c <= 'Y' && c != 'I';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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

std::string AsteroidTitle(std::string_view record, const DiacriticalNames* names, bool wikiMarkup,
                          bool pipedLink) {
    const std::string number = FieldText(record, Field::Number);
    const std::string_view storedName = FieldChars(record, Field::Name);
    const char first = storedName.empty() ? ' ' : storedName[0];

    std::string prefix;
    if (!number.empty()) {
        prefix = (first >= '1' && first <= '9') ? "(" + number + ") " : number + " ";
    }

    std::string name = Utf16ToCp1252(LookupDiacriticalName(names, number, wikiMarkup));
    if (name.empty()) {
        name = FieldText(record, Field::Name);
    }

    if ((pipedLink || wikiMarkup) && IsProvisionalDesignation(name)) {
        const std::string marked = name.substr(0, 7) + "<sub>" + name.substr(7) + "</sub>";
        name = pipedLink ? name + "|" + prefix + marked : marked;
    }
    return prefix + name;
}

} // namespace quorvane
