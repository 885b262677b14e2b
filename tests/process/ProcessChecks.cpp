#include "ProcessChecks.h"

#include "Labelled.h"
#include "core/card/CardReader.h"

namespace proctest {

core::CardFile ReadProgramFile(const std::string& folder) {
    return core::ReadCard(core::SystemFileSystem(), folder)[{core::CardFileKind::GeneralSchedule, 0}];
}

std::map<std::string, int> LabelsIn(const core::CardFile& file) {
    std::map<std::string, int> labels;
    for (const core::TimerData& timer : file.timers) {
        const auto label = LabelOf(timer.record, timer.musicNames);
        if (label) {
            labels[label->Name()] = label->version;
        } else {
            ++labels["?"];
        }
    }
    return labels;
}

}  // namespace proctest
