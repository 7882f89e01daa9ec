#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "platform/posix/posix_system.h"

namespace platform {

namespace {

struct LanguageName {
    const char* code;  // ISO 639 code as in POSIX locale names
    const char* name;  // as GetLocaleInfoA(LOCALE_SENGLANGUAGE) reports it
};

// Sorted by code.
constexpr LanguageName kLanguages[] = {
    {"af", "Afrikaans"}, {"ar", "Arabic"},     {"be", "Belarusian"}, {"bg", "Bulgarian"},
    {"bn", "Bengali"},   {"ca", "Catalan"},    {"cs", "Czech"},      {"cy", "Welsh"},
    {"da", "Danish"},    {"de", "German"},     {"el", "Greek"},      {"en", "English"},
    {"es", "Spanish"},   {"et", "Estonian"},   {"eu", "Basque"},     {"fa", "Farsi"},
    {"fi", "Finnish"},   {"fo", "Faeroese"},   {"fr", "French"},     {"ga", "Irish"},
    {"gl", "Galician"},  {"gu", "Gujarati"},   {"he", "Hebrew"},     {"hi", "Hindi"},
    {"hr", "Croatian"},  {"hu", "Hungarian"},  {"hy", "Armenian"},   {"id", "Indonesian"},
    {"is", "Icelandic"}, {"it", "Italian"},    {"ja", "Japanese"},   {"ka", "Georgian"},
    {"kk", "Kazakh"},    {"kn", "Kannada"},    {"ko", "Korean"},     {"lt", "Lithuanian"},
    {"lv", "Latvian"},   {"mk", "Macedonian"}, {"mr", "Marathi"},    {"ms", "Malay"},
    {"mt", "Maltese"},   {"nb", "Norwegian"},  {"nl", "Dutch"},      {"nn", "Norwegian"},
    {"no", "Norwegian"}, {"pa", "Punjabi"},    {"pl", "Polish"},     {"pt", "Portuguese"},
    {"ro", "Romanian"},  {"ru", "Russian"},    {"sk", "Slovak"},     {"sl", "Slovenian"},
    {"sq", "Albanian"},  {"sr", "Serbian"},    {"sv", "Swedish"},    {"sw", "Swahili"},
    {"ta", "Tamil"},     {"te", "Telugu"},     {"th", "Thai"},       {"tr", "Turkish"},
    {"uk", "Ukrainian"}, {"ur", "Urdu"},       {"uz", "Uzbek"},      {"vi", "Vietnamese"},
    {"zh", "Chinese"},
};

// Locale names look like language[_territory][.codeset][@modifier].
std::string LanguageCode(const std::string& locale) {
    std::string code = locale.substr(0, locale.find_first_of("_.@"));
    std::transform(code.begin(), code.end(), code.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return code;
}

// The locale that decides message language, in POSIX precedence.
std::string MessagesLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return value;
    }
    return "";
}

}  // namespace

std::string LanguageNameForLocale(const std::string& locale) {
    const std::string code = LanguageCode(locale);
    auto it =
        std::lower_bound(std::begin(kLanguages), std::end(kLanguages), code,
                         [](const LanguageName& l, const std::string& c) { return l.code < c; });
    if (it != std::end(kLanguages) && it->code == code) return it->name;
    return "English";
}

bool PosixSystem::GetSystemLanguageName(std::string* name) {
    *name = LanguageNameForLocale(MessagesLocale());
    return true;
}

}  // namespace platform
