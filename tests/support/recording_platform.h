#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vh::test {

// What the handlers handed to the platform, and what it answers them.
struct RecordingPlatform {
    // The address the lookup finds; none gives the empty text.
    std::optional<std::string> address;
    bool clipboardTaken = true;
    int lookups = 0;
    std::vector<std::string> clipboardTexts;
};

RecordingPlatform& Platform();

}  // namespace vh::test
