#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

/// Just enough JSON for mpv's IPC: parse one reply line, write one command.
namespace cuedeck::json {

struct Value;
using Array = std::vector<Value>;
using Object = std::map<std::string, Value, std::less<>>;

struct Value
{
    std::variant<std::nullptr_t, bool, double, std::string, Array, Object> data = nullptr;

    bool is_null() const { return std::holds_alternative<std::nullptr_t>(data); }
    const bool* as_bool() const { return std::get_if<bool>(&data); }
    const double* as_number() const { return std::get_if<double>(&data); }
    const std::string* as_string() const { return std::get_if<std::string>(&data); }
    const Array* as_array() const { return std::get_if<Array>(&data); }
    const Object* as_object() const { return std::get_if<Object>(&data); }
    /// The member `key` of an object; nothing for other values or a missing key.
    const Value* find(std::string_view key) const;
};

/// Nothing when `text` is not exactly one JSON value (white space around it allowed).
std::optional<Value> parse(std::string_view text);

/// `text` as a JSON string literal, quotes included.
std::string quote(std::string_view text);

} // namespace cuedeck::json
