#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// The words after a command: positional arguments, flags ("--json") and options that take
// a value ("--lang English"). Anything else starting with "--" is an error.
class Arguments {
  public:
    Arguments(const std::vector<std::string>& words, const std::set<std::string>& flags,
              const std::set<std::string>& valueOptions);

    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    const std::vector<std::string>& positional() const { return positional_; }
    bool Has(const std::string& flag) const { return flags_.count(flag) > 0; }
    std::optional<std::string> Value(const std::string& option) const;

  private:
    std::vector<std::string> positional_;
    std::set<std::string> flags_;
    std::map<std::string, std::string> values_;
    std::string error_;
};
