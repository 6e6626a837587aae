#include "shell/Pictures.h"

#include "framework/graphics/Picture.h"

namespace shell {

namespace {

// One picture's process-wide state: asked yet, and the picture once it opened.
struct CachedPicture {
    bool asked = false;
    fw::Ref<fw::Picture> picture;
};

fw::Ref<fw::Picture> Load(CachedPicture& cache, const char* fileName) {
    if (!cache.asked) {
        cache.asked = true;
        cache.picture = nullptr;
    }
    if (!cache.picture) {
        // A nil result is not remembered: the next call opens the file again.
        cache.picture = fw::Picture::OpenFromApp(fileName);
    }
    return cache.picture;
}

}  // namespace

fw::Ref<fw::Picture> MainTitle() {
    static CachedPicture cache;
    return Load(cache, "MainTitle.png");
}

fw::Ref<fw::Picture> quest1() {
    static CachedPicture cache;
    return Load(cache, "quest.png");
}

fw::Ref<fw::Picture> Parallel() {
    static CachedPicture cache;
    return Load(cache, "Parallel.png");
}

fw::Ref<fw::Picture> SplashTitle() {
    static CachedPicture cache;
    return Load(cache, "SplashTitle.png");
}

}  // namespace shell
