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
    // The option's value; the last one where it was given more than once.
    std::optional<std::string> Value(const std::string& option) const;
    // Every value of an option that may be repeated, in order.
    std::vector<std::string> Values(const std::string& option) const;
    // The options given with values, by name, each with its values in order.
    const std::map<std::string, std::vector<std::string>>& values() const { return values_; }

  private:
    std::vector<std::string> positional_;
    std::set<std::string> flags_;
    std::map<std::string, std::vector<std::string>> values_;
    std::string error_;
};
