#include "ui/qt/AboutDialog.h"

#include "core/AboutFlow.h"
#include "core/Layout.h"
#include "ui/qt/Twips.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

void setColour(QWidget* widget, ColourRole colour) {
    QPalette palette = widget->palette();
    switch (colour) {
    case ColourRole::Title:
        palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
        break;
    // Qt knows no desktop colour: the palette's text colour stands for it.
    case ColourRole::Default:
    case ColourRole::Desktop:
        return;
    case ColourRole::Highlight:
        widget->setForegroundRole(QPalette::Highlight);
        return;
    case ColourRole::Shadow:
        palette.setColor(QPalette::Window, QColor(128, 128, 128));
        break;
    case ColourRole::Light:
        palette.setColor(QPalette::Window, QColor(255, 255, 255));
        break;
    }
    widget->setPalette(palette);
}

} // namespace

AboutDialog::AboutDialog(Language language, platform::PlatformServices services, QWidget* parent)
    : QDialog(parent)
    , m_services(services) {
    const WindowLayout& layout = aboutLayout(language);
    setObjectName(text(layout.name));
    setWindowTitle(text(layout.caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    setWindowModality(Qt::ApplicationModal);

    QPushButton* first = nullptr;
    QWidget* previous = nullptr;
    for (const Control& control : layout.controls) {
        const TwipsBox& box = control.box;
        QWidget* widget = nullptr;
        if (control.kind == ControlKind::Line) {
            // A line is as thick as its box is high, in pixels, whatever the twips say.
            widget = new QWidget(this);
            const int x = twipsToPixels(box.left);
            widget->setGeometry(x, twipsToPixels(box.top), twipsToPixels(box.left + box.width) - x,
                                box.height);
            widget->setAutoFillBackground(true);
        } else if (control.kind == ControlKind::Label) {
            auto* label = new QLabel(text(control.text), this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (control.pointSize > 0) {
                QFont font = label->font();
                font.setPointSize(control.pointSize);
                label->setFont(font);
            }
            widget = label;
        } else {
            auto* button = new QPushButton(text(control.text), this);
            if (control.role == ControlRole::Ok) {
                // Default and cancel: Enter and Esc close the dialog as OK does.
                button->setDefault(true);
                connect(button, &QPushButton::clicked, this, &QDialog::accept);
            } else {
                connect(button, &QPushButton::clicked, this, &AboutDialog::StartSysInfo);
            }
            if (previous)
                setTabOrder(previous, button);
            previous = button;
            if (!first)
                first = button;
            widget = button;
        }
        widget->setObjectName(text(control.name));
        if (control.kind != ControlKind::Line)
            widget->setGeometry(twipsRect(box.left, box.top, box.width, box.height));
        setColour(widget, control.colour);
    }
    first->setFocus();
}

void AboutDialog::StartSysInfo() {
    if (::StartSysInfo(m_services.registry, m_services.launcher) == SysInfoOutcome::Started)
        return;
    QMessageBox box(QMessageBox::NoIcon, text(kApplicationTitle), text(kSysInfoUnavailable), QMessageBox::Ok,
                    this);
    box.exec();
}
