#include "ToolkitTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallToolkitTranslations()
{
    static const bool s_installed = [] {
        auto* translator = new QTranslator(QCoreApplication::instance());
        // qtbase holds the widgets' words; "qt" is the catalogue that
        // gathers it with the other modules', where a distribution ships that.
        const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const char* catalogue : {"qtbase", "qt"}) {
            if (translator->load(QLocale(), QString::fromLatin1(catalogue), QStringLiteral("_"), folder))
                return QCoreApplication::installTranslator(translator);
        }
        delete translator;
        return false;
    }();
    return s_installed;
}
