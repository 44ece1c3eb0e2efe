#pragma once

#include <string>

#include "platform/file_system.h"

namespace velocarta {

// The first name a listing yields: with an exact name, the check that a document or sound
// is there before it is used; with a wildcard, whether a folder holds any such file. The
// name is spelled as it is on disk; "" when there is none or the folder cannot be read.
std::string FirstListed(FileSystem& fileSystem, const ContentFile& pattern);

}  // namespace velocarta
