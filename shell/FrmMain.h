#pragma once

#include "engine/DictTable.h"
#include "engine/Progress.h"
#include "engine/YieldHook.h"
#include "shell/FetchInfo.h"
#include "shell/SiteAddress.h"

#include <QHash>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <chrono>
#include <memory>
#include <vector>

class QCheckBox;
class QGroupBox;
class QMenu;
class QPushButton;
class QRadioButton;

namespace rewrix {

class BarProgress;
class BrowserPane;
class ControlHost;
class OwnerDrawnControl;
class ProgressBar;
class TextBox;
class UserControl1;
class lumobutton;
struct LayoutControl;

// Where the window finds its files and what it loads from the network. The
// program uses the defaults; tests point them elsewhere.
struct FrmMainSettings {
    // The program's directory; empty means the directory of the executable.
    QString programDir;
    QUrl productPage = ProductPageAddress();
    QUrl announcement = AnnouncementAddress();
    std::chrono::milliseconds announcementGiveUp = kFetchInfoGiveUp;
    // What the commands call at the engine's yield points; empty means the
    // window handles its pending events once. Tests put their own here.
    engine::YieldHook yield;
};

// The program's only window: two pages in the same place, of which one is
// shown at a time (the plain page Frame2, the rich page Frame1), the
// announcement ticker below them and a menu that is never shown. Its controls
// are made from the stored layout compiled into the program and are reached
// by their names.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(FrmMainSettings settings = {});
    ~FrmMain() override;

    // Start-up, to be run once before the window is first shown. Returns false
    // when the program must end instead (the dictionary is missing; the user
    // has been told).
    bool Form_Load();

    // The window's caption, with our site's address.
    static QString CaptionText();

    const QString& programDir() const { return programDir_; }
    const engine::DictTable& DictTable() const { return dictTable_; }
    // What the engine calls at its yield points: the window handles its
    // pending events once.
    engine::YieldHook YieldToWindow() const;
    // The progress bars of the plain and the rich page, as the engine sees them.
    engine::Progress& PlainPageProgress();
    engine::Progress& RichPageProgress();

    // The window of a control of the layout by its name, or null.
    QWidget* controlWindow(const QString& name) const;
    // The names of the layout's controls in the order they were created.
    const QStringList& controlNames() const { return names_; }

    // Handlers (the commands are in FrmMainCommands.cpp).
    void CmdDo_Click();
    void CmdWyc_Click();
    void CmdFt_Click();
    void CmdSave_Click();
    void lumobutton1_Click();
    void lumobutton2_Click();
    void UserControl11_Click();

    // The controls, named as in the layout.
    UserControl1* UserControl11 = nullptr;
    QGroupBox* Frame2 = nullptr;
    lumobutton* lumobutton1 = nullptr;
    QPushButton* CmdDo = nullptr;
    QGroupBox* Frame = nullptr;
    QRadioButton* Option2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QRadioButton* Option1 = nullptr;
    TextBox* TxtContent = nullptr;
    BrowserPane* WebBrowser1 = nullptr;
    ProgressBar* ProgressBar1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QRadioButton* Option4 = nullptr;
    QRadioButton* Option3 = nullptr;
    QCheckBox* Check3 = nullptr;
    ProgressBar* ProgressBar2 = nullptr;
    QPushButton* CmdFt = nullptr;
    QPushButton* CmdWyc = nullptr;
    QPushButton* CmdSave = nullptr;
    lumobutton* lumobutton2 = nullptr;
    BrowserPane* WebBrowser2 = nullptr;
    QMenu* menu = nullptr;

protected:
    // Tab and Shift+Tab move the focus along the tab order of the layout.
    bool focusNextPrevChild(bool next) override;

private:
    void Build(const LayoutControl& control, QWidget* container);
    ControlHost* AddCustomControl(const LayoutControl& control, QWidget* container);
    void BindControls();
    void SetTabOrder();
    bool TakesTabFocus(QWidget* stop) const;
    void ShowPage(QWidget* shown, QWidget* hidden);
    template <typename T> T* Find(const QString& name) const;

    FrmMainSettings settings_;
    QString programDir_;
    engine::DictTable dictTable_;
    QHash<QString, QWidget*> windows_;
    QStringList names_;
    std::vector<std::pair<int, QWidget*>> tabStops_;
    // The owner-drawn controls, each carried by its ControlHost.
    std::vector<std::pair<ControlHost*, std::unique_ptr<OwnerDrawnControl>>> custom_;
    std::unique_ptr<BarProgress> plainProgress_;
    std::unique_ptr<BarProgress> richProgress_;
};

} // namespace rewrix
