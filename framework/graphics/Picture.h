#pragma once

#include <memory>

#include "framework/core/Object.h"
#include "framework/core/String.h"

class QImage;

namespace fw {

// A picture stored with the application, or drawn on a canvas or a page.
class Picture : public Object {
  public:
    explicit Picture(const QImage& image);
    ~Picture() override;

    // Opens a PNG from the application's pictures folder: "pictures" beside the executable, or,
    // in the build tree, resources/pictures of the source tree. A missing or unreadable file
    // gives nil.
    static Ref<Picture> OpenFromApp(const String& fileName);

    // Where OpenFromApp looks; tests point it at a folder of their own (empty: the default).
    static void SetFolderForTesting(const String& folder);

    int Width() const;
    int Height() const;
    // For the framework's drawing.
    const QImage& Image() const { return *m_image; }

  private:
    // Held apart so that the system's code, which includes this header, never sees Qt.
    std::unique_ptr<const QImage> m_image;
};

}  // namespace fw
