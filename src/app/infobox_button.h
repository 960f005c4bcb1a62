// Which infobox an infobox button writes, told by the button's object name.
#pragma once

#include "infobox/infobox.h"

#include <QString>

namespace quorvane::app {

// French for the button named "btnWikiFR", English for any other.
InfoboxLanguage LanguageOfButton(const QString& objectName);

} // namespace quorvane::app
