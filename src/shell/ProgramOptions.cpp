#include "shell/ProgramOptions.h"

ParsedOptions ParseProgramOptions(const std::vector<std::string>& words) {
    ProgramOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word != "--simulate" && word != "--adapter" && word != "--trace") {
            return {std::nullopt, "unknown argument " + word};
        }
        if (i + 1 >= words.size()) {
            return {std::nullopt, word + " needs a value"};
        }
        const std::string& value = words[++i];
        if (word == "--simulate") {
            options.simulate = value;
        } else if (word == "--trace") {
            options.trace = value;
        } else if (value == "lpt" || value == "usb") {
            options.adapter = value == "lpt" ? AdapterKind::Lpt : AdapterKind::Usb;
        } else {
            return {std::nullopt, "--adapter takes lpt or usb"};
        }
    }
    if (options.trace && (!options.simulate || options.adapter == AdapterKind::Usb)) {
        return {std::nullopt,
                "--trace records the simulated parallel port: use it with "
                "--simulate IMAGE and the LPT adapter"};
    }
    return {options, {}};
}
