#pragma once

#include <string>
#include <string_view>

// Builds one JSON value as text, for the command-line tool's --json output.
class JsonWriter {
  public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view utf8);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();
    // A number already written as JSON text ("37.5").
    JsonWriter& NumberText(std::string_view number);
    // Any value already written as JSON text ("true", "\"05:07\"").
    JsonWriter& Value(std::string_view json);
    const std::string& Text() const { return text_; }

  private:
    void BeforeValue();
    std::string text_;
    bool needComma_ = false;
};

// A UTF-8 text as a JSON string literal, quotes included; a byte that is not part of
// well-formed UTF-8 becomes U+FFFD.
std::string JsonQuoted(std::string_view utf8);
