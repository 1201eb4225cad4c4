#include "core/Layout.h"
#include "tests/platform/FakeLauncher.h"
#include "tests/platform/FakeRegistry.h"
#include "tests/ui/qt/ModalBoxCloser.h"
#include "ui/qt/AboutDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <memory>

Q_DECLARE_METATYPE(Language)

namespace {

// The expected geometry, converted here on its own: each edge to the nearest of 15 twips a pixel.
QRect fromTwips(int left, int top, int width, int height) {
    const auto pixels = [](int twips) {
        return qRound(twips / 15.0);
    };
    return QRect(QPoint(pixels(left), pixels(top)),
                 QPoint(pixels(left + width) - 1, pixels(top + height) - 1));
}

// A dialog of one language with services that find nothing, so the system-information button always
// ends in the unavailable box.
struct Fixture {
    explicit Fixture(Language language) {
        if (language == Language::Russian)
            dialog = std::make_unique<frmAbout>(platform::PlatformServices{registry, launcher});
        else
            dialog = std::make_unique<frmAbout1>(platform::PlatformServices{registry, launcher});
    }

    template <typename T = QWidget>
    T* child(const char* name) const {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }

    FakeRegistry registry;
    FakeLauncher launcher;
    std::unique_ptr<AboutDialog> dialog;
};

void addLanguageColumn() {
    QTest::addColumn<Language>("language");
}

void addLanguageRows() {
    QTest::newRow("frmAbout") << Language::Russian;
    QTest::newRow("frmAbout1") << Language::English;
}

} // namespace

class tst_AboutDialog : public QObject {
    Q_OBJECT

private slots:
    void window_data();
    void window();
    void geometry_data();
    void geometry();
    void texts_data();
    void texts();
    void textsFit_data() { window_data(); }
    void textsFit();
    void opensWithFocusOnOk_data() { window_data(); }
    void opensWithFocusOnOk();
    void closesModally_data();
    void closesModally();
    void sysInfoKeepsDialogOpen_data();
    void sysInfoKeepsDialogOpen();
    void screenshot_data() { window_data(); }
    void screenshot();
};

void tst_AboutDialog::window_data() {
    addLanguageColumn();
    addLanguageRows();
}

void tst_AboutDialog::window() {
    QFETCH(Language, language);
    const Fixture f(language);
    const bool russian = language == Language::Russian;

    QCOMPARE(f.dialog->objectName(), QString::fromLatin1(russian ? "frmAbout" : "frmAbout1"));
    QCOMPARE(f.dialog->windowTitle(),
             russian ? QStringLiteral("О_программе") : QStringLiteral("About_program"));
    const QSize client = russian ? QSize(5955, 5025) : QSize(6015, 5085);
    const QSize pixels = fromTwips(0, 0, client.width(), client.height()).size();
    QCOMPARE(f.dialog->minimumSize(), pixels);
    QCOMPARE(f.dialog->maximumSize(), pixels);
    const Qt::WindowFlags flags = f.dialog->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    f.dialog->show();
    f.dialog->windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_COMPARE(f.dialog->windowHandle()->windowStates(), Qt::WindowNoState);
    QTRY_COMPARE(f.dialog->size(), pixels);
    QCOMPARE(f.dialog->maximumSize(), pixels);
    f.dialog->hide();
    QCOMPARE(f.dialog->windowModality(), Qt::ApplicationModal);

    const auto* title = f.child<QLabel>(russian ? "lblTitle" : "Label1");
    QVERIFY(title);
    QCOMPARE(title->font().pointSize(), 18);
    QCOMPARE(title->palette().color(title->foregroundRole()), QColor(255, 0, 0));
    QCOMPARE(f.child<QLabel>("lblDescription")->font().pointSize(), 12);
    QCOMPARE(f.child<QLabel>("lblDisclaimer")->font(), f.dialog->font());
    QCOMPARE(f.child<QLabel>("Label2")->foregroundRole(),
             russian ? QPalette::WindowText : QPalette::Highlight);
    QVERIFY(f.child<QPushButton>("cmdOK")->isDefault());
    QVERIFY(!f.child<QPushButton>("cmdSysInfo")->isDefault());

    // What a screen reader reads, in its order: the core's spoken names, title first, buttons last.
    const WindowLayout& layout = aboutLayout(language);
    QCOMPARE(f.dialog->accessibleName(), QString::fromUtf8(layout.accessibleName));
    QStringList read;
    for (QObject* child : f.dialog->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->accessibleName().isEmpty())
            read << widget->accessibleName();
    }
    QStringList spoken;
    for (const Control& control : layout.controls) {
        if (control.kind != ControlKind::Line)
            spoken << QString::fromStdString(spokenName(control));
    }
    QCOMPARE(read, spoken);
    QCOMPARE(read.last(), russian ? QStringLiteral("О системе") : QStringLiteral("System Info"));
}

