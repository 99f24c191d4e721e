#include "FuzzSupport.h"
#include "shell/Settings.h"

// The settings file as the start-up reads it: whatever it holds, the values the program
// goes on with lie in their ranges.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Settings settings;
    (void)ParseSettings(InputBytes(data, size), settings);
    Require(settings.waitStates >= 0 && settings.waitStates <= 5000);
    Require(settings.language >= 1 && settings.language <= 5);
    return 0;
}
