#include "core/AboutFlow.h"
#include "platform/SystemRegistry.h"
#include "tests/ui/qt/ModalBoxCloser.h"
#include "ui/qt/AboutDialog.h"
#include "ui/qt/QtLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeScript(const QString& path, const QString& marker) {
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1'\n").arg(marker).toUtf8());
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

} // namespace

class tst_QtLauncher : public QObject {
    Q_OBJECT

private slots:
    void fileTest_data();
    void fileTest();
    void pathWithBlanksStartsAsOneProgram();
    void unstartablePathsFail_data();
    void unstartablePathsFail();
    void sysInfoStartsProgramOnPath_data();
    void sysInfoStartsProgramOnPath();

private:
    // Next to the test rather than in /tmp, which may forbid running programs.
    QTemporaryDir m_dir{QCoreApplication::applicationDirPath() + QStringLiteral("/launcher-XXXXXX")};
};

void tst_QtLauncher::fileTest_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");

    QTest::newRow("ordinary file") << "MSINFO32.EXE" << true;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("hidden file") << ".hidden" << false;
    QTest::newRow("missing file") << "missing.exe" << false;
}

void tst_QtLauncher::fileTest() {
    QFETCH(QString, name);
    QFETCH(bool, found);

    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    for (const char* file : {"MSINFO32.EXE", ".hidden"}) {
        QFile touched(m_dir.filePath(QString::fromLatin1(file)));
        QVERIFY(touched.open(QIODevice::WriteOnly));
    }
    QtLauncher launcher;
    QCOMPARE(launcher.isOrdinaryFile(m_dir.filePath(name).toStdString()), found);
}

// The path is the program: "my tool" must start, never "my" with the argument "tool".
void tst_QtLauncher::pathWithBlanksStartsAsOneProgram() {
    QVERIFY(m_dir.isValid());
    const QString whole = m_dir.filePath(QStringLiteral("whole started"));
    const QString split = m_dir.filePath(QStringLiteral("first word started"));
    writeScript(m_dir.filePath(QStringLiteral("my tool")), whole);
    writeScript(m_dir.filePath(QStringLiteral("my")), split);

    QtLauncher launcher;
    QVERIFY(launcher.startProgram(m_dir.filePath(QStringLiteral("my tool")).toStdString(), {}));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(whole), 10000);
    QVERIFY(!QFile::exists(split));
}

void tst_QtLauncher::unstartablePathsFail_data() {
    QTest::addColumn<QString>("path");

    QTest::newRow("empty path") << QString();
    QTest::newRow("missing program") << QStringLiteral("/nonexistent/MSINFO32.EXE");
}

void tst_QtLauncher::unstartablePathsFail() {
    QFETCH(QString, path);
    QtLauncher launcher;
    QVERIFY(!launcher.startProgram(path.toStdString(), {}));
}

void tst_QtLauncher::sysInfoStartsProgramOnPath_data() {
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("started"); // the program that ran, with its arguments
    QTest::newRow("none installed") << QStringList() << QString();
    QTest::newRow("the only one installed") << QStringList{"hardinfo"} << "hardinfo";
    QTest::newRow("the table's order decides")
        << QStringList{"hardinfo", "gnome-control-center"} << "gnome-control-center info-overview";
}

// The About dialog's button on a system without a registry: the first installed program of the table,
// found on PATH and given the table's arguments; the box only when none is installed.
void tst_QtLauncher::sysInfoStartsProgramOnPath() {
    QFETCH(QStringList, installed);
    QFETCH(QString, started);
    QTemporaryDir bin(QCoreApplication::applicationDirPath() + QStringLiteral("/path-XXXXXX"));
    QVERIFY(bin.isValid());
    const QString mark = bin.filePath(QStringLiteral("started"));
    for (const QString& program : installed) {
        QFile script(bin.filePath(program));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\necho %1 \"$@\" > '%2'\n").arg(program, mark).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    platform::SystemRegistry registry;
    QtLauncher launcher;
    AboutDialog dialog(Language::English, {registry, launcher});
    ModalBoxCloser closer;
    dialog.StartSysInfo();
    qputenv("PATH", path);

    QCOMPARE(closer.boxes.size(), started.isEmpty() ? 1 : 0);
    if (started.isEmpty())
        return;
    const auto ran = [&mark] {
        QFile output(mark);
        return output.open(QIODevice::ReadOnly) ? QString::fromUtf8(output.readAll().trimmed()) : QString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(ran(), started, 10000);
}

QTEST_MAIN(tst_QtLauncher)
#include "tst_QtLauncher.moc"
