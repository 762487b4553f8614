#include "dialogs/program_instance.h"

namespace {

HINSTANCE& Slot() {
    static HINSTANCE instance = nullptr;
    return instance;
}

} // namespace

HINSTANCE ProgramInstance() {
    // Before start-up has recorded it, the executable's own module holds the resources.
    return Slot() != nullptr ? Slot() : GetModuleHandleA(nullptr);
}

void SetProgramInstance(HINSTANCE instance) {
    Slot() = instance;
}
