#include "framework/ui/PlatformPlugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QStringList>

namespace fw {

bool PlatformPluginInstalled(const std::string& name) {
    QStringList folders;
    const QString ownFolder = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH");
    if (!ownFolder.isEmpty()) {
        folders << ownFolder;
    }
    for (const QString& pluginFolder : QCoreApplication::libraryPaths()) {
        folders << pluginFolder + "/platforms";
    }
    const QString wanted = QString::fromStdString(name);
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList(QDir::Files)) {
            const QJsonObject metaData = QPluginLoader(dir.filePath(file)).metaData();
            const QJsonArray keys = metaData.value("MetaData").toObject().value("Keys").toArray();
            for (const QJsonValue& key : keys) {
                if (key.toString().compare(wanted, Qt::CaseInsensitive) == 0) {
                    return true;
                }
            }
        }
    }
    return false;
}

}  // namespace fw
