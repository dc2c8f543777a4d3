#include "DialogFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <cstdio>

namespace {

// The proportional face first: the program's dialogs use the P variant.
const QStringList& JapaneseProportionalFaces()
{
    static const QStringList s_faces{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")};
    return s_faces;
}

const QStringList& JapaneseFixedFaces()
{
    static const QStringList s_faces{QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")};
    return s_faces;
}

} // namespace

void InstallDialogFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), JapaneseProportionalFaces());
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), JapaneseProportionalFaces());
    QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), JapaneseProportionalFaces());
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), JapaneseFixedFaces());
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), JapaneseFixedFaces());
}

QFont DialogFont(const char* typeface, WORD pointSize)
{
    QFont font(QString::fromUtf8(typeface != nullptr ? typeface : ""));
    font.setPointSize(pointSize > 0 ? pointSize : 9);
    return font;
}

// Fontconfig names a family in the user's language ("IPA Pゴシック" under
// a Japanese locale), so the face is judged by what it can write, not by
// its name.
bool ResolvesToJapaneseFace(const QFont& font)
{
    const QString family = QFontInfo(font).family();
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese);
}

bool CheckJapaneseFontInstalled()
{
    static const bool s_found = [] {
        InstallDialogFontSubstitutes();
        const bool resolved = ResolvesToJapaneseFace(DialogFont("ＭＳ Ｐゴシック", 9));
        if (!resolved) {
            std::fputs("No Japanese font found: texts and layout will be off. "
                       "Install the Debian package fonts-ipafont-gothic.\n",
                       stderr);
        }
        return resolved;
    }();
    return s_found;
}

CDialogBaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    return BaseUnitsFromFontMetrics(width, metrics.height());
}
