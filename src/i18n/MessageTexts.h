#pragma once

#include <string>
#include <string_view>

// The program-wide texts, in the active language, of the string identifiers the program formats itself.
// Empty at start; refilled after every language switch. Texts are UTF-8.
namespace MessageTexts
{

inline constexpr std::string_view strTOOLCAPTION = "strTOOLCAPTION";
inline constexpr std::string_view strSTRAUTO = "strSTRAUTO";
inline constexpr std::string_view strStrNOTEItSeemsThat = "strStrNOTEItSeemsThat";
inline constexpr std::string_view strStrOrdakInterfaceDetet = "strStrOrdakInterfaceDetet";
inline constexpr std::string_view strStrNoOrdakInterfaceD = "strStrNoOrdakInterfaceD";
inline constexpr std::string_view strStrNOTEYouCanAvoid = "strStrNOTEYouCanAvoid";
inline constexpr std::string_view strStrOrdakInterfaceDete = "strStrOrdakInterfaceDete";
inline constexpr std::string_view strStrHardwareDetection = "strStrHardwareDetection";
inline constexpr std::string_view strStrSelectPredefinedVa = "strStrSelectPredefinedVa";
inline constexpr std::string_view strStrSendingDatas = "strStrSendingDatas";

// The identifiers above, in the order in which they are refreshed.
inline constexpr std::string_view kAll[] = {strTOOLCAPTION,           strSTRAUTO,
                                            strStrNOTEItSeemsThat,    strStrOrdakInterfaceDetet,
                                            strStrNoOrdakInterfaceD,  strStrNOTEYouCanAvoid,
                                            strStrOrdakInterfaceDete, strStrHardwareDetection,
                                            strStrSelectPredefinedVa, strStrSendingDatas};

std::string text(std::string_view id);
void setText(std::string_view id, std::string utf8);
// Empties the texts and forgets the language.
void clear();

// The name of the active language ("German", "English", ...), for texts the program writes itself;
// empty until the first refill.
std::string language();
void setLanguage(std::string name);

} // namespace MessageTexts
