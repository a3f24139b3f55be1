#include "recording_platform.h"

#include "tools/platform.h"

#include <cstring>

namespace vh {

test::RecordingPlatform& test::Platform() {
    static RecordingPlatform platform;
    return platform;
}

OwnedText LookUpLocalAddress() {
    ++test::Platform().lookups;
    OwnedText result = AllocateText(kAddressTextCapacity);
    std::memset(result.get(), 0, kAddressTextCapacity);
    if (test::Platform().address) {
        std::strncpy(result.get(), test::Platform().address->c_str(), kAddressTextCapacity - 1);
    }
    return result;
}

bool PutTextOnClipboard(const char* text) {
    test::Platform().clipboardTexts.emplace_back(text);
    return test::Platform().clipboardTaken;
}

}  // namespace vh
