#pragma once
// The service URL: the one text this program exists to maintain. Other
// software reads it from the registry; we compose it on save and split it
// on load. No Windows header here: this file builds natively too.

#include <cstdint>

constexpr int URL_BUFFER_SIZE = 256;  // a service URL has at most 255 characters
constexpr int DEFAULT_PORT = 8089;
constexpr int PORT_MAX = 999999;

constexpr char SERVICE_URL_FORMAT[] = "http://%d.%d.%d.%d:%d/Seal/general/interface/";
constexpr char SERVICE_PATH[] = "/Seal/general/interface";
constexpr char URL_SCHEME[] = "http://";
constexpr char DEFAULT_SERVICE_URL[] = "http://127.0.0.1:8089";

// A NUL-terminated 8-bit text in a fixed buffer; always terminated.
struct UrlText {
    char text[URL_BUFFER_SIZE] = {};
};

// Element 0 is the leftmost octet, as written and as shown in the first field
// of the IP control.
struct IpOctets {
    std::uint8_t octet[4] = {};
};

// Packed as MAKEIPADDRESS does: element 0 in bits 31-24.
std::uint32_t PackIpOctets(const IpOctets& ip);
IpOctets UnpackIpOctets(std::uint32_t packed);

struct StoredUrlParts {
    UrlText displayText;         // stored URL cut before the service path, or DEFAULT_SERVICE_URL
    bool hasAddress = false;     // all four separators of the address were found
    IpOctets octets;             // valid only when hasAddress
    std::int32_t port = 0;       // valid only when hasAddress
    bool hasVirtualDir = false;  // hasAddress and a slash follows the colon
    UrlText virtualDir;          // valid only when hasVirtualDir
};

// The caller passes a port already validated to 0..PORT_MAX.
UrlText FormatServiceUrl(const IpOctets& ip, std::int32_t port);

// stored: at most URL_BUFFER_SIZE - 1 characters are looked at. The caller's
// text is left unchanged.
StoredUrlParts ParseStoredUrl(const char* stored);
