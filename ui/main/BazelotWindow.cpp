#include "ui/main/BazelotWindow.h"

#include "ui/Twips.h"
#include "ui/about/AboutDialog.h"
#include "ui/main/InputCheck.h"
#include "ui/main/UpperCaseLineEdit.h"
#include "ui/main/frmBazelot.h"
#include "ui/main/frmBazelot_rus.h"

#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace {

constexpr int kClientWidth = 4335;
constexpr int kClientHeight = 5715;
constexpr int kStatusTop = 5325;
constexpr std::array<int, 4> kOptionTops{840, 1200, 1560, 1920};
constexpr std::array<BazelotWindow::NumeralSystem, 4> kRadixOfOption{10, 2, 8, 16};

// The two frames hold the same controls; only names, texts and widths differ.
struct FrameLayout {
    const char* frameName;
    int frameTop;
    const char* WindowTexts::*caption;
    const char* boxName;
    const char* optionName;
    std::array<int, 4> WindowTexts::*optionWidths;
};
constexpr std::array<FrameLayout, 2> kFrames{{
    {"fraOutput", 120, &WindowTexts::inputFrame, "txtValue", "optSysInp_%1", &WindowTexts::inputOptionWidths},
    {"Frame1", 2520, &WindowTexts::outputFrame, "txtResult", "optSysOut_%1",
     &WindowTexts::outputOptionWidths},
}};

// Tab enters an option group at its pressed button. Qt keeps the tab stop on the button that had
// focus last, which is the first one of a group never visited.
void makePressedTabStop(const std::array<QRadioButton*, 4>& group) {
    for (QRadioButton* option : group)
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString withoutAccessKey(const char* caption) {
    return text(caption).remove(QLatin1Char('&'));
}

} // namespace

BazelotWindow::BazelotWindow(const WindowTexts& texts, platform::PlatformServices services, QWidget* parent)
    : QMainWindow(parent)
    , m_texts(texts)
    , m_services(services) {
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed dialog frame: the window can be closed but neither resized, minimised nor maximised.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(text(texts.title));
    // The layout is measured for an 8-point face; longer captions would not fit the fixed frames.
    QFont windowFont = font();
    windowFont.setPointSize(8);
    setFont(windowFont);

    buildMenus();
    buildControls();
    buildStatusBar();
    setFixedSize(twipsToPixels(kClientWidth), menuBar()->sizeHint().height() + twipsToPixels(kClientHeight));

    Form_Load();
}

void BazelotWindow::buildMenus() {
    // Inside the window on every desktop, so that the client area is where the layout puts it.
    menuBar()->setNativeMenuBar(false);

    QMenu* mnuFile = menuBar()->addMenu(text(m_texts.menuFile));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* mnuExit = mnuFile->addAction(text(m_texts.menuExit));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, &BazelotWindow::mnuExit_Click);

    QMenu* mnuOptions = menuBar()->addMenu(text(m_texts.menuOptions));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    QMenu* mnuLang = mnuOptions->addMenu(text(m_texts.menuLanguage));
    mnuLang->setObjectName(QStringLiteral("mnuLang"));
    QAction* mnuEnglish = mnuLang->addAction(text(m_texts.menuEnglish));
    mnuEnglish->setObjectName(QStringLiteral("mnuEnglish"));
    QAction* mnuRussian = mnuLang->addAction(text(m_texts.menuRussian));
    mnuRussian->setObjectName(QStringLiteral("mnuRussian"));
    // The item of the window's own language has no action.
    if (m_texts.language != Language::English)
        connect(mnuEnglish, &QAction::triggered, this, &BazelotWindow::mnuEnglish_Click);
    if (m_texts.language != Language::Russian)
        connect(mnuRussian, &QAction::triggered, this, &BazelotWindow::mnuRussian_Click);

    QAction* mnuAbout = menuBar()->addAction(text(m_texts.menuAbout));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &BazelotWindow::mnuAbout_Click);
}

