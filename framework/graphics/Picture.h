#pragma once

#include <QImage>

#include "framework/core/Object.h"
#include "framework/core/String.h"

namespace fw {

// A picture stored with the application, or drawn on a canvas or a page.
class Picture : public Object {
  public:
    explicit Picture(QImage image) : m_image(std::move(image)) {}

    // Opens a PNG from the application's pictures folder: "pictures" beside the executable, or,
    // in the build tree, resources/pictures of the source tree. A missing or unreadable file
    // gives nil.
    static Ref<Picture> OpenFromApp(const String& fileName);

    // Where OpenFromApp looks; tests point it at a folder of their own (empty: the default).
    static void SetFolderForTesting(const String& folder);

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    const QImage& Image() const { return m_image; }

  private:
    QImage m_image;
};

}  // namespace fw
