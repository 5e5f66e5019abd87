#pragma once

#include <string>

namespace mogran {

// The text the error box shows for a failure message: a "." is added when the message is not
// empty and its last character's code is above that of ".".
std::string WithFullStop(const std::string& message);

// The message the user is shown for the exception being handled; call it in a catch block.
// A failure that carries no message meant for the user (a library's own exception, whose text
// is a programmer's) is an unknown one.
std::string CurrentFailureMessage();

}  // namespace mogran
