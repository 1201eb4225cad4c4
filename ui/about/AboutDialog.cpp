#include "ui/about/AboutDialog.h"

#include "platform/GetKeyValue.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <stdexcept>
#include <string>

namespace {

constexpr char kPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kPathValue[] = "PATH";
constexpr char kFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kFolderValue[] = "MSINFO";
constexpr char kProgramFile[] = "\\MSINFO32.EXE";

QRect toPixels(const TwipsBox& box) {
    return twipsRect(box.left, box.top, box.width, box.height);
}

void setTextColour(QLabel* label, TextColour colour) {
    switch (colour) {
    case TextColour::Title: {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        label->setPalette(palette);
        break;
    }
    case TextColour::Highlight:
        label->setForegroundRole(QPalette::Highlight);
        break;
    case TextColour::Text:
    case TextColour::Desktop:
        break;
    }
}

// One line of the etched rule, from twips left to twips right at twips top, thickness in pixels.
void addRuleLine(QWidget* parent, const char* objectName, int left, int right, int top, int thickness,
                 const QColor& colour) {
    auto* line = new QWidget(parent);
    line->setObjectName(QString::fromLatin1(objectName));
    const int x = twipsToPixels(left);
    line->setGeometry(x, twipsToPixels(top), twipsToPixels(right) - x, thickness);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
}

} // namespace

AboutDialog::AboutDialog(Language language, platform::PlatformServices services, QWidget* parent)
    : QDialog(parent)
    , m_layout(aboutLayout(language))
    , m_services(services) {
    setObjectName(QString::fromLatin1(m_layout.objectName));
    setWindowTitle(QString::fromUtf8(m_layout.caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(m_layout.clientWidth), twipsToPixels(m_layout.clientHeight));
    setWindowModality(Qt::ApplicationModal);

    for (const AboutLabel& entry : m_layout.labels) {
        auto* label = new QLabel(QString::fromUtf8(entry.text), this);
        label->setObjectName(QString::fromLatin1(entry.objectName));
        label->setGeometry(toPixels(entry.box));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (entry.pointSize > 0) {
            QFont font = label->font();
            font.setPointSize(entry.pointSize);
            label->setFont(font);
        }
        setTextColour(label, entry.colour);
    }

    // Grey above white: a rule that looks cut into the dialog.
    addRuleLine(this, "Line1_1", 90, 5654, 3285, 1, QColor(128, 128, 128));
    addRuleLine(this, "Line1_0", 105, 5654, 3300, 2, QColor(255, 255, 255));

    auto* ok = new QPushButton(QString::fromUtf8(m_layout.ok.text), this);
    ok->setObjectName(QString::fromLatin1(m_layout.ok.objectName));
    ok->setGeometry(toPixels(m_layout.ok.box));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);

    auto* sysInfo = new QPushButton(QString::fromUtf8(m_layout.sysInfo.text), this);
    sysInfo->setObjectName(QString::fromLatin1(m_layout.sysInfo.objectName));
    sysInfo->setGeometry(toPixels(m_layout.sysInfo.box));
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);

    setTabOrder(ok, sysInfo);
    ok->setFocus();
}

void AboutDialog::cmdOK_Click() {
    accept();
}

void AboutDialog::cmdSysInfo_Click() {
    StartSysInfo();
}

void AboutDialog::StartSysInfo() {
    try {
        if (!startTool())
            showUnavailable();
    } catch (const std::exception&) {
        showUnavailable();
    }
}

// The first location holds the tool's full path, started as it is; the second only its folder, which
// must hold the program file.
bool AboutDialog::startTool() {
    std::string toolPath;
    if (!platform::GetKeyValue(m_services.registry, platform::Registry::kLocalMachine, kPathKey, kPathValue,
                               toolPath)) {
        if (!platform::GetKeyValue(m_services.registry, platform::Registry::kLocalMachine, kFolderKey,
                                   kFolderValue, toolPath))
            return false;
        toolPath += kProgramFile;
        if (!m_services.launcher.isOrdinaryFile(QString::fromLocal8Bit(toolPath)))
            return false;
    }
    // Registry texts are in the system's ANSI code page, which is what local 8-bit means on Windows.
    return m_services.launcher.startProgram(QString::fromLocal8Bit(toolPath));
}

void AboutDialog::showUnavailable() {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                    QString::fromUtf8(m_layout.unavailable), QMessageBox::Ok, this);
    box.exec();
}
