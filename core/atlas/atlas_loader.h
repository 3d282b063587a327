#pragma once

#include <filesystem>
#include <future>
#include <memory>

#include "core/atlas/atlas_file.h"

namespace zorvane {

// Reads the atlas file once, on a worker thread, so that the first search
// finds it ready: a search that comes sooner waits for the reading. Owned by
// whoever searches (the main window, the command line) and handed down.
class AtlasLoader {
public:
    explicit AtlasLoader(std::filesystem::path path);
    ~AtlasLoader();
    AtlasLoader(const AtlasLoader&) = delete;
    AtlasLoader& operator=(const AtlasLoader&) = delete;

    // Starts the reading unless it has started; returns at once.
    void Start();

    // The atlas or the reason it could not be read; starts and waits for
    // the reading if need be.
    const AtlasOrError& Get();

private:
    std::filesystem::path path_;
    std::shared_future<std::shared_ptr<const AtlasOrError>> reading_;
};

}  // namespace zorvane
