// Writes the program's icon images as PNG files for the desktop's icon theme:
//   torvaly-export-icons <output folder>
// makes <folder>/16x16/apps/<id>.png and <folder>/32x32/apps/<id>.png from
// the same pictures the program shows.
#include "res/ResourceModule.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fputs("usage: torvaly-export-icons <output folder>\n", stderr);
        return 2;
    }
    const CResourceModule& module = TorvalyPuzzleResources();
    if (module.m_icons.empty())
        return 1;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const char* const* xpm : module.m_icons.front().m_images) {
        const QImage image(xpm);
        if (image.isNull())
            return 1;
        const QString size = QStringLiteral("%1x%2").arg(image.width()).arg(image.height());
        const QString apps = folder + QStringLiteral("/") + size + QStringLiteral("/apps");
        if (!QDir().mkpath(apps))
            return 1;
        if (!image.save(apps + QStringLiteral("/" TORVALY_APP_ID ".png"), "PNG")) {
            std::fprintf(stderr, "torvaly-export-icons: cannot write into %s\n", qPrintable(apps));
            return 1;
        }
    }
    return 0;
}
