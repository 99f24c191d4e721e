#include "shell/ProgramOptions.h"

#include <set>

#include "adapters/AdapterRules.h"

std::string TakeAdapterOption(const std::string& option, const std::string& value,
                              ProgramOptions& options) {
    if (option == "--simulate") {
        options.simulate = value;
    } else if (option == "--trace") {
        options.trace = value;
    } else if (option == "--adapter") {
        if (value != "lpt" && value != "usb") {
            return "--adapter takes lpt or usb";
        }
        options.adapter = value == "lpt" ? AdapterKind::Lpt : AdapterKind::Usb;
    } else if (option == "--fault") {
        if (const Status added = AddSimulatedFault(value, options.faults); !added) {
            return added.error().literal;
        }
    } else if (option == "--lpt-address") {
        const Result<std::uint16_t> address = ParseLptAddress(value);
        if (!address) {
            return "--lpt-address takes four hexadecimal digits (0378), not " + value;
        }
        options.lptAddress = address.value();
    } else if (option == "--waitstates") {
        const Result<int> waitStates = ParseWaitStates(value);
        if (!waitStates) {
            return "--waitstates takes a number from 0 to " + std::to_string(kMaxWaitStates) +
                   ", not " + value;
        }
        options.waitStates = waitStates.value();
    } else {
        return "unknown argument " + option;
    }
    return {};
}

std::string CheckAdapterOptions(const ProgramOptions& options) {
    if (options.trace && (!options.simulate || options.adapter == AdapterKind::Usb)) {
        return "--trace records the simulated parallel port: use it with --simulate IMAGE and "
               "the LPT adapter";
    }
    if (!options.faults.names.empty() && !options.simulate) {
        return "--fault belongs to a simulated CamPac: use it with --simulate IMAGE";
    }
    return {};
}

ParsedOptions ParseProgramOptions(const std::vector<std::string>& words) {
    static const std::set<std::string> kOptions{"--simulate", "--adapter", "--trace", "--fault"};
    ProgramOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (kOptions.count(word) == 0) {
            return {std::nullopt, "unknown argument " + word};
        }
        if (i + 1 >= words.size()) {
            return {std::nullopt, word + " needs a value"};
        }
        if (std::string refused = TakeAdapterOption(word, words[++i], options); !refused.empty()) {
            return {std::nullopt, refused};
        }
    }
    if (std::string refused = CheckAdapterOptions(options); !refused.empty()) {
        return {std::nullopt, refused};
    }
    return {options, {}};
}
