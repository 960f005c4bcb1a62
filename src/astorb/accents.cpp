#include "astorb/accents.h"

#include "astorb/cp1252.h"

namespace quorvane {

std::u16string ConvertTexAccents(std::string_view texName, bool /*htmlEntities*/) {
    return Cp1252ToUtf16(texName);
}

} // namespace quorvane
