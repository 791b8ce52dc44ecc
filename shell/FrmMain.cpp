#include "shell/FrmMain.h"

#include "engine/LoadDict.h"
#include "shell/BarProgress.h"
#include "shell/FormLayout.h"
#include "shell/TextBox.h"
#include "toolkit/BrowserPane.h"
#include "toolkit/ControlHost.h"
#include "toolkit/Events.h"
#include "toolkit/Fonts.h"
#include "toolkit/MessageBox.h"
#include "toolkit/OpenLink.h"
#include "toolkit/Skin.h"
#include "widgets/ProgressBar/ProgressBar.h"
#include "widgets/UserControl1/UserControl1.h"
#include "widgets/lumobutton/lumobutton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <filesystem>
#include <stdexcept>

// Resources of a static library are linked in only when something refers to
// them; this must stand outside any namespace.
static void InitShellResources() {
    Q_INIT_RESOURCE(FrmMain);
    Q_INIT_RESOURCE(icons);
}

namespace rewrix {

namespace {

// The product's name, shown by the product page's pane when the page cannot be loaded.
const QString kProductName = QStringLiteral("Rewrix");

LayoutControl StoredLayout() {
    QFile file(QStringLiteral(":/layout/FrmMain.layout"));
    if (!file.open(QIODevice::ReadOnly))
        throw std::logic_error("the window's stored layout is not compiled in");
    QString why;
    auto layout = ParseFormLayout(QString::fromUtf8(file.readAll()), &why);
    if (!layout)
        throw std::logic_error(("the window's stored layout is damaged: " + why).toStdString());
    return std::move(*layout);
}

// Runs one step of start-up; a step that fails is skipped without a word.
template <typename Step> void Try(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

} // namespace

FrmMain::FrmMain(FrmMainSettings settings)
    : settings_(std::move(settings)),
      programDir_(settings_.programDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                                 : settings_.programDir) {
    InitShellResources();
    InstallFontSubstitutes();
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(CaptionText());
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/icons/rewrix-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    const LayoutControl layout = StoredLayout();
    // The layout gives the client area; nothing in the window follows a change of size.
    setFixedSize(TwipsToPixels(layout.number(QStringLiteral("Width"), 10800)),
                 TwipsToPixels(layout.number(QStringLiteral("Height"), 8055)));
    for (const LayoutControl& child : layout.children)
        Build(child, this);
    BindControls();
    SetTabOrder();
}

FrmMain::~FrmMain() {
    // The controls go before their hosts, which the window's children outlive.
    for (auto& [host, control] : custom_)
        host->setControl(nullptr);
    custom_.clear();
}

QString FrmMain::CaptionText() {
    return QStringLiteral("Rewrix") + QStringLiteral("  ") + QStringLiteral("V1.0") +
           QStringLiteral("   ") + QStringLiteral("Trelune系列营销软件成员") +
           QStringLiteral("   ") + kSiteAddress + QStringLiteral("     ") +
           QStringLiteral("一款永久免费的站长软件！");
}

void FrmMain::Build(const LayoutControl& c, QWidget* container) {
    const QString& kind = c.kind;
    QWidget* window = nullptr;
    if (kind == QLatin1String("Menu")) {
        // Kept hidden: nothing opens it and its items do nothing.
        menu = new QMenu(c.text(QStringLiteral("Caption")), this);
        menu->setObjectName(c.name);
        for (const LayoutControl& item : c.children)
            menu->addAction(item.text(QStringLiteral("Caption")))->setObjectName(item.name);
        return;
    }
    if (kind == QLatin1String("Frame")) {
        window = new QGroupBox(c.text(QStringLiteral("Caption")), container);
    } else if (kind == QLatin1String("CommandButton")) {
        auto* button = new QPushButton(c.text(QStringLiteral("Caption")), container);
        button->setAutoDefault(false);
        window = button;
    } else if (kind == QLatin1String("CheckBox")) {
        auto* box = new QCheckBox(c.text(QStringLiteral("Caption")), container);
        const int value = c.number(QStringLiteral("Value"), 0);
        if (value == 2)
            box->setTristate(true);
        box->setCheckState(value == 1   ? Qt::Checked
                           : value == 2 ? Qt::PartiallyChecked
                                        : Qt::Unchecked);
        window = box;
    } else if (kind == QLatin1String("OptionButton")) {
        // Option buttons in the same container form one group.
        auto* option = new QRadioButton(c.text(QStringLiteral("Caption")), container);
        option->setChecked(c.number(QStringLiteral("Value"), 0) != 0);
        window = option;
    } else if (kind == QLatin1String("TextBox")) {
        auto* box = new TextBox(container);
        box->SetText(c.text(QStringLiteral("Text")));
        box->document()->clearUndoRedoStacks();
        window = box;
    } else if (kind == QLatin1String("WebBrowser")) {
        window = new BrowserPane(container);
    } else if (kind == QLatin1String("UserControl1") || kind == QLatin1String("ProgressBar") ||
               kind == QLatin1String("lumobutton")) {
        window = AddCustomControl(c, container);
    } else {
        throw std::logic_error(
            ("unknown kind of control in the stored layout: " + kind).toStdString());
    }
    window->setObjectName(c.name);
    if (!qobject_cast<ControlHost*>(window))
        window->setGeometry(c.pixelRect());
    windows_.insert(c.name, window);
    names_.append(c.name);
    if (c.tabIndex() >= 0)
        tabStops_.emplace_back(c.tabIndex(), window);
    for (const LayoutControl& child : c.children)
        Build(child, window);
}

ControlHost* FrmMain::AddCustomControl(const LayoutControl& c, QWidget* container) {
    auto* host = new ControlHost(c.name, container);
    const QRect place = c.pixelRect();
    host->move(place.topLeft());
    host->resizeControl(place.width(), place.height());
    std::unique_ptr<OwnerDrawnControl> control;
    if (c.kind == QLatin1String("UserControl1"))
        control = std::make_unique<UserControl1>(*host);
    else if (c.kind == QLatin1String("ProgressBar"))
        control = std::make_unique<ProgressBar>(*host);
    else
        control = std::make_unique<lumobutton>(*host);
    host->setControl(control.get());
    control->LoadProperties(c.storedProperties());
    custom_.emplace_back(host, std::move(control));
    return host;
}

template <typename T> T* FrmMain::Find(const QString& name) const {
    T* found = nullptr;
    if (QWidget* window = windows_.value(name)) {
        if constexpr (std::is_base_of_v<OwnerDrawnControl, T>) {
            if (auto* host = qobject_cast<ControlHost*>(window))
                found = dynamic_cast<T*>(host->control());
        } else {
            found = qobject_cast<T*>(window);
        }
    }
    if (found == nullptr)
        throw std::logic_error(("the stored layout lacks the control " + name).toStdString());
    return found;
}

void FrmMain::BindControls() {
    UserControl11 = Find<UserControl1>(QStringLiteral("UserControl11"));
    Frame2 = Find<QGroupBox>(QStringLiteral("Frame2"));
    lumobutton1 = Find<lumobutton>(QStringLiteral("lumobutton1"));
    CmdDo = Find<QPushButton>(QStringLiteral("CmdDo"));
    Frame = Find<QGroupBox>(QStringLiteral("Frame"));
    Option2 = Find<QRadioButton>(QStringLiteral("Option2"));
    Check1 = Find<QCheckBox>(QStringLiteral("Check1"));
    Option1 = Find<QRadioButton>(QStringLiteral("Option1"));
    TxtContent = Find<TextBox>(QStringLiteral("TxtContent"));
    WebBrowser1 = Find<BrowserPane>(QStringLiteral("WebBrowser1"));
    ProgressBar1 = Find<ProgressBar>(QStringLiteral("ProgressBar1"));
    Frame1 = Find<QGroupBox>(QStringLiteral("Frame1"));
    Option4 = Find<QRadioButton>(QStringLiteral("Option4"));
    Option3 = Find<QRadioButton>(QStringLiteral("Option3"));
    Check3 = Find<QCheckBox>(QStringLiteral("Check3"));
    ProgressBar2 = Find<ProgressBar>(QStringLiteral("ProgressBar2"));
    CmdFt = Find<QPushButton>(QStringLiteral("CmdFt"));
    CmdWyc = Find<QPushButton>(QStringLiteral("CmdWyc"));
    CmdSave = Find<QPushButton>(QStringLiteral("CmdSave"));
    lumobutton2 = Find<lumobutton>(QStringLiteral("lumobutton2"));
    WebBrowser2 = Find<BrowserPane>(QStringLiteral("WebBrowser2"));
    if (menu == nullptr)
        throw std::logic_error("the stored layout lacks the menu");

    WebBrowser1->setFallbackName(kProductName);
    // The editor page shows articles pasted from anywhere: it stays off the network.
    WebBrowser2->setLocalOnly(true);

    plainProgress_ = std::make_unique<BarProgress>(*ProgressBar1);
    richProgress_ = std::make_unique<BarProgress>(*ProgressBar2);

    connect(CmdDo, &QPushButton::clicked, this, &FrmMain::CmdDo_Click);
    connect(CmdWyc, &QPushButton::clicked, this, &FrmMain::CmdWyc_Click);
    connect(CmdFt, &QPushButton::clicked, this, &FrmMain::CmdFt_Click);
    connect(CmdSave, &QPushButton::clicked, this, &FrmMain::CmdSave_Click);
    connect(&lumobutton1->Events(), &lumobuttonEvents::Click, this, &FrmMain::lumobutton1_Click);
    connect(&lumobutton2->Events(), &lumobuttonEvents::Click, this, &FrmMain::lumobutton2_Click);
    UserControl11->Click = [this] { UserControl11_Click(); };
}

void FrmMain::SetTabOrder() {
    std::stable_sort(tabStops_.begin(), tabStops_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    // Qt's own chain follows the order too, for the controls that hold no others; the
    // frames and the panes' inner windows are handled by focusNextPrevChild.
    QWidget* previous = nullptr;
    for (const auto& [index, stop] : tabStops_) {
        if (qobject_cast<QGroupBox*>(stop))
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, stop);
        previous = stop;
    }
}

bool FrmMain::TakesTabFocus(QWidget* stop) const {
    if (!stop->isVisibleTo(this) || !stop->isEnabled())
        return false;
    const QWidget* target = stop->focusProxy() ? stop->focusProxy() : stop;
    return (target->focusPolicy() & Qt::TabFocus) != 0;
}

bool FrmMain::focusNextPrevChild(bool next) {
    if (tabStops_.empty())
        return QWidget::focusNextPrevChild(next);
    // Where the focus is now, as a control of the layout (a pane's inner window counts
    // as the pane).
    int current = -1;
    for (QWidget* w = QApplication::focusWidget(); w != nullptr && current < 0;
         w = w->parentWidget()) {
        for (std::size_t i = 0; i < tabStops_.size(); ++i) {
            if (tabStops_[i].second == w) {
                current = static_cast<int>(i);
                break;
            }
        }
    }
    const int count = static_cast<int>(tabStops_.size());
    for (int step = 1; step <= count; ++step) {
        const int at = current < 0 ? (next ? step - 1 : count - step)
                                   : ((current + (next ? step : -step)) % count + count) % count;
        QWidget* stop = tabStops_[at].second;
        if (TakesTabFocus(stop)) {
            stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

QWidget* FrmMain::controlWindow(const QString& name) const {
    return windows_.value(name);
}

engine::YieldHook FrmMain::YieldToWindow() const {
    if (settings_.yield)
        return settings_.yield;
    return [] { ProcessPendingEvents(); };
}

engine::Progress& FrmMain::PlainPageProgress() {
    return *plainProgress_;
}

engine::Progress& FrmMain::RichPageProgress() {
    return *richProgress_;
}

bool FrmMain::Form_Load() {
    Try([] { SkinH_Attach(); });
    Try([this] { SkinH_AttachEx(programDir_ + QStringLiteral("/skinh.she"), QString()); });
    Try([this] { Frame1->setVisible(false); });
    Try([this] { controlWindow(QStringLiteral("UserControl11"))->setVisible(false); });
    Try([this] { WebBrowser1->Navigate(settings_.productPage.toString()); });
    Try([this] { WebBrowser2->Navigate(programDir_ + QStringLiteral("/edit/index.html")); });
    Try([this] { ProgressBar1->setText(QStringLiteral("等待中...")); });

    const QString dictPath = programDir_ + QStringLiteral("/data/dict.dict");
    // A failing test for the file counts as a missing file.
    if (!QFileInfo(dictPath).isFile()) {
        ShowMessageBox(this, QStringLiteral("词典文件损坏或丢失，请到官网下载完整安装包！"),
                       QStringLiteral("提示"));
        close();
        return false;
    }
    Try([&] {
        dictTable_ =
            engine::LoadDict(std::filesystem::path(QFile::encodeName(dictPath).toStdString()));
    });

    Try([this] {
        QWidget* strip = controlWindow(QStringLiteral("UserControl11"));
        InfoTarget ticker{[strip] { strip->setVisible(true); },
                          [this](const QString& caption) { UserControl11->setCaption(caption); }};
        FetchInfo(ticker, settings_.announcement, settings_.announcementGiveUp);
    });
    return true;
}

void FrmMain::ShowPage(QWidget* shown, QWidget* hidden) {
    hidden->setVisible(false);
    shown->setVisible(true);
    // The page shown always sits at the left edge with the window's width; its top
    // and height stay as they are.
    shown->move(0, shown->y());
    shown->resize(TwipsToPixels(10800), shown->height());
}

void FrmMain::lumobutton1_Click() {
    ShowPage(Frame1, Frame2);
}

void FrmMain::lumobutton2_Click() {
    ShowPage(Frame2, Frame1);
}

void FrmMain::UserControl11_Click() {
    // Only web links are opened: the announcement comes from the network.
    OpenLink(UserControl11->href());
}

} // namespace rewrix
