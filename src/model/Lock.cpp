#include "model/Lock.h"

#include "model/Kisten.h"
#include "model/Translate.h"
#include "platform/Dialogs.h"

#include <openssl/evp.h>

#include <array>
#include <memory>
#include <stdexcept>

namespace fup {

std::string md5Hex(std::string_view text)
{
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (!context || EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1 ||
        EVP_DigestUpdate(context.get(), text.data(), text.size()) != 1 ||
        EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1 || length != 16)
        // Without a digest no lock can be set or checked; carrying on would lock blocks
        // with a value nobody can reproduce.
        throw std::runtime_error("MD5 digest not available");
    static constexpr char Hex[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        hex += Hex[digest[i] >> 4];
        hex += Hex[digest[i] & 0x0F];
    }
    return hex;
}

bool PasswordKeeper::accessAllowed(const TKiste& block, platform::Dialogs& dialogs, bool report,
                                   const LockMessage& message)
{
    if (block.lock.empty())
        return true;
    if (md5Hex(remembered_) == block.lock)
        return true;
    const auto entry = dialogs.passwordQuery(tx("Verriegelt.."), tx("bitte Password eingeben "), "");
    if (!entry)
        return false;
    if (md5Hex(*entry) == block.lock) {
        remembered_ = *entry;
        return true;
    }
    if (report && message)
        message(tx("ungueltiges Password"));
    return false;
}

bool PasswordKeeper::lock(TKiste& block, platform::Dialogs& dialogs, const LockMessage& message)
{
    const auto first = dialogs.passwordQuery(tx("Verriegeln"), tx("bitte Password eingeben "), remembered_);
    if (!first)
        return false;
    const auto second = dialogs.passwordQuery(tx("Verriegeln"), tx("gleiches Password nochmal eingeben "), remembered_);
    if (!second)
        return false;
    if (first->empty() || *first != *second) {
        if (message)
            message(tx("Eingabefehler..nicht Verriegelt!"));
        return false;
    }
    block.lock = md5Hex(*first);
    remembered_ = *first;
    return true;
}

bool PasswordKeeper::unlock(TKiste& block, platform::Dialogs& dialogs)
{
    if (!accessAllowed(block, dialogs, false, {}))
        return false;
    block.lock.clear();
    return true;
}

} // namespace fup