void BazelotWindow::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    std::array<QLineEdit*, 2> boxes{};
    std::array<std::array<QRadioButton*, 4>*, 2> options{&optSysInp, &optSysOut};
    for (std::size_t f = 0; f < kFrames.size(); ++f) {
        const FrameLayout& layout = kFrames[f];
        auto* frame = new QGroupBox(text(m_texts.*layout.caption), client);
        frame->setObjectName(QString::fromLatin1(layout.frameName));
        frame->setGeometry(twipsRect(120, layout.frameTop, 4095, 2295));

        // Only the input box upper-cases what is typed.
        QLineEdit* box = f == 0 ? new UpperCaseLineEdit(frame) : new QLineEdit(frame);
        box->setObjectName(QString::fromLatin1(layout.boxName));
        box->setGeometry(twipsRect(240, 360, 3615, 325));
        box->setAccessibleName(withoutAccessKey(m_texts.*layout.caption));
        boxes[f] = box;

        for (std::size_t i = 0; i < 4; ++i) {
            auto* option = new QRadioButton(text(m_texts.systems[i]), frame);
            option->setObjectName(QString::fromLatin1(layout.optionName).arg(i));
            option->setGeometry(twipsRect(240, kOptionTops[i], (m_texts.*layout.optionWidths)[i], 255));
            (*options[f])[i] = option;
        }
    }
    txtValue = boxes[0];
    txtResult = boxes[1];
    txtValue->setMaxLength(15);
    // Read-only but selectable, so that the result can be copied.
    txtResult->setReadOnly(true);
    optSysInp[0]->setChecked(true);
    optSysOut[1]->setChecked(true);

    cmdCalculate = new QPushButton(text(m_texts.calculate), client);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setGeometry(twipsRect(1440, 4920, 1335, 375));
    cmdCalculate->setToolTip(text(m_texts.calculateTip));
    cmdCalculate->setEnabled(false);

    cmdExit = new QPushButton(text(m_texts.exit), client);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(twipsRect(2880, 4920, 1335, 375));
    cmdExit->setToolTip(text(m_texts.exitTip));

    const std::initializer_list<QWidget*> tabOrder{txtValue,     optSysInp[0], optSysInp[1], optSysInp[2],
                                                   optSysInp[3], txtResult,    optSysOut[0], optSysOut[1],
                                                   optSysOut[2], optSysOut[3], cmdCalculate, cmdExit};
    for (auto it = tabOrder.begin(); it + 1 != tabOrder.end(); ++it)
        setTabOrder(*it, *(it + 1));
    txtValue->setFocus();

    // Connected after the initial state is set: nothing is checked while the window loads. A
    // click, an arrow key and a screen reader's Toggle action all emit toggled; clicked adds a click
    // on the button already pressed. The check is idempotent, so running it twice does no harm.
    for (int i = 0; i < 4; ++i) {
        connect(optSysInp[i], &QRadioButton::toggled, this, [this, i] { optSysInp_Click(i); });
        connect(optSysInp[i], &QRadioButton::clicked, this, [this, i] { optSysInp_Click(i); });
        connect(optSysOut[i], &QRadioButton::toggled, this, [this, i] { optSysOut_Click(i); });
        connect(optSysOut[i], &QRadioButton::clicked, this, [this, i] { optSysOut_Click(i); });
    }
    for (auto* group : {&optSysInp, &optSysOut}) {
        makePressedTabStop(*group);
        for (QRadioButton* option : *group)
            connect(option, &QRadioButton::toggled, this, [group] { makePressedTabStop(*group); });
    }
    connect(txtValue, &QLineEdit::textChanged, this, &BazelotWindow::txtValue_Change);
    connect(cmdCalculate, &QPushButton::clicked, this, &BazelotWindow::cmdCalculate_Click);
    connect(cmdExit, &QPushButton::clicked, this, &BazelotWindow::cmdExit_Click);
}

