// Compiles each deliverable's generated resource script with mingw-w64's windres, as a Windows build
// would (no code page on the command line: the script names its own), prints the compiled resource
// back as text and reads the version fields from it.
#include <algorithm>

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// windres prints a string as "text" or L"text": a quote is doubled and a character outside ASCII
// becomes \x and four hexadecimal digits.
QString decodeRcString(const QString& text) {
    QString decoded;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            decoded += '"';
            ++i;
        } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'x') {
            bool ok = false;
            decoded += QChar(text.mid(i + 2, 4).toUShort(&ok, 16));
            if (!ok)
                return QStringLiteral("<bad escape in %1>").arg(text);
            i += 5;
        } else if (text[i] == '\\' && i + 1 < text.size()) {
            decoded += text[++i];
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

} // namespace

class tst_VersionInfo : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void stringField_data();
    void stringField();
    void fixedPart_data();
    void fixedPart();

private:
    QString compileAndPrint(const QString& script);

    QTemporaryDir m_dir;
    QMap<QString, QString> m_printed; // deliverable -> its compiled resource, printed as text
};

QString tst_VersionInfo::compileAndPrint(const QString& script) {
    const QString compiled = m_dir.filePath(QFileInfo(script).completeBaseName() + ".res");
    QProcess windres;
    windres.start(WINDRES, {"-i", script, "-o", compiled, "-O", "res"});
    if (!windres.waitForFinished() || windres.exitCode() != 0)
        return QString();
    windres.start(WINDRES, {"-i", compiled, "-O", "rc"});
    if (!windres.waitForFinished() || windres.exitCode() != 0)
        return QString();
    return QString::fromUtf8(windres.readAllStandardOutput());
}

void tst_VersionInfo::initTestCase() {
    QVERIFY2(QFileInfo(WINDRES).isExecutable(),
             "x86_64-w64-mingw32-windres was not found (scripts/setup.sh)");
    QVERIFY(m_dir.isValid());
    m_printed.insert("prjBazelot", compileAndPrint(PRJBAZELOT_RC));
    m_printed.insert("КВАРЗЕЛ", compileAndPrint(KVARZEL_RC));
    for (auto it = m_printed.cbegin(); it != m_printed.cend(); ++it)
        QVERIFY2(it.value().contains("VERSIONINFO"), qPrintable(it.key() + " did not compile"));
}

void tst_VersionInfo::stringField_data() {
    QTest::addColumn<QString>("deliverable");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");

    QTest::newRow("prjBazelot ProductName") << "prjBazelot"
                                            << "ProductName"
                                            << "prjBazelot";
    QTest::newRow("prjBazelot InternalName") << "prjBazelot"
                                             << "InternalName"
                                             << "prjBazelot";
    QTest::newRow("prjBazelot OriginalFilename") << "prjBazelot"
                                                 << "OriginalFilename"
                                                 << "prjBazelot.exe";
    QTest::newRow("prjBazelot FileVersion") << "prjBazelot"
                                            << "FileVersion"
                                            << "1.00";
    QTest::newRow("prjBazelot ProductVersion") << "prjBazelot"
                                               << "ProductVersion"
                                               << "1.00";
    QTest::newRow("prjBazelot CompanyName") << "prjBazelot"
                                            << "CompanyName"
                                            << "Bazelot";
    QTest::newRow("prjBazelot FileDescription") << "prjBazelot"
                                                << "FileDescription"
                                                << "Bazelot: converts whole numbers between numeral systems";

    QTest::newRow("КВАРЗЕЛ ProductName") << "КВАРЗЕЛ"
                                         << "ProductName"
                                         << "BAZELOT";
    QTest::newRow("КВАРЗЕЛ InternalName") << "КВАРЗЕЛ"
                                          << "InternalName"
                                          << "КВАРЗЕЛ";
    QTest::newRow("КВАРЗЕЛ OriginalFilename") << "КВАРЗЕЛ"
                                              << "OriginalFilename"
                                              << "КВАРЗЕЛ.exe";
    QTest::newRow("КВАРЗЕЛ FileVersion") << "КВАРЗЕЛ"
                                         << "FileVersion"
                                         << "1.00";
    QTest::newRow("КВАРЗЕЛ ProductVersion") << "КВАРЗЕЛ"
                                            << "ProductVersion"
                                            << "1.00";
    QTest::newRow("КВАРЗЕЛ CompanyName") << "КВАРЗЕЛ"
                                         << "CompanyName"
                                         << "Bazelot";
    QTest::newRow("КВАРЗЕЛ FileDescription") << "КВАРЗЕЛ"
                                             << "FileDescription"
                                             << "Программа для перевода чисел в разные системы счисления";
}

void tst_VersionInfo::stringField() {
    QFETCH(QString, deliverable);
    QFETCH(QString, field);
    QFETCH(QString, expected);

    const QRegularExpression value(QStringLiteral("VALUE \"%1\", L?\"((?:[^\"]|\"\")*)\"").arg(field));
    const QRegularExpressionMatch match = value.match(m_printed.value(deliverable));
    QVERIFY2(match.hasMatch(), qPrintable(m_printed.value(deliverable)));
    QCOMPARE(decodeRcString(match.captured(1)), expected);
}

void tst_VersionInfo::fixedPart_data() {
    QTest::addColumn<QString>("deliverable");
    QTest::addColumn<QString>("line");

    for (const char* deliverable : {"prjBazelot", "КВАРЗЕЛ"}) {
        QTest::addRow("%s file version", deliverable) << deliverable << "FILEVERSION 1, 0, 0, 0";
        QTest::addRow("%s product version", deliverable) << deliverable << "PRODUCTVERSION 1, 0, 0, 0";
        QTest::addRow("%s application type", deliverable) << deliverable << "FILETYPE 0x1";
    }
    // Each string table is marked with the language of its texts, and the translation names that table:
    // English in UTF-16, Russian in its code page 1251.
    QTest::newRow("prjBazelot table") << "prjBazelot"
                                      << "BLOCK \"040904b0\"";
    QTest::newRow("prjBazelot translation") << "prjBazelot"
                                            << "VALUE \"Translation\", 0x409, 1200";
    QTest::newRow("КВАРЗЕЛ table") << "КВАРЗЕЛ"
                                   << "BLOCK \"041904e3\"";
    QTest::newRow("КВАРЗЕЛ translation") << "КВАРЗЕЛ"
                                         << "VALUE \"Translation\", 0x419, 1251";
}

void tst_VersionInfo::fixedPart() {
    QFETCH(QString, deliverable);
    QFETCH(QString, line);
    const QStringList lines = m_printed.value(deliverable).split('\n');
    QVERIFY2(std::any_of(lines.cbegin(), lines.cend(), [&](const QString& l) { return l.trimmed() == line; }),
             qPrintable(m_printed.value(deliverable)));
}

QTEST_GUILESS_MAIN(tst_VersionInfo)
#include "tst_versioninfo.moc"
