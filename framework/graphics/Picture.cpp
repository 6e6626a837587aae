#include "framework/graphics/Picture.h"
#include "framework/ui/QtConversions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

namespace fw {

namespace {

QString& FolderOverride() {
    static QString folder;
    return folder;
}

QStringList CandidateFolders() {
    if (!FolderOverride().isEmpty()) {
        return {FolderOverride()};
    }
    QStringList folders;
    QString exeDir = QCoreApplication::applicationDirPath();
    folders << exeDir + "/pictures";
#ifdef VANTREX_SOURCE_PICTURES
    folders << QStringLiteral(VANTREX_SOURCE_PICTURES);
#endif
    return folders;
}

}  // namespace

Picture::Picture(const QImage& image) : m_image(std::make_unique<const QImage>(image)) {}

Picture::~Picture() = default;

int Picture::Width() const {
    return m_image->width();
}

int Picture::Height() const {
    return m_image->height();
}

void Picture::SetFolderForTesting(const String& folder) {
    FolderOverride() = ToQString(folder);
}

Ref<Picture> Picture::OpenFromApp(const String& fileName) {
    QString name = ToQString(fileName);
    // Only a plain file name: no way out of the pictures folder ("." and ".." are no files).
    if (name.isEmpty() || name.contains('/') || name.contains('\\')) {
        return nullptr;
    }
    for (const QString& folder : CandidateFolders()) {
        QString path = QDir(folder).filePath(name);
        if (!QFileInfo(path).isFile()) {
            continue;
        }
        QImage image(path);
        if (!image.isNull()) {
            return std::make_shared<Picture>(image);
        }
    }
    return nullptr;
}

}  // namespace fw
