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

Picture::Picture(const QImage& image, const QImage& detailed)
    : m_image(std::make_unique<const QImage>(image)),
      m_detailed(std::make_unique<const QImage>(detailed)) {}

Picture::~Picture() = default;

int Picture::Width() const {
    return m_image->width();
}

int Picture::Height() const {
    return m_image->height();
}

const QImage& Picture::Detailed() const {
    if (!m_detailed) {
        // Unreadable or missing, the variant is a null image: the picture has none.
        m_detailed = std::make_unique<const QImage>(
            m_detailedFile.IsEmpty() ? QImage() : QImage(ToQString(m_detailedFile)));
    }
    return m_detailed->isNull() ? *m_image : *m_detailed;
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
            const QFileInfo file(path);
            auto picture = std::make_shared<Picture>(image);
            picture->m_detailedFile =
                FromQString(file.dir().filePath(file.completeBaseName() + "@4x." + file.suffix()));
            return picture;
        }
    }
    return nullptr;
}

}  // namespace fw
