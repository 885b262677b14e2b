#include "core/cardjson/Problems.h"

#include <algorithm>

namespace core::cardjson {

Place Place::operator/(std::string_view key) const {
    Place next = *this;
    next.m_pointer += '/';
    for (const char c : key) {
        if (c == '~') next.m_pointer += "~0";
        else if (c == '/') next.m_pointer += "~1";
        else next.m_pointer += c;
    }
    return next;
}

void Fail(const Place& at, std::string_view problem) {
    throw DocumentProblem({at.pointer(), std::string(problem)});
}

const Json& ObjectWith(const Json& value, const Place& at, std::initializer_list<std::string_view> known) {
    if (!value.is_object()) Fail(at, "wrong-type");
    for (const auto& [key, field] : value.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end()) Fail(at / key, "unknown-field");
    }
    return value;
}

const Json& Required(const Json& object, const Place& at, std::string_view key) {
    const auto found = object.find(key);
    if (found == object.end()) Fail(at / key, "missing-field");
    return *found;
}

std::uint64_t Number(const Json& value, const Place& at, std::uint64_t max) {
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > max) Fail(at, "out-of-range");
        return number;
    }
    if (value.is_number_integer()) Fail(at, "out-of-range");  // negative
    Fail(at, "wrong-type");
}

const std::string& Text(const Json& value, const Place& at) {
    if (!value.is_string()) Fail(at, "wrong-type");
    return value.get_ref<const std::string&>();
}

const Json& Array(const Json& value, const Place& at, std::size_t maxSize, std::string_view tooMany) {
    if (!value.is_array()) Fail(at, "wrong-type");
    if (value.size() > maxSize) Fail(at, tooMany);
    return value;
}

}  // namespace core::cardjson
