#include "platform/SystemLauncher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeScript(const QString& path, const QString& marker) {
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));
}

} // namespace

class tst_SystemLauncher : public QObject {
    Q_OBJECT

private slots:
    void fileTest_data();
    void fileTest();
    void pathWithBlanksStartsAsOneProgram();
    void unstartablePathsFail_data();
    void unstartablePathsFail();

private:
    // Next to the test rather than in /tmp, which may forbid running programs.
    QTemporaryDir m_dir{QCoreApplication::applicationDirPath() + QStringLiteral("/launcher-XXXXXX")};
};

void tst_SystemLauncher::fileTest_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("found");

    QTest::newRow("ordinary file") << "MSINFO32.EXE" << true;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("hidden file") << ".hidden" << false;
    QTest::newRow("missing file") << "missing.exe" << false;
}

void tst_SystemLauncher::fileTest() {
    QFETCH(QString, name);
    QFETCH(bool, found);

    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("folder")));
    for (const char* file : {"MSINFO32.EXE", ".hidden"}) {
        QFile touched(m_dir.filePath(QString::fromLatin1(file)));
        QVERIFY(touched.open(QIODevice::WriteOnly));
    }
    platform::SystemLauncher launcher;
    QCOMPARE(launcher.isOrdinaryFile(m_dir.filePath(name)), found);
}

// The path is the program: "my tool" must start, never "my" with the argument "tool".
void tst_SystemLauncher::pathWithBlanksStartsAsOneProgram() {
    QVERIFY(m_dir.isValid());
    const QString whole = m_dir.filePath(QStringLiteral("whole started"));
    const QString split = m_dir.filePath(QStringLiteral("first word started"));
    writeScript(m_dir.filePath(QStringLiteral("my tool")), whole);
    writeScript(m_dir.filePath(QStringLiteral("my")), split);

    platform::SystemLauncher launcher;
    QVERIFY(launcher.startProgram(m_dir.filePath(QStringLiteral("my tool"))));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(whole), 10000);
    QVERIFY(!QFile::exists(split));
}

void tst_SystemLauncher::unstartablePathsFail_data() {
    QTest::addColumn<QString>("path");

    QTest::newRow("empty path") << QString();
    QTest::newRow("missing program") << QStringLiteral("/nonexistent/MSINFO32.EXE");
}

void tst_SystemLauncher::unstartablePathsFail() {
    QFETCH(QString, path);
    platform::SystemLauncher launcher;
    QVERIFY(!launcher.startProgram(path));
}

QTEST_GUILESS_MAIN(tst_SystemLauncher)
#include "tst_SystemLauncher.moc"
