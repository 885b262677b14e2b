#include "core/cardjson/DocumentWriter.h"

#include "core/cardjson/CardFileStream.h"
#include "core/cardjson/CardJson.h"
#include "core/cardjson/Names.h"
#include "core/cardjson/TimerJson.h"

namespace core::cardjson {

namespace {

// As Json::dump(2) writes a value that stands `indent` spaces in: every line after the first
// indented by as much. A dumped string never holds a raw line break, so each is a new line.
std::string Dumped(const Json& value, int indent) {
    const std::string text = value.dump(2);
    const std::string margin(static_cast<std::size_t>(indent), ' ');
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        out += c;
        if (c == '\n') out += margin;
    }
    return out;
}

// "\n<indent>"
std::string NewLine(int indent) { return "\n" + std::string(static_cast<std::size_t>(indent), ' '); }

// The pieces of the text gathered into writes of a useful size.
class Pieces {
public:
    explicit Pieces(const TextSink& sink) : m_sink(sink) {}
    bool Put(std::string_view piece) {
        m_pending += piece;
        return m_pending.size() < kFlushSize || Flush();
    }
    bool Flush() {
        const bool taken = m_pending.empty() || m_sink(m_pending);
        m_pending.clear();
        return taken;
    }

private:
    static constexpr std::size_t kFlushSize = std::size_t{64} << 10;
    const TextSink& m_sink;
    std::string m_pending;
};

}  // namespace

Json HeadToJson(const CardFileStream& stream) {
    FileImage head = stream.Head();
    // Which unused index slots are the usual ones depends on how many timers there are.
    head.program.timers.resize(stream.TimerCount());
    Json value = FileToJson(head);
    if (value.is_object()) value.erase("timers");
    return value;
}

DocumentWriter::DocumentWriter(FileSystem& fs, std::string folder) : m_fs(fs), m_folder(std::move(folder)) {}

bool DocumentWriter::WriteFile(CardFileId id, int indent, const TextSink& sink) {
    Pieces out(sink);
    CardFileStream stream(m_fs, m_folder, id);
    FileImage head = stream.Head();
    if (const auto& failed = m_failedBefore[CardFileIndex(id)]) {
        head = FileImage{};
        head.id = id;
        MarkFailed(head, *failed);
    }
    m_anyUnreadable =
        m_anyUnreadable || (head.state != CardFileState::Read && head.state != CardFileState::Absent);
    if (head.state != CardFileState::Read || !HoldsTimers(id.kind) || stream.TimerCount() == 0) {
        return out.Put(Dumped(FileToJson(head), indent)) && out.Flush();
    }
    // A program: its header fields as FileToJson gives them, then its timers one by one.
    const Json value = HeadToJson(stream);
    const int field = indent + 2, item = indent + 4;
    if (!out.Put("{")) return false;
    for (const auto& [key, member] : value.items()) {
        if (!out.Put(NewLine(field) + Json(key).dump() + ": " + Dumped(member, field) + ",")) return false;
    }
    if (!out.Put(NewLine(field) + "\"timers\": [")) return false;
    for (std::size_t i = 0; i < stream.TimerCount(); ++i) {
        const auto timer = stream.Next();
        if (!timer) {
            m_failure = stream.Failure();
            m_failedBefore[CardFileIndex(id)] = m_failure;
            return false;
        }
        if (!out.Put((i == 0 ? "" : ",") + NewLine(item) + Dumped(TimerToJson(*timer, id.kind), item)))
            return false;
    }
    return out.Put(NewLine(field) + "]" + NewLine(indent) + "}") && out.Flush();
}

bool DocumentWriter::Write(const TextSink& sink) {
    m_failure.reset();
    m_anyUnreadable = false;
    // The frame of CardToJson's document, as dump(2) writes it; the folder names all 16 files.
    const std::string opening = "{" + NewLine(2) + "\"format\": " + Json(std::string(kFormatName)).dump() +
                                "," + NewLine(2) + "\"version\": " + std::to_string(kFormatVersion) + "," +
                                NewLine(2) + "\"programs\": {";
    if (!sink(opening)) return false;
    const auto& ids = AllCardFiles();
    for (std::size_t k = 0; k < ids.size(); ++k) {
        const CardFileId id = ids[k];
        const bool lastOfGroup = k + 1 == ids.size() || HoldsTimers(ids[k + 1].kind) != HoldsTimers(id.kind);
        if (!sink(NewLine(4) + Json(FileStem(id)).dump() + ": ")) return false;
        if (!WriteFile(id, 4, sink)) return false;
        std::string after = lastOfGroup ? NewLine(2) + "}" : ",";
        if (lastOfGroup && HoldsTimers(id.kind)) after += "," + NewLine(2) + "\"dates\": {";
        if (!sink(after)) return false;
    }
    return sink("\n}\n");
}

DocumentWriter::Size DocumentWriter::Measure(std::uint64_t limit) {
    Size size;
    const auto count = [&](std::string_view piece) {
        size.bytes += piece.size();
        return size.bytes <= limit;
    };
    // Each run that a file breaks off gives that file as unreadable on the next.
    for (std::size_t run = 0; run <= kCardFileCount; ++run) {
        size = {};
        if (Write(count) || !m_failure) break;
    }
    size.overLimit = size.bytes > limit;
    return size;
}

BoundedFileJson FileJsonWithin(FileSystem& fs, const std::string& folder, CardFileId id,
                               std::uint64_t limit) {
    CardFileStream stream(fs, folder, id);
    if (stream.TimerCount() == 0) return {FileToJson(stream.Head()), false};
    BoundedFileJson out{HeadToJson(stream), false};
    Json& timers = out.value["timers"];
    timers = Json::array();
    std::uint64_t size = 0;
    while (auto timer = stream.Next()) {
        Json value = TimerToJson(*timer, id.kind);
        size += value.dump().size();
        if (size > limit) {
            out.overLimit = true;
            return out;
        }
        timers.push_back(std::move(value));
    }
    if (stream.Failure()) {
        FileImage failed;
        failed.id = id;
        MarkFailed(failed, *stream.Failure());
        out.value = FileToJson(failed);
    }
    return out;
}

}  // namespace core::cardjson
