#include "settings/address_form.h"

#include <cstring>

#include "settings/settings_store.h"

namespace {

// MessageBox types, spelled out so that this file needs no window header.
constexpr unsigned kMbOk = 0x00000000;
constexpr unsigned kMbIconWarning = 0x00000030;
constexpr unsigned kMbIconInformation = 0x00000040;

void CopyText(UrlText& to, const UrlText& from)
{
    std::memcpy(to.text, from.text, sizeof to.text);
    to.text[sizeof to.text - 1] = '\0';
}

}  // namespace

OutcomeMessage MessageForOutcome(SaveOutcome outcome)
{
    if (outcome == SaveOutcome::Saved) return {"设置成功", "提示", kMbOk | kMbIconInformation};
    return {"设置失败，可能您没有权限，请联系管理员", "警告", kMbOk | kMbIconWarning};
}

void LoadAddressForm(AddressForm& form)
{
    const UrlText stored = ReadServiceUrl();
    const StoredUrlParts parts = ParseStoredUrl(stored.text);

    CopyText(form.serverUrl, parts.displayText);
    if (!parts.hasAddress) return;
    form.ip = parts.octets;
    form.ipSet = true;
    form.port = parts.port;
    if (parts.hasVirtualDir) CopyText(form.virtualDir, parts.virtualDir);
}

SaveOutcome SaveAddressForm(const AddressForm& form)
{
    const IpOctets octets = form.ipSet ? form.ip : IpOctets{};
    const UrlText url = FormatServiceUrl(octets, form.port);
    return WriteServiceUrl(url.text) ? SaveOutcome::Saved : SaveOutcome::Failed;
}
