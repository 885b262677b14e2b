#include "pages/Messages.h"

#include <QCoreApplication>

#include <string>

#include "core/text/HistoryTexts.h"

namespace pages {

QString MessageText(core::EditorMessage message) {
    switch (message) {
    case core::EditorMessage::NoSaveFolder:
        return QCoreApplication::translate("Messages", "请先设置定时程序保存路径！！");
    case core::EditorMessage::NoProgramSaveFolder:
        return QCoreApplication::translate("Messages", "请先设置程序保存路径！！");
    case core::EditorMessage::Saved: return QCoreApplication::translate("Messages", "保存成功！");
    case core::EditorMessage::RepeatedStartTime:
        return QCoreApplication::translate("Messages", "开始时间有重复！！");
    case core::EditorMessage::ProgramFull:
        return QCoreApplication::translate("Messages", "每组程序最多只能保存512个定时！");
    case core::EditorMessage::TooManyMusicFiles:
        return QCoreApplication::translate("Messages", "每个定时最多只能有65535个音乐文件！");
    case core::EditorMessage::MusicNameTooLong:
        return QCoreApplication::translate("Messages", "音乐文件名太长，最多只能有260个字符！");
    case core::EditorMessage::TimerChanged:
        return QCoreApplication::translate("Messages", "该定时已被其他程序修改，已重新读取。");
    }
    return {};
}

QString NoHistoryCopyMessage() { return QCoreApplication::translate("History", core::NoHistoryCopyText()); }

namespace {

QString HistoryText(std::string_view key) {
    return QCoreApplication::translate("History", std::string(core::HistoryWord(key)).c_str());
}

// "<sentence><file>、<file>...", the files in the separator of the window's language.
QString Sentence(std::string_view key, const std::vector<std::string>& files) {
    QStringList names;
    for (const std::string& file : files) names << QString::fromStdString(file);
    return HistoryText(key) + names.join(HistoryText("plan.separator"));
}

}  // namespace

QStringList SettlementMessages(const std::vector<core::history::PlanSettlement>& settled) {
    QStringList messages;
    for (const auto& settlement : settled) {
        QString text = Sentence(core::history::SettlementKey(settlement.outcome), settlement.files);
        if (!settlement.left.empty()) text += QLatin1Char('\n') + Sentence("plan.left", settlement.left);
        messages << text;
    }
    return messages;
}

}  // namespace pages
