// A build-time tool: writes the program's icon as PNG files for the desktop's icon theme, drawn
// by the same code as the window icon, so the two never drift apart.
//   ondulix_icon_files DIR SIZE...   writes DIR/SIZExSIZE/apps/ondulix.png for each size

#include "platform/pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <iostream>

namespace {

constexpr int kLargestSize = 1024;

bool writeIcon(const QString& themeDir, int size)
{
    const QString appsDir = QStringLiteral("%1/%2x%2/apps").arg(themeDir).arg(size);
    const QString path = appsDir + QStringLiteral("/ondulix.png");
    QSaveFile file(path);
    const bool written = QDir().mkpath(appsDir) && file.open(QIODevice::WriteOnly)
        && ondulix::programIconImage(size).save(&file, "PNG") && file.commit();
    if (!written)
        std::cerr << "ondulix_icon_files: cannot write " << path.toStdString() << ": "
                  << file.errorString().toStdString() << '\n';
    return written;
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing needs no screen; the build machine may have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        std::cerr << "usage: ondulix_icon_files DIR SIZE...\n";
        return 2;
    }
    for (qsizetype i = 2; i < args.size(); ++i) {
        bool isNumber = false;
        const int size = args.at(i).toInt(&isNumber);
        if (!isNumber || size < 1 || size > kLargestSize) {
            std::cerr << "ondulix_icon_files: not an icon size: " << args.at(i).toStdString()
                      << '\n';
            return 2;
        }
        if (!writeIcon(args.at(1), size))
            return 1;
    }
    return 0;
}
