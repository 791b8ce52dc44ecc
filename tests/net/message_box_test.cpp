#include "toolkit/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(MessageBox, ARecorderAnswersAndRecordsEveryBox) {
    {
        ScopedMessageBoxRecorder recorder;
        EXPECT_EQ(ShowMessageBox(nullptr,
                                 QString::fromUtf8("词典文件损坏或丢失，请到官网下载完整安装包！"),
                                 QString::fromUtf8("提示")),
                  QMessageBox::Ok);
        EXPECT_EQ(ShowMessageBox(nullptr, "b", "t", QMessageBox::Warning,
                                 QMessageBox::Yes | QMessageBox::No),
                  QMessageBox::Yes);
        ASSERT_EQ(recorder.Calls().size(), 2);
        const MessageBoxCall& first = recorder.Calls()[0];
        EXPECT_EQ(first.text, QString::fromUtf8("词典文件损坏或丢失，请到官网下载完整安装包！"));
        EXPECT_EQ(first.title, QString::fromUtf8("提示"));
        EXPECT_EQ(first.icon, QMessageBox::Information);
        EXPECT_EQ(first.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        {
            ScopedMessageBoxRecorder inner;
            ShowMessageBox(nullptr, "c", "t");
            EXPECT_EQ(inner.Calls().size(), 1);
        }
        ShowMessageBox(nullptr, "d", "t");
        EXPECT_EQ(recorder.Calls().size(), 3);
    }
    // With the recorder gone the real box is back: a custom hook sees it.
    int seen = 0;
    SetMessageBoxHook([&](const MessageBoxCall&) {
        ++seen;
        return QMessageBox::Ok;
    });
    ShowMessageBox(nullptr, "e", "t");
    SetMessageBoxHook({});
    EXPECT_EQ(seen, 1);
}

// Without a hook the box is a real modal one; the timer plays the user.
QMessageBox::StandardButton AnswerRealBox(bool byEscape, MessageBoxCall* seen) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        *seen = {box->text(), box->windowTitle(), box->icon(), box->standardButtons()};
        if (byEscape)
            box->reject();
        else
            box->button(QMessageBox::Ok)->click();
    });
    return ShowMessageBox(nullptr, QString::fromUtf8("已成功将文件保存到当前目录下"),
                          QString::fromUtf8("成功提示"));
}

TEST(MessageBox, TheRealBoxShowsTheTitleTextIconAndOk) {
    for (bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape);
        MessageBoxCall seen;
        EXPECT_EQ(AnswerRealBox(byEscape, &seen), QMessageBox::Ok);
        EXPECT_EQ(seen.text, QString::fromUtf8("已成功将文件保存到当前目录下"));
        EXPECT_EQ(seen.title, QString::fromUtf8("成功提示"));
        EXPECT_EQ(seen.icon, QMessageBox::Information);
        EXPECT_EQ(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

} // namespace
