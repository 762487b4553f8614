#include "dialogs/key_value.h"

namespace keyvalue {

unsigned Compose(unsigned virtualKey, bool alt, bool ctrl, bool shift) {
    return (virtualKey & kKeyMask) | (alt ? kAlt : 0) | (ctrl ? kCtrl : 0) | (shift ? kShift : 0);
}

} // namespace keyvalue
