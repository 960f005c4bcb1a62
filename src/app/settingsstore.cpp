#include "app/settingsstore.h"

#include "astorb/error.h"

#include <QDir>
#include <QSettings>

namespace quorvane::app {

namespace {

// Organisation "Morvelt", application "Quorvane": the user's configuration file on Linux, with
// the machine-wide one as fallback, since ordinary users cannot write a machine-wide store.
// On Windows the store is the machine-wide registry hive.
QSettings OpenStore() {
#ifdef _WIN32
    constexpr auto scope = QSettings::SystemScope;
#else
    constexpr auto scope = QSettings::UserScope;
#endif
    return QSettings(QSettings::NativeFormat, scope, QStringLiteral("Morvelt"),
                     QStringLiteral("Quorvane"));
}

} // namespace

std::optional<QString> SettingsStore::Read(const QString& name) const {
    const QSettings store = OpenStore();
    if (!store.contains(name)) {
        return std::nullopt;
    }
    const QVariant value = store.value(name);
    if (value.typeId() != QMetaType::QString) {
        RaiseSettingsWrongType(name.toStdString());
    }
    return value.toString();
}

void SettingsStore::Write(const QString& name, const QString& text) const {
    QSettings store = OpenStore();
    if (!store.isWritable()) {
        RaiseSettingsWriteFailed(name.toStdString());
    }
    store.setValue(name, text);
    store.sync();
    if (store.status() != QSettings::NoError) {
        RaiseSettingsWriteFailed(name.toStdString());
    }
}

void SettingsStore::Remove(const QString& name) const {
    QSettings store = OpenStore();
    store.remove(name);
}

QString SettingsStore::ExistingFolder(const QString& name) const {
    const std::optional<QString> folder = Read(name);
    if (folder && !folder->isEmpty() && QDir(*folder).exists()) {
        return *folder;
    }
    return {};
}

} // namespace quorvane::app
