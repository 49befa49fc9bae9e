#include "toolkit/MessageBoxes.h"

#include "platform/Services.h"
#include "toolkit/Application.h"

namespace toolkit {

void ShowInfo(const std::string& text) {
    platform::Boxes().Show(platform::BoxKind::Info, text, ApplicationTitle());
}

void ShowError(const std::string& text) {
    platform::Boxes().Beep(platform::SystemSound::Hand);
    platform::Boxes().Show(platform::BoxKind::Error, text, ApplicationTitle());
}

bool AskYesNo(const std::string& text) {
    platform::Boxes().Beep(platform::SystemSound::Question);
    return AskYesNoSilently(text);
}

bool AskYesNoSilently(const std::string& text) {
    return platform::Boxes().Show(platform::BoxKind::YesNo, text, ApplicationTitle());
}

bool AskYesNoDefaultNo(const std::string& text) {
    platform::Boxes().Beep(platform::SystemSound::Question);
    return platform::Boxes().Show(platform::BoxKind::YesNoDefaultNo, text, ApplicationTitle());
}

void ShowPlain(const std::string& text) {
    platform::Boxes().Show(platform::BoxKind::Plain, text, "");
}

void ShowErrorText(const std::string& text) {
    platform::Boxes().Show(platform::BoxKind::Error, text, ApplicationTitle());
}

} // namespace toolkit
