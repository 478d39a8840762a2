#pragma once
// The data behind the address dialog and its load and save procedures.

#include "settings/service_url.h"

struct AddressForm {
    bool ipSet = false;          // false: the IP control shows four blank fields
    IpOctets ip;
    std::int32_t port = DEFAULT_PORT;
    UrlText reserved1002;        // carried through data exchange only
    UrlText reserved1003;
    UrlText virtualDir;          // found in the stored URL; not used on save
    UrlText serverUrl;           // display text of the stored URL; not used on save
};

enum class SaveOutcome { Saved, Failed };

// The message box that reports an outcome. Texts are code page 936; type is
// a MessageBox type (MB_OK with an icon).
struct OutcomeMessage {
    const char* text;
    const char* caption;
    unsigned type;
};

OutcomeMessage MessageForOutcome(SaveOutcome outcome);

void LoadAddressForm(AddressForm& form);
SaveOutcome SaveAddressForm(const AddressForm& form);