void tst_AboutDialog::geometry_data() {
    addLanguageColumn();
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");

    const auto row = [](Language language, const char* name, QRect expected) {
        QTest::addRow("%s %s", language == Language::Russian ? "frmAbout" : "frmAbout1", name)
            << language << QString::fromLatin1(name) << expected;
    };
    constexpr auto ru = Language::Russian;
    row(ru, "lblTitle", fromTwips(240, 120, 5475, 840));
    row(ru, "lblDescription", fromTwips(240, 1200, 5325, 1890));
    row(ru, "lblDisclaimer", fromTwips(240, 3480, 3255, 585));
    row(ru, "cmdOK", fromTwips(3840, 3465, 1860, 585));
    row(ru, "cmdSysInfo", fromTwips(3840, 4200, 1845, 585));
    row(ru, "Label2", fromTwips(240, 4320, 3375, 375));
    constexpr auto en = Language::English;
    row(en, "Label1", fromTwips(240, 240, 5445, 840));
    row(en, "lblDescription", fromTwips(240, 1320, 5445, 1650));
    row(en, "lblDisclaimer", fromTwips(255, 3465, 3630, 585));
    row(en, "cmdOK", fromTwips(4320, 3465, 1500, 585));
    row(en, "cmdSysInfo", fromTwips(4260, 4320, 1485, 585));
    row(en, "Label2", fromTwips(360, 4320, 3855, 495));
    // The etched rule: grey from (90, 3285) to (5654, 3285), white and 2 pixels from (105, 3300).
    for (Language language : {ru, en}) {
        row(language, "Line1_1", QRect(fromTwips(90, 3285, 5654 - 90, 0).topLeft(), QSize(377 - 6, 1)));
        row(language, "Line1_0", QRect(fromTwips(105, 3300, 5654 - 105, 0).topLeft(), QSize(377 - 7, 2)));
    }
}

void tst_AboutDialog::geometry() {
    QFETCH(Language, language);
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    const Fixture f(language);
    const QWidget* widget = f.child(name.toLatin1().constData());
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), expected);
}

void tst_AboutDialog::texts_data() {
    addLanguageColumn();
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("sysInfo");

    QTest::newRow("frmAbout") << Language::Russian << QStringLiteral("Кварзел систем счисления  v 2.0")
                              << QStringLiteral("&О_системе");
    QTest::newRow("frmAbout1") << Language::English << QStringLiteral("Bazelot of calculating systems v 2.0")
                               << QStringLiteral("&System Info...");
}

void tst_AboutDialog::texts() {
    QFETCH(Language, language);
    QFETCH(QString, title);
    QFETCH(QString, sysInfo);
    const Fixture f(language);
    const bool russian = language == Language::Russian;

    QCOMPARE(f.child<QLabel>(russian ? "lblTitle" : "Label1")->text(), title);
    QCOMPARE(f.child<QPushButton>("cmdOK")->text(), QStringLiteral("OK"));
    QCOMPARE(f.child<QPushButton>("cmdSysInfo")->text(), sysInfo);
    // Our own wording: it is there, in the dialog's language, and credits the Bazelot developers.
    for (const char* name : {"lblDescription", "lblDisclaimer", "Label2"}) {
        const QString text = f.child<QLabel>(name)->text();
        QVERIFY2(!text.isEmpty(), name);
        const bool cyrillic = std::any_of(text.begin(), text.end(),
                                          [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
        QVERIFY2(cyrillic == russian, name);
    }
    QVERIFY(f.child<QLabel>("lblDescription")->text().contains(QStringLiteral("Bazelot")));
    QVERIFY(f.child<QLabel>("lblDisclaimer")->text().contains(QStringLiteral("Bazelot")));
}

// With the fonts at hand, no label needs more lines than its box holds and no caption is wider than its
// button.
void tst_AboutDialog::textsFit() {
    QFETCH(Language, language);
    const Fixture f(language);
    for (const QLabel* label : f.dialog->findChildren<QLabel*>())
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(label->objectName()));
    for (const QPushButton* button : f.dialog->findChildren<QPushButton*>()) {
        const QString shown = QString(button->text()).remove(QLatin1Char('&'));
        QVERIFY2(button->fontMetrics().horizontalAdvance(shown) < button->width() - 8,
                 qPrintable(button->objectName()));
    }
}

void tst_AboutDialog::opensWithFocusOnOk() {
    QFETCH(Language, language);
    const Fixture f(language);
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    auto* ok = f.child<QPushButton>("cmdOK");
    auto* sysInfo = f.child<QPushButton>("cmdSysInfo");
    QCOMPARE(QApplication::focusWidget(), ok);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), sysInfo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ok);
}

