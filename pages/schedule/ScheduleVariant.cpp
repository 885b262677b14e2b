#include "pages/schedule/ScheduleVariant.h"

#include "pages/Messages.h"

namespace pages {

namespace {

QStringList ProgramNames(int count) {
    static const QStringList all = {
        QStringLiteral("第一组程序"), QStringLiteral("第二组程序"), QStringLiteral("第三组程序"),
        QStringLiteral("第四组程序"), QStringLiteral("第五组程序"), QStringLiteral("第六组程序"),
    };
    return all.mid(0, count);
}

}  // namespace

const ScheduleVariant& GeneralScheduleVariant() {
    static const ScheduleVariant variant{
        129,
        ProgramNames(4),
        {"SCH01.DAT", "SCH02.DAT", "SCH03.DAT", "SCH04.DAT"},
        true,
        0,
        277,
        62, 68, 60,
        MessageText(core::EditorMessage::NoProgramSaveFolder),
        true,
    };
    return variant;
}

const ScheduleVariant& SpecialScheduleVariant() {
    static const ScheduleVariant variant{
        130,
        ProgramNames(6),
        {"SPSCH01.DAT", "SPSCH02.DAT", "SPSCH03.DAT", "SPSCH04.DAT", "SPSCH05.DAT", "SPSCH06.DAT"},
        false,
        2,
        278,
        120, 106, 102,
        MessageText(core::EditorMessage::NoSaveFolder),
        false,
    };
    return variant;
}

}  // namespace pages
