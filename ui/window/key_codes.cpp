#include "key_codes.h"

#include <Qt>

#include "drill_session.h"

namespace mogran {

std::int32_t DrillKeyCode(int qtKey) {
    return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter ? kEnterKey : 0;
}

}  // namespace mogran
