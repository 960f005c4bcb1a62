#include "astorb/error.h"

#include "text/cp1252.h"

namespace quorvane {

namespace {

std::string Quoted(std::string_view cp1252Text, const char* rest) {
    return "'" + Cp1252ToUtf8(cp1252Text) + rest;
}

} // namespace

void RaiseNotAnInteger(std::string_view cp1252Text) {
    throw Error(Quoted(cp1252Text, "' n'est pas une valeur entière correcte"));
}

void RaiseNotAFloat(std::string_view cp1252Text) {
    throw Error(Quoted(cp1252Text, "' n'est pas une valeur en virgule flottante correcte"));
}

void RaiseNotADate(std::string_view cp1252Text) {
    throw Error(Quoted(cp1252Text, "' ne correspond pas à une date et une heure correctes"));
}

void RaiseCannotOpen(const std::string& path, const std::string& reason) {
    throw Error("Impossible d'ouvrir le fichier \"" + path + "\". " + reason);
}

void RaiseCannotCreate(const std::string& path, const std::string& reason) {
    throw Error("Impossible de cr\xC3\xA9"
                "er le fichier \"" +
                path + "\". " + reason);
}

void RaiseScrollBarOutOfRange() {
    throw Error("Propriété barre de défilement hors limites");
}

void RaiseSettingsWriteFailed(const std::string& valueName) {
    throw Error("Echec à la définition des données pour '" + valueName + "'");
}

void RaiseSettingsWrongType(const std::string& valueName) {
    throw Error("Type de données incorrect pour '" + valueName + "'");
}

void RaiseFloatDivisionByZero() {
    throw Error("Division par zéro en virgule flottante");
}

void RaiseInvalidFloatOperation() {
    throw Error("Opération en virgule flottante incorrecte");
}

void RaiseListIndexOutOfBounds(int index) {
    throw Error("Indice de liste hors limites (" + std::to_string(index) + ")");
}

std::string ReportText(const std::string& utf8Message) {
    const std::u16string text = Utf8ToUtf16(utf8Message);
    if (!text.empty() && text.back() > u'.') {
        return utf8Message + ".";
    }
    return utf8Message;
}

} // namespace quorvane