void tst_AboutDialog::closesModally_data() {
    addLanguageColumn();
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");

    for (Language language : {Language::Russian, Language::English}) {
        const char* name = language == Language::Russian ? "frmAbout" : "frmAbout1";
        QTest::addRow("%s Enter", name) << language << "Enter" << int(QDialog::Accepted);
        QTest::addRow("%s keypad Enter", name) << language << "keypad Enter" << int(QDialog::Accepted);
        QTest::addRow("%s Esc", name) << language << "Esc" << int(QDialog::Rejected);
        QTest::addRow("%s OK clicked", name) << language << "OK clicked" << int(QDialog::Accepted);
        QTest::addRow("%s window closed", name) << language << "window closed" << int(QDialog::Rejected);
    }
}

// Shown the way a main window shows it: exec() blocks until the dialog is closed, and while it is open
// the main window takes no input.
void tst_AboutDialog::closesModally() {
    QFETCH(Language, language);
    QFETCH(QString, how);
    QFETCH(int, result);
    QWidget mainWindow;
    auto* mainButton = new QPushButton(QStringLiteral("Calculate"), &mainWindow);
    int mainClicks = 0;
    connect(mainButton, &QPushButton::clicked, mainButton, [&] { ++mainClicks; });
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    const Fixture f(language);
    f.dialog->setParent(&mainWindow, f.dialog->windowFlags());

    bool wasModal = false;
    QTimer::singleShot(0, f.dialog.get(), [&] {
        wasModal = QApplication::activeModalWidget() == f.dialog.get();
        // Through the window system, which drops input to windows that a modal one blocks.
        QTest::mouseClick(mainWindow.windowHandle(), Qt::LeftButton, {}, mainButton->geometry().center());
        QWidget* focus = f.dialog->focusWidget() ? f.dialog->focusWidget() : f.dialog.get();
        if (how == QLatin1String("Enter"))
            QTest::keyClick(focus, Qt::Key_Return);
        else if (how == QLatin1String("keypad Enter"))
            QTest::keyClick(focus, Qt::Key_Enter, Qt::KeypadModifier);
        else if (how == QLatin1String("Esc"))
            QTest::keyClick(focus, Qt::Key_Escape);
        else if (how == QLatin1String("OK clicked"))
            QTest::mouseClick(f.child<QPushButton>("cmdOK"), Qt::LeftButton);
        else
            f.dialog->close();
    });
    QCOMPARE(f.dialog->exec(), result);
    QVERIFY(wasModal);
    QCOMPARE(mainClicks, 0);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.launcher.started.empty());
}

void tst_AboutDialog::sysInfoKeepsDialogOpen_data() {
    addLanguageColumn();
    QTest::addColumn<int>("accessKey");
    QTest::addColumn<QString>("letter");

    QTest::newRow("frmAbout Alt+О") << Language::Russian << 0x041E << QStringLiteral("о");
    QTest::newRow("frmAbout1 Alt+S") << Language::English << int(Qt::Key_S) << QStringLiteral("s");
}

// The access key presses the system-information button; with no tool the box says so, and the dialog
// stays open for another try.
void tst_AboutDialog::sysInfoKeepsDialogOpen() {
    QFETCH(Language, language);
    QFETCH(int, accessKey);
    QFETCH(QString, letter);
    const Fixture f(language);
    ModalBoxCloser closer;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));

    // Sent with its text, since keyClick knows no key beyond ASCII.
    QTest::sendKeyEvent(QTest::Click, f.dialog.get(), Qt::Key(accessKey), letter, Qt::AltModifier);
    QTRY_COMPARE(closer.boxes.size(), 1); // an access key clicks its button after a short animation
    QVERIFY(f.dialog->isVisible());
    QTest::mouseClick(f.child<QPushButton>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(closer.boxes.size(), 2);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(f.launcher.started.empty());
}

// For a person to look at: the build folder gets one picture of each dialog.
void tst_AboutDialog::screenshot() {
    QFETCH(Language, language);
    const Fixture f(language);
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + f.dialog->objectName() +
                         QStringLiteral(".png");
    QVERIFY(f.dialog->grab().save(path));
    qInfo("screenshot: %s", qPrintable(path));
}

QTEST_MAIN(tst_AboutDialog)
#include "tst_AboutDialog.moc"