void BazelotWindow::buildStatusBar() {
    auto* sbrStatus = new QStatusBar(this);
    sbrStatus->setObjectName(QStringLiteral("sbrStatus"));
    sbrStatus->setSizeGripEnabled(false);
    sbrStatus->setFixedHeight(twipsToPixels(kClientHeight) - twipsToPixels(kStatusTop));
    setStatusBar(sbrStatus);
    // Not one of the bar's own items: QStatusBar hides or squeezes those while it shows a temporary
    // message, such as the status tip of a hovered menu item, and the status text must stay readable.
    // The panel spans the whole bar, and the longer Russian messages wrap onto its second line.
    sbrStatus_1 = new QLabel(text(m_texts.ready), sbrStatus);
    sbrStatus_1->setObjectName(QStringLiteral("sbrStatus_1"));
    sbrStatus_1->setGeometry(0, 0, twipsToPixels(kClientWidth), sbrStatus->height());
    sbrStatus_1->setWordWrap(true);
    sbrStatus_1->setIndent(3);
    sbrStatus_1->setAutoFillBackground(true);
    txtValue->setAccessibleDescription(sbrStatus_1->text());
}

void BazelotWindow::Form_Load() {
    m_sInp = 10;
    m_sOut = 2;
}

void BazelotWindow::CheckInput() {
    int selected = -1;
    for (int i = 0; i < 4 && selected < 0; ++i) {
        if (optSysInp[i]->isChecked())
            selected = i;
    }
    const Verdict verdict = checkInput(txtValue->text(), selected, QLocale().decimalPoint());
    switch (verdict) {
    case Verdict::Empty:
        // The status text stays as it was.
        cmdCalculate->setEnabled(false);
        return;
    case Verdict::NoSystem:
        return;
    case Verdict::Accepted:
        setStatusText(m_texts.accepted);
        break;
    case Verdict::NotNumber:
        setStatusText(m_texts.notNumber);
        break;
    case Verdict::NotBinary:
        setStatusText(m_texts.notBinary);
        break;
    case Verdict::NotOctal:
        setStatusText(m_texts.notOctal);
        break;
    case Verdict::NotHexadecimal:
        setStatusText(m_texts.notHexadecimal);
        break;
    }
    cmdCalculate->setEnabled(verdict == Verdict::Accepted);
}

void BazelotWindow::setStatusText(const char* utf8) {
    const QString status = text(utf8);
    // The check runs again on every click; only a change is news for a screen reader.
    if (status == sbrStatus_1->text())
        return;
    // Both report the change to assistive technology: the label as a new name, the input box,
    // which has the focus while the user types, as a new description.
    sbrStatus_1->setText(status);
    txtValue->setAccessibleDescription(status);
}

void BazelotWindow::optSysInp_Click(int index) {
    if (optSysInp[index]->isChecked())
        m_sInp = kRadixOfOption[index];
    CheckInput();
}

void BazelotWindow::optSysOut_Click(int index) {
    if (optSysOut[index]->isChecked())
        m_sOut = kRadixOfOption[index];
    CheckInput();
}

void BazelotWindow::txtValue_Change() {
    CheckInput();
}

void BazelotWindow::cmdCalculate_Click() {
    const auto result = modBazelot::TranslateNumber(
        m_sInp, m_sOut, txtValue->text().toStdString(),
        [this](const std::string& title, const std::string& prompt) { showTranslationError(title, prompt); });
    txtResult->setText(QString::fromStdString(result.value_or(std::string())));
}

void BazelotWindow::showTranslationError(const std::string& title, const std::string& prompt) {
    QString message = QString::fromStdString(prompt);
    message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), message, QMessageBox::Ok, this);
    box.exec();
}

void BazelotWindow::cmdExit_Click() {
    close();
}

void BazelotWindow::mnuExit_Click() {
    QCoreApplication::quit();
}

void BazelotWindow::mnuAbout_Click() {
    AboutDialog dialog(m_texts.language, m_services, this);
    dialog.exec();
}

void BazelotWindow::mnuEnglish_Click() {
    replaceBy(new frmBazelot(m_services));
}

void BazelotWindow::mnuRussian_Click() {
    replaceBy(new frmBazelot_rus(m_services));
}

void BazelotWindow::replaceBy(BazelotWindow* next) {
    // The new window is shown before this one closes, so the program never runs out of windows.
    // Only the place on the screen is kept, so that the window does not jump.
    next->move(pos());
    next->show();
    close();
}
