#include "settings/service_url.h"

#include <cstring>

#include "settings/decimal_text.h"

std::uint32_t PackIpOctets(const IpOctets& ip)
{
    return (std::uint32_t{ip.octet[0]} << 24) | (std::uint32_t{ip.octet[1]} << 16) |
           (std::uint32_t{ip.octet[2]} << 8) | std::uint32_t{ip.octet[3]};
}

IpOctets UnpackIpOctets(std::uint32_t packed)
{
    IpOctets ip;
    for (int i = 0; i < 4; ++i)
        ip.octet[i] = static_cast<std::uint8_t>(packed >> (24 - 8 * i));
    return ip;
}

UrlText FormatServiceUrl(const IpOctets& ip, std::int32_t port)
{
    UrlText url = UrlText();
    const std::int32_t values[] = {ip.octet[0], ip.octet[1], ip.octet[2], ip.octet[3], port};
    FormatDecimals(url.text, sizeof url.text, SERVICE_URL_FORMAT, values, 5);
    return url;
}

namespace {

void CopyText(UrlText& to, const char* from)
{
    std::strncpy(to.text, from, sizeof to.text - 1);
    to.text[sizeof to.text - 1] = '\0';
}

// Finds sep at or after *cursor, ends the piece there and moves the cursor
// past it. Returns the piece's start, or nullptr when sep does not occur.
char* CutAt(char*& cursor, char sep)
{
    char* found = std::strchr(cursor, sep);
    if (!found) return nullptr;
    char* piece = cursor;
    *found = '\0';
    cursor = found + 1;
    return piece;
}

}  // namespace

StoredUrlParts ParseStoredUrl(const char* stored)
{
    StoredUrlParts parts;
    UrlText work;
    CopyText(work, stored);

    if (char* path = std::strstr(work.text, SERVICE_PATH)) {
        *path = '\0';
        CopyText(parts.displayText, work.text);
    } else {
        CopyText(parts.displayText, DEFAULT_SERVICE_URL);
    }
    if (work.text[0] == '\0') return parts;

    char* cursor = std::strstr(work.text, URL_SCHEME);
    if (!cursor) return parts;
    cursor += sizeof URL_SCHEME - 1;

    char* octetText[4];
    for (int i = 0; i < 3; ++i)
        if (!(octetText[i] = CutAt(cursor, '.'))) return parts;
    if (!(octetText[3] = CutAt(cursor, ':'))) return parts;
    char* portText = cursor;

    for (int i = 0; i < 4; ++i)
        parts.octets.octet[i] = static_cast<std::uint8_t>(WrappingAtol(octetText[i]));
    parts.port = WrappingAtol(portText);
    parts.hasAddress = true;

    if (const char* slash = std::strchr(portText, '/')) {
        CopyText(parts.virtualDir, slash + 1);
        parts.hasVirtualDir = true;
    }
    return parts;
}
