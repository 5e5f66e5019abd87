#pragma once

namespace mogran {

// Names, version, icon and font of the application; closing the last window ends it. Qt's own
// texts (standard buttons, edit menus, the print dialog) follow the system's language.
void SetUpApplication();

}  // namespace mogran
