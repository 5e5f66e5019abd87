#include "window_texts.h"

#include <stdexcept>

namespace mogran {

const ControlTexts& TextsOf(std::string_view control) {
    for (const ControlTexts& texts : kControlTexts) {
        if (control == texts.control)
            return texts;
    }
    throw std::out_of_range("no texts for this control");
}

}  // namespace mogran
