// The remembered folders: of AstOrb.dat, of Diacriticals.txt and where figures are saved. Each
// access opens the store, does its reads or writes and closes it again.
#pragma once

#include <QString>

#include <optional>

namespace quorvane::app {

inline const QString kAstOrbDatPath = QStringLiteral("AstOrbDatPath");
inline const QString kDiacriticalsPath = QStringLiteral("DiacriticalsPath");
inline const QString kFigurePath = QStringLiteral("FigurePath");

class SettingsStore {
public:
    // The value's text, or nothing when it does not exist. A value that is not text raises
    // "Type de données incorrect pour '%s'".
    std::optional<QString> Read(const QString& name) const;
    // Raises "Echec à la définition des données pour '%s'" when the store cannot be written.
    void Write(const QString& name, const QString& text) const;
    void Remove(const QString& name) const;

    // The folder a value names, or the empty text when it is absent or names no existing folder.
    QString ExistingFolder(const QString& name) const;
};

} // namespace quorvane::app
