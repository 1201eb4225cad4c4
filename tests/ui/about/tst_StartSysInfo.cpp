#include "tests/platform/FakeLauncher.h"
#include "tests/platform/FakeRegistry.h"
#include "tests/ui/about/ModalBoxCloser.h"
#include "ui/about/AboutDialog.h"

#include <QTest>

using platform::Registry;

Q_DECLARE_METATYPE(Language)

namespace {

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kTool =
    QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe");
const QString kFolder = QStringLiteral("C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo");
const QString kInFolder = kFolder + QStringLiteral("\\MSINFO32.EXE");
constexpr std::uint32_t kTypeBinary = 3; // REG_BINARY

// A registry value as the test table gives it: nothing when absent.
struct Stored {
    bool present = false;
    std::uint32_t type = Registry::kTypeString;
    std::string bytes;
};

Stored string(const QString& text, bool terminated = true) {
    std::string bytes = text.toStdString();
    if (terminated)
        bytes += '\0';
    return {true, Registry::kTypeString, bytes};
}

Stored missing() {
    return {};
}

} // namespace

Q_DECLARE_METATYPE(Stored)

class tst_StartSysInfo : public QObject {
    Q_OBJECT

private slots:
    void startsToolOrSaysUnavailable_data();
    void startsToolOrSaysUnavailable();
    void unavailableBoxIsExact_data();
    void unavailableBoxIsExact();
};

void tst_StartSysInfo::startsToolOrSaysUnavailable_data() {
    QTest::addColumn<Stored>("path");       // first location: the tool's full path
    QTest::addColumn<Stored>("folder");     // second location: the tool's folder
    QTest::addColumn<bool>("keysDenied");   // neither key can be opened
    QTest::addColumn<QStringList>("files"); // where the file test finds a file
    QTest::addColumn<bool>("startFails");
    QTest::addColumn<QStringList>("fileTests");
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<bool>("box");

    const QStringList none;
    QTest::newRow("full path started as it is, second location missing")
        << string(kTool) << missing() << false << none << false << none << QStringList{kTool} << false;
    QTest::newRow("full path stored without terminating zero")
        << string(kTool, false) << missing() << false << none << false << none << QStringList{kTool} << false;
    QTest::newRow("first location wins without a file test")
        << string(kTool) << string(kFolder) << false << QStringList{kInFolder} << false << none
        << QStringList{kTool} << false;
    QTest::newRow("folder holding the tool")
        << missing() << string(kFolder) << false << QStringList{kInFolder} << false << QStringList{kInFolder}
        << QStringList{kInFolder} << false;
    QTest::newRow("folder ending in a backslash gets a second one")
        << missing() << string(QStringLiteral("C:\\Tools\\")) << false
        << QStringList{QStringLiteral("C:\\Tools\\\\MSINFO32.EXE")} << false
        << QStringList{QStringLiteral("C:\\Tools\\\\MSINFO32.EXE")}
        << QStringList{QStringLiteral("C:\\Tools\\\\MSINFO32.EXE")} << false;
    QTest::newRow("folder without the tool")
        << missing() << string(kFolder) << false << none << false << QStringList{kInFolder} << none << true;
    QTest::newRow("both locations missing")
        << missing() << missing() << false << none << false << none << none << true;
    QTest::newRow("keys that cannot be opened") << string(kTool) << string(kFolder) << true
                                                << QStringList{kInFolder} << false << none << none << true;
    QTest::newRow("first location of another type: an empty path does not start")
        << Stored{true, kTypeBinary, "\x01\x02"} << string(kFolder) << false << QStringList{kInFolder}
        << false << none << QStringList{QString()} << true;
    QTest::newRow("empty first location fails the lookup")
        << Stored{true, Registry::kTypeString, {}} << string(kFolder) << false << QStringList{kInFolder}
        << false << none << none << true;
    QTest::newRow("tool that cannot be started")
        << string(kTool) << missing() << false << none << true << none << QStringList{kTool} << true;
}

void tst_StartSysInfo::startsToolOrSaysUnavailable() {
    QFETCH(Stored, path);
    QFETCH(Stored, folder);
    QFETCH(bool, keysDenied);
    QFETCH(QStringList, files);
    QFETCH(bool, startFails);
    QFETCH(QStringList, fileTests);
    QFETCH(QStringList, started);
    QFETCH(bool, box);

    FakeRegistry registry;
    if (path.present)
        registry.setValue(kPathKey, "PATH", {path.type, path.bytes, {}});
    if (folder.present)
        registry.setValue(kFolderKey, "MSINFO", {folder.type, folder.bytes, {}});
    if (keysDenied) {
        registry.denyKey(kPathKey);
        registry.denyKey(kFolderKey);
    }
    FakeLauncher launcher;
    launcher.files = files;
    launcher.startSucceeds = !startFails;

    for (Language language : {Language::Russian, Language::English}) {
        launcher.fileTests.clear();
        launcher.started.clear();
        AboutDialog dialog(language, {registry, launcher});
        ModalBoxCloser closer;
        dialog.StartSysInfo();

        QCOMPARE(launcher.fileTests, fileTests);
        QCOMPARE(launcher.started, started);
        QCOMPARE(closer.boxes.size(), box ? 1 : 0);
        QVERIFY(registry.openKeys.empty());
        for (std::uint32_t access : registry.accessAsked)
            QCOMPARE(access, Registry::kKeyRead);
    }
}

void tst_StartSysInfo::unavailableBoxIsExact_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Russian dialog") << Language::Russian;
    QTest::newRow("English dialog") << Language::English;
}

void tst_StartSysInfo::unavailableBoxIsExact() {
    QFETCH(Language, language);
    FakeRegistry registry;
    FakeLauncher launcher;
    AboutDialog dialog(language, {registry, launcher});
    ModalBoxCloser closer;
    dialog.StartSysInfo();

    QCOMPARE(closer.boxes.size(), 1);
    const ModalBoxCloser::Box& box = closer.boxes.first();
    QCOMPARE(box.text, QStringLiteral("System Information Is Unavailable At This Time"));
    QCOMPARE(box.title, QStringLiteral("prjBazelot"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

QTEST_MAIN(tst_StartSysInfo)
#include "tst_StartSysInfo.moc"
