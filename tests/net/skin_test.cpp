#include "toolkit/Skin.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SkinTest : public testing::Test {
protected:
    void TearDown() override { qApp->setStyleSheet(QString()); }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir_;
};

const QByteArray kGoodSheet = "/* a comment header */\nQPushButton { background: #ff0000; }\n";

TEST_F(SkinTest, AppliesASheetToTheApplication) {
    const QString path = Write("skinh.she", kGoodSheet);
    QPushButton button("OK");
    button.resize(80, 24);
    const QImage before = button.grab().toImage();
    EXPECT_TRUE(SkinH_AttachEx(path, QString()));
    EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(kGoodSheet));
    EXPECT_NE(button.grab().toImage(), before);
}

TEST_F(SkinTest, TheShippedSkinIsAcceptedAndInstalledBesideTheProgram) {
    QString why;
    const QString sheet = ReadSkinSheet(REWRIX_SOURCE_DIR "/program/skinh.she", &why);
    ASSERT_FALSE(sheet.isEmpty()) << why.toStdString();
    EXPECT_TRUE(IsValidStyleSheet(sheet));
    EXPECT_TRUE(SkinH_AttachEx(REWRIX_PROGRAM_DIR "/skinh.she", QString()));
    EXPECT_EQ(qApp->styleSheet(), sheet);
}

TEST_F(SkinTest, ABadSkinFileLeavesTheProgramUnskinned) {
    const struct {
        const char* name;
        QString path;
    } cases[] = {
        {"missing", dir_.filePath("nothing-here.she")},
        {"a directory", dir_.path()},
        {"not UTF-8", Write("gbk.she", "/* \xc6\xa4\xb7\xf4 */ QPushButton { color: red; }")},
        {"binary", Write("binary.she", QByteArray("QPushButton {\0\1\2}", 17))},
        {"unparsable", Write("broken.she", "QPushButton { color: red; ")},
        {"too large", Write("large.she", "/*" + QByteArray(kMaxSkinBytes, ' ') + "*/")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(SkinH_AttachEx(c.path, QString()));
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
    }
}

QStringList g_messages;
void Record(QtMsgType, const QMessageLogContext&, const QString& message) {
    g_messages.append(message);
}

TEST_F(SkinTest, TheParserWarningIsCaughtAndOtherMessagesStillFlow) {
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(Record);
    const bool broken = IsValidStyleSheet("QCheckBox { color: ");
    qWarning("after the check");
    qInstallMessageHandler(previous);
    EXPECT_FALSE(broken);
    EXPECT_EQ(g_messages, QStringList{"after the check"});
}

TEST_F(SkinTest, AttachTakesTheSkinBesideTheExecutable) {
    const QString path = QCoreApplication::applicationDirPath() + "/skinh.she";
    QFile::remove(path);
    EXPECT_FALSE(SkinH_Attach());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kGoodSheet);
    file.close();
    EXPECT_TRUE(SkinH_Attach());
    QFile::remove(path);
    EXPECT_EQ(qApp->styleSheet(), QString::fromUtf8(kGoodSheet));
}

} // namespace
