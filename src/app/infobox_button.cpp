#include "app/infobox_button.h"

namespace quorvane::app {

InfoboxLanguage LanguageOfButton(const QString& objectName) {
    return objectName == QLatin1String("btnWikiFR") ? InfoboxLanguage::French
                                                    : InfoboxLanguage::English;
}

} // namespace quorvane::app
