#include "shell/PrintOptions.h"

#include <algorithm>
#include <charconv>

namespace {

const std::string kPrintModels = "--print-models";
const std::string kPrintModel = "--print-model";
const std::string kPdf = "--pdf";

// A whole decimal number and nothing else; the data set decides whether its model exists.
std::optional<int> ModelNumber(const std::string& word) {
    int number = 0;
    const char* end = word.data() + word.size();
    const auto [stop, error] = std::from_chars(word.data(), end, number);
    if (word.empty() || error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

bool AsksForPrintout(const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(), [](const std::string& word) {
        return word == kPrintModels || word == kPrintModel || word == kPdf;
    });
}

ParsedPrintRequest ParsePrintRequest(const std::vector<std::string>& words) {
    std::optional<std::filesystem::path> dataSet;
    std::optional<int> model;
    std::optional<std::filesystem::path> pdf;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const std::size_t values = word == kPrintModel ? 2 : 1;
        if (word != kPrintModels && word != kPrintModel && word != kPdf) {
            return {std::nullopt, "unknown argument " + word};
        }
        if (i + values >= words.size()) {
            return {std::nullopt,
                    word + (values == 2 ? " needs a file and a model number" : " needs a file")};
        }
        if (word == kPdf) {
            if (pdf) {
                return {std::nullopt, "--pdf is given twice"};
            }
            pdf = words[++i];
            continue;
        }
        if (dataSet) {
            return {std::nullopt, "one printout at a time: --print-models or --print-model"};
        }
        dataSet = words[++i];
        if (word == kPrintModel) {
            model = ModelNumber(words[++i]);
            if (!model) {
                return {std::nullopt, "--print-model takes a model number, not " + words[i]};
            }
        }
    }
    if (!dataSet) {
        return {std::nullopt, "--pdf needs --print-models or --print-model"};
    }
    if (!pdf) {
        return {std::nullopt, "the printout needs --pdf OUT.pdf"};
    }
    return {PrintRequest{*dataSet, model, *pdf}, {}};
}
