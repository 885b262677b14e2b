#pragma once

// What can be wrong with a document, and where: decoding stops at the first problem and says
// where it is as a JSON pointer.

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>

namespace core::cardjson {

// The JSON the form is written in: objects keep the order their fields were written in, so the
// same card always gives the same bytes.
using Json = nlohmann::ordered_json;

// The problem's identifier, as in CardWord("problem." + ...): "bad-json", "unknown-field",
// "out-of-range"...
struct DocumentError {
    std::string pointer;  // "/programs/SCH03/timers/14/start"; "" for the whole document
    std::string problem;

    bool operator==(const DocumentError&) const = default;
};

// A place in the document being decoded.
class Place {
public:
    Place() = default;
    Place operator/(std::string_view key) const;
    Place operator/(std::size_t index) const { return *this / std::to_string(index); }
    const std::string& pointer() const { return m_pointer; }

private:
    std::string m_pointer;
};

// Thrown inside the decoder only, and caught where it answers.
struct DocumentProblem : std::runtime_error {
    DocumentProblem(DocumentError e) : std::runtime_error(e.problem), error(std::move(e)) {}
    DocumentError error;
};

[[noreturn]] void Fail(const Place& at, std::string_view problem);

// The object at `at`, holding no field but `known`.
const Json& ObjectWith(const Json& value, const Place& at, std::initializer_list<std::string_view> known);
// A field that must be there.
const Json& Required(const Json& object, const Place& at, std::string_view key);
// An unsigned whole number no larger than `max`.
std::uint64_t Number(const Json& value, const Place& at, std::uint64_t max);
const std::string& Text(const Json& value, const Place& at);
const Json& Array(const Json& value, const Place& at, std::size_t maxSize, std::string_view tooMany);

}  // namespace core::cardjson
