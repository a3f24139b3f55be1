#include "local_address.h"

#include "tools/platform.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace vh {

void WriteDottedDecimal(const in_addr& address, std::span<char, 16> text) {
    inet_ntop(AF_INET, &address, text.data(), static_cast<socklen_t>(text.size()));
}

OwnedText LookUpLocalAddress() {
    OwnedText result = AllocateText(kAddressTextCapacity);
    std::memset(result.get(), 0, kAddressTextCapacity);

    char hostName[HOST_NAME_MAX + 1] = {};
    if (gethostname(hostName, sizeof hostName - 1) != 0) {
        return result;
    }
    // gethostbyname keeps the resolver's order; getaddrinfo would sort the
    // addresses by its own preferences.
    hostent entry{};
    hostent* found = nullptr;
    int error = 0;
    std::vector<char> work(1024);
    while (gethostbyname_r(hostName, &entry, work.data(), work.size(), &found, &error) == ERANGE) {
        work.resize(work.size() * 2);
    }
    if (found == nullptr || found->h_addrtype != AF_INET || found->h_addr_list[0] == nullptr) {
        return result;
    }
    in_addr first;
    std::memcpy(&first, found->h_addr_list[0], sizeof first);
    WriteDottedDecimal(first, std::span<char, 16>(result.get(), 16));
    return result;
}

}  // namespace vh
