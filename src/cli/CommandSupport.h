#pragma once

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"
#include "cli/CliSession.h"
#include "common/Message.h"
#include "common/Result.h"

// The model index of a typed model number (1 for the first model), or the exit status
// after text 124 was reported.
struct ModelArgument {
    std::optional<int> index;
    int status = 0;
};

// One run of a data command: its words parsed (--json and --lang with the command's own
// options), a wrong command line answered with the usage, the session opened with the
// language of --lang, and failures reported as the program's messages: a line on stderr,
// or with --json the error object on stdout (exit status 1).
class DataCommandRun {
  public:
    DataCommandRun(const std::vector<std::string>& words, const std::set<std::string>& extraFlags,
                   const std::set<std::string>& extraOptions,
                   const std::filesystem::path& programFolder, std::ostream& out,
                   std::ostream& err);

    const Arguments& args() const { return args_; }
    const std::string& positional(std::size_t i) const { return args_.positional()[i]; }
    std::size_t positionalCount() const { return args_.positional().size(); }
    bool json() const { return args_.Has("--json"); }
    CliSession& cli() { return *cli_; }
    CamPacData& data() { return cli_->session.data; }
    std::ostream& out() { return out_; }
    std::ostream& err() { return err_; }

    // Checks the command line and opens the session. Returns the exit status to end with
    // (2 with the usage printed when the words do not `fit`, 1 when the language cannot be
    // opened), or nothing to go on.
    std::optional<int> Open(bool fits, std::string_view usage);
    // The two steps of Open, for a command that checks more of its words in between.
    std::optional<int> CheckUsage(bool fits, std::string_view usage);
    std::optional<int> OpenSession();

    // Reports a failure; returns exit status 1.
    int Fail(const ShownMessage& failure);
    int Fail(const Message& message);
    // The exit status when `status` failed (its message reported), else nothing.
    std::optional<int> FailureOf(const Status& status);

    // Loads a CamPac file into the session as the program's Load does. On failure the
    // message the program showed has been reported and the status to return is given.
    std::optional<int> Load(const std::filesystem::path& file);
    // The model a typed model number names, as the models page lists them with numbering
    // start 1.
    ModelArgument Model(const std::string& typed);
    // Open, Load of the file the first word names and Model of the number the second word
    // types, for the commands that work on one model of a file.
    ModelArgument OpenModel(bool fits, std::string_view usage);

    // Prints the warnings the program showed, one line each, on the error stream.
    void PrintShownMessages();
    // Prints what a created data set holds: its type, image size and model count.
    void PrintDataSetSummary();
    // Ends a command that has nothing more to say: {} with --json; returns exit status 0.
    int Done();

  private:
    Arguments args_;
    std::filesystem::path programFolder_;
    std::ostream& out_;
    std::ostream& err_;
    std::unique_ptr<CliSession> cli_;
};
