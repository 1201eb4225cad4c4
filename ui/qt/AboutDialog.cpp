#include "ui/qt/AboutDialog.h"

#include "ui/qt/CoreAnswers.h"
#include "ui/qt/Twips.h"

#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(Language language, platform::PlatformServices services, QWidget* parent)
    : QDialog(parent)
    , m_model(language, services) {
    const WindowLayout& layout = m_model.layout();
    setObjectName(qText(layout.name));
    setWindowTitle(qText(layout.caption));
    setAccessibleName(qText(layout.accessibleName));
    applyFont(this, layout.font);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    keepFixedSize(this);
    setWindowModality(Qt::ApplicationModal);

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
        } else if (control.kind == ControlKind::Label) {
            auto* label = new QLabel(qText(control.text), this);
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
            auto* button = new QPushButton(qText(control.text), this);
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
            widget = button;
        }
        widget->setObjectName(qText(control.name));
        if (control.kind != ControlKind::Line) {
            widget->setGeometry(twipsRect(box.left, box.top, box.width, box.height));
            widget->setAccessibleName(qText(spokenName(control)));
            widget->setAccessibleDescription(qText(control.accessibleDescription));
        }
        applyColour(widget, control.colour, control.kind == ControlKind::Line);
    }
    focusControl(this, m_model.focus().first());
    followFocus(this, m_model.focus());
}

void AboutDialog::StartSysInfo() {
    if (const std::optional<Message> box = m_model.cmdSysInfo_Click())
        showMessage(this, *box);
    focusControl(this, m_model.focus().last());
}
