// Any stored text must parse without reading or writing out of bounds, and
// with terminated fields; and whatever FormatServiceUrl writes must parse back
// to the same octets and port.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "settings/service_url.h"

namespace {

void Require(bool ok)
{
    if (!ok) std::abort();
}

bool Terminated(const UrlText& t)
{
    return std::memchr(t.text, '\0', sizeof t.text) != nullptr;
}

void CheckArbitraryText(const std::uint8_t* data, std::size_t size)
{
    // Exactly as long as the input: an overrun past its terminator shows.
    std::string text(reinterpret_cast<const char*>(data), size);
    const std::string before = text;
    const StoredUrlParts parts = ParseStoredUrl(text.c_str());
    Require(text == before);
    Require(Terminated(parts.displayText) && Terminated(parts.virtualDir));
    Require(!parts.hasVirtualDir || parts.hasAddress);
}

void CheckRoundTrip(const std::uint8_t* data, std::size_t size)
{
    if (size < 8) return;
    IpOctets ip;
    std::memcpy(ip.octet, data, 4);
    std::uint32_t raw;
    std::memcpy(&raw, data + 4, 4);
    const std::int32_t port = static_cast<std::int32_t>(raw % (PORT_MAX + 1));

    const UrlText url = FormatServiceUrl(ip, port);
    const StoredUrlParts parts = ParseStoredUrl(url.text);
    Require(parts.hasAddress && !parts.hasVirtualDir);
    Require(std::memcmp(parts.octets.octet, ip.octet, 4) == 0);
    Require(parts.port == port);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckArbitraryText(data, size);
    CheckRoundTrip(data, size);
    return 0;
}
