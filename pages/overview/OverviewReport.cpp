#include "pages/overview/OverviewReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "core/text/ProgramNames.h"
#include "pages/overview/WeekView.h"

namespace pages {

namespace {

constexpr int kResolution = 96;  // page units are pixels of a 96 dpi screen
constexpr qreal kLine = 16;
constexpr qreal kWeekHeight = 360;

// Writes lines down the page and starts a new page when the next block does not fit.
class ReportPages {
public:
    explicit ReportPages(QPdfWriter& writer) : m_writer(writer), m_painter(&writer) {
        m_area = QRectF(QPointF(0, 0), QSizeF(writer.width(), writer.height()));
        m_y = m_area.top();
    }

    bool Ok() const { return m_painter.isActive(); }
    QPainter& Painter() { return m_painter; }
    qreal Width() const { return m_area.width(); }

    // Room for `height` more, on a new page when this one is too full. The top of the room.
    qreal Take(qreal height) {
        if (m_y + height > m_area.bottom() && m_y > m_area.top()) {
            m_writer.newPage();
            m_y = m_area.top();
        }
        const qreal top = m_y;
        m_y += height;
        return top;
    }
    void NewPage() {
        if (m_y == m_area.top()) return;
        m_writer.newPage();
        m_y = m_area.top();
    }

