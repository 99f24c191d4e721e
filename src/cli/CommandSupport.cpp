#include "cli/CommandSupport.h"

#include <ostream>

#include "cli/Json.h"
#include "dataset/DataSetCommands.h"
#include "dataset/ModelDirectory.h"
#include "dataset/ModelTexts.h"

namespace {

std::set<std::string> With(std::set<std::string> words, const std::string& word) {
    words.insert(word);
    return words;
}

}  // namespace

DataCommandRun::DataCommandRun(const std::vector<std::string>& words,
                               const std::set<std::string>& extraFlags,
                               const std::set<std::string>& extraOptions,
                               const std::filesystem::path& programFolder, std::ostream& out,
                               std::ostream& err)
    : args_(words, With(extraFlags, "--json"), With(extraOptions, "--lang")),
      programFolder_(programFolder),
      out_(out),
      err_(err) {}

std::optional<int> DataCommandRun::Open(bool fits, std::string_view usage) {
    if (const std::optional<int> wrong = CheckUsage(fits, usage)) {
        return wrong;
    }
    return OpenSession();
}

std::optional<int> DataCommandRun::CheckUsage(bool fits, std::string_view usage) {
    if (!args_.ok() || !fits) {
        err_ << usage;
        return 2;
    }
    return std::nullopt;
}

std::optional<int> DataCommandRun::OpenSession() {
    cli_ = std::make_unique<CliSession>(programFolder_);
    if (!cli_->Open(args_.Value("--lang"), err_)) {
        return 1;
    }
    return std::nullopt;
}

int DataCommandRun::Fail(const ShownMessage& failure) {
    return ReportFailure(failure, json(), out_, err_);
}

int DataCommandRun::Fail(const Message& message) {
    return Fail(cli_->dialogs.Render(message));
}

std::optional<int> DataCommandRun::FailureOf(const Status& status) {
    if (status) {
        return std::nullopt;
    }
    return Fail(status.error());
}

std::optional<int> DataCommandRun::Load(const std::filesystem::path& file) {
    if (LoadDataSetFrom(cli_->session, cli_->dialogs, file) == CommandOutcome::Done) {
        return std::nullopt;
    }
    return Fail(cli_->dialogs.shown().back());
}

ModelArgument DataCommandRun::Model(const std::string& typed) {
    if (const auto index = ModelIndexOfNumber(data(), typed)) {
        return {index, 0};
    }
    return {std::nullopt, Fail(Message::Numbered(txt::kNoSuchModel, {}, MessageIcon::Warning))};
}

ModelArgument DataCommandRun::OpenModel(bool fits, std::string_view usage) {
    if (const std::optional<int> status = Open(fits, usage)) {
        return {std::nullopt, *status};
    }
    if (const std::optional<int> failed = Load(positional(0))) {
        return {std::nullopt, *failed};
    }
    return Model(positional(1));
}

void DataCommandRun::PrintShownMessages() {
    for (const ShownMessage& message : cli_->dialogs.shown()) {
        err_ << "Text " << message.text << ": " << message.message << "\n";
    }
}

void DataCommandRun::PrintDataSetSummary() {
    const CamPacData& made = data();
    if (json()) {
        JsonWriter w;
        w.BeginObject();
        w.Key("type").String(made.typeName);
        w.Key("imageSize").Number(made.imageSize);
        w.Key("modelCount").Number(made.modelCount);
        w.EndObject();
        out_ << w.Text() << "\n";
    } else {
        out_ << made.typeName << " " << made.imageSize << " bytes, " << made.modelCount
             << " models\n";
    }
}

int DataCommandRun::Done() {
    if (json()) {
        out_ << "{}\n";
    }
    return 0;
}
