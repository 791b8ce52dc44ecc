// The commands of the two pages: rewriting, converting and saving.

#include "shell/FrmMain.h"

#include "engine/RewriteChain.h"
#include "engine/ToTraditional.h"
#include "shell/EditorBridge.h"
#include "shell/ResultFile.h"
#include "shell/TextBox.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/MessageBox.h"
#include "widgets/ProgressBar/ProgressBar.h"

#include <QCheckBox>
#include <QRadioButton>

namespace rewrix {

namespace {

// The page's option buttons form one group; were both ever selected, the
// sentence option would win, as it is looked at last.
engine::Separator ChosenSeparator(const QRadioButton& paragraph, const QRadioButton& sentence) {
    engine::Separator separator = engine::Separator::None;
    if (paragraph.isChecked())
        separator = engine::Separator::Paragraph;
    if (sentence.isChecked())
        separator = engine::Separator::Sentence;
    return separator;
}

// A greyed box is not ticked.
bool Ticked(const QCheckBox& box) {
    return box.checkState() == Qt::Checked;
}

void ShowFailure(QWidget* parent, const QString& why) {
    ShowMessageBox(parent, why, QStringLiteral("提示"), QMessageBox::Warning);
}

} // namespace

void FrmMain::CmdDo_Click() {
    const std::optional<std::u16string> result = engine::RewriteChain(
        TxtContent->Text().toStdU16String(), ChosenSeparator(*Option1, *Option2), Ticked(*Check1),
        dictTable_, PlainPageProgress(), YieldToWindow());
    if (!result)
        return;
    // One undoable step: Ctrl+Z brings the article back as it was.
    TxtContent->SetText(QString::fromStdU16String(*result));
    ProgressBar1->setText(QStringLiteral("伪原创处理完成！"));
}

void FrmMain::CmdWyc_Click() {
    EditorBridge bridge(*WebBrowser2);
    try {
        const std::optional<std::u16string> result = engine::RewriteChain(
            bridge.GetEditorHtml().toStdU16String(), ChosenSeparator(*Option3, *Option4),
            Ticked(*Check3), dictTable_, RichPageProgress(), YieldToWindow());
        if (!result)
            return;
        bridge.SetEditorHtml(QString::fromStdU16String(*result));
    } catch (const EditorAccessError& error) {
        // The article stays as it was; the bar keeps what it showed last.
        ShowFailure(this, error.message());
        return;
    }
    ProgressBar2->setText(QStringLiteral("伪原创处理完成完成！"));
}

void FrmMain::CmdFt_Click() {
    EditorBridge bridge(*WebBrowser2);
    try {
        bridge.SetEditorHtml(QString::fromStdU16String(
            engine::ToTraditional(bridge.GetEditorHtml().toStdU16String())));
    } catch (const EditorAccessError& error) {
        ShowFailure(this, error.message());
        return;
    }
    ProgressBar2->setText(QStringLiteral("转换成繁体成功！"));
}

void FrmMain::CmdSave_Click() {
    QString html;
    try {
        html = EditorBridge(*WebBrowser2).GetEditorHtml();
    } catch (const EditorAccessError& error) {
        ShowFailure(this, error.message() + QStringLiteral("\n文件没有保存。"));
        return;
    }
    const QString why = WriteResultFile(programDir_, html);
    if (!why.isEmpty()) {
        ShowFailure(this, why);
        return;
    }
    ShowMessageBox(this, QStringLiteral("已成功将文件保存到当前目录下"),
                   QStringLiteral("成功提示"));
}

} // namespace rewrix
