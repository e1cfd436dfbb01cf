#include "device/SerialOpenAdvice.h"

#include <utility>

namespace
{

struct Texts {
    const char* deniedNotMember;
    const char* deniedNeedsLogin;
    const char* deniedMember;
    const char* busy;
    const char* busyBy;
    const char* missing;
    const char* claimed;
    const char* unclaimed;
    const char* other;
};

// %P the device path, %G the group, %H the holding program, %I its process id, %D the driver, %E the
// system's error text.
constexpr Texts kEnglish{
    "Access to %P is denied: it belongs to the group '%G', and your user is not in it. Add your user to that "
    "group (sudo usermod -aG %G $USER) and log in again, or install the udev rule "
    "70-tavimoro-interface.rules and plug the interface in again.",
    "Access to %P is denied: it belongs to the group '%G'. Your user was added to that group after this "
    "session began: log out and in again, then try again.",
    "Access to %P is denied although your user is in its group '%G': the node does not let the group read "
    "and write. Install the udev rule 70-tavimoro-interface.rules and plug the interface in again.",
    "Another program is using %P. Close that program and try again.",
    "Another program is using %P: %H (process %I). Close that program and try again.",
    "The device %P is not there: the interface is unplugged, or another driver has claimed it.",
    "The interface is plugged in, but %P is not there: the driver '%D' has claimed it instead of the serial "
    "driver. A braille-display service such as brltty does this; remove it (sudo apt remove brltty) or stop "
    "it, then plug the interface in again.",
    "The interface is plugged in, but %P is not there: no serial driver has taken it. Another driver or a "
    "braille-display service such as brltty may have claimed it; remove that service, or load the serial "
    "driver (sudo modprobe cp210x), then plug the interface in again.",
    "%P: %E.",
};

constexpr Texts kGerman{
    "Zugriff auf %P verweigert: Der Anschluss gehört der Gruppe '%G', in der Ihr Benutzer nicht Mitglied "
    "ist. "
    "Nehmen Sie Ihren Benutzer in diese Gruppe auf (sudo usermod -aG %G $USER) und melden Sie sich neu an, "
    "oder installieren Sie die udev-Regel 70-tavimoro-interface.rules und stecken Sie das Interface neu ein.",
    "Zugriff auf %P verweigert: Der Anschluss gehört der Gruppe '%G'. Ihr Benutzer wurde erst nach "
    "Beginn dieser Sitzung in die Gruppe aufgenommen: Melden Sie sich ab und wieder an und versuchen Sie es "
    "erneut.",
    "Zugriff auf %P verweigert, obwohl Ihr Benutzer Mitglied der Gruppe '%G' ist: Die Gruppe hat keine Lese- "
    "und Schreibrechte auf den Anschluss. Installieren Sie die udev-Regel 70-tavimoro-interface.rules und "
    "stecken Sie das Interface neu ein.",
    "Ein anderes Programm verwendet %P. Schließen Sie dieses Programm und versuchen Sie es erneut.",
    "Ein anderes Programm verwendet %P: %H (Prozess %I). Schließen Sie dieses Programm und versuchen Sie es "
    "erneut.",
    "Das Gerät %P ist nicht vorhanden: Das Interface ist nicht eingesteckt, oder ein anderer Treiber hat es "
    "belegt.",
    "Das Interface ist eingesteckt, aber %P ist nicht vorhanden: Der Treiber '%D' hat es anstelle des "
    "seriellen Treibers belegt. Das tut z. B. ein Braillezeilen-Dienst wie brltty; entfernen (sudo apt "
    "remove "
    "brltty) oder beenden Sie ihn und stecken Sie das Interface neu ein.",
    "Das Interface ist eingesteckt, aber %P ist nicht vorhanden: Kein serieller Treiber hat es übernommen. "
    "Ein "
    "anderer Treiber oder ein Braillezeilen-Dienst wie brltty kann es belegt haben; entfernen Sie diesen "
    "Dienst oder laden Sie den seriellen Treiber (sudo modprobe cp210x) und stecken Sie das Interface neu "
    "ein.",
    "%P: %E.",
};

const char* templateFor(const Texts& texts, const SerialOpenFacts& facts)
{
    using Cause = SerialOpenFacts::Cause;
    using Membership = SerialOpenFacts::Membership;
    switch (facts.cause) {
    case Cause::Denied:
        if (facts.membership == Membership::NeedsNewLogin)
            return texts.deniedNeedsLogin;
        return facts.membership == Membership::Member ? texts.deniedMember : texts.deniedNotMember;
    case Cause::Busy:
        return facts.holderProcess > 0 ? texts.busyBy : texts.busy;
    case Cause::Missing:
        if (!facts.bridgePlugged)
            return texts.missing;
        return facts.claimingDriver.empty() ? texts.unclaimed : texts.claimed;
    case Cause::Other:
        break;
    }
    return texts.other;
}

// Replaces each mark in one pass, so that a value holding a mark stays as it is.
std::string fill(std::string_view pattern, const SerialOpenFacts& facts)
{
    const std::string process = std::to_string(facts.holderProcess);
    const std::pair<char, const std::string*> values[] = {
        {'P', &facts.devicePath}, {'G', &facts.group},          {'H', &facts.holderProgram},
        {'I', &process},          {'D', &facts.claimingDriver}, {'E', &facts.errorText}};
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            const std::string* value = nullptr;
            for (const auto& [mark, text] : values)
                if (pattern[i + 1] == mark)
                    value = text;
            if (value) {
                out += *value;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace

std::string SerialOpenAdvice(const SerialOpenFacts& facts, std::string_view language)
{
    const Texts& texts = language == "German" ? kGerman : kEnglish;
    return fill(templateFor(texts, facts), facts);
}
