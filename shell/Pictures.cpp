#include "shell/Pictures.h"

#include "framework/graphics/Picture.h"

namespace shell {

namespace {

// The picture once it opened; a nil result is not kept, so the next call opens the file again.
fw::Ref<fw::Picture> Load(fw::Ref<fw::Picture>& cache, const char* fileName) {
    if (!cache) {
        cache = fw::Picture::OpenFromApp(fileName);
    }
    return cache;
}

}  // namespace

fw::Ref<fw::Picture> MainTitle() {
    static fw::Ref<fw::Picture> cache;
    return Load(cache, "MainTitle.png");
}

fw::Ref<fw::Picture> quest1() {
    static fw::Ref<fw::Picture> cache;
    return Load(cache, "quest.png");
}

fw::Ref<fw::Picture> Parallel() {
    static fw::Ref<fw::Picture> cache;
    return Load(cache, "Parallel.png");
}

fw::Ref<fw::Picture> SplashTitle() {
    static fw::Ref<fw::Picture> cache;
    return Load(cache, "SplashTitle.png");
}

}  // namespace shell
