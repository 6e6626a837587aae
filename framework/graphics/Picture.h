#pragma once

#include <memory>

#include "framework/core/Object.h"
#include "framework/core/String.h"

class QImage;

namespace fw {

// A picture stored with the application, or drawn on a canvas or a page. It may carry a
// high-resolution variant of itself, drawn in its place wherever a point has more than one pixel:
// on paper and on scaled screens. Its size is always the plain picture's.
class Picture : public Object {
  public:
    explicit Picture(const QImage& image);
    // A null variant: the picture has none.
    Picture(const QImage& image, const QImage& detailed);
    ~Picture() override;

    // Opens a PNG from the application's pictures folder: "pictures" beside the executable, or,
    // in the build tree, resources/pictures of the source tree. A missing or unreadable file
    // gives nil. The high-resolution variant is the file of the same name with "@4x" before its
    // suffix, in the same folder, read when it is first drawn; without it the plain picture
    // serves everywhere.
    static Ref<Picture> OpenFromApp(const String& fileName);

    // Where OpenFromApp looks; tests point it at a folder of their own (empty: the default).
    static void SetFolderForTesting(const String& folder);

    int Width() const;
    int Height() const;
    // For the framework's drawing: the plain picture, pixel for pixel on an unscaled screen, and
    // the most detailed one there is (the variant, or else the plain picture), drawn into the
    // plain picture's rectangle on paper and on scaled screens.
    const QImage& Image() const { return *m_image; }
    const QImage& Detailed() const;

  private:
    // Held apart so that the system's code, which includes this header, never sees Qt.
    std::unique_ptr<const QImage> m_image;
    // The variant's file, for a picture opened from the application; empty: there is none.
    String m_detailedFile;
    // Null until the variant is first asked for, then kept, a null image where there is none.
    // Most runs draw no page and no scaled screen and never need the variant, so it is read on
    // demand; mutable because Detailed(), which reads it, is a const getter to those who draw.
    mutable std::unique_ptr<const QImage> m_detailed;
};

}  // namespace fw
