#include "shell/ResultFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp936.h"

#include <QFile>

#include <filesystem>

namespace rewrix {

namespace {

platform::FileOps*& CurrentOps() {
    static platform::FileOps* ops = &platform::FileOps::System();
    return ops;
}

} // namespace

QString ResultFilePath(const QString& programDir) {
    return programDir + QStringLiteral("/已处理文本.txt");
}

std::string ResultFileBytes(const QString& html) {
    return platform::EncodeCp936WithGb18030(html.toStdU16String()) + "\r\n";
}

QString WriteResultFile(const QString& programDir, const QString& html) {
    const QString path = ResultFilePath(programDir);
    const std::string why =
        platform::WriteFileAtomically(std::filesystem::path(QFile::encodeName(path).toStdString()),
                                      ResultFileBytes(html), *CurrentOps());
    if (why.empty())
        return {};
    return QStringLiteral("无法保存文件“%1”：%2").arg(path, QString::fromStdString(why));
}

ScopedResultFileOps::ScopedResultFileOps(platform::FileOps& ops) : previous_(CurrentOps()) {
    CurrentOps() = &ops;
}

ScopedResultFileOps::~ScopedResultFileOps() {
    CurrentOps() = previous_;
}

} // namespace rewrix
