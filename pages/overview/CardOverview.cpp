#include "pages/overview/CardOverview.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "core/card/CardReader.h"
#include "core/check/CardCheck.h"
#include "core/check/FolderNames.h"
#include "core/text/ProgramNames.h"

namespace pages {

CardOverview LoadCardOverview(core::FileSystem& fs, const std::string& folder) {
    CardOverview overview;
    overview.folder = folder;
    overview.card = core::ReadCard(fs, folder);
    const auto names = fs.ListFolder(folder);
    if (!names.ok() && names.error()) overview.listFailure = *names.error();
    overview.findings =
        core::CheckCard(overview.card, names.ok() ? core::FolderNames(*names) : core::FolderNames());
    return overview;
}

std::vector<TimerRef> AllTimers(const core::Card& card) {
    std::vector<TimerRef> refs;
    for (const core::CardFile& file : card.files) {
        for (std::size_t i = 0; i < file.timers.size(); ++i) {
            refs.push_back({file.id, static_cast<int>(i), &file.timers[i]});
        }
    }
    return refs;
}

std::vector<TimerRef> ProgramTimers(const core::Card& card, core::CardFileId file) {
    std::vector<TimerRef> refs;
    const core::CardFile& f = card[file];
    for (std::size_t i = 0; i < f.timers.size(); ++i)
        refs.push_back({file, static_cast<int>(i), &f.timers[i]});
    return refs;
}

QString ProgramFileName(core::CardFileId file) {
    return QString::fromStdString(core::CardFileName(file.kind, file.program));
}

QString ModeText(std::uint16_t mode) {
    switch (mode) {
    case core::kMusicTimer: return QCoreApplication::translate("Overview", "音乐定时");
    case core::kRadioTimer: return QCoreApplication::translate("Overview", "收音定时");
    case core::kPowerTimer: return QCoreApplication::translate("Overview", "电源定时");
    default: return QCoreApplication::translate("Overview", "未知(%1)").arg(mode);
    }
}

QString TimeText(int hour, int minute, int second) {
    return QStringLiteral("%1:%2:%3")
        .arg(hour, 2, 10, QLatin1Char('0'))
        .arg(minute, 2, 10, QLatin1Char('0'))
        .arg(second, 2, 10, QLatin1Char('0'));
}

QString WeekdaysText(const core::TimerRecord& record, bool weekdays) {
    if (!weekdays) return QStringLiteral("—");
    // Bit 0 is Sunday; the list reads Monday first, as a calendar week does.
    static const char* const names[] = {
        QT_TRANSLATE_NOOP("Overview", "日"), QT_TRANSLATE_NOOP("Overview", "一"),
        QT_TRANSLATE_NOOP("Overview", "二"), QT_TRANSLATE_NOOP("Overview", "三"),
        QT_TRANSLATE_NOOP("Overview", "四"), QT_TRANSLATE_NOOP("Overview", "五"),
        QT_TRANSLATE_NOOP("Overview", "六")};
    QStringList days;
    for (int day : {1, 2, 3, 4, 5, 6, 0}) {
        if (record.weekdays & (1u << day)) days << QCoreApplication::translate("Overview", names[day]);
    }
    // One-character names read as one word ("一二三"); longer ones need a space between them.
    const bool oneCharacter =
        std::all_of(days.begin(), days.end(), [](const QString& d) { return d.size() == 1; });
    const QString text = days.join(oneCharacter ? QString() : QStringLiteral(" "));
    return text.isEmpty() ? QCoreApplication::translate("Overview", "无") : text;
}

QString PowerText(std::uint32_t power) {
    QStringList parts;
    const std::pair<std::uint32_t, const char*> bits[] = {
        {core::kPower1, "1"},
        {core::kPower2, "2"},
        {core::kPower3, "3"},
        {core::kExtensionPower, QT_TRANSLATE_NOOP("Overview", "外扩")},
        {core::kHoldPower, QT_TRANSLATE_NOOP("Overview", "保持")}};
    for (const auto& [bit, name] : bits) {
        if (power & bit) parts << QCoreApplication::translate("Overview", name);
    }
    return parts.join(QLatin1Char(' '));
}

QString ZonesText(std::uint32_t zones) {
    if ((zones & core::kAllZones) == core::kAllZones) return QCoreApplication::translate("Overview", "全部");
    QStringList parts;
    for (int zone = 0; zone < 16; ++zone) {
        if (zones & (1u << zone)) parts << QString::number(zone + 1);
    }
    return parts.join(QLatin1Char(','));
}

QString ChannelText(const core::TimerRecord& record) {
    if (record.mode != core::kRadioTimer) return {};
    return QStringLiteral("%1.%2MHz").arg(record.frequency / 100).arg(record.frequency / 10 % 10);
}

QString MediumText(const core::TimerData& timer) {
    if (timer.record.mode != core::kMusicTimer) return {};
    return timer.source == core::MusicSource::External ? QCoreApplication::translate("Overview", "外置SD卡")
                                                       : QCoreApplication::translate("Overview", "内存");
}

QString TimerLine(const TimerRef& ref) {
    const core::TimerRecord& r = ref.timer->record;
    return QCoreApplication::translate("Overview", "%1 定时 %2 %3 %4-%5")
        .arg(ProgramFileName(ref.file))
        .arg(ref.index + 1)
        .arg(ModeText(r.mode), TimeText(r.startHour, r.startMinute, r.startSecond),
             TimeText(r.endHour, r.endMinute, r.endSecond));
}

}  // namespace pages

namespace pages {

QString FindingText(const core::Finding& finding) {
    QString where = QString::fromStdString(finding.file);
    if (finding.timer) where += QCoreApplication::translate("Overview", " 定时 %1").arg(*finding.timer);
    if (finding.other) where += QCoreApplication::translate("Overview", "、%1").arg(*finding.other);
    if (finding.date) where += QLatin1Char(' ') + QString::fromStdString(core::DateText(*finding.date));
    if (finding.otherFile)
        where += QCoreApplication::translate("Overview", "、") + QString::fromStdString(*finding.otherFile);
    return where + QCoreApplication::translate("Overview", "：") +
           QCoreApplication::translate("Finding", finding.message);
}

QString SeverityText(core::Severity severity) {
    switch (severity) {
    case core::Severity::Error: return QCoreApplication::translate("Overview", "错误");
    case core::Severity::Warning: return QCoreApplication::translate("Overview", "警告");
    case core::Severity::Note: return QCoreApplication::translate("Overview", "提示");
    }
    return {};
}

std::optional<core::CardFileId> CardFileNamed(const std::string& name) {
    for (const core::CardFileId& id : core::AllCardFiles()) {
        if (core::CardFileName(id.kind, id.program) == name) return id;
    }
    return std::nullopt;
}

std::vector<core::CardFileId> ProgramFiles() {
    std::vector<core::CardFileId> files;
    for (const core::CardFileId& id : core::AllCardFiles()) {
        if (core::HoldsTimers(id.kind)) files.push_back(id);
    }
    return files;
}

QStringList ProgramFileItems() {
    QStringList items;
    for (const core::CardFileId& id : ProgramFiles()) {
        items << ProgramFileName(id) + QLatin1Char(' ') +
                     QCoreApplication::translate("Program", core::ProgramName(id.program));
    }
    return items;
}

}  // namespace pages
