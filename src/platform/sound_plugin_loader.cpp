#include "platform/sound_plugin_loader.h"

#include "platform/sound_backend.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace ondulix {

namespace {

QStringList pluginFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    QStringList folders {program.path(),
        QDir::cleanPath(program.filePath(QStringLiteral(ONDULIX_PLUGIN_DIR_FROM_PROGRAM)))};
    for (const QString& path : QCoreApplication::libraryPaths()) {
        if (!folders.contains(path))
            folders.append(path);
    }
    return folders;
}

} // namespace

SoundBackend* loadSoundBackend(QString& failure)
{
    // Never unloaded: streams and the objects of Qt Multimedia live on until the program ends.
    static SoundBackend* backend = nullptr;
    if (backend)
        return backend;
    const QString fileName = QStringLiteral(ONDULIX_SOUND_PLUGIN_FILE);
    const QStringList folders = pluginFolders();
    QStringList refusals;
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFileInfo::exists(path))
            continue;
        QPluginLoader loader(path);
        backend = qobject_cast<SoundBackend*>(loader.instance());
        if (backend)
            return backend;
        refusals.append(loader.isLoaded()
                ? QStringLiteral("%1 is no Ondulix sound plugin").arg(path)
                : loader.errorString());
    }
    failure = refusals.isEmpty()
        ? QStringLiteral("The sound plugin %1 is in none of %2.").arg(fileName, folders.join(", "))
        : QStringLiteral("The sound plugin did not load: %1.").arg(refusals.join("; "));
    return nullptr;
}

} // namespace ondulix
