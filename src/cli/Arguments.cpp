#include "cli/Arguments.h"

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& flags,
                     const std::set<std::string>& valueOptions) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.rfind("--", 0) != 0) {
            positional_.push_back(word);
        } else if (flags.count(word) > 0) {
            flags_.insert(word);
        } else if (valueOptions.count(word) > 0) {
            if (i + 1 >= words.size()) {
                error_ = word + " needs a value";
                return;
            }
            values_[word].push_back(words[++i]);
        } else {
            error_ = "unknown option " + word;
            return;
        }
    }
}

std::optional<std::string> Arguments::Value(const std::string& option) const {
    const auto found = values_.find(option);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second.back();
}

std::vector<std::string> Arguments::Values(const std::string& option) const {
    const auto found = values_.find(option);
    return found == values_.end() ? std::vector<std::string>{} : found->second;
}
