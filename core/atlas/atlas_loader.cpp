#include "core/atlas/atlas_loader.h"

#include <utility>

namespace zorvane {

AtlasLoader::AtlasLoader(std::filesystem::path path) : path_(std::move(path)) {}

AtlasLoader::~AtlasLoader() {
    // The worker reads path_: it must end before the loader does.
    if (reading_.valid()) reading_.wait();
}

void AtlasLoader::Start() {
    if (reading_.valid()) return;
    reading_ = std::async(std::launch::async, [path = path_] {
                   return std::make_shared<const AtlasOrError>(ReadAtlasFile(path));
               }).share();
}

const AtlasOrError& AtlasLoader::Get() {
    Start();
    return *reading_.get();
}

}  // namespace zorvane
