#include "core/cardjson/ParseDocument.h"

#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace core::cardjson {

namespace {

// An object or array the parser is inside, with the member it is at.
struct Frame {
    bool object = false;
    std::size_t index = 0;  // arrays: the element being read
    std::string key;        // objects: the member being read
    std::unordered_set<std::string> keys;
};

// Follows the parser through the text, keeping the keys seen in each open object.
class RepeatedKeyFinder {
public:
    bool operator()(int, nlohmann::detail::parse_event_t event, Json& parsed) {
        using Event = nlohmann::detail::parse_event_t;
        switch (event) {
        case Event::object_start:
        case Event::array_start: m_frames.push_back({event == Event::object_start, 0, {}, {}}); break;
        case Event::key: Key(parsed.get_ref<const std::string&>()); break;
        case Event::object_end:
        case Event::array_end:
            m_frames.pop_back();
            ElementDone();
            break;
        case Event::value: ElementDone(); break;
        }
        return true;
    }

    const std::optional<DocumentError>& repeated() const { return m_repeated; }

private:
    void Key(const std::string& key) {
        Frame& top = m_frames.back();
        top.key = key;
        if (top.keys.insert(key).second || m_repeated) return;
        Place at;
        for (const Frame& frame : m_frames) at = frame.object ? at / frame.key : at / frame.index;
        m_repeated = DocumentError{at.pointer(), "repeated-key"};
    }

    void ElementDone() {
        if (!m_frames.empty() && !m_frames.back().object) ++m_frames.back().index;
    }

    std::vector<Frame> m_frames;
    std::optional<DocumentError> m_repeated;
};

}  // namespace

ParsedDocument ParseDocument(std::string_view text) {
    RepeatedKeyFinder finder;
    ParsedDocument parsed;
    parsed.json = Json::parse(text, std::ref(finder), false);
    if (parsed.json.is_discarded()) parsed.error = DocumentError{"", "bad-json"};
    else if (finder.repeated()) parsed.error = finder.repeated();
    return parsed;
}

}  // namespace core::cardjson
