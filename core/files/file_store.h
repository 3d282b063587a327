#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zorvane {

// Why a file was not loaded. A missing or unreadable file is an input/output
// failure with the system's reason; what is no regular file (a folder, a named
// pipe, a device) is refused unopened, so that a pipe never blocks.
enum class LoadFault { None, Missing, Unreadable, NotRegularFile, TooLarge };

struct LoadedFile {
    std::string bytes;
    LoadFault fault = LoadFault::None;
    std::string reason;     // the system's text for Missing and Unreadable
    bool complete = true;   // false when the file holds more than was read
};

// At most maxBytes bytes from the front of a regular file, so that a huge
// file is never read whole; `complete` says whether that was all of it.
// Never gives TooLarge: a caller that needs the whole file refuses an
// incomplete one itself.
LoadedFile LoadFile(const std::string& path, std::size_t maxBytes);

// The bytes of a regular file handed to `consume` a block at a time, at most
// maxBytes of them, so that a large file is never held whole; `consume`
// returns false to stop early. Refuses what LoadFile refuses, unopened.
struct StreamedFile {
    LoadFault fault = LoadFault::None;
    std::string reason;     // the system's text for Missing and Unreadable
    bool complete = true;   // false when the file held more or consume stopped
};
StreamedFile StreamFile(const std::string& path, std::size_t maxBytes,
                        const std::function<bool(std::string_view)>& consume);

// What LoadFile would refuse without reading a byte: Missing, NotRegularFile
// or TooLarge, else None. For files another library then reads itself.
LoadFault InspectFile(const std::string& path, std::size_t maxBytes);

// The system calls a save makes, replaceable so that tests can make any one of
// them fail the way a full disk or a lost device would.
struct SaveCalls {
    ssize_t (*write)(int descriptor, const void* data, std::size_t size);
    int (*fsync)(int descriptor);
    int (*close)(int descriptor);
    int (*rename)(const char* from, const char* to);
};
SaveCalls SystemSaveCalls();

// Replaces the file at path with the bytes, or leaves it exactly as it was:
// the bytes go to a new file in the same folder, every write and the flush to
// the disk are checked, and only then does the new file take the path's place.
// On failure the new file is removed and the system's reason returned.
//
// Only a regular file is replaced, or a new one made: a symbolic link is
// followed and the regular file it names replaced, the link kept; a device, a
// named pipe, a folder or a link to nothing is refused with the reason. A file
// without write permission is refused too (even for the superuser). The new
// file keeps the old one's permissions, and its owner where the system lets
// us. Temporary files that an earlier save to the same file left behind when
// its process was killed are removed first.
std::optional<std::string> SaveFile(const std::string& path, std::string_view bytes,
                                    const SaveCalls& calls = SystemSaveCalls());

}  // namespace zorvane