    void Heading(const QString& text, int pointSize) {
        QFont font = m_painter.font();
        font.setPointSize(pointSize);
        font.setBold(true);
        m_painter.save();
        m_painter.setFont(font);
        const qreal top = Take(kLine * 2);
        m_painter.drawText(QRectF(0, top, Width(), kLine * 2), Qt::AlignLeft | Qt::AlignVCenter, text);
        m_painter.restore();
    }
    void Line(const QString& text) {
        const qreal top = Take(kLine);
        m_painter.drawText(QRectF(0, top, Width(), kLine), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    // One row of cells at the given left edges.
    void Row(const QStringList& cells, const std::vector<qreal>& lefts, bool bold = false) {
        const qreal top = Take(kLine);
        m_painter.save();
        QFont font = m_painter.font();
        font.setBold(bold);
        m_painter.setFont(font);
        for (qsizetype i = 0; i < cells.size() && i < static_cast<qsizetype>(lefts.size()); ++i) {
            const qreal left = lefts[static_cast<std::size_t>(i)];
            const qreal right = i + 1 < static_cast<qsizetype>(lefts.size())
                                    ? lefts[static_cast<std::size_t>(i) + 1]
                                    : Width();
            m_painter.drawText(QRectF(left, top, right - left - 2, kLine), Qt::AlignLeft | Qt::AlignVCenter,
                               cells[i]);
        }
        m_painter.restore();
    }

private:
    QPdfWriter& m_writer;
    QPainter m_painter;
    QRectF m_area;
    qreal m_y = 0;
};

QString StateText(const core::CardFile& file) {
    switch (file.state) {
    case core::CardFileState::Absent: return QCoreApplication::translate("Overview", "无此文件");
    case core::CardFileState::Read:
        return QCoreApplication::translate("Overview", "%1 个定时").arg(file.timers.size());
    case core::CardFileState::Damaged: return QCoreApplication::translate("Overview", "文件已损坏");
    case core::CardFileState::Busy: return QCoreApplication::translate("Overview", "文件被其他程序占用");
    case core::CardFileState::Unreadable: return QCoreApplication::translate("Overview", "文件无法读取");
    }
    return {};
}

void WriteProgram(ReportPages& pages, const core::Card& card, core::CardFileId id) {
    const core::CardFile& file = card[id];
    pages.Heading(ProgramFileName(id) + QLatin1Char(' ') +
                      QCoreApplication::translate("Program", core::ProgramName(id.program)) +
                      QCoreApplication::translate("Overview", "：") + StateText(file),
                  12);
    if (file.timers.empty()) return;
    const bool weekdays = id.kind == core::CardFileKind::GeneralSchedule;
    const std::vector<qreal> lefts = {0, 40, 110, 180, 250, 320, 400, 470, 560, 630, 690};
    pages.Row(
        {QCoreApplication::translate("Overview", "编号"), QCoreApplication::translate("Overview", "模式"),
         QCoreApplication::translate("Overview", "开始"), QCoreApplication::translate("Overview", "结束"),
         QCoreApplication::translate("Overview", "星期"), QCoreApplication::translate("Overview", "电源"),
         QCoreApplication::translate("Overview", "分区"), QCoreApplication::translate("Overview", "频率"),
         QCoreApplication::translate("Overview", "媒体"), QCoreApplication::translate("Overview", "音乐数")},
        lefts, true);
    std::vector<TimerRef> refs;
    for (std::size_t i = 0; i < file.timers.size(); ++i) {
        const core::TimerData& timer = file.timers[i];
        const core::TimerRecord& r = timer.record;
        refs.push_back({id, static_cast<int>(i), &timer});
        pages.Row(
            {QString::number(i + 1), ModeText(r.mode), TimeText(r.startHour, r.startMinute, r.startSecond),
             TimeText(r.endHour, r.endMinute, r.endSecond), WeekdaysText(r, weekdays), PowerText(r.power),
             ZonesText(r.zones), ChannelText(r), MediumText(timer), QString::number(timer.musicNames.size())},
            lefts);
    }
    const qreal top = pages.Take(kWeekHeight + kLine);
    PaintWeek(pages.Painter(), QRectF(0, top + kLine / 2, pages.Width(), kWeekHeight), refs,
              ProgramColumns(id.kind));
}

// Twelve months down, 31 days across; a day shows the numbers of the lists that hold it.
void WriteDateCalendar(ReportPages& pages, const core::Card& card) {
    pages.Heading(QCoreApplication::translate("Overview", "特殊日期（格中数字为日期表编号）"), 14);
    const int lists = core::ProgramCount(core::CardFileKind::SpecialDates);
    for (int list = 0; list < lists; ++list) {
        const core::CardFile& file = card[{core::CardFileKind::SpecialDates, list}];
        pages.Line(
            QCoreApplication::translate("Overview", "%1：%2")
                .arg(QString::fromStdString(core::CardFileName(core::CardFileKind::SpecialDates, list)),
                     file.state == core::CardFileState::Read
                         ? QCoreApplication::translate("Overview", "%1 个日期").arg(file.dates.size())
                         : StateText(file)));
    }
    const qreal labelWidth = 40;
    const qreal cell = (pages.Width() - labelWidth) / 31;
    const qreal rowHeight = kLine * 1.5;
    QPainter& painter = pages.Painter();
    qreal top = pages.Take(kLine);
    for (int day = 1; day <= 31; ++day) {
        painter.drawText(QRectF(labelWidth + (day - 1) * cell, top, cell, kLine), Qt::AlignCenter,
                         QString::number(day));
    }
    static constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        top = pages.Take(rowHeight);
        painter.drawText(QRectF(0, top, labelWidth, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         QCoreApplication::translate("Overview", "%1月").arg(month));
        for (int day = 1; day <= 31; ++day) {
            const QRectF box(labelWidth + (day - 1) * cell, top, cell, rowHeight);
            if (day > kDaysInMonth[month - 1]) {
                painter.fillRect(box, QColor(220, 220, 220));
                continue;
            }
            QStringList holders;
            for (int list = 0; list < lists; ++list) {
                const core::CardFile& file = card[{core::CardFileKind::SpecialDates, list}];
                const core::SpecialDate date{static_cast<std::uint8_t>(month),
                                             static_cast<std::uint8_t>(day)};
                if (std::find(file.dates.begin(), file.dates.end(), date) != file.dates.end()) {
                    holders << QString::number(list + 1);
                }
            }
            if (!holders.isEmpty()) {
                painter.fillRect(box, holders.size() > 1 ? QColor(240, 150, 150) : QColor(180, 210, 240));
                painter.drawText(box, Qt::AlignCenter, holders.join(QLatin1Char(',')));
            }
            painter.setPen(QColor(160, 160, 160));
            painter.drawRect(box);
            painter.setPen(Qt::black);
        }
    }
}

void WriteFindings(ReportPages& pages, const CardOverview& overview) {
    pages.Heading(QCoreApplication::translate("Overview", "检查结果"), 14);
    if (overview.findings.empty()) pages.Line(QCoreApplication::translate("Overview", "没有发现问题。"));
    for (const core::Finding& finding : overview.findings) {
        pages.Line(SeverityText(finding.severity) + QLatin1Char(' ') + FindingText(finding));
    }
}

}  // namespace

bool WriteReport(const QString& path, const CardOverview& overview) {
    {
        // QPdfWriter says nothing about a file it cannot create: try it first.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly)) return false;
    }
    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    writer.setTitle(QCoreApplication::translate("Overview", "全卡总览报告"));
    ReportPages pages(writer);
    if (!pages.Ok()) return false;
    pages.Heading(QCoreApplication::translate("Overview", "全卡总览报告"), 18);
    pages.Line(QCoreApplication::translate("Overview", "卡文件夹：") +
               QString::fromStdString(overview.folder));
    for (const core::CardFileId& id : ProgramFiles()) WriteProgram(pages, overview.card, id);
    pages.NewPage();
    WriteDateCalendar(pages, overview.card);
    pages.NewPage();
    WriteFindings(pages, overview);
    return pages.Painter().end();
}

}  // namespace pages
