#include "pages/overview/TimerTableModel.h"

#include <QCoreApplication>
#include <QStringList>

namespace pages {

namespace {

int Seconds(int hour, int minute, int second) { return hour * 3600 + minute * 60 + second; }

}  // namespace

void TimerTableModel::SetTimers(std::vector<TimerRef> timers) {
    beginResetModel();
    m_timers = std::move(timers);
    endResetModel();
}

int TimerTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_timers.size());
}

int TimerTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TimerTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const TimerRef& ref = Timer(index.row());
    switch (role) {
    case Qt::DisplayRole: return Text(ref, index.column());
    case SortRole: return SortKey(ref, index.column());
    case Qt::ToolTipRole: {
        if (index.column() != Music || ref.timer->musicNames.empty()) return {};
        QStringList names;
        for (const std::u16string& name : ref.timer->musicNames) names << QString::fromStdU16String(name);
        return names.join(QLatin1Char('\n'));
    }
    default: return {};
    }
}

QVariant TimerTableModel::Text(const TimerRef& ref, int column) const {
    const core::TimerRecord& r = ref.timer->record;
    switch (column) {
    case Program: return ProgramFileName(ref.file);
    case Number: return ref.index + 1;
    case Mode: return ModeText(r.mode);
    case Start: return TimeText(r.startHour, r.startMinute, r.startSecond);
    case End: return TimeText(r.endHour, r.endMinute, r.endSecond);
    case Weekdays: return WeekdaysText(r, ref.file.kind == core::CardFileKind::GeneralSchedule);
    case Power: return PowerText(r.power);
    case Zones: return ZonesText(r.zones);
    case Channel: return ChannelText(r);
    case Medium: return MediumText(*ref.timer);
    case Music: return static_cast<int>(ref.timer->musicNames.size());
    default: return {};
    }
}

QVariant TimerTableModel::SortKey(const TimerRef& ref, int column) const {
    const core::TimerRecord& r = ref.timer->record;
    switch (column) {
    // Programs sort in card order, then by timer.
    case Program: return static_cast<qlonglong>(core::CardFileIndex(ref.file)) * 1000 + ref.index;
    case Start: return Seconds(r.startHour, r.startMinute, r.startSecond);
    case End: return Seconds(r.endHour, r.endMinute, r.endSecond);
    case Weekdays: return r.weekdays;
    case Power: return r.power;
    case Zones: return r.zones;
    case Channel: return r.frequency;
    default: return Text(ref, column);
    }
}

QVariant TimerTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const char* const captions[ColumnCount] = {
        QT_TRANSLATE_NOOP("Overview", "程序"),  QT_TRANSLATE_NOOP("Overview", "编号"),
        QT_TRANSLATE_NOOP("Overview", "模式"),  QT_TRANSLATE_NOOP("Overview", "开始"),
        QT_TRANSLATE_NOOP("Overview", "结束"),  QT_TRANSLATE_NOOP("Overview", "星期"),
        QT_TRANSLATE_NOOP("Overview", "电源"),  QT_TRANSLATE_NOOP("Overview", "分区"),
        QT_TRANSLATE_NOOP("Overview", "频率"),  QT_TRANSLATE_NOOP("Overview", "媒体"),
        QT_TRANSLATE_NOOP("Overview", "音乐数")};
    return section >= 0 && section < ColumnCount ? QCoreApplication::translate("Overview", captions[section])
                                                 : QVariant();
}

}  // namespace pages
