#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace fup {

namespace platform {
class Dialogs;
}

class TKiste;

// The MD5 digest (RFC 1321) of the text as 32 lower-case hexadecimal characters: what the
// lock of a macro or automat holds instead of its password.
std::string md5Hex(std::string_view text);

// Messages of the lock commands, shown after the triggering event has returned.
using LockMessage = std::function<void(const std::string& text)>;

// The password lock of macros and automats. The keeper remembers the last password that
// was set or entered correctly for as long as the program runs, so that a user who
// unlocked one block is not asked again for blocks with the same password.
class PasswordKeeper {
  public:
    // Whether the block may be opened, its parameters changed or its lock removed: an
    // unlocked block always; a locked one when the remembered password fits, otherwise
    // after asking ("Verriegelt.."). A wrong entry is refused, with "ungueltiges Password"
    // when report is set; a cancelled question is refused silently.
    bool accessAllowed(const TKiste& block, platform::Dialogs& dialogs, bool report, const LockMessage& message);

    // "Verriegeln": the password twice, both questions pre-filled with the remembered one.
    // Cancelling changes nothing; differing or empty entries give "Eingabefehler..nicht
    // Verriegelt!" and change nothing. True when the block was locked.
    bool lock(TKiste& block, platform::Dialogs& dialogs, const LockMessage& message);

    // "Entriegeln": the access check without report; the lock is cleared when it passes.
    bool unlock(TKiste& block, platform::Dialogs& dialogs);

    const std::string& remembered() const { return remembered_; }

  private:
    std::string remembered_;
};

} // namespace fup
