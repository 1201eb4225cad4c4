#include "ui/qt/ToolkitTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

ToolkitTexts::ToolkitTexts(Language language) {
    // Without Qt's translations installed, Qt's texts stay English; the program's own are unaffected.
    const std::string_view tag = localeTag(language);
    const QLocale locale(QString::fromUtf8(tag.data(), static_cast<qsizetype>(tag.size())));
    if (m_translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_translator);
}
